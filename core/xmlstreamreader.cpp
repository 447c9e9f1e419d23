#include "xmlstreamreader.h"

#include <QObject>
#include <QtGlobal>

namespace {
QString *checkedError(QString *error)
{
    if (!error)
        qFatal("Cannot create XmlStreamReader object with NULL pointers!");
    return error;
}
} // namespace

XmlStreamReader::XmlStreamReader(const QString &text, QString *error)
    : m_reader(text)
    , m_error(checkedError(error))
{
}

qint64 XmlStreamReader::line() const
{
    return m_reader.lineNumber();
}

bool XmlStreamReader::nextBoundary()
{
    if (m_peeked) {
        m_peeked = false;
        return m_reader.isStartElement() || m_reader.isEndElement();
    }
    m_reader.readNext();
    while (!m_reader.isStartElement() && !m_reader.isEndElement() && !m_reader.atEnd())
        m_reader.readNext();
    return m_reader.isStartElement() || m_reader.isEndElement();
}

bool XmlStreamReader::readHeader(QStringList *names, QStringList *versions)
{
    m_reader.readNext();
    if (m_reader.tokenType() != QXmlStreamReader::StartDocument) {
        // An empty file, or one that is not XML at all, must not open silently as nothing.
        *m_error = QObject::tr("Error expecting XML document at line %1!").arg(line());
        return false;
    }
    if (!readStartElement(QStringLiteral("content")))
        return false;

    const QXmlStreamAttributes attributes = m_reader.attributes();
    const QString appName = attributes.value(QStringLiteral("appname")).toString();
    const QString appVersion = attributes.value(QStringLiteral("appversion")).toString();

    if (names && !names->isEmpty() && !names->contains(appName)) {
        *names = QStringList{appName};
        *m_error = QObject::tr("This file has been generated with %1, it can not be opened!").arg(appName);
        return false;
    }
    if (versions && !versions->isEmpty() && !versions->contains(appVersion)) {
        *versions = QStringList{appVersion};
        *m_error = QObject::tr("This file has been generated with incompatible version %1, it can not be opened!")
                       .arg(appVersion);
        return false;
    }
    return true;
}

bool XmlStreamReader::readFooter()
{
    if (!readEndElement(QStringLiteral("content")))
        return false;
    m_reader.readNext();
    // Comments or white space may follow the root element.
    while (!m_reader.atEnd() && m_reader.tokenType() != QXmlStreamReader::EndDocument
           && (m_reader.isComment() || m_reader.isWhitespace() || m_reader.isProcessingInstruction()))
        m_reader.readNext();
    if (m_reader.tokenType() != QXmlStreamReader::EndDocument) {
        *m_error = QObject::tr("End of document was expected at line %1").arg(line());
        return false;
    }
    return true;
}

bool XmlStreamReader::readStartElement(const QString &name)
{
    if (nextBoundary() && m_reader.isStartElement() && m_reader.name() == name)
        return true;
    *m_error = QObject::tr("Error expecting <%1> start element at line %2!").arg(name).arg(line());
    return false;
}

bool XmlStreamReader::nextIsStartElement(const QString &name)
{
    if (!m_peeked) {
        nextBoundary();
        m_peeked = true;
    }
    return m_reader.isStartElement() && m_reader.name() == name;
}

bool XmlStreamReader::readEndElement(const QString &name)
{
    if (nextBoundary() && m_reader.isEndElement() && m_reader.name() == name)
        return true;
    *m_error = QObject::tr("Error expecting </%1> end element at line %2!").arg(name).arg(line());
    return false;
}

bool XmlStreamReader::readListStart(const QString &name, int *count)
{
    if (!readStartElement(name))
        return false;
    const QString text = m_reader.attributes().value(QStringLiteral("count")).toString();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (count)
        *count = ok ? value : 0;
    if (!ok) {
        *m_error = QObject::tr("Invalid list count %1 for element <%2> at line %3!").arg(text, name).arg(line());
        return false;
    }
    return true;
}

bool XmlStreamReader::readListEnd(const QString &name)
{
    return readEndElement(name);
}

bool XmlStreamReader::readTextElement(const QString &name, QString *text, bool *isText, bool *closed)
{
    if (!readStartElement(name))
        return false;
    // Character data may come in several pieces (CDATA sections, comments in between):
    // reading only the first would silently drop the rest of the value.
    text->clear();
    *isText = false;
    m_reader.readNext();
    while (m_reader.isCharacters() || m_reader.isComment()) {
        if (m_reader.isCharacters()) {
            *text += m_reader.text();
            *isText = true;
        }
        m_reader.readNext();
    }
    *closed = m_reader.isEndElement() && m_reader.name() == name;
    return true;
}

bool XmlStreamReader::endTextElement(const QString &name, bool closed)
{
    if (closed)
        return true;
    *m_error = QObject::tr("Error expecting </%1> end element at line %2!").arg(name).arg(line());
    return false;
}

bool XmlStreamReader::readString(const QString &name, QString *value)
{
    if (!value)
        return false;
    QString text;
    bool isText = false;
    bool closed = false;
    if (!readTextElement(name, &text, &isText, &closed))
        return false;
    // An empty element is an empty string, not whatever the caller held before.
    *value = text;
    if (!isText && !closed) {
        *m_error = QObject::tr("Error at line %2 expecting string got %1!").arg(text).arg(line());
        return false;
    }
    return endTextElement(name, closed);
}

bool XmlStreamReader::readParsed(const QString &name, const char *mismatch,
                                 const std::function<bool(const QString &)> &parse, const std::function<void()> &empty)
{
    QString text;
    bool isText = false;
    bool closed = false;
    if (!readTextElement(name, &text, &isText, &closed))
        return false;
    if (!isText && closed) {
        if (empty)
            empty();
        return true;
    }
    const bool ok = parse(text);
    if (!isText || !ok) {
        *m_error = QObject::tr(mismatch).arg(text).arg(line());
        return false;
    }
    return endTextElement(name, closed);
}

bool XmlStreamReader::readInt(const QString &name, int *value)
{
    if (!value)
        return false;
    return readParsed(name, QT_TRANSLATE_NOOP("QObject", "Error at line %2 expecting integer got %1!"),
                      [value](const QString &text) {
                          bool ok = false;
                          *value = text.toInt(&ok, 10);
                          return ok;
                      });
}

bool XmlStreamReader::readDouble(const QString &name, double *value)
{
    if (!value)
        return false;
    return readParsed(name, QT_TRANSLATE_NOOP("QObject", "Error at line %2 expecting number got %1!"),
                      [value](const QString &text) {
                          bool ok = false;
                          *value = text.toDouble(&ok);
                          return ok;
                      });
}

bool XmlStreamReader::readDateTime(const QString &name, QDateTime *value)
{
    if (!value)
        return false;
    return readParsed(
        name, QT_TRANSLATE_NOOP("QObject", "Error at line %2 expecting date and time got %1!"),
        [value](const QString &text) {
            *value = QDateTime::fromString(text, Qt::TextDate);
            return value->isValid();
        },
        // The writer writes an invalid date and time as an empty element.
        [value] { *value = QDateTime(); });
}
