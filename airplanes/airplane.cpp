#include "airplane.h"

#include <QDebug>
#include <QMetaProperty>

#include "constants.h"

#include "xmlstreamreader.h"
#include "xmlstreamwriter.h"

namespace {

const QString elementName = QStringLiteral("airplane");

// Every stored field is a property of the gadget; the last property, the derived full name,
// is not stored.
int storedFieldCount()
{
    return Airplane::staticMetaObject.propertyCount() - 1;
}

} // namespace

QString Airplane::fullName() const
{
    return manufacturer + QLatin1Char(' ') + name;
}

void Airplane::write(XmlStreamWriter &writer) const
{
    writer.writeStartElement(elementName);
    for (int field = 0; field < storedFieldCount(); ++field) {
        const QMetaProperty property = staticMetaObject.property(field);
        const QString name = QString::fromLatin1(property.name());
        const QVariant value = property.readOnGadget(this);
        if (property.typeId() == QMetaType::QString)
            writer.writeString(name, value.toString());
        else
            writer.writeInt(name, value.toInt());
    }
    writer.writeEndElement();
}

bool Airplane::read(XmlStreamReader &reader)
{
    if (!reader.readStartElement(elementName))
        return false;
    for (int field = 0; field < storedFieldCount(); ++field) {
        const QMetaProperty property = staticMetaObject.property(field);
        const QString name = QString::fromLatin1(property.name());
        if (property.typeId() == QMetaType::QString) {
            QString text;
            if (!reader.readString(name, &text))
                return false;
            property.writeOnGadget(this, text);
        } else {
            int number = property.readOnGadget(this).toInt();
            if (!reader.readInt(name, &number))
                return false;
            property.writeOnGadget(this, number);
        }
    }
    return reader.readEndElement(elementName);
}

void Airplane::bringWithinLimits(const QString &source)
{
    const auto hold = [&source](int &value, int minimum, int maximum, const char *field) {
        const int held = qBound(minimum, value, maximum);
        if (held != value)
            qWarning().noquote() << QStringLiteral("%1: %2 %3 outside %4 to %5, read as %6")
                                        .arg(source, QLatin1String(field))
                                        .arg(value)
                                        .arg(minimum)
                                        .arg(maximum)
                                        .arg(held);
        value = held;
    };
    const int maxWeight = Constants::maxWeight();
    const int maxFuel = Constants::maxFuel();
    const int minSpeed = int(Constants::minAsKts());
    const int maxSpeed = int(Constants::maxAsKts());
    hold(maxpassengers, 0, Constants::maxPassengers(), "maxpassengers");
    // Not edited in the dialog: a full cabin at most weighs what an airplane may weigh.
    hold(passengerweight, 0, maxWeight / Constants::maxPassengers(), "passengerweight");
    hold(maxcargo, 0, Constants::maxCargo(), "maxcargo");
    // Each maximum weight starts where the one it builds on ends, as in the dialog.
    hold(eow, 0, maxWeight, "eow");
    hold(mzfw, eow, maxWeight, "mzfw");
    hold(mtow, mzfw, maxWeight, "mtow");
    hold(mlw, mzfw, maxWeight, "mlw");
    hold(v2, minSpeed, maxSpeed, "v2");
    hold(takeoffdistance, Constants::minRwyLen(), Constants::maxRwyLen(), "takeoffdistance");
    hold(vat, minSpeed, maxSpeed, "vat");
    hold(landingdistance, Constants::minRwyLen(), Constants::maxRwyLen(), "landingdistance");
    hold(ceilinglvl, Constants::minAlt(), Constants::maxAlt(), "ceilinglvl");
    hold(maxcruisetas, minSpeed, maxSpeed, "maxcruisetas");
    hold(initialias, minSpeed, maxSpeed, "initialias");
    hold(initialvs, Constants::minVs(), Constants::maxVs(), "initialvs");
    hold(climbias, minSpeed, maxSpeed, "climbias");
    hold(climbvs, Constants::minVs(), Constants::maxVs(), "climbvs");
    hold(descentias, minSpeed, maxSpeed, "descentias");
    hold(descentvs, -Constants::maxVs(), -Constants::minVs(), "descentvs");
    hold(approachias, minSpeed, maxSpeed, "approachias");
    hold(approachvs, -Constants::maxVs(), -Constants::minVs(), "approachvs");
    hold(taxifuel, 0, maxFuel, "taxifuel");
    hold(climbfuel, 0, maxFuel, "climbfuel");
    hold(cruisefuel, 0, maxFuel, "cruisefuel");
    hold(descentfuel, 0, maxFuel, "descentfuel");
    hold(alternatefuel, 0, maxFuel, "alternatefuel");
    hold(contingencyfuel, 0, 100, "contingencyfuel");
    hold(extrafuel, 0, maxFuel, "extrafuel");
    hold(finalfuel, 0, 240, "finalfuel");
    hold(fuelcapacity, 0, maxFuel, "fuelcapacity");
}
