#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// What a translation must carry over from its source unchanged: the place markers that arg()
// fills, the mark-up, and the line breaks a label is laid out with.
QStringList carried(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(%L?\d+|%n|<[^<>]*>)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(text))
        found.append(match.captured());
    found.append(QString(text.count(QLatin1Char('\n')), QLatin1Char('\n')));
    found.sort();
    return found;
}

} // namespace

// The committed catalogues: an entry for every text the sources mark, every entry translated,
// with its markers and mark-up intact.
class TestTranslationCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data();
    void catalogue();
};

void TestTranslationCatalogues::catalogue_data()
{
    // clang-format off
    QTest::addColumn<QString>("language");
    QTest::newRow("French") << "fr";
    QTest::newRow("German") << "de";
    QTest::newRow("Spanish") << "es";
    // clang-format on
}

void TestTranslationCatalogues::catalogue()
{
    QFETCH(QString, language);
    const QString committed = QFINDTESTDATA(QStringLiteral("../../i18n/waylore_%1.ts").arg(language));
    // Read as lupdate brings it up to date with the sources: a text they mark that it lacks comes
    // in unfinished, and reaches the pilot in English.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("waylore_%1.ts").arg(language));
    QVERIFY2(QFile::copy(committed, path), qPrintable(QStringLiteral("no catalogue for ") + language));
    QProcess lupdate;
    lupdate.start(QStringLiteral(WAYLORE_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("@" WAYLORE_TRANSLATED_SOURCES), QStringLiteral("-ts"), path});
    QVERIFY2(lupdate.waitForFinished(300000) && lupdate.exitCode() == 0,
             qPrintable(QString::fromLocal8Bit(lupdate.readAllStandardError())));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));

    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    int messages = 0;
    bool numerus = false;
    QStringList faults;
    // A measure written with a decimal point ("M0.78", "2.5nm"), in a language that writes a comma.
    static const QRegularExpression pointDecimal(QStringLiteral(R"([A-Za-z]\d+\.\d+\b|\b\d+\.\d+[A-Za-z])"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"message") {
            ++messages;
            numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"source") {
            source = xml.readElementText();
        } else if (name == u"translation") {
            const QString where = context + QStringLiteral(": \"") + source + QLatin1Char('"');
            const auto type = xml.attributes().value(QStringLiteral("type")).toString();
            QStringList forms;
            if (!numerus)
                forms.append(xml.readElementText());
            while (numerus && xml.readNextStartElement())
                forms.append(xml.readElementText());
            if (type == u"unfinished")
                faults.append(QStringLiteral("unfinished ") + where);
            for (const QString &text : std::as_const(forms)) {
                if (!type.isEmpty())
                    break;
                if (text.isEmpty())
                    faults.append(QStringLiteral("empty ") + where);
                else if (carried(text) != carried(source))
                    faults.append(QStringLiteral("markers differ in ") + where + QStringLiteral(" -> \"") + text
                                  + QLatin1Char('"'));
                else if (pointDecimal.match(text).hasMatch())
                    faults.append(QStringLiteral("decimal point in ") + where + QStringLiteral(" -> \"") + text
                                  + QLatin1Char('"'));
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 400);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslationCatalogues)
#include "tst_translationcatalogues.moc"
