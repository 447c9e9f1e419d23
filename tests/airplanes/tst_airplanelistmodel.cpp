#include <QtTest>

#include <QAbstractItemModelTester>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <memory>
#include <sys/stat.h>

#include "airplanelistmodel.h"
#include "filesizelimit.h"
#include "settings.h"
#include "testsupport.h"

namespace {

const QString currentKey = QStringLiteral("airplanes/current");

Airplane airplane(const QString &manufacturer, const QString &name, const QString &icao)
{
    Airplane a;
    a.manufacturer = manufacturer;
    a.name = name;
    a.icao = icao;
    return a;
}

QList<Airplane> threeAirplanes()
{
    Airplane jet = airplane(QStringLiteral("Aster"), QStringLiteral("Jet 320"), QStringLiteral("AJ32"));
    jet.mtow = 77000;
    Airplane prop = airplane(QStringLiteral("Halden"), QStringLiteral("Trainer"), QStringLiteral("HT10"));
    prop.fueltype = 1;
    prop.unittype = 1;
    Airplane stretch = airplane(QStringLiteral("Aster"), QStringLiteral("Jet 321"), QStringLiteral("AJ32"));
    return {jet, prop, stretch};
}

// Every field set to a value of its own, within the range the dialog allows it, strings with
// characters XML must escape, so that a round trip that drops, swaps or mangles any field shows.
Airplane everyFieldSet()
{
    Airplane a;
    const QMetaObject &meta = Airplane::staticMetaObject;
    for (int field = 0; field < meta.propertyCount() - 1; ++field) {
        const QMetaProperty property = meta.property(field);
        if (property.typeId() == QMetaType::QString)
            property.writeOnGadget(&a, QStringLiteral(" %1 <&> \"quoted\" 'é' ").arg(property.name()));
        else
            property.writeOnGadget(&a, 1 + 3 * field);
    }
    a.fueltype = 1;
    a.unittype = 1;
    a.descentvs = -1234;
    a.approachvs = -789;
    return a;
}

QList<Airplane> variedAirplanes()
{
    Airplane empty = airplane(QString(), QString(), QString());
    empty.registration.clear();
    empty.equipment.clear();
    empty.transponder.clear();
    return {everyFieldSet(), empty, threeAirplanes().at(1)};
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Run in a child process: each ends the program with a fatal message.
int runFatalCase(const QByteArray &which, int argc, char *argv[])
{
    if (which == "second") {
        // The list reads its stored airplanes from the preferences on construction.
        QCoreApplication app(argc, argv);
        TestSupport::initApplication();
        Settings settings;
        AirplaneListModel first;
        AirplaneListModel second;
    } else if (which == "unallocated") {
        AirplaneListModel::currentAirplane();
    }
    return 0;
}

} // namespace

class TstAirplaneListModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::initApplication();
        m_settings = std::make_unique<Settings>();
        m_model = std::make_unique<AirplaneListModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    void init()
    {
        m_settings->clear();
        m_model->setAirplanes(threeAirplanes());
    }

    void cleanupTestCase()
    {
        m_tester.reset();
        m_model.reset();
        m_settings.reset();
    }

    void defaultAirplaneIsUsable()
    {
        // A plan computed with no airplane at all must still have speeds and rates to work with.
        const Airplane a;
        QVERIFY(a.climbias > 0 && a.descentias > 0 && a.approachias > 0 && a.initialias > 0);
        QVERIFY(a.initialvs > 0 && a.climbvs > 0);
        QVERIFY(a.descentvs < 0 && a.approachvs < 0);
        QVERIFY(a.cruisefuel > 0 && a.maxcruisetas > 0 && a.ceilinglvl > 0);
        QVERIFY(a.eow < a.mzfw && a.mzfw <= a.mlw && a.mlw <= a.mtow);
        QCOMPARE(a.fueltype, 0);
        QCOMPARE(a.unittype, 0);
    }

