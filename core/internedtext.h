#pragma once

#include <QByteArrayView>
#include <QDataStream>
#include <QString>
#include <QStringView>

// A short text kept once per process, held by a pointer: the identifiers of procedure legs
// (fixes, navaids, transitions, terminals, regions) are a few tens of thousands of texts
// repeated over a million legs, and a QString per field is three times the pointer. The
// readers of the simulator's files share the short texts of their items through it as well
// (regions, terminals, airway and taxiway names): the database holds hundreds of thousands of
// copies of a few thousand such texts otherwise.
//
// The pool only grows: a text stays for the life of the process, which bounds it by the
// distinct texts of the files read (a reload reads the same names again). Null and empty texts
// stay apart, as QString and the database file tell them apart. Safe on any thread.
class InternedText
{
public:
    InternedText() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): stands in for the QString it replaces
    InternedText(const QString &text);
    // A null view is the null text.
    explicit InternedText(QStringView text);
    // The text of UTF-8 bytes, as the fields of the data files hold them; a null view is the
    // null text.
    static InternedText fromUtf8(QByteArrayView utf8);

    const QString &text() const { return m_text ? *m_text : nullText(); }
    bool isEmpty() const { return !m_text || m_text->isEmpty(); }

    // Equal texts share their pointer, except the null and the empty text, which compare
    // equal as QString compares them.
    bool operator==(const InternedText &other) const
    {
        return m_text == other.m_text || (isEmpty() && other.isEmpty());
    }

    // Distinct texts in the pool, for tests and figures.
    static qsizetype poolSize();

private:
    static const QString &nullText();

    const QString *m_text = nullptr;
};

// As the QString: the same bytes on a stream.
QDataStream &operator<<(QDataStream &stream, const InternedText &text);
QDataStream &operator>>(QDataStream &stream, InternedText &text);
