#include "markingtranslator.h"
#include "metar.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <QThread>

namespace {

// Rows as "Label: value", so that a failing comparison shows the whole decode.
QStringList flatten(const QList<QPair<QString, QString>> &rows)
{
    QStringList lines;
    for (const auto &row : rows)
        lines << row.first + QStringLiteral(": ") + row.second;
    return lines;
}

// The time line every decoded single-group report below starts with.
const QString observed = QStringLiteral("Observed: Day 6 of the month, 12:51 UTC");

} // namespace

class TestMetar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::initApplication(); }

    void decode_data();
    void decode();
    void decodeWeather_data();
    void decodeWeather();
    void formatValues();
    void translatesAtCallTime();
    void survivesAnyText_data();
    void survivesAnyText();
    void survivesRandomText();
    void decodesOnSeveralThreads();
};

void TestMetar::decode_data()
{
    // clang-format off
    QTest::addColumn<QString>("report");
    QTest::addColumn<QStringList>("rows");

    const auto one = [](const QString &row) { return QStringList{observed, row}; };
    const auto add = [](const char *name, const QString &report, const QStringList &rows) {
        QTest::newRow(name) << report << rows;
    };
    const QString at = QStringLiteral("KJFK 061251Z ");

    add("full us report", "METAR KJFK 061251Z 27015G25KT 10SM FEW250 22/11 A2992 RMK AO2=",
        {observed, "Wind: From 270° true at 15 kt, gusting to 25 kt", "Visibility: 10 statute miles",
         "Clouds: Few clouds at 25000 ft above ground", "Temperature: 22 °C", "Dew point: 11 °C",
         "Altimeter (QNH): 29.92 inHg"});
    add("full automated report", "EDDF 061250Z AUTO 00000KT 9999 NCD M02/M05 Q1018=",
        {"Observed: Day 6 of the month, 12:50 UTC", "Report: Automated observation", "Wind: Calm",
         "Visibility: 10 km or more", "Clouds: No clouds detected", "Temperature: -2 °C", "Dew point: -5 °C",
         "Altimeter (QNH): 1018 hPa"});
    add("full cavok report", "SPECI COR LFPG 010000Z 24012KT CAVOK 05/M01 Q1002",
        {"Observed: Day 1 of the month, 00:00 UTC", "Wind: From 240° true at 12 kt", "Visibility: 10 km or more",
         "Weather: No significant weather",
         "Clouds: No clouds below 5000 ft or the higher minimum sector altitude; no cumulonimbus or towering "
         "cumulus",
         "Temperature: 5 °C", "Dew point: -1 °C", "Altimeter (QNH): 1002 hPa"});
    add("untidy white space", "  METAR\tKJFK   061251Z\n27015KT   =  ", one("Wind: From 270° true at 15 kt"));

    add("visibility 0000", at + "0000", one("Visibility: Less than 50 m"));
    add("visibility 0050", at + "0050", one("Visibility: 50 m"));
    add("visibility 0800", at + "0800", one("Visibility: 800 m"));
    add("visibility NDV", at + "4000NDV", one("Visibility: 4000 m"));
    add("visibility mixed miles", at + "1 1/2SM", one("Visibility: 1 1/2 statute miles"));
    add("visibility whole then fraction taken", at + "1 1/2SM 2", one("Visibility: 1 1/2 statute miles"));
    add("visibility less than", at + "M1/4SM", one("Visibility: Less than 1/4 statute miles"));
    add("visibility more than", at + "P6SM", one("Visibility: More than 6 statute miles"));
    add("visibility second ignored", at + "0800 9999", one("Visibility: 800 m"));
    add("visibility cavok replaces", at + "0800 CAVOK",
        {observed, "Visibility: 10 km or more", "Weather: No significant weather",
         "Clouds: No clouds below 5000 ft or the higher minimum sector altitude; no cumulonimbus or towering "
         "cumulus"});
    add("visibility whole miles at end", at + "1", {});

    add("wind variable", at + "VRB03KT", one("Wind: Variable direction at 3 kt"));
    add("wind mps", at + "24010MPS", one("Wind: From 240° true at 10 m/s"));
    add("wind kmh", at + "09020KMH", one("Wind: From 90° true at 20 km/h"));
    add("wind more than", at + "270P99KT", one("Wind: From 270° true at more than 99 kt"));
    add("wind gust more than", at + "27050GP99KT", one("Wind: From 270° true at 50 kt, gusting to more than 99 kt"));
    add("wind direction over 360", at + "36510KT", {});
    add("wind later group after bad direction", at + "36510KT 18005KT", one("Wind: From 180° true at 5 kt"));
    add("wind first group counts", at + "18005KT 27030KT", one("Wind: From 180° true at 5 kt"));
    add("wind zero with gust", at + "00000G15KT", one("Wind: From 0° true at 0 kt, gusting to 15 kt"));
    // "P" is "more than": such a wind is never calm.
    add("wind zero more than 99", at + "000P99KT", one("Wind: From 0° true at more than 99 kt"));
    add("wind zero more than 0", at + "000P00MPS", one("Wind: From 0° true at more than 0 m/s"));
    add("wind variation", at + "280V350", one("Wind direction: Varying from 280° to 350° true"));
    add("wind variation over 360", at + "280V370", {});
    add("wind variation last wins", at + "280V350 010V090", one("Wind direction: Varying from 10° to 90° true"));

    add("cloud cumulonimbus", at + "BKN008CB", one("Clouds: Broken cloud cover at 800 ft above ground (cumulonimbus)"));
    add("cloud below 100 ft", at + "OVC000", one("Clouds: Overcast below 100 ft above ground"));
    add("cloud height unavailable", at + "VV///", one("Clouds: Vertical visibility, height unavailable"));
    add("cloud type unavailable", at + "FEW030///", one("Clouds: Few clouds at 3000 ft above ground"));
    add("cloud layers", at + "SCT020TCU BKN100",
        one("Clouds: Scattered clouds at 2000 ft above ground (towering cumulus); Broken cloud cover at 10000 ft "
            "above ground"));
    add("cloud sky clear codes", at + "SKC CLR NSC",
        one("Clouds: Clear sky; No clouds detected below 12000 ft; No significant clouds"));

    add("temperature minus zero", at + "M00/M01", {observed, "Temperature: -0 °C", "Dew point: -1 °C"});
    add("temperature without dew point", at + "12/", one("Temperature: 12 °C"));
    add("temperature unavailable", at + "/////", {});
    add("altimeter last wins", at + "Q1013 A2992", one("Altimeter (QNH): 29.92 inHg"));
    add("weather list", at + "-SHRA BR", one("Weather: light showers of rain; mist"));

    add("nil report", "KJFK 061251Z NIL", {});
    add("header only", "KJFK 061251Z", {});
    add("header and blanks", "KJFK 061251Z   =", {});
    add("automated flag alone", "KJFK 061251Z AUTO", {});
    add("remarks only", "KJFK 061251Z RMK AO2", {});
    add("lower case", "metar kjfk 061251z 27015kt 10sm", {});
    add("day 32", "KJFK 321251Z 27015KT", {});
    add("day 00", "KJFK 001251Z 27015KT", {});
    add("hour 24", "KJFK 062451Z 27015KT", {});
    add("time without Z", "KJFK 061251 27015KT", {});
    add("glued header", "KJFK 061251Z27015KT", {});
    add("trend ignored", at + "Q1013 TEMPO 0800 FG", one("Altimeter (QNH): 1013 hPa"));
    add("becmg ignored", at + "Q1013 BECMG 27030KT", one("Altimeter (QNH): 1013 hPa"));
    add("inter ignored", at + "Q1013 INTER -RA", one("Altimeter (QNH): 1013 hPa"));
    add("nosig ignored", at + "Q1013 NOSIG", one("Altimeter (QNH): 1013 hPa"));
    add("unknown groups dropped", at + "R27L/1200N WS NSW RERA 27015KT", one("Wind: From 270° true at 15 kt"));
    // clang-format on
}