    void roles_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("role");
        for (const char *name : {"icao", "name", "manufacturer", "maxpassengers", "passengerweight", "maxcargo",
                                 "eow", "mzfw", "mtow", "mlw", "v2", "takeoffdistance", "vat", "landingdistance",
                                 "ceilinglvl", "maxcruisetas", "initialias", "initialvs", "climbias", "climbvs",
                                 "descentias", "descentvs", "approachias", "approachvs", "fueltype", "unittype",
                                 "taxifuel", "climbfuel", "cruisefuel", "descentfuel", "alternatefuel",
                                 "contingencyfuel", "extrafuel", "finalfuel", "fuelcapacity", "registration",
                                 "equipment", "transponder", "decoration"})
            QTest::newRow(name) << QByteArray(name);
        // clang-format on
    }

    void roles()
    {
        QFETCH(QByteArray, role);
        const QList<int> roles = m_model->roleNames().keys(role);
        QCOMPARE(roles.size(), 1);
        const QVariant value = m_model->data(m_model->index(1), roles.first());
        QVERIFY(value.isValid());
        const Airplane expected = threeAirplanes().at(1);
        if (role == "decoration")
            QCOMPARE(value.toString(), QStringLiteral("Halden Trainer"));
        else
            QCOMPARE(value, Airplane::staticMetaObject.property(Airplane::staticMetaObject.indexOfProperty(role))
                                .readOnGadget(&expected));
    }

    void rows()
    {
        QCOMPARE(m_model->rowCount(), 3);
        const int mtow = m_model->roleNames().key("mtow");
        QCOMPARE(m_model->data(m_model->index(0), mtow).toInt(), 77000);
        QVERIFY(!m_model->data(m_model->index(0), Qt::UserRole + 1000).isValid());
        QVERIFY(!m_model->data(m_model->index(3), mtow).isValid());
        QCOMPARE(m_model->airplanes(), threeAirplanes());
    }

    void currentFromPreference_data()
    {
        // clang-format off
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("row");
        QTest::newRow("absent") << QVariant() << 0;
        QTest::newRow("first") << QVariant(0) << 0;
        QTest::newRow("last") << QVariant(2) << 2;
        QTest::newRow("one past the end") << QVariant(3) << 0;
        QTest::newRow("far past the end") << QVariant(99) << 0;
        QTest::newRow("negative") << QVariant(-1) << 0;
        QTest::newRow("not a number") << QVariant(QStringLiteral("x")) << 0;
        // clang-format on
    }

    void currentFromPreference()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, row);
        if (stored.isValid()) {
            if (stored.typeId() == QMetaType::QString)
                Settings::setString(currentKey, stored.toString());
            else
                Settings::setInt(currentKey, stored.toInt());
        }
        QCOMPARE(m_model->currentIndex(), row);
        QCOMPARE(AirplaneListModel::currentAirplane(), threeAirplanes().at(row));
        QCOMPARE(m_model->current(), threeAirplanes().at(row));
        QCOMPARE(m_model->property("current").value<Airplane>(), threeAirplanes().at(row));
    }

    void emptyListGivesDefaultAirplane()
    {
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        Settings::setInt(currentKey, 2);
        m_model->setAirplanes({});
        QCOMPARE(changed.size(), 1);
        QCOMPARE(m_model->rowCount(), 0);
        QCOMPARE(m_model->currentIndex(), -1);
        QCOMPARE(AirplaneListModel::currentAirplane(), Airplane());
        m_model->selectByIcao(QStringLiteral("AJ32"));
        QCOMPARE(changed.size(), 1);
    }

    void setCurrentIndex()
    {
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        m_model->setCurrentIndex(1);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(Settings::getInt(currentKey, -5), 1);
        QCOMPARE(AirplaneListModel::currentAirplane().name, QStringLiteral("Trainer"));
        m_model->setCurrentIndex(1);
        QCOMPARE(changed.size(), 1);
        QVERIFY(m_model->setProperty("currentIndex", 2));
        QCOMPARE(changed.size(), 2);
        QCOMPARE(m_model->currentIndex(), 2);
    }

    void setCurrentIndexRefusesRowsOutsideTheList_data()
    {
        // clang-format off
        QTest::addColumn<int>("row");
        QTest::newRow("negative") << -1;
        QTest::newRow("one past the end") << 3;
        QTest::newRow("huge") << INT_MAX;
        // clang-format on
    }

    void setCurrentIndexRefusesRowsOutsideTheList()
    {
        QFETCH(int, row);
        m_model->setCurrentIndex(1);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("out of range")));
        m_model->setCurrentIndex(row);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(Settings::getInt(currentKey, -5), 1);
    }

    void selectByIcao_data()
    {
        // clang-format off
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("icao");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("emitted");
        QTest::newRow("first of two of a type") << 1 << "AJ32" << 0 << 1;
        QTest::newRow("other type") << 0 << "HT10" << 1 << 1;
        QTest::newRow("already current") << 0 << "AJ32" << 0 << 0;
        QTest::newRow("no match") << 1 << "ZZZZ" << 1 << 0;
        QTest::newRow("case differs") << 1 << "aj32" << 1 << 0;
        QTest::newRow("empty") << 2 << "" << 2 << 0;
        // clang-format on
    }

    void selectByIcao()
    {
        QFETCH(int, before);
        QFETCH(QString, icao);
        QFETCH(int, after);
        QFETCH(int, emitted);
        m_model->setCurrentIndex(before);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        m_model->selectByIcao(icao);
        QCOMPARE(m_model->currentIndex(), after);
        QCOMPARE(changed.size(), emitted);
    }

    void currentAirplaneFromAnotherThread()
    {
        m_model->setCurrentIndex(1);
        Airplane seen;
        std::unique_ptr<QThread> thread(QThread::create([&seen] { seen = AirplaneListModel::currentAirplane(); }));
        thread->start();
        QVERIFY(thread->wait(5000));
        QCOMPARE(seen.icao, QStringLiteral("HT10"));
    }

    void builtInAirplanesArePlausible()
    {
        const QList<Airplane> defaults = AirplaneListModel::defaultAirplanes();
        QVERIFY(defaults.size() >= 5);
        QStringList icaos;
        for (const Airplane &a : defaults) {
            icaos.append(a.icao);
            QVERIFY2(a.eow < a.mzfw && a.mzfw <= a.mlw && a.mlw <= a.mtow, qPrintable(a.icao));
            QVERIFY2(a.initialvs > 0 && a.climbvs > 0 && a.descentvs < 0 && a.approachvs < 0, qPrintable(a.icao));
            QVERIFY2(a.v2 > 0 && a.vat > 0 && a.maxcruisetas > 0 && a.ceilinglvl > 0, qPrintable(a.icao));
            QVERIFY2(a.cruisefuel > 0 && a.fuelcapacity > a.cruisefuel, qPrintable(a.icao));
            QVERIFY2(!a.equipment.isEmpty() && !a.transponder.isEmpty(), qPrintable(a.icao));
        }
        for (const char *icao : {"C172", "B350", "A320", "B738", "B77W"})
            QVERIFY2(icaos.contains(QLatin1String(icao)), icao);
        const Airplane c172 = defaults.at(icaos.indexOf(QStringLiteral("C172")));
        QCOMPARE(c172.fueltype, 1);
        QCOMPARE(c172.unittype, 1);
        // Already in the order the editor sorts into, so that closing it moves nothing.
        m_model->setAirplanes(defaults);
        m_model->sortAlphabetically();
        QCOMPARE(m_model->airplanes(), defaults);
    }

    void constructorUsesBuiltInAirplanesWithoutStoredList()
    {
        recreateModel();
        QCOMPARE(m_model->airplanes(), AirplaneListModel::defaultAirplanes());
        QCOMPARE(m_model->currentIndex(), 0);
    }

    void settingsRoundTrip()
    {
        m_model->setAirplanes(variedAirplanes());
        m_model->saveToSettings();
        const QString stored = Settings::getString(QStringLiteral("airplanes/list"));
        QVERIFY(stored.contains(QLatin1String("<airplanes count=\"3\">")));
        QVERIFY(stored.contains(QLatin1String("appname=\"Waylore\"")));
        recreateModel();
        QCOMPARE(m_model->airplanes(), variedAirplanes());
    }

    void unreadableStoredList_data()
    {
        // clang-format off
        QTest::addColumn<QString>("mutation");
        QTest::addColumn<bool>("readable");
        QTest::newRow("truncated") << "truncate" << false;
        QTest::newRow("garbage") << "garbage" << false;
        QTest::newRow("other program") << "appname" << false;
        QTest::newRow("count too high") << "count" << false;
        QTest::newRow("text in a number") << "number" << false;
        QTest::newRow("older version of the program") << "version" << true;
        // clang-format on
    }

    void unreadableStoredList()
    {
        QFETCH(QString, mutation);
        QFETCH(bool, readable);
        m_model->setAirplanes(threeAirplanes());
        m_model->saveToSettings();
        QString text = Settings::getString(QStringLiteral("airplanes/list"));
        if (mutation == "truncate")
            text.truncate(text.size() / 2);
        else if (mutation == "garbage")
            text = QStringLiteral("not xml at all");
        else if (mutation == "appname")
            text.replace(QLatin1String("appname=\"Waylore\""), QLatin1String("appname=\"Other\""));
        else if (mutation == "count")
            text.replace(QLatin1String("count=\"3\""), QLatin1String("count=\"4\""));
        else if (mutation == "number")
            text.replace(QLatin1String("<mtow>77000</mtow>"), QLatin1String("<mtow>77t</mtow>"));
        else if (mutation == "version")
            text.replace(QLatin1String("appversion=\"4.10.0\""), QLatin1String("appversion=\"4.9.2\""));
        Settings::setString(QStringLiteral("airplanes/list"), text);
        if (!readable)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Stored airplane list not readable")));
        recreateModel();
        QCOMPARE(m_model->airplanes(), readable ? threeAirplanes() : AirplaneListModel::defaultAirplanes());
        // The unreadable text is not overwritten behind the user's back.
        QCOMPARE(Settings::getString(QStringLiteral("airplanes/list")), text);
    }

    void fileRoundTrip_data()
    {
        // clang-format off
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("asUrl");
        QTest::newRow("every field") << 0 << false;
        QTest::newRow("empty texts") << 1 << false;
        QTest::newRow("volume fuel, path as URL") << 2 << true;
        // clang-format on
    }

    void fileRoundTrip()
    {
        QFETCH(int, row);
        QFETCH(bool, asUrl);
        m_model->setAirplanes(variedAirplanes());
        const QString path = m_dir.filePath(QStringLiteral("round%1.apxml").arg(row));
        const QString given = asUrl ? QUrl::fromLocalFile(path).toString() : path;
        QVERIFY(m_model->saveAirplaneToFile(row, given));
        QVERIFY(m_model->msgerror().isEmpty());

        m_model->setAirplanes(threeAirplanes());
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QCOMPARE(m_model->loadAirplaneFromFile(given), 3);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(m_model->rowCount(), 4);
        QCOMPARE(m_model->airplanes().at(3), variedAirplanes().at(row));
        QCOMPARE(m_model->airplanes().mid(0, 3), threeAirplanes());
    }

    void savingReplacesAnExistingFile()
    {
        const QString path = writeFile(m_dir.filePath(QStringLiteral("old.apxml")), QByteArray(5000, '#'));
        QVERIFY(!path.isEmpty());
        QVERIFY(m_model->saveAirplaneToFile(1, path));
        QVERIFY(!readFile(path).contains('#'));
        QCOMPARE(m_model->loadAirplaneFromFile(path), 3);
        QCOMPARE(m_model->airplanes().at(3), threeAirplanes().at(1));
    }

    void loadFailures_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray good = goodAirplaneFile();
        QByteArray foreign = good;
        foreign.replace("appname=\"Waylore\"", "appname=\"Other Planner\"");
        QByteArray badNumber = good;
        badNumber.replace("<v2>145</v2>", "<v2>14x</v2>");
        QByteArray badFuelType = good;
        badFuelType.replace("<fueltype>0</fueltype>", "<fueltype>7</fueltype>");
        QByteArray twoAirplanes = good;
        twoAirplanes.replace("</content>", "<airplane/></content>");
        const QByteArray plan = "<?xml version=\"1.0\"?>\n<content appname=\"Waylore\" appversion=\"4.10.0\">\n"
                                "    <general>\n        <cruiselvl>350</cruiselvl>\n    </general>\n</content>\n";

        QTest::newRow("missing") << "" << QByteArray() << "does not exist";
        QTest::newRow("empty") << "empty.apxml" << QByteArray() << "is empty";
        QTest::newRow("blank") << "blank.apxml" << QByteArray("  \n\n") << "is empty";
        QTest::newRow("not xml") << "text.apxml" << QByteArray("ICAO A320\nname Jet\n") << "not a valid airplane file";
        QTest::newRow("binary") << "binary.apxml" << QByteArray("\x00\x01\x02\xff\xfe", 5) << "not a valid airplane file";
        QTest::newRow("truncated") << "cut.apxml" << good.left(good.size() / 2) << "at line";
        QTest::newRow("cut before the end") << "cut2.apxml" << good.left(good.size() - 12) << "at line";
        QTest::newRow("other program") << "foreign.apxml" << foreign << "generated with Other Planner";
        QTest::newRow("flight plan") << "plan.fpxml" << plan << "Error expecting <airplane> start element at line 3!";
        QTest::newRow("text in a number") << "number.apxml" << badNumber << "expecting integer got 14x";
        QTest::newRow("unknown fuel type") << "fuel.apxml" << badFuelType << "Unknown fuel type 7";
        QTest::newRow("second airplane") << "two.apxml" << twoAirplanes << "</content>";
        // clang-format on
    }

    void loadFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QString path = m_dir.filePath(name.isEmpty() ? QStringLiteral("missing.apxml") : name);
        if (!name.isEmpty())
            QVERIFY(!writeFile(path, content).isEmpty());
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
        QVERIFY(m_model->loadAirplaneFromFile(path) < 0);
        QVERIFY2(m_model->msgerror().contains(message), qPrintable(m_model->msgerror()));
        QVERIFY2(m_model->msgerror().contains(QDir::toNativeSeparators(path)), qPrintable(m_model->msgerror()));
        QCOMPARE(m_model->airplanes(), threeAirplanes());
        QCOMPARE(changed.size(), 0);
        QCOMPARE(inserted.size(), 0);
    }

    // A number no field of the dialog would take is held within the field's range, with a
    // warning naming the file and the field, before any computation sees it.
    void fileValuesHeldWithinLimits_data()
    {
        // clang-format off
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("held");
        QTest::addColumn<QString>("range");
        QTest::newRow("passenger weight") << "passengerweight" << "2147483647" << 1000 << "0 to 1000";
        QTest::newRow("taxi fuel") << "taxifuel" << "2147483647" << 500000 << "0 to 500000";
        QTest::newRow("climbing descent") << "descentvs" << "2000" << -1 << "-5000 to -1";
        QTest::newRow("contingency") << "contingencyfuel" << "2147483647" << 100 << "0 to 100";
        // Held at the maximum zero-fuel weight it builds on, 62500 kg in this file.
        QTest::newRow("landing below zero fuel") << "mlw" << "30000" << 62500 << "62500 to 1000000";
        // clang-format on
    }

    void fileValuesHeldWithinLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        QFETCH(int, held);
        QFETCH(QString, range);
        QString text = QString::fromUtf8(goodAirplaneFile());
        const QRegularExpression element(QStringLiteral("<%1>-?\\d+</%1>").arg(field));
        QVERIFY2(text.contains(element), qPrintable(field));
        text.replace(element, QStringLiteral("<%1>%2</%1>").arg(field, stored));
        const QString path = writeFile(m_dir.filePath(QStringLiteral("extreme.apxml")), text.toUtf8());
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(QStringLiteral("^Airplane file .*extreme\\.apxml: %1 %2 outside %3, read as %4$")
                                   .arg(field, stored, range)
                                   .arg(held)));
        QCOMPARE(m_model->loadAirplaneFromFile(path), 3);
        const Airplane loaded = m_model->airplanes().at(3);
        QCOMPARE(Airplane::staticMetaObject.property(Airplane::staticMetaObject.indexOfProperty(qPrintable(field)))
                     .readOnGadget(&loaded)
                     .toInt(),
                 held);
    }

    void loadRefusesFolderAndHugeFile()
    {
        QVERIFY(m_model->loadAirplaneFromFile(m_dir.path()) < 0);
        QVERIFY(!m_model->msgerror().isEmpty());
        QByteArray huge = goodAirplaneFile();
        huge.append(QByteArray(2 * 1024 * 1024, ' '));
        const QString path = writeFile(m_dir.filePath(QStringLiteral("huge.apxml")), huge);
        QVERIFY(m_model->loadAirplaneFromFile(path) < 0);
        QVERIFY2(m_model->msgerror().contains(QLatin1String("too large")), qPrintable(m_model->msgerror()));
        const QString pipe = m_dir.filePath(QStringLiteral("pipe.apxml"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(m_model->loadAirplaneFromFile(pipe) < 0);
        QCOMPARE(m_model->msgerror(), pipe + QLatin1String(" is a folder, a device or a pipe, not a file."));
        QCOMPARE(m_model->rowCount(), 3);
    }

    void msgerrorIsClearedBySuccess()
    {
        QVERIFY(m_model->saveAirplaneToFile(0, m_dir.filePath(QStringLiteral("ok.apxml"))));
        QSignalSpy spy(m_model.get(), &AirplaneListModel::msgerrorChanged);
        QVERIFY(m_model->loadAirplaneFromFile(m_dir.filePath(QStringLiteral("none.apxml"))) < 0);
        QCOMPARE(spy.size(), 1);
        QVERIFY(m_model->saveAirplaneToFile(0, m_dir.filePath(QStringLiteral("ok.apxml"))));
        QVERIFY(m_model->msgerror().isEmpty());
        QCOMPARE(spy.size(), 2);
    }

    void saveFailures_data()
    {
        // clang-format off
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("relative");
        QTest::newRow("negative row") << -1 << "a.apxml";
        QTest::newRow("row past the end") << 3 << "a.apxml";
        QTest::newRow("no file name") << 0 << "";
        QTest::newRow("folder that is a file") << 0 << "blocker/a.apxml";
        QTest::newRow("folder that does not exist") << 0 << "nowhere/deeper/a.apxml";
        QTest::newRow("disk full") << 0 << "blocker";
        // clang-format on
    }

    void saveFailures()
    {
        QFETCH(int, row);
        QFETCH(QString, relative);
        QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("blocker")), "x").isEmpty());
        const QString path = relative.isEmpty() ? QString() : m_dir.filePath(relative);
        const bool diskFull = relative == QLatin1String("blocker");
        const FileSizeLimit limit(diskFull ? 100 : -1);
        QVERIFY(!m_model->saveAirplaneToFile(row, path));
        QVERIFY(!m_model->msgerror().isEmpty());
        QCOMPARE(readFile(path), diskFull ? QByteArray("x") : QByteArray());
        QCOMPARE(QFileInfo::exists(path), diskFull);
    }

    void setConvertsDisplayUnits_data()
    {
        // clang-format off
        QTest::addColumn<int>("massUnit");
        QTest::addColumn<int>("volumeUnit");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QVariant>("display");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        // Row 0 shows its kerosene by mass, row 1 its Avgas by volume; both store kilograms.
        QTest::newRow("mass in kg") << 0 << 0 << 0 << "mtow" << QVariant(78000) << 78000 << 78000;
        QTest::newRow("mass in lbs") << 1 << 0 << 0 << "mtow" << QVariant(1000) << 454 << 1001;
        QTest::newRow("empty weight in lbs") << 1 << 1 << 0 << "eow" << QVariant(93917.0) << 42600 << 93917;
        QTest::newRow("cargo from a text") << 1 << 0 << 0 << "maxcargo" << QVariant(QStringLiteral("2204.6")) << 1000 << 2205;
        QTest::newRow("fuel by mass in lbs") << 1 << 1 << 0 << "cruisefuel" << QVariant(2000) << 907 << 2000;
        QTest::newRow("fuel by mass in kg, gal preferred") << 0 << 1 << 0 << "fuelcapacity" << QVariant(18700) << 18700 << 18700;
        QTest::newRow("fuel by volume in gal") << 1 << 1 << 1 << "fuelcapacity" << QVariant(53) << 144 << 53;
        QTest::newRow("fuel flow by volume in gal") << 0 << 1 << 1 << "cruisefuel" << QVariant(9.0) << 24 << 9;
        QTest::newRow("fuel by volume in L, lbs preferred") << 1 << 0 << 1 << "taxifuel" << QVariant(4) << 3 << 4;
        QTest::newRow("fuel by volume in L") << 0 << 0 << 1 << "fuelcapacity" << QVariant(200) << 144 << 200;
        QTest::newRow("speed never converted") << 1 << 1 << 0 << "v2" << QVariant(145) << 145 << 145;
        QTest::newRow("descent rate") << 1 << 1 << 0 << "descentvs" << QVariant(-1800) << -1800 << -1800;
        QTest::newRow("percent never converted") << 1 << 1 << 1 << "contingencyfuel" << QVariant(5) << 5 << 5;
        // Held within the limits in kilograms: 3,000,000 lbs = 1,360,776 kg, 1,000,000 kg =
        // 2,204,624.4 lbs; 500,000 gal of Avgas = 1,360,775 kg, 500,000 kg = 183,718.8 gal.
        QTest::newRow("mass in lbs past the limit") << 1 << 0 << 0 << "mtow" << QVariant(3000000) << 1000000 << 2204624;
        QTest::newRow("fuel in gal past the limit") << 1 << 1 << 1 << "fuelcapacity" << QVariant(500000) << 500000 << 183719;
        // clang-format on
    }

    void setConvertsDisplayUnits()
    {
        QFETCH(int, massUnit);
        QFETCH(int, volumeUnit);
        QFETCH(int, row);
        QFETCH(QString, role);
        QFETCH(QVariant, display);
        QFETCH(int, stored);
        QFETCH(int, shown);
        Settings::setInt(QStringLiteral("units/mass"), massUnit);
        Settings::setInt(QStringLiteral("units/volume"), volumeUnit);
        QVERIFY(m_model->set(role, row, display));
        const Airplane a = m_model->airplanes().at(row);
        const QMetaObject &meta = Airplane::staticMetaObject;
        QCOMPARE(meta.property(meta.indexOfProperty(role.toLatin1())).readOnGadget(&a).toInt(), stored);
        QCOMPARE(m_model->get(role, row).toInt(), shown);
        // Writing back what get() shows must not creep further.
        QVERIFY(m_model->set(role, row, m_model->get(role, row)));
        QCOMPARE(m_model->get(role, row).toInt(), shown);
    }

    void fuelFollowsTheUnitTypeSetFirst()
    {
        Settings::setInt(QStringLiteral("units/mass"), 1);
        Settings::setInt(QStringLiteral("units/volume"), 1);
        // As the editor writes: unit type first, then the quantities in the new unit.
        QVERIFY(m_model->set(QStringLiteral("unittype"), 0, 1));
        QVERIFY(m_model->set(QStringLiteral("fuelcapacity"), 0, 100));
        // 100 gal of kerosene.
        QCOMPARE(m_model->airplanes().at(0).fuelcapacity, 304);
        QVERIFY(m_model->set(QStringLiteral("unittype"), 0, 0));
        QVERIFY(m_model->set(QStringLiteral("fuelcapacity"), 0, 100));
        QCOMPARE(m_model->airplanes().at(0).fuelcapacity, 45);
        // Another fuel keeps the kilograms and shows them as another volume.
        Settings::setInt(QStringLiteral("units/volume"), 0);
        m_model->setAirplanes({AirplaneListModel::defaultAirplanes().last()});
        QCOMPARE(m_model->get(QStringLiteral("fuelcapacity"), 0).toInt(), 200);
        QVERIFY(m_model->set(QStringLiteral("fueltype"), 0, 0));
        QCOMPARE(m_model->airplanes().at(0).fuelcapacity, 144);
        QCOMPARE(m_model->get(QStringLiteral("fuelcapacity"), 0).toInt(), 179);
    }

    void setAndGetRefuseBadInput_data()
    {
        // clang-format off
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("row");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("unknown role") << "wingspan" << 0 << QVariant(30);
        QTest::newRow("derived full name") << "decoration" << 0 << QVariant(QStringLiteral("X Y"));
        QTest::newRow("negative row") << "mtow" << -1 << QVariant(1);
        QTest::newRow("row past the end") << "mtow" << 3 << QVariant(1);
        QTest::newRow("text for a number") << "mtow" << 0 << QVariant(QStringLiteral("heavy"));
        QTest::newRow("nothing for a number") << "mtow" << 0 << QVariant();
        QTest::newRow("beyond 32 bits") << "mtow" << 0 << QVariant(1e12);
        QTest::newRow("not a number") << "mtow" << 0 << QVariant(std::nan(""));
        QTest::newRow("unknown fuel type") << "fueltype" << 0 << QVariant(2);
        QTest::newRow("unknown fuel unit") << "unittype" << 0 << QVariant(-1);
        // clang-format on
    }

    void setAndGetRefuseBadInput()
    {
        QFETCH(QString, role);
        QFETCH(int, row);
        QFETCH(QVariant, value);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QSignalSpy dataChanged(m_model.get(), &QAbstractItemModel::dataChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("airplane value")));
        QVERIFY(!m_model->set(role, row, value, true));
        QCOMPARE(m_model->airplanes(), threeAirplanes());
        QCOMPARE(changed.size(), 0);
        QCOMPARE(dataChanged.size(), 0);
        if (row < 0 || row >= 3 || role == "wingspan") {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No airplane value")));
            QVERIFY(!m_model->get(role, row).isValid());
        }
    }

    void setSignals()
    {
        m_model->setCurrentIndex(1);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QSignalSpy dataChanged(m_model.get(), &QAbstractItemModel::dataChanged);
        QVERIFY(m_model->set(QStringLiteral("v2"), 1, 99));
        QCOMPARE(dataChanged.size(), 1);
        QCOMPARE(dataChanged.at(0).at(0).toModelIndex().row(), 1);
        QCOMPARE(changed.size(), 0);
        QVERIFY(m_model->set(QStringLiteral("v2"), 1, 99));
        QCOMPARE(dataChanged.size(), 1);
        // The editor's last write of a row signals once for what the row's earlier writes moved.
        QVERIFY(m_model->set(QStringLiteral("fuelcapacity"), 1, m_model->get(QStringLiteral("fuelcapacity"), 1), true));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(dataChanged.size(), 1);
        QCOMPARE(AirplaneListModel::currentAirplane().v2, 99);
        // Nothing written since: the editor closed again, or a refresh, signals nothing.
        QVERIFY(m_model->set(QStringLiteral("fuelcapacity"), 1, m_model->get(QStringLiteral("fuelcapacity"), 1), true));
        m_model->forceUpdate();
        QCOMPARE(changed.size(), 1);
    }

    void add()
    {
        m_model->setCurrentIndex(1);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QCOMPARE(m_model->add(), 3);
        QCOMPARE(m_model->add(), 4);
        QCOMPARE(m_model->rowCount(), 5);
        QCOMPARE(m_model->get(QStringLiteral("name"), 4).toString(), QStringLiteral("New airplane"));
        QCOMPARE(m_model->currentIndex(), 1);
        QCOMPARE(changed.size(), 0);
    }

    void addToEmptyList()
    {
        m_model->setAirplanes({});
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QCOMPARE(m_model->add(), 0);
        QCOMPARE(m_model->currentIndex(), 0);
        QCOMPARE(AirplaneListModel::currentAirplane().name, QStringLiteral("New airplane"));
        QCOMPARE(changed.size(), 1);
    }

    void remove_data()
    {
        // clang-format off
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("currentAfter");
        QTest::addColumn<QString>("currentName");
        QTest::addColumn<int>("emitted");
        QTest::newRow("before the current one") << 2 << 0 << 1 << "Jet 321" << 1;
        QTest::newRow("after the current one") << 0 << 2 << 0 << "Jet 320" << 0;
        QTest::newRow("the current one in the middle") << 1 << 1 << 0 << "Jet 320" << 1;
        QTest::newRow("the current one at the end") << 2 << 2 << 1 << "Trainer" << 1;
        QTest::newRow("the current one first") << 0 << 0 << 0 << "Trainer" << 1;
        // clang-format on
    }

    void remove()
    {
        QFETCH(int, current);
        QFETCH(int, removed);
        QFETCH(int, currentAfter);
        QFETCH(QString, currentName);
        QFETCH(int, emitted);
        m_model->setCurrentIndex(current);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QSignalSpy rowsRemoved(m_model.get(), &QAbstractItemModel::rowsRemoved);
        QVERIFY(m_model->remove(removed));
        QCOMPARE(rowsRemoved.size(), 1);
        QCOMPARE(m_model->rowCount(), 2);
        QCOMPARE(m_model->currentIndex(), currentAfter);
        QCOMPARE(Settings::getInt(currentKey, -5), currentAfter);
        QCOMPARE(AirplaneListModel::currentAirplane().name, currentName);
        QCOMPARE(changed.size(), emitted);
    }

    void removeKeepsTheLastAirplane()
    {
        m_model->setCurrentIndex(2);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QVERIFY(m_model->remove(2));
        QVERIFY(m_model->remove(1));
        QTest::ignoreMessage(QtWarningMsg, "Cannot remove the last airplane");
        QVERIFY(!m_model->remove(0));
        QCOMPARE(m_model->rowCount(), 1);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(m_model->currentIndex(), 0);
        QCOMPARE(AirplaneListModel::currentAirplane().name, QStringLiteral("Jet 320"));
    }

    void removeRefusesRowsOutsideTheList_data()
    {
        // clang-format off
        QTest::addColumn<int>("row");
        QTest::newRow("negative") << -1;
        QTest::newRow("one past the end") << 3;
        // clang-format on
    }

    void removeRefusesRowsOutsideTheList()
    {
        QFETCH(int, row);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot remove")));
        QVERIFY(!m_model->remove(row));
        QCOMPARE(m_model->airplanes(), threeAirplanes());
        QCOMPARE(changed.size(), 0);
    }

    void sortAlphabetically_data()
    {
        // clang-format off
        // Each airplane: manufacturer|name|tag; the tag (registration) tells them apart.
        QTest::addColumn<QStringList>("airplanes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("already sorted") << QStringList{"A|a|1", "B|b|2"} << "12";
        QTest::newRow("reversed") << QStringList{"C|c|1", "B|b|2", "A|a|3"} << "321";
        QTest::newRow("case ignored") << QStringList{"boeing|737|1", "Airbus|A320|2", "BOEING|707|3"} << "231";
        QTest::newRow("outer blanks ignored") << QStringList{"  Zeta|z|1", "Alpha |a|2"} << "21";
        QTest::newRow("equal names keep their order")
            << QStringList{"Aster|Jet|1", "Halden|T|2", "aster|JET|3", " ASTER|Jet|4", "Aster|Jet|5"} << "13452";
        QTest::newRow("name breaks a tie of makers") << QStringList{"Aster|Jet 321|1", "Aster|Jet 320|2"} << "21";
        QTest::newRow("single") << QStringList{"X|y|1"} << "1";
        QTest::newRow("empty list") << QStringList{} << "";
        // clang-format on
    }

    void sortAlphabetically()
    {
        QFETCH(QStringList, airplanes);
        QFETCH(QString, expected);
        QList<Airplane> list;
        for (const QString &entry : airplanes) {
            const QStringList parts = entry.split(QLatin1Char('|'));
            Airplane a = airplane(parts.at(0), parts.at(1), QStringLiteral("T"));
            a.registration = parts.at(2);
            list.append(a);
        }
        m_model->setAirplanes(list);
        // The current airplane and a view's selection stay on the same airplane.
        const int currentRow = list.isEmpty() ? -1 : int(list.size()) - 1;
        if (currentRow >= 0)
            m_model->setCurrentIndex(currentRow);
        const QPersistentModelIndex first(m_model->index(0));
        m_model->sortAlphabetically();
        QString order;
        for (const Airplane &a : m_model->airplanes())
            order += a.registration;
        QCOMPARE(order, expected);
        if (currentRow >= 0) {
            QCOMPARE(AirplaneListModel::currentAirplane().registration, list.at(currentRow).registration);
            QCOMPARE(first.data(m_model->roleNames().key("registration")).toString(), list.at(0).registration);
        }
    }

    void sortSignalsOnlyWhenTheCurrentRowMoves()
    {
        m_model->setCurrentIndex(0);
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QSignalSpy layout(m_model.get(), &QAbstractItemModel::layoutChanged);
        m_model->sortAlphabetically();
        // "Aster Jet 320", "Aster Jet 321", "Halden Trainer": the first stays first.
        QCOMPARE(layout.size(), 1);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(m_model->currentIndex(), 0);
        m_model->sortAlphabetically();
        QCOMPARE(layout.size(), 1);
        m_model->setAirplanes(threeAirplanes());
        m_model->setCurrentIndex(1);
        changed.clear();
        m_model->sortAlphabetically();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(m_model->currentIndex(), 2);
    }

    void reset()
    {
        m_model->setCurrentIndex(2);
        m_model->saveToSettings();
        QSignalSpy changed(m_model.get(), &AirplaneListModel::changed);
        QSignalSpy modelReset(m_model.get(), &QAbstractItemModel::modelReset);
        m_model->reset();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(modelReset.size(), 1);
        QCOMPARE(m_model->airplanes(), AirplaneListModel::defaultAirplanes());
        recreateModel();
        QCOMPARE(m_model->airplanes(), AirplaneListModel::defaultAirplanes());
    }

    void fatalMessages_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("which");
        QTest::addColumn<QString>("message");
        QTest::newRow("second instance") << QByteArray("second") << "AirplaneListModel singleton already defined!";
        QTest::newRow("before construction") << QByteArray("unallocated") << "AirplaneListModel singleton not allocated!";
        // clang-format on
    }

    void fatalMessages()
    {
        QFETCH(QByteArray, which);
        QFETCH(QString, message);
        QByteArray standardError;
        QVERIFY(TestSupport::runFatalCase(which, &standardError));
        QVERIFY2(standardError.contains(message.toUtf8()), qPrintable(message));
    }

private:
    // A new list object reads the stored list afresh, as at the next start of the program.
    void recreateModel()
    {
        m_tester.reset();
        m_model.reset();
        m_model = std::make_unique<AirplaneListModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(),
                                                              QAbstractItemModelTester::FailureReportingMode::QtTest);
    }

    QByteArray goodAirplaneFile()
    {
        m_model->setAirplanes({AirplaneListModel::defaultAirplanes().at(0)});
        const QString path = m_dir.filePath(QStringLiteral("good.apxml"));
        if (!m_model->saveAirplaneToFile(0, path))
            return QByteArray();
        m_model->setAirplanes(threeAirplanes());
        return readFile(path);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<AirplaneListModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

int main(int argc, char *argv[])
{
    const QByteArray fatalCase = qgetenv("WAYLORE_FATAL_CASE");
    if (!fatalCase.isEmpty())
        return runFatalCase(fatalCase, argc, argv);
    QCoreApplication app(argc, argv);
    TstAirplaneListModel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_airplanelistmodel.moc"
