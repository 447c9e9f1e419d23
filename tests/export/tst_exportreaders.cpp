#include "database.h"
#include "document.h"
#include "exporter.h"
#include "exportplan.h"
#include "printmanager.h"
#include "templating.h"
#include "terminal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageRanges>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

#include <cmath>

namespace {

struct ReadPoint
{
    QString name;
    double latitude = 0.0;
    double longitude = 0.0;
};

// Runs a program of the machine; its standard output, or a failure naming what went wrong.
QByteArray run(const QString &program, const QStringList &arguments, QString *failure)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        *failure = program + QStringLiteral(" is not installed (scripts/setup.sh installs it)");
        return QByteArray();
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        *failure = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    return process.readAllStandardOutput();
}

// The text of each page of a PDF file, laid out as printed.
QStringList pdfPages(const QString &path, QString *failure)
{
    QStringList pages = QString::fromUtf8(run(QStringLiteral("pdftotext"),
                                              {QStringLiteral("-layout"), path, QStringLiteral("-")}, failure))
                            .split(u'\f');
    pages.removeLast();
    return pages;
}

} // namespace

// What real readers make of the files: GPX and KML through gpsbabel, the FMS files through the
// program's own import, the PDF through poppler's renderer.
class TstExportReaders : public QObject
{
    Q_OBJECT

private:
    ExportPlan m_plan;
    Exporter *m_exporter = nullptr;
    QTemporaryDir m_dir;

    QString exportTo(int format, const QString &name)
    {
        const QString path = m_dir.filePath(name);
        return m_exporter->toFormat(format, path) ? path : QString();
    }

    void compareWithPlan(const QList<ReadPoint> &points, const QList<Waypoint *> &expected)
    {
        QCOMPARE(points.size(), expected.size());
        for (int i = 0; i < points.size(); ++i) {
            const Waypoint *w = expected.at(i);
            QCOMPARE(points.at(i).name, w->code());
            QVERIFY2(std::abs(points.at(i).latitude - w->latitude()) <= 1e-6, qPrintable(w->code()));
            QVERIFY2(std::abs(points.at(i).longitude - w->longitude()) <= 1e-6, qPrintable(w->code()));
        }
    }

private slots:
    void initTestCase()
    {
        m_plan.setUp();
        m_exporter = m_plan.exporter();
    }

    void cleanupTestCase() { m_plan.tearDown(); }

    void gpsbabelReadsEveryWaypoint_data()
    {
        // clang-format off
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("route");
        QTest::newRow("GPX route") << int(Exporter::GPX) << "gpx" << true;
        QTest::newRow("KML placemarks") << int(Exporter::KML) << "kml" << false;
        // clang-format on
    }

