#include "streamunpacker.h"

#include <QBuffer>
#include <QTest>

namespace {

// A text held as something else than a QString, as the interned texts of procedure legs are.
struct Viewed
{
    QString text;
    Viewed() = default;
    explicit Viewed(QStringView view)
        : text(view.isNull() ? QString() : view.toString())
    {
    }
};

QDataStream &operator>>(QDataStream &stream, Viewed &viewed)
{
    return stream >> viewed.text;
}

QString shown(const QString &text)
{
    return text.isNull() ? QStringLiteral("null") : u'"' + text + u'"';
}

// qint8, quint16, qint32, double, float, two texts, status and the byte the stream reads next,
// unpacked in place or (as on any other device) through the stream itself.
QString unpacked(const QByteArray &bytes, bool inPlace)
{
    InPlaceReadDevice memory(bytes);
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(inPlace ? static_cast<QIODevice *>(&memory) : &buffer);
    qint8 small = 9;
    quint16 middle = 9;
    qint32 large = 9;
    double wide = 9;
    float narrow = 9;
    Viewed viewed;
    QString text = QStringLiteral("x");
    {
        StreamUnpacker in(stream);
        in >> small >> middle >> large >> wide >> narrow >> viewed >> text;
    }
    QString result = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 status %8")
                         .arg(small)
                         .arg(middle)
                         .arg(large)
                         .arg(wide)
                         .arg(narrow)
                         .arg(shown(viewed.text), shown(text))
                         .arg(int(stream.status()));
    if (stream.status() == QDataStream::Ok && !stream.atEnd()) {
        quint8 next = 0;
        stream >> next;
        result += QStringLiteral(" next %1").arg(next);
    }
    return result;
}

} // namespace

class TestStreamUnpacker : public QObject
{
    Q_OBJECT

private slots:
    void sameFieldsAsTheStream_data();
    void sameFieldsAsTheStream();
};

void TestStreamUnpacker::sameFieldsAsTheStream_data()
{
    // clang-format off
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("streamAgrees"); // after a failure QDataStream leaves texts empty or null

    // -3, 258, -2, 1.0, 2.5 (a float is stored as a double), "KX", the null text, one byte more.
    const QString whole = QStringLiteral("fd 0102 fffffffe 3ff0000000000000 4004000000000000 00000004004b0058 ffffffff 2a");
    QTest::newRow("all fields, the stream goes on after them")
        << whole << "-3 258 -2 1 2.5 \"KX\" null status 0 next 42" << true;
    QTest::newRow("empty text is not the null text")
        << "00 0000 00000000 0000000000000000 bff8000000000000 00000000 00000004 00450044"
        << "0 0 0 0 -1.5 \"\" \"ED\" status 0" << true;
    QTest::newRow("cut inside the double: the rest reads as zero and null")
        << whole.left(23) << "-3 258 -2 0 0 null null status 1" << false;
    QTest::newRow("text longer than the bytes left")
        << "01 0002 00000003 0000000000000000 0000000000000000 0000000a0041"
        << "1 2 3 0 0 null null status 1" << false;
    QTest::newRow("odd text length is damage")
        << "01 0002 00000003 0000000000000000 0000000000000000 00000003004100 ffffffff"
        << "1 2 3 0 0 null null status 2" << false;
    // clang-format on
}

void TestStreamUnpacker::sameFieldsAsTheStream()
{
    QFETCH(QString, bytes);
    QFETCH(QString, expected);
    QFETCH(bool, streamAgrees);
    const QByteArray data = QByteArray::fromHex(bytes.remove(u' ').toLatin1());
    QCOMPARE(unpacked(data, true), expected);
    const QString throughStream = unpacked(data, false);
    if (streamAgrees)
        QCOMPARE(throughStream, expected);
    else
        QCOMPARE(throughStream.section(u' ', -1), expected.section(u' ', -1)); // the same status
}

QTEST_GUILESS_MAIN(TestStreamUnpacker)
#include "tst_streamunpacker.moc"
