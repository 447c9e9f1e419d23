#include "exporter.h"
#include "fmsimport.h"
#include "metar.h"
#include "planfixture.h"
#include "translationmanager.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

QString metarText()
{
    return QCoreApplication::translate("InfoManager", "No METAR available for %1.");
}

} // namespace

// The language of a run, its catalogues, the stored choice and the localised tips.
class TestTranslationManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void resolve_data();
    void resolve();
    void installsTheChosenCatalogue_data();
    void installsTheChosenCatalogue();
    void qtCataloguesAreBundled();
    void unsupportedStoredChoiceActsAsSystem();
    void restartRequiredFollowsTheChoice();
    void htmlPathFallsBackToEnglish_data();
    void htmlPathFallsBackToEnglish();
    void frenchPageWriters();
    void frenchImportAndExportMessages();

private:
    PlanFixture m_fixture;
};

void TestTranslationManager::initTestCase()
{
    m_fixture.setUp();
}

void TestTranslationManager::cleanupTestCase()
{
    m_fixture.tearDown();
}

void TestTranslationManager::init()
{
    Settings::setString(QStringLiteral("ui/language"), QStringLiteral("system"));
}

void TestTranslationManager::resolve_data()
{
    // clang-format off
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("language");
    QTest::newRow("French of Canada first") << "system" << QStringList{"fr-CA", "en"} << "fr";
    QTest::newRow("German of Switzerland with underscore") << "system" << QStringList{"it", "de_CH"} << "de";
    QTest::newRow("nothing supported") << "system" << QStringList{"it"} << "en";
    QTest::newRow("no system language") << "system" << QStringList{} << "en";
    QTest::newRow("upper case tag") << "system" << QStringList{"ES-es"} << "es";
    QTest::newRow("English before French") << "system" << QStringList{"en-GB", "fr"} << "en";
    QTest::newRow("explicit choice wins") << "de" << QStringList{"fr-FR"} << "de";
    QTest::newRow("codes are case-sensitive") << "DE" << QStringList{"it"} << "en";
    // clang-format on
}

void TestTranslationManager::resolve()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, system);
    QFETCH(QString, language);
    QCOMPARE(TranslationManager::resolveLanguage(choice, system), language);
}

void TestTranslationManager::installsTheChosenCatalogue_data()
{
    // clang-format off
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("active");
    QTest::addColumn<QString>("text");
    // Qt's own catalogue, from the program's resources.
    QTest::addColumn<QString>("cancel");
    QTest::newRow("system French") << "system" << QStringList{"fr-CA", "en"} << "fr" << "Aucun METAR disponible pour %1."
                                   << "Annuler";
    QTest::newRow("system German") << "system" << QStringList{"it", "de_CH"} << "de" << "Kein METAR für %1 verfügbar."
                                   << "Abbrechen";
    QTest::newRow("chosen Spanish") << "es" << QStringList{"fr"} << "es" << "No hay METAR disponible para %1."
                                    << "Cancelar";
    QTest::newRow("system Italian") << "system" << QStringList{"it"} << "en" << "No METAR available for %1." << "Cancel";
    QTest::newRow("chosen English") << "en" << QStringList{"fr"} << "en" << "No METAR available for %1." << "Cancel";
    // clang-format on
}

void TestTranslationManager::installsTheChosenCatalogue()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, system);
    QFETCH(QString, active);
    QFETCH(QString, text);
    QFETCH(QString, cancel);
    Settings::setString(QStringLiteral("ui/language"), stored);
    {
        TranslationManager manager(system);
        QCOMPARE(manager.activeLanguage(), active);
        QCOMPARE(manager.language(), stored);
        QVERIFY(!manager.restartRequired());
        QCOMPARE(metarText(), text);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    }
    // Gone with the manager.
    QCOMPARE(metarText(), QStringLiteral("No METAR available for %1."));
}

// Qt's base, QML and location texts travel with the program, not with the machine's Qt.
void TestTranslationManager::qtCataloguesAreBundled()
{
    QStringList missing;
    for (const char *kind : {"qtbase", "qtdeclarative", "qtlocation"}) {
        for (const char *code : {"fr", "de", "es"}) {
            QTranslator translator;
            const QString name = QStringLiteral(":/i18n/%1_%2.qm").arg(QLatin1String(kind), QLatin1String(code));
            if (!translator.load(name) || translator.isEmpty())
                missing.append(name);
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char(' '))));
}

void TestTranslationManager::unsupportedStoredChoiceActsAsSystem()
{
    Settings::setString(QStringLiteral("ui/language"), QStringLiteral("it"));
    TranslationManager manager(QStringList{"de-DE"});
    QCOMPARE(manager.language(), QStringLiteral("system"));
    QCOMPARE(manager.activeLanguage(), QStringLiteral("de"));
    QCOMPARE(Settings::getString(QStringLiteral("ui/language")), QStringLiteral("it"));
}