void TestMetar::decode()
{
    QFETCH(QString, report);
    QFETCH(QStringList, rows);
    QCOMPARE(flatten(Metar::decode(report)), rows);
}

void TestMetar::decodeWeather_data()
{
    // clang-format off
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("phrase");

    const QList<QPair<const char *, const char *>> cases = {
        {"RA", "rain"}, {"-RA", "light rain"}, {"+SN", "heavy snow"}, {"RASN", "rain and snow"},
        {"-RASNPL", "light rain and snow and ice pellets"}, {"BR", "mist"}, {"FG", "fog"}, {"BCFG", "patches of fog"},
        {"MIFG", "shallow fog"}, {"PRFG", "partial fog"}, {"FZFG", "freezing fog"}, {"BLSN", "blowing snow"},
        {"DRSN", "low drifting snow"}, {"-FZDZ", "light freezing drizzle"}, {"TS", "thunderstorm"},
        {"+TS", "heavy thunderstorm"}, {"-TSRA", "thunderstorm with light rain"}, {"TSGR", "thunderstorm with hail"},
        {"+TSRAGR", "thunderstorm with heavy rain and hail"}, {"SH", "showers"}, {"-SHRA", "light showers of rain"},
        {"+SHRASN", "heavy showers of rain and snow"}, {"VCFG", "fog in the vicinity"},
        {"VCSH", "showers in the vicinity"}, {"VCTS", "thunderstorm in the vicinity"},
        {"-VCSHRA", "light showers of rain in the vicinity"}, {"FC", "funnel cloud"}, {"+FC", "tornado or waterspout"},
        {"", ""}, {"-", ""}, {"+", ""}, {"VC", ""}, {"FZ", ""}, {"BL", ""}, {"TSSHRA", ""}, {"RASNPLGR", ""},
        {"RERA", ""}, {"NSW", ""}, {"SKC", ""}, {"AUTO", ""}, {"-ra", ""}, {"vcfg", ""}, {" RA", ""},
    };
    for (const auto &c : cases)
        QTest::newRow(c.first[0] ? c.first : "empty") << QString::fromUtf8(c.first) << QString::fromUtf8(c.second);
    // clang-format on
}