    void gpsbabelReadsEveryWaypoint()
    {
        QFETCH(int, format);
        QFETCH(QString, input);
        QFETCH(bool, route);
        const QString path = exportTo(format, QStringLiteral("plan.") + input);
        QVERIFY(!path.isEmpty());
        QStringList arguments{QStringLiteral("-i"), input,
                              QStringLiteral("-f"), path,
                              QStringLiteral("-o"), QStringLiteral("unicsv,fields=lat+lon+name"),
                              QStringLiteral("-F"), QStringLiteral("-")};
        if (route)
            arguments.prepend(QStringLiteral("-r"));
        QString failure;
        const QByteArray csv = run(QStringLiteral("gpsbabel"), arguments, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        static const QRegularExpression row(QStringLiteral("^\\d+,(-?[0-9.]+),(-?[0-9.]+),\"([^\"]*)\""));
        QList<ReadPoint> points;
        for (const QByteArray &line : csv.split('\n')) {
            const QRegularExpressionMatch match = row.match(QString::fromUtf8(line));
            if (match.hasMatch())
                points.append({match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
        }
        compareWithPlan(points, m_plan.plan()->waypoints());
    }

    void fmsImportReadsTheSameWaypoints_data()
    {
        // clang-format off
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("procedures");
        QTest::addColumn<QString>("fromProcedures"); // not in the file: their altitudes are not the plan's
        QTest::newRow("1100 without SID/STAR") << int(Exporter::FMSv11NoSidStar)
                                               << "NFFN NNDA1 MOKAR TUVRA ONOVA FAL 145000S1740000W FA KILOS SAMEL CI08 FF08 NSFA"
                                               << "02 08" << "";
        QTest::newRow("version 3") << int(Exporter::FMSv3)
                                   << "NFFN NNDA1 MOKAR TUVRA ONOVA FAL 145000S1740000W FA KILOS SAMEL CI08 FF08 NSFA" << "" << "";
        // The simulator flies the procedures by name: the file keeps their ends only, and the
        // transitions it names (KILOS: KILOS SAMEL; SAMEL: SAMEL CI08) bring their fixes back.
        QTest::newRow("1100 with SID/STAR") << int(Exporter::FMSv11)
                                            << "NFFN MOKAR TUVRA ONOVA FAL 145000S1740000W FA KILOS SAMEL CI08 NSFA"
                                            << "MOKA1A KILO1B I08 02 08" << "SAMEL CI08";
        // clang-format on
    }

    void fmsImportReadsTheSameWaypoints()
    {
        QFETCH(int, format);
        QFETCH(QString, codes);
        QFETCH(QString, procedures);
        QFETCH(QString, fromProcedures);
        const QString path = exportTo(format, QStringLiteral("plan%1.fms").arg(format));
        QVERIFY(!path.isEmpty());
        Flightplan imported;
        Document document(&imported);
        QVERIFY2(document.import(path), qPrintable(document.msgtext()));
        QStringList read;
        for (const Waypoint *w : imported.waypoints()) {
            read.append(w->code());
            const Waypoint *original = m_plan.plan()->findWaypoint(w->uid());
            QVERIFY2(original, qPrintable(w->code()));
            QCOMPARE(w->position(), original->position());
            if (!fromProcedures.split(QLatin1Char(' ')).contains(w->code()))
                QCOMPARE(w->altitude(), original->altitude());
        }
        QCOMPARE(read.join(QLatin1Char(' ')), codes);
        const Terminal *t = imported.terminal();
        const QString names = QStringList{t->sidIdentifier(), t->starIdentifier(), t->appchIdentifier(),
                                          t->departureRunway(), t->arrivalRunway()}
                                  .join(QLatin1Char(' '))
                                  .simplified();
        QCOMPARE(names, procedures);
    }

    void pdfShowsThePlan_data()
    {
        // clang-format off
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("Germany") << "de_DE" << "A4";
        QTest::newRow("United States") << "en_US" << "Letter";
        // clang-format on
    }

    void pdfShowsThePlan()
    {
        QFETCH(QString, locale);
        QFETCH(QString, paper);
        QLocale::setDefault(QLocale(locale));
        const QString path = exportTo(Exporter::PDF, QStringLiteral("plan-%1.pdf").arg(locale));
        QLocale::setDefault(QLocale::c());
        QVERIFY2(!path.isEmpty(), qPrintable(m_exporter->msgerror()));

        QString failure;
        const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {path}, &failure));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(%1\\)").arg(paper),
                                                  QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(info));
        const QString text = QString::fromUtf8(
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}, &failure));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // Every leg keeps its line, none wraps.
        QVERIFY2(text.simplified().contains(
                     QStringLiteral("1430S17400W DCT 071 55.4 0:06 FL350 280kts TOD 1:15 122.9 3298kg 2353kg")),
                 qPrintable(text));

        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"), QStringLiteral("-f"),
             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"), path,
             m_dir.filePath(QStringLiteral("page"))},
            &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QImage page(m_dir.filePath(QStringLiteral("page.png")));
        QVERIFY(!page.isNull());
        int dark = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x)
                dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
        }
        // Text, not an empty page: a few thousand dark pixels at this resolution.
        QVERIFY2(dark > 2000, qPrintable(QString::number(dark)));
        // Every column ends inside the right margin of 2 cm, 39 pixels at 50 dots per inch.
        int right = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = page.width() - 1; x > right; --x) {
                if (qGray(page.pixel(x, y)) < 128) {
                    right = x;
                    break;
                }
            }
        }
        QVERIFY2(right < page.width() - 39, qPrintable(QStringLiteral("%1 of %2").arg(right).arg(page.width())));

        // One leg more at a time, past the end of the first page: the last page never stands
        // blank nor holds the closing lines alone, the weights begin it whole.
        const auto restore = qScopeGuard([this] { m_plan.build(); });
        int twoPages = 0;
        for (int leg = 1; leg <= 120 && twoPages < 14; ++leg) {
            const Point *p = Database::getOrAddCoordPoint(QGeoCoordinate(-15.0, -175.0 + leg * 0.01), false);
            QVERIFY(m_plan.plan()->insert(6 + leg, p->uid(), false));
            QLocale::setDefault(QLocale(locale));
            QVERIFY(!exportTo(Exporter::PDF, QStringLiteral("long.pdf")).isEmpty());
            QLocale::setDefault(QLocale::c());
            const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
            const QString pages = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdf}, &failure))
                                      .section(QStringLiteral("Pages:"), 1)
                                      .section(u'\n', 0, 0)
                                      .trimmed();
            const QString last = QString::fromUtf8(
                run(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), pages, QStringLiteral("-l"), pages, pdf, QStringLiteral("-")}, &failure));
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            twoPages += pages == QLatin1String("2") ? 1 : 0;
            QVERIFY2(last.contains(QLatin1String("WEIGHTS")) && last.contains(QLatin1String("LANDING WEIGHT")),
                     qPrintable(QStringLiteral("%1 legs more, page %2: %3").arg(leg).arg(pages, last)));
        }
        QCOMPARE(twoPages, 14);
    }

    void printedPagesKeepSectionsWhole_data()
    {
        // About 70 lines a page at 8 points: a table of 44 waypoints (plus five lines) fits, 85 not.
        // clang-format off
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("waypoints");
        QTest::addColumn<bool>("tableSplit");
        for (const char *paper : {"A4", "Letter"}) {
            for (const auto &[family, points] : {std::pair("DejaVu Sans Mono", 8.0), std::pair("DejaVu Sans", 8.5)}) {
                const QString name = QStringLiteral("%1, %2 %3, ").arg(QLatin1String(paper), QLatin1String(family)).arg(points);
                QTest::newRow(qPrintable(name + QStringLiteral("44 waypoints"))) << paper << family << points << 44 << false;
                QTest::newRow(qPrintable(name + QStringLiteral("85 waypoints"))) << paper << family << points << 85 << true;
            }
        }
        // clang-format on
    }

    // Read back from the PDF: every section but a long leg table stands on one page, and each
    // page of the table shows its column head.
    void printedPagesKeepSectionsWhole()
    {
        QFETCH(QString, paper);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(int, waypoints);
        QFETCH(bool, tableSplit);
        const auto restore = qScopeGuard([this] { m_plan.build(); });
        for (int leg = 1; m_plan.plan()->count() < waypoints; ++leg) {
            const Point *p = Database::getOrAddCoordPoint(QGeoCoordinate(-15.0, -175.0 + leg * 0.01), false);
            QVERIFY(m_plan.plan()->insert(6 + leg, p->uid(), false));
        }
        const std::unique_ptr<QTextDocument> document = PrintManager::document(m_plan.plan());
        QFont font(family);
        font.setPointSizeF(points);
        document->setDefaultFont(font);
        const QStringList lines = document->toPlainText().split(u'\n');

        const QString path = m_dir.filePath(QStringLiteral("pages.pdf"));
        {
            QPdfWriter writer(path);
            writer.setPageLayout(
                QPageLayout(QPageSize(paper == QLatin1String("A4") ? QPageSize::A4 : QPageSize::Letter),
                            QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
            PrintManager::print(document.get(), &writer);
        }
        QString failure;
        const QStringList pages = pdfPages(path, &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // Lines by their words (the reader lays blanks out again); no page holds only its number.
        QHash<QString, QList<int>> pagesOf;
        for (int page = 0; page < pages.size(); ++page) {
            QVERIFY2(pages.at(page).contains(QRegularExpression(QStringLiteral("[^\\d\\s]"))),
                     qPrintable(QString::number(page)));
            for (const QString &line : pages.at(page).split(u'\n'))
                pagesOf[line.simplified()].append(page);
        }
        const qsizetype headLine = lines.indexOf(QRegularExpression(QStringLiteral("WPT .*")));
        QVERIFY(headLine > 0);
        const QString head = lines.at(headLine).simplified();
        int section = 0;
        int sectionPage = -1;
        int rulersAfterHead = -1;
        QList<int> tablePages;
        for (const QString &line : lines) {
            const QString words = line.simplified();
            if (words.isEmpty()) {
                ++section;
                sectionPage = -1;
                continue;
            }
            if (words == head) {
                rulersAfterHead = 0;
                continue;
            }
            if (words.count(u'-') == words.size() || words.count(u'=') == words.size()) {
                rulersAfterHead += rulersAfterHead >= 0 ? 1 : 0;
                continue;
            }
            if (lines.count(line) > 1)
                continue;
            const QList<int> at = pagesOf.value(words);
            QVERIFY2(at.size() == 1, qPrintable(QStringLiteral("printed %1 times: %2").arg(at.size()).arg(words)));
            if (rulersAfterHead == 1) {
                // A leg row: its page shows the column head.
                QVERIFY2(pagesOf.value(head).contains(at.first()), qPrintable(words));
                if (!tablePages.contains(at.first()))
                    tablePages.append(at.first());
                continue;
            }
            if (sectionPage < 0)
                sectionPage = at.first();
            QVERIFY2(at.first() == sectionPage,
                     qPrintable(QStringLiteral("section %1 split before: %2").arg(section).arg(words)));
        }
        QCOMPARE(tablePages.size() > 1, tableSplit);
    }

    void printedToFileAsTheDialogSays_data()
    {
        // clang-format off
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collated");
        QTest::addColumn<bool>("lastFirst");
        QTest::addColumn<QList<int>>("pages");
        QTest::newRow("two collated") << "1,3" << 2 << true << false << QList<int>{1, 3, 1, 3};
        QTest::newRow("two not collated") << "1,3" << 2 << false << false << QList<int>{1, 1, 3, 3};
        QTest::newRow("2-3 last first") << "2-3" << 1 << true << true << QList<int>{3, 2};
        // As a printing system takes a job's list: the pages there are; none at all is refused.
        QTest::newRow("some pages beyond the plan") << "2,99" << 1 << true << false << QList<int>{2};
        QTest::newRow("no page of the plan") << "99" << 1 << true << false << QList<int>{};
        // clang-format on
    }

    // The print dialog's "Print to File (PDF)": its pages typed as a list, copies and order, read back.
    void printedToFileAsTheDialogSays()
    {
        QFETCH(QString, ranges);
        QFETCH(int, copies);
        QFETCH(bool, collated);
        QFETCH(bool, lastFirst);
        QFETCH(QList<int>, pages);
        const auto restore = qScopeGuard([this] { m_plan.build(); });
        for (int leg = 1; m_plan.plan()->count() < 150; ++leg) {
            const Point *p = Database::getOrAddCoordPoint(QGeoCoordinate(-15.0, -175.0 + leg * 0.01), false);
            QVERIFY(m_plan.plan()->insert(6 + leg, p->uid(), false));
        }
        PrintManager printing(m_plan.plan());
        const QString file = m_dir.filePath(QStringLiteral("printed.pdf"));
        QString refused;
        // The pages typed as a list (none: every page), and the copies and their order, as a pilot sets them.
        const auto printFromTheDialog = [&](const QString &list, int copyCount, bool collate, bool reverse) {
            QFile::remove(file);
            QTimer::singleShot(0, &printing, [&, list, copyCount, collate, reverse] {
                auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                const auto close = qScopeGuard([dialog] {
                    if (dialog->isVisible())
                        dialog->reject();
                });
                auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
                QVERIFY(printers);
                printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)", whatever the machine has
                dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(file);
                if (!list.isEmpty()) {
                    dialog->findChild<QAbstractButton *>(QStringLiteral("pagesRadioButton"))->click();
                    QTest::keyClicks(dialog->findChild<QLineEdit *>(QStringLiteral("pagesLineEdit")), list);
                }
                dialog->findChild<QSpinBox *>(QStringLiteral("copies"))->setValue(copyCount);
                dialog->findChild<QAbstractButton *>(QStringLiteral("collate"))->setChecked(collate);
                dialog->findChild<QAbstractButton *>(QStringLiteral("reverse"))->setChecked(reverse);
                QTimer::singleShot(0, dialog, [&refused] {
                    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                        refused = box->text();
                        box->reject();
                    }
                });
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            });
            printing.printDialog();
        };
        printFromTheDialog(QString(), 1, true, false);
        QString failure;
        const QStringList all = pdfPages(file, &failure);
        QVERIFY2(all.size() >= 3, qPrintable(QString::number(all.size()) + failure));
        printFromTheDialog(ranges, copies, collated, lastFirst);
        if (pages.isEmpty()) {
            // The dialog says why, as it does for "0", and no file is written.
            QCOMPARE(refused, QStringLiteral("%1 names no page of the flight plan, whose last page is %2.")
                                  .arg(ranges)
                                  .arg(all.size()));
            QVERIFY(!QFile::exists(file));
            // The preview prints through the list the printer holds, with no dialog to refuse it.
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFileName(file);
            printer.setPageRanges(QPageRanges::fromString(ranges));
            QSignalSpy failed(&printing, &PrintManager::failed);
            QVERIFY(!printing.print(&printer));
            QCOMPARE(failed.size(), 1);
            QVERIFY2(failed.at(0).at(0).toString().startsWith(ranges + QStringLiteral(" names no page")),
                     qPrintable(failed.at(0).at(0).toString()));
            QVERIFY(!QFile::exists(file));
            return;
        }
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
        QStringList expected;
        for (const int page : std::as_const(pages))
            expected.append(all.at(page - 1));
        QCOMPARE(pdfPages(file, &failure), expected);
    }

    void printedTextIsMonospaced()
    {
        const std::unique_ptr<QTextDocument> document = PrintManager::document(m_plan.plan());
        // What keeps the columns: narrow and wide letters, figures and blanks advance alike.
        const QFontMetricsF metrics(document->defaultFont());
        const qreal wide = metrics.horizontalAdvance(QLatin1Char('W'));
        QVERIFY(wide > 0);
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')), wide);
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('1')), wide);
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char(' ')), wide);
        QVERIFY(document->toPlainText().startsWith(QStringLiteral("OPERATIONAL FLIGHT PLAN")));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TstExportReaders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exportreaders.moc"
