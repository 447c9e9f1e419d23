#include "region.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Stands in for the German catalogue; it answers only in the context the text must use.
class RegionTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "Region") == 0 && qstrcmp(sourceText, "Unknown region") == 0)
            return QStringLiteral("Unbekannte Region");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestRegion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    // First, so that the threads race to build the country table.
    void concurrentFirstUse();

    void prefix_data();
    void prefix();
    void name_data();
    void name();
    void unknownRegionIsTranslatedInItsContext();
    void fromCountry_data();
    void fromCountry();
};

void TestRegion::prefix_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("K2") << "K2" << "K";
    QTest::newRow("KZ") << "KZ" << "K";
    QTest::newRow("CY") << "CY" << "C";
    QTest::newRow("YM") << "YM" << "Y";
    QTest::newRow("UU") << "UU" << "U";
    QTest::newRow("UK") << "UK" << "UK";
    QTest::newRow("UA") << "UA" << "UA";
    QTest::newRow("UT") << "UT" << "UT";
    QTest::newRow("UE") << "UE" << "U";
    QTest::newRow("ZB") << "ZB" << "Z";
    QTest::newRow("ZK") << "ZK" << "ZK";
    QTest::newRow("ZM") << "ZM" << "ZM";
    QTest::newRow("ED") << "ED" << "ED";
    QTest::newRow("one letter") << "E" << "E";
    QTest::newRow("one letter K") << "K" << "K";
    QTest::newRow("location indicator") << "EDDF" << "ED";
    QTest::newRow("long U code") << "UKBB" << "UK";
    QTest::newRow("lower case has no special rule") << "uk" << "uk";
    QTest::newRow("lower case k") << "k2" << "k2";
    QTest::newRow("empty") << "" << "";
    // clang-format on
}

void TestRegion::prefix()
{
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(Region::regionPrefix(code), expected);
}

void TestRegion::name_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");

    const QString unknown = QStringLiteral("Unknown region");
    // clang-format off
    QTest::newRow("K7") << "K7" << "United States";
    QTest::newRow("UU") << "UU" << "Russia";
    QTest::newRow("UM") << "UM" << "Belarus and Russia (Kaliningrad Oblast)";
    QTest::newRow("WR") << "WR" << "Indonesia";
    QTest::newRow("ET shares Germany") << "ET" << "Germany";
    QTest::newRow("location indicator") << "EDDF" << "Germany";
    QTest::newRow("SS keeps its trailing blank") << "SS" << "Brazil ";
    QTest::newRow("SB") << "SB" << "Brazil";
    QTest::newRow("non-ASCII name") << "DI" << "Côte d'Ivoire";
    QTest::newRow("last entry") << "ZM" << "Mongolia";
    QTest::newRow("longest name") << "YBBN" << "Australia (including Norfolk Island, Christmas Island, Cocos (Keeling) "
                                               "Islands and Australian Antarctic Territory)";
    QTest::newRow("first entry") << "AG" << "Solomon Islands";
    QTest::newRow("Z") << "ZB" << "Mainland China";
    QTest::newRow("XX") << "XX" << unknown;
    QTest::newRow("empty") << "" << unknown;
    QTest::newRow("one unlisted letter") << "E" << unknown;
    QTest::newRow("lower case") << "ed" << unknown;
    QTest::newRow("no-region marker") << "*" << unknown;
    // clang-format on
}

void TestRegion::name()
{
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(Region::regionName(code), expected);
}

void TestRegion::unknownRegionIsTranslatedInItsContext()
{
    RegionTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(Region::regionName(QStringLiteral("XX")), QStringLiteral("Unbekannte Region"));
    // Country names stay English whatever the interface language.
    QCOMPARE(Region::regionName(QStringLiteral("ED")), QStringLiteral("Germany"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(Region::regionName(QStringLiteral("XX")), QStringLiteral("Unknown region"));
}

void TestRegion::fromCountry_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("DEU") << "DEU" << "ED";
    QTest::newRow("Arizona") << "Arizona" << "K";
    QTest::newRow("U.S.") << "U.S." << "TI";
    QTest::newRow("U.S") << "U.S" << "K";
    QTest::newRow("U,S,") << "U,S," << "K";
    QTest::newRow("deu") << "deu" << "*";
    QTest::newRow("Germany") << "Germany" << "*";
    QTest::newRow("GRL") << "GRL" << "EG";
    QTest::newRow("KIR") << "KIR" << "K";
    QTest::newRow("SWI") << "SWI" << "LK";
    QTest::newRow("IN") << "IN" << "VE";
    QTest::newRow("BG") << "BG" << "LB";
    QTest::newRow("Réunion") << "Réunion" << "FM";
    QTest::newRow("Curaçao") << "Curaçao" << "TN";
    QTest::newRow("Bostwana") << "Bostwana" << "FB";
    QTest::newRow("UZB") << "UZB" << "UT";
    QTest::newRow("AUS") << "AUS" << "Y";
    QTest::newRow("no trimming") << " DEU" << "*";
    QTest::newRow("empty") << "" << "*";
    // clang-format on
}

void TestRegion::fromCountry()
{
    QFETCH(QString, country);
    QFETCH(QString, expected);
    QCOMPARE(Region::regionFromCountry(country), expected);
}

void TestRegion::concurrentFirstUse()
{
    // The import thread may be the first to look a country up while the interface asks for names.
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&wrong] {
            for (int i = 0; i < 200; ++i) {
                if (Region::regionFromCountry(QStringLiteral("FRA")) != QLatin1String("LF"))
                    ++wrong;
                if (Region::regionName(QStringLiteral("LFPG")) != QLatin1String("France"))
                    ++wrong;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QCOMPARE(wrong.load(), 0);
}

QTEST_GUILESS_MAIN(TestRegion)
#include "tst_region.moc"
