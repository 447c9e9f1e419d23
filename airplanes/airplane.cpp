#include "airplane.h"

#include <QDebug>
#include <QMetaProperty>

#include <algorithm>

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

namespace {

// The range the airplane dialog allows a number field; a maximum weight also starts where the
// one it builds on ends, as in the dialog.
struct Limit
{
    QStringView field;
    int minimum;
    int maximum;
    int Airplane::*base = nullptr;
};

// The limit of the field of that name; null for a text, a code or an unknown name.
const Limit *limitOf(QStringView field)
{
    const int maxWeight = Constants::maxWeight();
    const int maxFuel = Constants::maxFuel();
    const int minSpeed = int(Constants::minAsKts());
    const int maxSpeed = int(Constants::maxAsKts());
    const int minRunway = Constants::minRwyLen();
    const int maxRunway = Constants::maxRwyLen();
    // Laid out by hand: the fields in declared order, the order they are held in.
    // clang-format off
    static const Limit limits[] = {
        {u"maxpassengers", 0, Constants::maxPassengers()},
        // Not edited in the dialog: a full cabin at most weighs what an airplane may weigh.
        {u"passengerweight", 0, maxWeight / Constants::maxPassengers()},
        {u"maxcargo", 0, Constants::maxCargo()},
        {u"eow", 0, maxWeight},
        {u"mzfw", 0, maxWeight, &Airplane::eow},
        {u"mtow", 0, maxWeight, &Airplane::mzfw},
        {u"mlw", 0, maxWeight, &Airplane::mzfw},
        {u"v2", minSpeed, maxSpeed},
        {u"takeoffdistance", minRunway, maxRunway},
        {u"vat", minSpeed, maxSpeed},
        {u"landingdistance", minRunway, maxRunway},
        {u"ceilinglvl", Constants::minAlt(), Constants::maxAlt()},
        {u"maxcruisetas", minSpeed, maxSpeed},
        {u"initialias", minSpeed, maxSpeed},
        {u"initialvs", Constants::minVs(), Constants::maxVs()},
        {u"climbias", minSpeed, maxSpeed},
        {u"climbvs", Constants::minVs(), Constants::maxVs()},
        {u"descentias", minSpeed, maxSpeed},
        {u"descentvs", -Constants::maxVs(), -Constants::minVs()},
        {u"approachias", minSpeed, maxSpeed},
        {u"approachvs", -Constants::maxVs(), -Constants::minVs()},
        {u"taxifuel", 0, maxFuel},
        {u"climbfuel", 0, maxFuel},
        {u"cruisefuel", 0, maxFuel},
        {u"descentfuel", 0, maxFuel},
        {u"alternatefuel", 0, maxFuel},
        {u"contingencyfuel", 0, 100},
        {u"extrafuel", 0, maxFuel},
        {u"finalfuel", 0, 240},
        {u"fuelcapacity", 0, maxFuel},
    };
    // clang-format on
    for (const Limit &limit : limits) {
        if (limit.field == field)
            return &limit;
    }
    return nullptr;
}

int hold(const Limit &limit, int minimum, int value, const QString &source)
{
    const int held = qBound(minimum, value, limit.maximum);
    if (held != value)
        qWarning().noquote() << QStringLiteral("%1: %2 %3 outside %4 to %5, read as %6")
                                    .arg(source, limit.field)
                                    .arg(value)
                                    .arg(minimum)
                                    .arg(limit.maximum)
                                    .arg(held);
    return held;
}

} // namespace

int Airplane::heldWithinLimits(QStringView field, int value, const QString &source)
{
    const Limit *limit = limitOf(field);
    return limit ? hold(*limit, limit->minimum, value, source) : value;
}

void Airplane::bringWithinLimits(const QString &source)
{
    for (int field = 0; field < storedFieldCount(); ++field) {
        const QMetaProperty property = staticMetaObject.property(field);
        const Limit *limit = limitOf(QString::fromLatin1(property.name()));
        if (!limit)
            continue;
        // The base is held before the weight built on it: the fields are declared in that order.
        const int minimum = limit->base ? std::max(limit->minimum, this->*limit->base) : limit->minimum;
        property.writeOnGadget(this, hold(*limit, minimum, property.readOnGadget(this).toInt(), source));
    }
}
