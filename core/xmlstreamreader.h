#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <functional>

// Strict reader of the texts XmlStreamWriter writes: callers read the elements in exactly
// the order they were written. Every operation returns true on success; on failure it
// returns false and leaves a translated message naming the line in the error string.
class XmlStreamReader
{
public:
    XmlStreamReader(const QString &text, QString *error);

    // Checks the envelope. A non-empty names (versions) list must contain the "appname"
    // ("appversion") of the text; when it does not, the list is replaced by the value found.
    bool readHeader(QStringList *names = nullptr, QStringList *versions = nullptr);
    bool readFooter();

    bool readStartElement(const QString &name);
    // Whether the next element is a start element of that name, without reading it, for an
    // element that later versions of a document added and older texts lack. Never fails.
    bool nextIsStartElement(const QString &name);
    bool readEndElement(const QString &name);

    bool readListStart(const QString &name, int *count);
    bool readListEnd(const QString &name);

    // An empty string element reads as the empty string; an empty number element leaves the
    // value as it was; an empty date element reads as an invalid date and time.
    bool readString(const QString &name, QString *value);
    bool readInt(const QString &name, int *value);
    bool readDouble(const QString &name, double *value);
    bool readDateTime(const QString &name, QDateTime *value);

private:
    bool nextBoundary();
    // Reads the start tag and the character data up to the next tag. *isText tells whether
    // there was any, *closed whether that tag is the element's own end tag.
    bool readTextElement(const QString &name, QString *text, bool *isText, bool *closed);
    bool endTextElement(const QString &name, bool closed);
    // A number or date element: parse takes the text and tells whether it was one; an empty
    // element calls empty (if given) and passes. mismatch is the untranslated message, %1 the text,
    // %2 the line.
    bool readParsed(const QString &name, const char *mismatch, const std::function<bool(const QString &)> &parse,
                    const std::function<void()> &empty = {});
    qint64 line() const;

    QXmlStreamReader m_reader;
    QString *m_error;
    // The reader stands on a boundary that nextIsStartElement looked at and nobody read yet.
    bool m_peeked = false;
};
