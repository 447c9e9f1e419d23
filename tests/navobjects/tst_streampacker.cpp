#include "streampacker.h"

#include <QBuffer>
#include <QTest>

#include <limits>

namespace {

const QString kNull;
const QString kEmpty = QStringLiteral("");
const QString kUmlaut = QStringLiteral("Zürich Ⅲ");

// A text held as something else than a QString, as the interned texts of procedure legs are.
struct Held
{
    QString held;
    const QString &text() const { return held; }
};

QDataStream &operator<<(QDataStream &stream, const Held &held)
{
    return stream << held.held;
}

// The same fields, written by the packer or by the stream itself.
template <typename Out>
void writeFields(Out &out, int set)
{
    // clang-format off
    switch (set) {
    case 0: out << qint8(-3) << quint8(250) << qint16(-2) << quint16(65000) << qint32(-70000) << quint32(4000000000u); break;
    case 1: out << qint64(-5) << quint64(std::numeric_limits<quint64>::max()) << true << false; break;
    case 2: out << 0.1 << -0.0 << std::numeric_limits<double>::infinity() << 1.0e300; break;
    case 3: out << 114.3f << -0.5f << std::numeric_limits<float>::denorm_min(); break;
    case 4: out << kNull << kEmpty << kUmlaut << QStringLiteral("ED/ENRT/ANEKI") << QString(300, u'x'); break;
    case 5: out << QGeoCoordinate(50.0333, 8.5706) << QGeoCoordinate(-33.9, 151.2, 6.5) << QGeoCoordinate(); break;
    case 6: out << Held{QStringLiteral("KERAX")} << Held{QString()}; break;
    }
    // clang-format on
}

QByteArray written(int set, bool packed, QDataStream::ByteOrder order, QDataStream::FloatingPointPrecision precision)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream.setVersion(QDataStream::Qt_6_4);
    stream.setByteOrder(order);
    stream.setFloatingPointPrecision(precision);
    stream << qint32(7);
    if (packed) {
        StreamPacker packer(stream);
        writeFields(packer, set);
    } else {
        writeFields(stream, set);
    }
    stream << qint32(8);
    return bytes;
}

} // namespace

class TestStreamPacker : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsTheStream_data();
    void sameBytesAsTheStream();
    void flushBeforeOwnWrites();
};

void TestStreamPacker::sameBytesAsTheStream_data()
{
    // clang-format off
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("order");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("size");
    // Sizes worked out by hand: the fields between the two framing integers, plus those 8 bytes.
    const int sizes[] = {1 + 1 + 2 + 2 + 4 + 4, 8 + 8 + 1 + 1, 4 * 8, 3 * 8, 4 + 4 + (4 + 16) + (4 + 26) + (4 + 600), 3 * 3 * 8, 4 + 10 + 4};
    for (int set = 0; set < 7; ++set) {
        QTest::addRow("fields %d, the file's stream", set)
            << set << int(QDataStream::BigEndian) << int(QDataStream::DoublePrecision) << sizes[set] + 8;
    }
    // Streams of another form get their fields from the stream itself.
    QTest::newRow("floats, single precision") << 3 << int(QDataStream::BigEndian) << int(QDataStream::SinglePrecision)
                                              << 3 * 4 + 8;
    QTest::newRow("texts, little-endian") << 4 << int(QDataStream::LittleEndian) << int(QDataStream::DoublePrecision)
                                          << sizes[4] + 8;
    // clang-format on
}

void TestStreamPacker::sameBytesAsTheStream()
{
    QFETCH(int, set);
    QFETCH(int, order);
    QFETCH(int, precision);
    QFETCH(int, size);
    const auto byteOrder = QDataStream::ByteOrder(order);
    const auto floatPrecision = QDataStream::FloatingPointPrecision(precision);
    const QByteArray packed = written(set, true, byteOrder, floatPrecision);
    QCOMPARE(packed.size(), size);
    QCOMPARE(packed, written(set, false, byteOrder, floatPrecision));
}

// Fields are held until flush: whoever writes to the stream in between flushes first, and a
// failed stream gets nothing more.
void TestStreamPacker::flushBeforeOwnWrites()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    StreamPacker packer(stream);
    packer << quint16(0x0102);
    QVERIFY(bytes.isEmpty());
    packer.flush();
    stream << quint8(3);
    packer << quint8(4);
    packer.flush();
    QCOMPARE(bytes, QByteArray::fromHex("01020304"));

    stream.setStatus(QDataStream::WriteFailed);
    packer << quint32(5);
    packer.flush();
    QCOMPARE(bytes, QByteArray::fromHex("01020304"));
}

QTEST_GUILESS_MAIN(TestStreamPacker)
#include "tst_streampacker.moc"
