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

struct Fields
{
    qint8 small = 99;
    quint16 middle = 99;
    qint32 large = 99;
    double wide = 99.0;
    float narrow = 99.0f;
    Viewed first;
    Viewed second;
    QDataStream::Status status = QDataStream::Ok;
    // The byte the stream itself reads after the fields, -1 for none.
    int next = -1;
};

// Reads the fields through an unpacker, from the bytes in place or through a QBuffer.
Fields unpack(const QByteArray &bytes, bool inPlace)
{
    InPlaceReadDevice memory(bytes);
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(inPlace ? static_cast<QIODevice *>(&memory) : &buffer);
    stream.setVersion(QDataStream::Qt_6_4);
    Fields fields;
    {
        StreamUnpacker in(stream);
        in >> fields.small >> fields.middle >> fields.large >> fields.wide >> fields.narrow >> fields.first
            >> fields.second;
    }
    fields.status = stream.status();
    if (stream.status() == QDataStream::Ok && !stream.atEnd()) {
        quint8 byte = 0;
        stream >> byte;
        fields.next = byte;
    }
    return fields;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class TestStreamUnpacker : public QObject
{
    Q_OBJECT

private slots:
    void sameFieldsAsTheStream_data();
    void sameFieldsAsTheStream();
    void qstrings();
};

void TestStreamUnpacker::sameFieldsAsTheStream_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("small");
    QTest::addColumn<int>("middle");
    QTest::addColumn<int>("large");
    QTest::addColumn<double>("wide");
    QTest::addColumn<float>("narrow");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("next");

    // -3, 258, -2, 1.0, 2.5 (stored as a double), "KX", the null text, then one byte more.
    const QByteArray whole = hex("fd" "0102" "fffffffe" "3ff0000000000000" "4004000000000000"
                                 "00000004004b0058" "ffffffff" "2a");
    QTest::newRow("all fields, the stream goes on after them")
        << whole << -3 << 258 << -2 << 1.0 << 2.5f << "KX" << QString() << int(QDataStream::Ok) << 0x2a;
    QTest::newRow("empty text is not the null text")
        << hex("00" "0000" "00000000" "0000000000000000" "bff8000000000000" "00000000" "00000002" "00e9")
        << 0 << 0 << 0 << 0.0 << -1.5f << "" << QStringLiteral("é") << int(QDataStream::Ok) << -1;
    QTest::newRow("cut inside the double: the rest reads as zero and null")
        << whole.left(10) << -3 << 258 << -2 << 0.0 << 0.0f << QString() << QString() << int(QDataStream::ReadPastEnd)
        << -1;
    QTest::newRow("text longer than the bytes left")
        << hex("01" "0002" "00000003" "0000000000000000" "0000000000000000" "0000000a0041")
        << 1 << 2 << 3 << 0.0 << 0.0f << QString() << QString() << int(QDataStream::ReadPastEnd) << -1;
    QTest::newRow("odd text length is damage")
        << hex("01" "0002" "00000003" "0000000000000000" "0000000000000000" "00000003004100" "ffffffff")
        << 1 << 2 << 3 << 0.0 << 0.0f << QString() << QString() << int(QDataStream::ReadCorruptData) << -1;
}

void TestStreamUnpacker::sameFieldsAsTheStream()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, small);
    QFETCH(int, middle);
    QFETCH(int, large);
    QFETCH(double, wide);
    QFETCH(float, narrow);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, status);
    QFETCH(int, next);

    // In place, and through the stream itself as on any other device.
    for (const bool inPlace : {true, false}) {
        const Fields fields = unpack(bytes, inPlace);
        const QByteArray where = inPlace ? "in place" : "through the stream";
        QVERIFY2(fields.status == QDataStream::Status(status), where);
        QCOMPARE(fields.small, small);
        QCOMPARE(fields.middle, middle);
        QCOMPARE(fields.large, large);
        QCOMPARE(fields.wide, wide);
        QCOMPARE(fields.narrow, narrow);
        // After a failure QDataStream reads a text as empty or null depending on how it failed;
        // the unpacker makes every such text null. Either way nobody keeps what was read.
        if (inPlace || status == QDataStream::Ok) {
            QCOMPARE(fields.first.text, first);
            QCOMPARE(fields.first.text.isNull(), first.isNull());
            QCOMPARE(fields.second.text, second);
            QCOMPARE(fields.second.text.isNull(), second.isNull());
        }
        QCOMPARE(fields.next, next);
    }
}

void TestStreamUnpacker::qstrings()
{
    // The null text, the empty text, "EDé", then a text claiming 4 bytes with 2 left.
    const QByteArray bytes = hex("ffffffff" "00000000" "00000006004500440" "0e9" "00000004" "0041");
    for (const bool inPlace : {true, false}) {
        InPlaceReadDevice memory(bytes);
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        QDataStream stream(inPlace ? static_cast<QIODevice *>(&memory) : &buffer);
        QString null = QStringLiteral("x");
        QString empty;
        QString text;
        QString cut = QStringLiteral("x");
        {
            StreamUnpacker in(stream);
            in >> null >> empty >> text;
        }
        QCOMPARE(stream.status(), QDataStream::Ok);
        QVERIFY(null.isNull());
        QVERIFY(!empty.isNull());
        QVERIFY(empty.isEmpty());
        QCOMPARE(text, QStringLiteral("EDé"));
        {
            StreamUnpacker in(stream);
            in >> cut;
        }
        QCOMPARE(stream.status(), QDataStream::ReadPastEnd);
        QVERIFY(cut.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestStreamUnpacker)
#include "tst_streamunpacker.moc"
