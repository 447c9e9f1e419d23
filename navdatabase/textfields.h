#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVarLengthArray>

// The fields of a row of the simulator's text files, cut in place from the line's bytes, and
// the numbers in them. Reading a row allocates nothing until a reader keeps a text: on files
// of millions of rows the per-field strings and lists would cost more than the reading.
class TextFields
{
public:
    using Fields = QVarLengthArray<QByteArrayView, 32>;

    // Runs of the space character separate the fields; a tab is part of a field. No empty field.
    static void splitAtBlanks(QByteArrayView line, Fields &fields);

    // Base 10 into 64 bits, surrounding white space allowed; 0 when it does not parse or lies
    // outside the signed 32-bit range.
    static int toInt(QByteArrayView field);
    // A decimal number, with an exponent if need be; 0.0 when it does not parse or is not finite.
    static double toDouble(QByteArrayView field);

    static QString text(QByteArrayView field) { return QString::fromUtf8(field); }
    // The fields from `from` to the last, joined with single spaces; empty when there are none.
    static QString joined(const Fields &fields, qsizetype from);
};
