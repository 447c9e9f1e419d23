#pragma once

#include <QDateTime>
#include <QString>
#include <QXmlStreamWriter>

// Writes the program's own XML texts (flight plans, airplane profiles, the stored airplane
// list) into a string that the owner then saves. Every text has the root element "content"
// with the writing program's "appname" and "appversion"; lists carry a "count" attribute.
class XmlStreamWriter
{
public:
    explicit XmlStreamWriter(QString *output);

    // XML declaration and the opening of the root element with its attributes.
    void writeHeader();
    // "appname" and "appversion" on the element just opened.
    void writeAppAttributes();
    // Closes the root element and the document.
    void writeFooter();

    void writeStartElement(const QString &name);
    void writeEndElement();

    void writeListStart(const QString &name, int count);
    // Closes the innermost open element; the name only documents the caller's intent.
    void writeListEnd(const QString &name);

    void writeString(const QString &name, const QString &value);
    void writeInt(const QString &name, int value);
    // Shortest text that reads back as the very same double, so that saving a plan
    // again never moves its waypoints.
    void writeDouble(const QString &name, double value);
    void writeDateTime(const QString &name, const QDateTime &value);

private:
    QXmlStreamWriter m_writer;
};
