#include <QtTest>

#include <grantlee/context.h>
#include <grantlee/engine.h>
#include <grantlee/templateloader.h>

// The export and print templates are rendered by Grantlee from the program's resources; this
// proves the build finds the engine, its tag and filter plugins and the resource loader.
class TstGrantlee : public QObject
{
    Q_OBJECT

private slots:
    void rendersTemplateFromResources()
    {
        Grantlee::Engine engine;
        engine.addPluginPath(QStringLiteral(WAYLORE_GRANTLEE_PREFIX_LIB));
        auto loader = QSharedPointer<Grantlee::FileSystemTemplateLoader>::create();
        loader->setTemplateDirs({QStringLiteral(":/tpl")});
        engine.addTemplateLoader(loader);

        Grantlee::Template tpl = engine.loadByName(QStringLiteral("greeting.txt"));
        QVERIFY2(tpl->error() == Grantlee::NoError, qPrintable(tpl->errorString()));

        QVariantList legs;
        legs << QVariantHash{{"name", "dotsi"}, {"distance", 12.34}}
             << QVariantHash{{"name", "vesan"}, {"distance", 7.0}};
        Grantlee::Context context(QVariantHash{{"legs", legs}, {"total", 19}});
        QCOMPARE(tpl->render(&context), QStringLiteral("1 DOTSI 12.3\n2 VESAN 7.0\nTotal 19 NM\n"));
    }

    void reportsMissingTemplate()
    {
        Grantlee::Engine engine;
        engine.addPluginPath(QStringLiteral(WAYLORE_GRANTLEE_PREFIX_LIB));
        auto loader = QSharedPointer<Grantlee::FileSystemTemplateLoader>::create();
        loader->setTemplateDirs({QStringLiteral(":/tpl")});
        engine.addTemplateLoader(loader);
        Grantlee::Template tpl = engine.loadByName(QStringLiteral("absent.txt"));
        QVERIFY(tpl->error() != Grantlee::NoError);
    }
};

QTEST_GUILESS_MAIN(TstGrantlee)
#include "tst_grantlee.moc"