void TestTranslationManager::restartRequiredFollowsTheChoice()
{
    TranslationManager manager(QStringList{"fr-FR"});
    QCOMPARE(manager.activeLanguage(), QStringLiteral("fr"));
    QSignalSpy changed(&manager, &TranslationManager::languageChanged);

    manager.setLanguage(QStringLiteral("de"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(manager.restartRequired());
    QCOMPARE(Settings::getString(QStringLiteral("ui/language")), QStringLiteral("de"));
    QCOMPARE(manager.activeLanguage(), QStringLiteral("fr"));
    QCOMPARE(metarText(), QStringLiteral("Aucun METAR disponible pour %1."));

    manager.setLanguage(QStringLiteral("de"));
    manager.setLanguage(QStringLiteral("it"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(manager.language(), QStringLiteral("de"));

    manager.setLanguage(QStringLiteral("fr"));
    QVERIFY(!manager.restartRequired());
    manager.setLanguage(QStringLiteral("system"));
    QVERIFY(!manager.restartRequired());
    manager.setLanguage(QStringLiteral("en"));
    QVERIFY(manager.restartRequired());
    QCOMPARE(changed.count(), 4);
}

void TestTranslationManager::htmlPathFallsBackToEnglish_data()
{
    // clang-format off
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("French tip") << "fr" << "tip3.html" << ":/html/fr/tip3.html";
    QTest::newRow("Spanish tip") << "es" << "tip15.html" << ":/html/es/tip15.html";
    QTest::newRow("English tip") << "en" << "tip3.html" << ":/html/tip3.html";
    QTest::newRow("no French copy") << "fr" << "tip16.html" << ":/html/tip16.html";
    // clang-format on
}

void TestTranslationManager::htmlPathFallsBackToEnglish()
{
    QFETCH(QString, stored);
    QFETCH(QString, name);
    QFETCH(QString, path);
    Settings::setString(QStringLiteral("ui/language"), stored);
    TranslationManager manager(QStringList{"en"});
    QCOMPARE(manager.htmlPath(name), path);
}

void TestTranslationManager::frenchPageWriters()
{
    Settings::setString(QStringLiteral("ui/language"), QStringLiteral("fr"));
    TranslationManager manager(QStringList{"en"});
    auto *airport = static_cast<Airport *>(m_fixture.airport(QStringLiteral("LFPG"), 49.0, 2.5, 392));
    const QString page = airport->infoHtml(QString(), QString());
    QVERIFY2(page.contains(QStringLiteral("Chargement du METAR...")), qPrintable(page));
    QVERIFY2(page.contains(QStringLiteral("Aucun ATC pour LFPG")), qPrintable(page));
    const QList<QPair<QString, QString>> rows
        = Metar::decode(QStringLiteral("LFPG 061230Z 27010KT 9999 FEW030 08/03 Q1015"));
    QVERIFY(!rows.isEmpty());
    QCOMPARE(rows.first().first, QStringLiteral("Observé"));
    QCOMPARE(rows.at(1), qMakePair(QStringLiteral("Vent"), QStringLiteral("Du 270° vrai à 10 kt")));
}

// Texts shown in message boxes and on the pages, looked up in the context the catalogue files them in.
void TestTranslationManager::frenchImportAndExportMessages()
{
    Settings::setString(QStringLiteral("ui/language"), QStringLiteral("fr"));
    TranslationManager manager(QStringList{"en"});

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.fms"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("A\n3 version\n") > 0);
    file.close();
    Flightplan plan;
    FmsImport importer(&plan);
    QVERIFY(!importer.import(path));
    QCOMPARE(importer.title(), QStringLiteral("Format de fichier incorrect"));
    QCOMPARE(importer.text(), QStringLiteral("Ce fichier n'est pas reconnu comme un plan de vol FMS."));

    Exporter exporter(&plan);
    QVERIFY(!exporter.toFormat(Exporter::FMSv11, path));
    QCOMPARE(exporter.msgerror(),
             QStringLiteral("Le plan de vol doit comporter au moins un départ et une arrivée pour être exporté."));
    // A file format's label in French, its name filter's pattern as it is.
    QCOMPARE(exporter.formats().at(Exporter::FMSv11NoSidStar),
             QStringLiteral("X-Plane 11/12 FMS sans SID/STAR (*.fms)"));
    QCOMPARE(exporter.formats().at(Exporter::OFP), QStringLiteral("Plan de vol opérationnel (*.txt)"));
    QCOMPARE(exporter.formats().at(Exporter::SharedLink), QStringLiteral("Lien partagé"));

    auto *airport = static_cast<Airport *>(m_fixture.airport(QStringLiteral("LFPO"), 48.7, 2.4, 291));
    const QString page = airport->infoHtml(QStringLiteral("metar"), QString());
    QVERIFY2(page.contains(QStringLiteral("Afficher toutes les sections de LFPO")), qPrintable(page));
}

QTEST_MAIN(TestTranslationManager)
#include "tst_translationmanager.moc"
