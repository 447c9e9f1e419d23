// What the native code and the pages address by resource path must be in the resources: the
// icons the item models hand out, the icon font, the pictures, every "qrc:/" path written in a
// page, and every page of the module must load with its imports resolved.
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Waylore_UiPlugin)
Q_IMPORT_QML_PLUGIN(Corvel_MapPlugin)
Q_IMPORT_QML_PLUGIN(Waylore_MapLayersPlugin)

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void interfacePaths_data();
    void interfacePaths();
    void pathsWrittenInPages();
    void iconFont();
    void pagesLoad();
};

void TestResources::interfacePaths_data()
{
    // clang-format off
    QTest::addColumn<QString>("path");
    // Handed out by the point model (role_icon), the flight-plan model (role_altitude_icon)
    // and named by the entry function and the window.
    const QStringList paths{
        ":/icon/airp.svg", ":/icon/ndb.svg", ":/icon/vor.svg", ":/icon/fix.svg", ":/icon/dme.svg",
        ":/icon/coord.svg", ":/icon/airplane.svg", ":/icon/compass.svg", ":/icon/airp_gnd.svg",
        ":/icon/segment_h.svg", ":/icon/segment_l.svg", ":/icon/segment_t.svg",
        ":/icon/fainspired/toc.svg", ":/icon/fainspired/tod.svg", ":/icon/fainspired/apo.svg",
        ":/icon/fainspired/climb.svg", ":/icon/fainspired/cruise.svg", ":/icon/fainspired/descent.svg",
        ":/icon/wylr/app.iconset/icon_256x256.png", ":/img/wylr/splashscreen.png",
        ":/fa/ttf/fa-solid-900.ttf", ":/fa/solid/bars.svg", ":/fa/regular/compass.svg", ":/fa/brands/youtube.svg"};
    for (const QString &path : paths)
        QTest::newRow(qPrintable(path)) << path;
    // clang-format on
}

void TestResources::interfacePaths()
{
    QFETCH(QString, path);
    QVERIFY(QFile::exists(path));
}

void TestResources::pathsWrittenInPages()
{
    static const QRegularExpression literal(QStringLiteral("\"qrc(:/(?:icon|img|fa)/[^\"]+)\""));
    QStringList missing;
    int found = 0;
    QDirIterator pages(QStringLiteral(":/qt/qml/Waylore/Ui"), {QStringLiteral("*.qml"), QStringLiteral("*.js")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        QFile page(pages.next());
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        for (const QRegularExpressionMatch &match : literal.globalMatch(text)) {
            ++found;
            if (!QFile::exists(match.captured(1)))
                missing << page.fileName() + QStringLiteral(": ") + match.captured(1);
        }
    }
    QVERIFY2(found > 20, "the pages name their icons as qrc:/ literals");
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

void TestResources::iconFont()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fa/ttf/fa-solid-900.ttf"));
    QVERIFY(id >= 0);
    QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("Font Awesome 6 Free")));
}

void TestResources::pagesLoad()
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QStringList failures;
    int pages = 0;
    QDirIterator files(QStringLiteral(":/qt/qml/Waylore/Ui"), {QStringLiteral("*.qml")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc") + file));
        ++pages;
        if (!component.isReady())
            failures << component.errorString();
    }
    QVERIFY(pages > 20);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