void TestMetar::decodeWeather()
{
    QFETCH(QString, token);
    QFETCH(QString, phrase);
    QCOMPARE(Metar::decodeWeather(token), phrase);
}

void TestMetar::formatValues()
{
    QCOMPARE(Metar::formatTemperature("12"), QStringLiteral("12 °C"));
    QCOMPARE(Metar::formatTemperature("07"), QStringLiteral("7 °C"));
    QCOMPARE(Metar::formatTemperature("M05"), QStringLiteral("-5 °C"));
    QCOMPARE(Metar::formatTemperature("M00"), QStringLiteral("-0 °C"));
    QCOMPARE(Metar::formatTemperature("//"), QString());
    QCOMPARE(Metar::formatTemperature(""), QString());
    QCOMPARE(Metar::formatTemperature("M"), QStringLiteral("-0 °C"));

    QCOMPARE(Metar::formatSpeed("05"), QStringLiteral("5"));
    QCOMPARE(Metar::formatSpeed("120"), QStringLiteral("120"));
    QCOMPARE(Metar::formatSpeed("P99"), QStringLiteral("more than 99"));
    QCOMPARE(Metar::formatSpeed("P49"), QStringLiteral("more than 49"));
    QCOMPARE(Metar::formatSpeed("P"), QStringLiteral("more than 0"));
    QCOMPARE(Metar::formatSpeed("x"), QStringLiteral("0"));
}

void TestMetar::translatesAtCallTime()
{
    const QString report = QStringLiteral("KJFK 061251Z 27015KT -SHRA FEW030 Q1013");
    MarkingTranslator translator("Metar");
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QStringList marked = flatten(Metar::decode(report));
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(marked, (QStringList{
                         "<Observed>: <Day 6 of the month, 12:51 UTC>",
                         "<Wind>: <From 270° true at 15 <kt>>",
                         "<Weather>: <light <showers of <rain>>>",
                         "<Clouds>: <<Few clouds> at 3000 ft above ground>",
                         "<Altimeter (QNH)>: <1013 hPa>",
                     }));
    // Once the translator is gone the next decode is back in English.
    QCOMPARE(Metar::decode(report).first().first, QStringLiteral("Observed"));
}

