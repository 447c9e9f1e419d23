#include "constants.h"

#include <QMetaProperty>
#include <QtTest>

// QML reads these by name only: a misspelt or writable property would go unnoticed there.
class TestConstants : public QObject
{
    Q_OBJECT

private slots:
    void propertyValues_data();
    void propertyValues();
    void everyPropertyIsConstant();
};

void TestConstants::propertyValues_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("debug") << "debug" << QVariant(false);
    QTest::newRow("linkColor") << "linkColor" << QVariant(QStringLiteral("#5E9CAE"));
    QTest::newRow("minzoomNdb") << "minzoomNdb" << QVariant(3.0);
    QTest::newRow("minzoomVorDme") << "minzoomVorDme" << QVariant(5.2);
    QTest::newRow("minzoomFix") << "minzoomFix" << QVariant(8.5);
    QTest::newRow("minzoomAirport") << "minzoomAirport" << QVariant(6.0);
    QTest::newRow("minzoomLowSegment") << "minzoomLowSegment" << QVariant(7.5);
    QTest::newRow("minzoomHighSegment") << "minzoomHighSegment" << QVariant(6.0);
    QTest::newRow("minzoomTrackSegment") << "minzoomTrackSegment" << QVariant(3.0);
    QTest::newRow("minzoomAirportGround") << "minzoomAirportGround" << QVariant(10.0);
    QTest::newRow("minAsKts") << "minAsKts" << QVariant(6.0);
    QTest::newRow("maxAsKts") << "maxAsKts" << QVariant(8000.0);
    QTest::newRow("minVs") << "minVs" << QVariant(1);
    QTest::newRow("maxVs") << "maxVs" << QVariant(5000);
    QTest::newRow("minAlt") << "minAlt" << QVariant(0);
    QTest::newRow("maxAlt") << "maxAlt" << QVariant(100000);
    QTest::newRow("minRwyLen") << "minRwyLen" << QVariant(0);
    QTest::newRow("maxRwyLen") << "maxRwyLen" << QVariant(100000);
    QTest::newRow("maxWeight") << "maxWeight" << QVariant(1000000);
    QTest::newRow("maxPassengers") << "maxPassengers" << QVariant(1000);
    QTest::newRow("maxCargo") << "maxCargo" << QVariant(500000);
    QTest::newRow("maxFuel") << "maxFuel" << QVariant(500000);
    // clang-format on
}

void TestConstants::propertyValues()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    Constants constants;
    const QVariant read = constants.property(name.toLatin1().constData());
    QVERIFY2(read.isValid(), qPrintable(name));
    QCOMPARE(read.metaType(), value.metaType());
    QCOMPARE(read, value);
}

void TestConstants::everyPropertyIsConstant()
{
    const QMetaObject &meta = Constants::staticMetaObject;
    QCOMPARE(meta.propertyCount() - meta.propertyOffset(), 22);
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        QVERIFY2(property.isConstant(), property.name());
        QVERIFY2(!property.isWritable(), property.name());
        QVERIFY2(!property.hasNotifySignal(), property.name());
    }
}

QTEST_GUILESS_MAIN(TestConstants)
#include "tst_constants.moc"
