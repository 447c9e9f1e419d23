#include "airplane.h"

#include <QMetaProperty>

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
