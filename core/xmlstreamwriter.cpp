#include "xmlstreamwriter.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtGlobal>

namespace {
QString *checkedOutput(QString *output)
{
    if (!output)
        qFatal("Cannot create XmlStreamWriter object with NULL pointers!");
    return output;
}
} // namespace

XmlStreamWriter::XmlStreamWriter(QString *output)
    : m_writer(checkedOutput(output))
{
    m_writer.setAutoFormatting(true);
}

void XmlStreamWriter::writeHeader()
{
    m_writer.writeStartDocument();
    m_writer.writeStartElement(QStringLiteral("content"));
    writeAppAttributes();
}

void XmlStreamWriter::writeAppAttributes()
{
    m_writer.writeAttribute(QStringLiteral("appname"), QCoreApplication::applicationName());
    m_writer.writeAttribute(QStringLiteral("appversion"), QCoreApplication::applicationVersion());
}

void XmlStreamWriter::writeFooter()
{
    m_writer.writeEndElement();
    m_writer.writeEndDocument();
}

void XmlStreamWriter::writeStartElement(const QString &name)
{
    m_writer.writeStartElement(name);
}

void XmlStreamWriter::writeEndElement()
{
    m_writer.writeEndElement();
}

void XmlStreamWriter::writeListStart(const QString &name, int count)
{
    m_writer.writeStartElement(name);
    m_writer.writeAttribute(QStringLiteral("count"), QString::number(count));
}

void XmlStreamWriter::writeListEnd(const QString &name)
{
    Q_UNUSED(name)
    m_writer.writeEndElement();
}

void XmlStreamWriter::writeString(const QString &name, const QString &value)
{
    m_writer.writeTextElement(name, value);
}

void XmlStreamWriter::writeInt(const QString &name, int value)
{
    m_writer.writeTextElement(name, QString::number(value));
}

void XmlStreamWriter::writeDouble(const QString &name, double value)
{
    // Six significant digits would move a waypoint by up to a few metres on every save;
    // the shortest round-trip form keeps the value bit for bit and is as short as possible.
    m_writer.writeTextElement(name, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void XmlStreamWriter::writeDateTime(const QString &name, const QDateTime &value)
{
    m_writer.writeTextElement(name, value.toString(Qt::TextDate));
}