void TestMetar::survivesAnyText_data()
{
    // clang-format off
    QTest::addColumn<QString>("report");

    const QString header = QStringLiteral("KJFK 061251Z ");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks") << QStringLiteral("   \t\n  ");
    QTest::newRow("equals only") << QStringLiteral("=");
    QTest::newRow("truncated header") << QStringLiteral("KJFK 0612");
    QTest::newRow("truncated groups") << header + "2701 1 1/ P 27015G 27015GP BKN0 M/ Q10 A 12/M";
    QTest::newRow("fraction at end") << header + "1/2SM";
    QTest::newRow("whole miles last") << header + "9 1";
    QTest::newRow("garbage") << header + "#@!$ %%% /// //// //////// ---- ++ VCVC M SM /SM 0/0SM";
    static const char odd[] = "R\0A \xC3\x9C\xC2\xB0 \xF0\x9F\x8C\xA7 \xFF\xFE 27015KT";
    QTest::newRow("nul and unicode") << header + QString::fromUtf8(odd, sizeof odd - 1);
    QTest::newRow("huge numbers") << header + QString(5000, '9') + "SM " + QString(5000, '1') + "KT";
    QTest::newRow("long tokens") << header + QString(200000, 'A') + ' ' + QString(100000, '/');
    QTest::newRow("many tokens") << header + QStringLiteral("-RA BKN010 1 1/2SM ").repeated(20000);
    // clang-format on
}

void TestMetar::survivesAnyText()
{
    QFETCH(QString, report);
    const auto rows = Metar::decode(report);
    if (!rows.isEmpty())
        QCOMPARE(rows.first().first, QStringLiteral("Observed"));
    for (const auto &row : rows)
        QVERIFY(!row.second.isEmpty());
}

void TestMetar::survivesRandomText()
{
    // Fragments of real groups, glued and cut at random, find the corners a hand-written list misses.
    const QStringList pieces = {"KJFK", "061251Z", "METAR", "SPECI", "COR",   "AUTO", "NIL", "270",  "VRB", "P", "G",
                                "KT",   "MPS",     "15",    "V",     "9999",  "NDV",  "1",   "1/2",  "SM",  "M", "FEW",
                                "BKN",  "///",     "CB",    "TCU",   "/",     "Q",    "A",   "1013", "-",   "+", "VC",
                                "SH",   "TS",      "RA",    "FC",    "CAVOK", "RMK",  "=",   " ",    " ",   " "};
    QRandomGenerator random(4711);
    for (int round = 0; round < 3000; ++round) {
        QString report = round % 2 ? QStringLiteral("KJFK 061251Z ") : QString();
        const int count = random.bounded(1, 30);
        for (int n = 0; n < count; ++n)
            report += pieces.at(random.bounded(pieces.size()));
        report.truncate(random.bounded(report.size() + 1));
        const auto rows = Metar::decode(report);
        for (const auto &row : rows)
            QVERIFY2(!row.first.isEmpty() && !row.second.isEmpty(), qPrintable(report));
    }
}

void TestMetar::decodesOnSeveralThreads()
{
    const QString report = QStringLiteral("METAR KJFK 061251Z 27015G25KT 10SM -TSRA FEW250 22/11 A2992");
    const QStringList expected = flatten(Metar::decode(report));
    QList<QStringList> results(4);
    QList<QThread *> threads;
    for (qsizetype t = 0; t < results.size(); ++t)
        threads << QThread::create([&results, t, &report] {
            for (int n = 0; n < 200; ++n)
                results[t] = flatten(Metar::decode(report));
        });
    for (QThread *thread : threads)
        thread->start();
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }
    for (const QStringList &result : results)
        QCOMPARE(result, expected);
}

QTEST_GUILESS_MAIN(TestMetar)
#include "tst_metar.moc"
