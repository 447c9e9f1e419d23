#include "exporter.h"
#include "exportplan.h"
#include "filesizelimit.h"
#include "fmsimport.h"
#include "httptestserver.h"
#include "markingtranslator.h"
#include "printmanager.h"
#include "templating.h"
#include "testsupport.h"
#include "wholesavefile.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

namespace {

// Takes the addresses the exporter hands to the system browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// An HTTP server that keeps each whole request (head and body) and answers with a status and
// a body, or never, or a blank every `dripMs` for ever, or headers without end, or the body in
// chunks cut before the last.
class ShareServer : public QObject
{
    Q_OBJECT

public:
    int status = 200;
    QByteArray body;
    bool answer = true;
    int dripMs = 0;
    QByteArray encoding;
    bool endlessHeaders = false;
    bool chunksCut = false;
    QByteArray request;

    bool listen()
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        });
        return m_server.listen(QHostAddress::LocalHost, 0);
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/upload").arg(m_server.serverPort()); }

private:
    void read(QTcpSocket *socket)
    {
        request += socket->readAll();
        const qsizetype end = request.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = request.left(end).toLower();
        const qsizetype at = head.indexOf("content-length:");
        const qsizetype length
            = at < 0 ? 0 : head.mid(at + 15, head.indexOf('\r', at) - at - 15).trimmed().toLongLong();
        if (request.size() < end + 4 + length || !answer)
            return;
        if (endlessHeaders) {
            auto more = [socket] {
                while (socket->bytesToWrite() < 64 * 1024)
                    socket->write("X-Filler: " + QByteArray(1000, 'h') + "\r\n");
            };
            connect(socket, &QTcpSocket::bytesWritten, socket, more);
            socket->write("HTTP/1.1 200 X\r\n");
            more();
            return;
        }
        if (chunksCut) {
            socket->write("HTTP/1.1 200 X\r\nTransfer-Encoding: chunked\r\n\r\n" + QByteArray::number(body.size(), 16)
                          + "\r\n" + body + "\r\n");
            QTimer::singleShot(60, socket, [socket] { socket->disconnectFromHost(); });
            return;
        }
        if (dripMs > 0) {
            socket->write("HTTP/1.1 200 X\r\nContent-Length: 1000\r\n\r\n");
            auto *drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            drip->start(dripMs);
            return;
        }
        socket->write(
            "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: " + QByteArray::number(body.size())
            + (encoding.isEmpty() ? "" : "\r\nContent-Encoding: " + encoding) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
};

} // namespace

// Every file format of one realistic plan against the reference files of tests/export/data,
// the folders and failures of an export, and the route texts.
class TstExporter : public QObject
{
    Q_OBJECT

private:
    ExportPlan m_plan;
    Exporter *m_exporter = nullptr;
    QTemporaryDir m_dir;
    UrlCatcher m_browser;

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

private slots:
    void initTestCase()
    {
        m_plan.setUp();
        m_exporter = m_plan.exporter();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
        // Faults must not leave their settings to the next test.
        Settings::setBool(QStringLiteral("exporter/exportToCustomDirectory"), true);
        Settings::setString(QStringLiteral("exporter/customExportDirectory"), m_dir.path());
    }

    void init()
    {
        m_browser.urls.clear();
        Settings::setBool(QStringLiteral("exporter/addDirectToExportedRoute"), true);
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        m_plan.tearDown();
    }

    void referenceFiles_data()
    {
        // clang-format off
        QTest::addColumn<int>("format");
        for (int format = Exporter::FMSv11; format <= Exporter::OFP; ++format)
            QTest::newRow(qPrintable(Exporter::templateName(format))) << format;
        // clang-format on
    }

    // A changed output shows here as a difference to the file we checked once by eye; set
    // WAYLORE_WRITE_REFERENCES to write the files anew after an intended change.
    void referenceFiles()
    {
        QFETCH(int, format);
        const QString name = QStringLiteral(WAYLORE_EXPORT_DATA_DIR "/reference/") + Exporter::templateName(format);
        QVERIFY(m_exporter->toFormat(format, m_dir.filePath(Exporter::templateName(format))));
        QFile written(m_dir.filePath(Exporter::templateName(format)));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray actual = written.readAll();
        if (qEnvironmentVariableIsSet("WAYLORE_WRITE_REFERENCES")) {
            QDir().mkpath(QFileInfo(name).absolutePath());
            QFile out(name);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(actual);
        }
        QFile reference(name);
        QVERIFY2(reference.open(QIODevice::ReadOnly), qPrintable(name));
        QCOMPARE(QString::fromUtf8(actual), QString::fromUtf8(reference.readAll()));
    }

    // Every label passes through the catalogue; a file format's name filter pattern, which the
    // file dialog reads, and the name the analytics carry stay as they are in every language.
    void formatLabels()
    {
        MarkingTranslator translator("Exporter");
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const QStringList formats = m_exporter->formats();
        const QString named = Exporter::formatName(Exporter::OFP);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(formats.size(), 29);
        QCOMPARE(formats.at(Exporter::FMSv11), QStringLiteral("<X-Plane 11/12 FMS> (*.fms)"));
        QCOMPARE(formats.at(Exporter::GarminGTNv1NoSidStar), QStringLiteral("<Garmin GTN without SID/STAR> (*.gfp)"));
        QCOMPARE(formats.at(Exporter::OFP), QStringLiteral("<Operational Flight Plan> (*.txt)"));
        QCOMPARE(formats.at(Exporter::PDF), QStringLiteral("<Adobe PDF> (*.pdf)"));
        QCOMPARE(formats.at(Exporter::SharedLink), QStringLiteral("<Shared link>"));
        QCOMPARE(named, QStringLiteral("Operational Flight Plan (*.txt)"));
        QCOMPARE(Exporter::formatName(Exporter::SharedLink), QStringLiteral("Shared link"));
    }

    // Without a path: the custom folder when it is chosen, else the simulator's FMS plan folder,
    // where the quick export puts the default format under the plan's name; else a refusal.
    void defaultFolder()
    {
        QTemporaryDir simulator;
        QVERIFY(QDir(simulator.path()).mkpath(QStringLiteral("Output/FMS plans")));
        Settings::setString(QStringLiteral("database/xpPath"), simulator.path());
        QCOMPARE(Exporter::defaultDirectory(), m_dir.path());
        Settings::setBool(QStringLiteral("exporter/exportToCustomDirectory"), false);
        Settings::setInt(QStringLiteral("exporter/defaultExportFormat"), Exporter::FMSv3);
        QSignalSpy done(m_exporter, &Exporter::done);
        const bool ok = m_exporter->toDefault();
        Settings::setString(QStringLiteral("database/xpPath"), QString());
        const bool noFolder = m_exporter->toFormat(Exporter::FMSv11);
        Settings::setBool(QStringLiteral("exporter/exportToCustomDirectory"), true);
        Settings::setInt(QStringLiteral("exporter/defaultExportFormat"), 0);

        const QString file = simulator.filePath(QStringLiteral("Output/FMS plans/NFFNNSFA.fms"));
        QVERIFY(ok);
        QVERIFY(read(file).startsWith("I\n3 version\n"));
        QCOMPARE(done.size(), 1);
        QCOMPARE(done.at(0).at(0).toInt(), int(Exporter::FMSv3));
        QCOMPARE(done.at(0).at(1).toString(), file);
        QVERIFY(!noFolder);
        QVERIFY(m_exporter->msgerror().startsWith(QStringLiteral("No export folder is set")));
    }

    void failuresKeepTheOlderFile_data()
    {
        // clang-format off
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing folder") << "absent/plan.fms" << "The folder .*absent does not exist.";
        QTest::newRow("folder that takes no file") << "/proc/plan.fms" << "Cannot write to the folder /proc: .+";
        QTest::newRow("name of a folder") << "folder.fms" << ".*/folder.fms is a folder, not a file.";
        QTest::newRow("printed onto a folder") << "folder.pdf" << ".*/folder.pdf is a folder, not a file.";
        QTest::newRow("link to nowhere") << "link.fms" << ".*/link.fms is a link to .*/absent/plan.fms, which cannot be written: .+";
        QTest::newRow("disk full") << "full.fms" << "Cannot write the file .*full.fms \\(is the disk full\\?\\): .+";
        QTest::newRow("printed to a file on a full disk") << "full.pdf" << "Cannot write the file .*full.pdf \\(is the disk full\\?\\): .+";
        // clang-format on
    }

    void failuresKeepTheOlderFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        const QString target = QDir::isAbsolutePath(path) ? path : m_dir.filePath(path);
        const bool diskFull = path.startsWith(QLatin1String("full."));
        if (diskFull)
            QVERIFY(!TestSupport::writeFile(target, "older plan").isEmpty());
        if (path.startsWith(QLatin1String("folder.")))
            QVERIFY(QDir().mkpath(target));
        if (path.startsWith(QLatin1String("link.")))
            QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("absent/plan.fms")), target));
        // The print dialog's "Print to File (PDF)". Writers get the file as a QIODevice: handed a
        // QFileDevice, they could call QSaveFile::commit(), not virtual, past the checks.
        static_assert(!std::is_convertible_v<WholeSaveFile *, QFileDevice *>);
        const bool printed = path.endsWith(QLatin1String(".pdf"));
        PrintManager printing(m_plan.plan());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(target); // a PDF file, by its name
        QSignalSpy printFailed(&printing, &PrintManager::failed);
        {
            // A disk that fills up: the process may write no more than 100 bytes to a file.
            const FileSizeLimit limit(diskFull ? 100 : -1);
            QVERIFY(!(printed ? printing.print(&printer) : m_exporter->toFormat(Exporter::FMSv11, target)));
        }
        const QString said = printed ? printFailed.value(0).value(0).toString() : m_exporter->msgerror();
        QVERIFY2(QRegularExpression(QStringLiteral("^") + message + QStringLiteral("$")).match(said).hasMatch(),
                 qPrintable(said));
        if (diskFull) {
            QCOMPARE(read(target), QByteArray("older plan"));
            QCOMPARE(QDir(m_dir.path()).entryList({path + QLatin1Char('*')}, QDir::Files | QDir::Hidden),
                     QStringList{path});
        }
        if (printed && diskFull) {
            // With room on the disk, the whole document in its place.
            QVERIFY(printing.print(&printer));
            const QByteArray pdf = read(target);
            QVERIFY2(pdf.startsWith("%PDF-") && pdf.trimmed().endsWith("%%EOF"), pdf.left(16).constData());
            QCOMPARE(printFailed.size(), 1);
        }
    }

    void refusals_data()
    {
        // clang-format off
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("message");
        QTest::newRow("past the last format") << 29 << "Export format 29 is not known.";
        QTest::newRow("negative") << -1 << "Export format -1 is not known.";
        QTest::newRow("shared link without map") << int(Exporter::SharedLink) << "A shared link needs the image of the map: share from the File menu.";
        // clang-format on
    }

    void refusals()
    {
        QFETCH(int, format);
        QFETCH(QString, message);
        if (format != Exporter::SharedLink)
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("Unknown export format %1").arg(format)));
        QVERIFY(!m_exporter->toFormat(format));
        QCOMPARE(m_exporter->msgerror(), message);
    }

    // The Parts' default choice "Shared link" cannot be done by the quick export: it says so
    // and what to choose instead, instead of failing without a word.
    void quickExportOfTheSharedLinkSaysWhatToDo()
    {
        Settings::setInt(QStringLiteral("exporter/defaultExportFormat"), Exporter::SharedLink);
        QVERIFY(!m_exporter->toDefault());
        QCOMPARE(m_exporter->msgerror(),
                 QStringLiteral("A shared link needs the image of the map: share from the File menu, or choose a file "
                                "format as the default export format in the preferences."));
        Settings::setInt(QStringLiteral("exporter/defaultExportFormat"), 0);
    }

    void planOfOneWaypointIsRefused()
    {
        Flightplan single;
        QVERIFY(single.append(m_plan.uidOf(QStringLiteral("NFFN")), false));
        Exporter exporter(&single);
        const QString expected
            = QStringLiteral("The flight plan needs at least a departure and an arrival to be exported.");
        for (int format :
             {int(Exporter::FMSv11), int(Exporter::PDF), int(Exporter::ClipboardIcaoRoute), int(Exporter::VATSIM)}) {
            QVERIFY(!exporter.toFormat(format, m_dir.filePath(QStringLiteral("single"))));
            QCOMPARE(exporter.msgerror(), expected);
        }
        QVERIFY(!exporter.share(QStringLiteral("map.jpg")));
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("single"))));
    }

    void clipboardTexts_data()
    {
        // clang-format off
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text");
        QTest::newRow("full route") << 0 << true
                                    << "NFFN NNDA1 MOKAR TUVRA ONOVA FAL 1430S17400W FA KILOS SAMEL CI08 FF08 NSFA";
        QTest::newRow("en-route part") << 1 << true << "MOKAR TUVRA ONOVA FAL 1430S17400W FA KILOS";
        QTest::newRow("ICAO route") << 2 << true
                                    << "NFFN MOKA1A MOKAR UA251 ONOVA G224 FAL DCT 1430S17400W DCT FA DCT KILOS KILO1B NSFA";
        QTest::newRow("ICAO route without DCT") << 2 << false
                                                << "NFFN MOKA1A MOKAR UA251 ONOVA G224 FAL 1430S17400W FA KILOS KILO1B NSFA";
        QTest::newRow("all waypoints")
            << 3 << true
            << "NFFN - -17.755000 177.443000\nNNDA1 MOKA1A -17.550000 177.550000\nMOKAR MOKA1A -17.200000 178.100000\n"
               "TUVRA UA251 -16.800000 179.300000\nONOVA UA251 -16.400000 -179.400000\nFAL G224 -15.600000 -176.800000\n"
               "1430S17400W DCT -14.500000 -174.000000\nFA DCT -14.200000 -173.100000\nKILOS KILO1B -14.050000 -172.700000\n"
               "SAMEL KILO1B -13.950000 -172.400000\nCI08 KILO1B -13.870000 -172.200000\nFF08 I08 -13.850000 -172.100000\n"
               "NSFA DCT -13.830000 -172.008000";
        // clang-format on
    }

    void clipboardTexts()
    {
        QFETCH(int, kind);
        QFETCH(bool, direct);
        QFETCH(QString, text);
        Settings::setBool(QStringLiteral("exporter/addDirectToExportedRoute"), direct);
        QSignalSpy done(m_exporter, &Exporter::done);
        QVERIFY(m_exporter->toFormat(Exporter::ClipboardFullRoute + kind));
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QCOMPARE(done.size(), 1);
        QCOMPARE(done.at(0).at(0).toInt(), Exporter::ClipboardFullRoute + kind);
    }

    // A transition named in the file is flown by the unit: none of its fixes is listed again,
    // whether the plan took them with the procedure or held them as en-route points; nor is a
    // procedure's fix listed beside the procedure that flies it. An FMS 11 file read back
    // carries the same procedures and transitions.
    void transitionsFlownOnce_data()
    {
        // clang-format off
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("plan"); // "main", or what was en route before the procedures came
        QTest::addColumn<QString>("route"); // FMS 11: the procedure lines and the en-route codes; others: the lines

        const QString gtn = QStringLiteral("FPN/RI:DA:XRTA:D:ALDA1A.COLTA:F:COLTA.UL100.DUNOP:AA:XRTB:A:FOXI1C.DUNOP:F:XRTB");
        const QString fms = QStringLiteral("SID ALDA1A|SIDTRANS COLTA|STAR FOXI1C|STARTRANS DUNOP|NUMENR 4|XRTA COLTA DUNOP XRTB");
        QTest::newRow("GTN, chosen with the procedures") << int(Exporter::GarminGTNv1) << "" << gtn;
        QTest::newRow("GTN, SID transition en route") << int(Exporter::GarminGTNv1) << "SID" << gtn;
        QTest::newRow("GTN, STAR transition en route") << int(Exporter::GarminGTNv1) << "STAR" << gtn;
        QTest::newRow("FMS 11, SID transition en route") << int(Exporter::FMSv11) << "SID" << fms;
        QTest::newRow("FMS 11, STAR transition en route") << int(Exporter::FMSv11) << "STAR" << fms;
        // The approach's own transition, SAMEL (SAMEL CI08), not its first fix of the plan.
        QTest::newRow("FMS 11, approach transition") << int(Exporter::FMSv11) << "main"
            << "SID MOKA1A|STAR KILO1B|STARTRANS KILOS|APP I08|APPTRANS SAMEL|NUMENR 9|NFFN MOKAR TUVRA ONOVA FAL 145000S1740000W FA KILOS NSFA";
        QTest::newRow("IXEG 737, route made first") << int(Exporter::Ixeg737) << "route"
                                                    << "XRTA ALDA1A COLTA UL100 DUNOP FOXI1C XRTB";
        // clang-format on
    }

    void transitionsFlownOnce()
    {
        QFETCH(int, format);
        QFETCH(QString, plan);
        QFETCH(QString, route);
        const auto restore = qScopeGuard([this] { m_plan.build(); });
        if (plan != QLatin1String("main"))
            m_plan.buildTransitions(plan == QLatin1String("SID"), plan == QLatin1String("STAR"),
                                    plan == QLatin1String("route"));
        const QString text = Templating::render(m_plan.plan(), Exporter::templateName(format));
        QStringList lines;
        QStringList codes;
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList fields = line.split(QLatin1Char(' '));
            if (format != Exporter::FMSv11 || line.startsWith(QLatin1String("SID"))
                || line.startsWith(QLatin1String("STAR")) || line.startsWith(QLatin1String("APP"))
                || line.startsWith(QLatin1String("NUMENR")))
                lines.append(line);
            else if (fields.size() == 6)
                codes.append(fields.at(1));
        }
        if (!codes.isEmpty())
            lines.append(codes.join(QLatin1Char(' ')));
        QCOMPARE(lines.join(QLatin1Char('|')), route);

        if (format == Exporter::FMSv11) {
            const Terminal *terminal = m_plan.plan()->terminal();
            const auto procedures = [terminal] {
                return QStringList{terminal->sidIdentifier(),  terminal->sidTransition(),   terminal->starIdentifier(),
                                   terminal->starTransition(), terminal->appchIdentifier(), terminal->appchTransition()}
                    .join(QLatin1Char(' '));
            };
            const QString exported = procedures();
            QFile file(m_dir.filePath(QStringLiteral("back.fms")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text.toUtf8());
            file.close();
            m_plan.plan()->clear(false);
            FmsImport reader(m_plan.plan());
            QVERIFY2(reader.import(file.fileName()), qPrintable(reader.text()));
            QCOMPARE(procedures(), exported);
        }
    }

    void clipboardBriefingIsTheOperationalFlightPlan()
    {
        QVERIFY(m_exporter->clipboard(Exporter::FullBriefing));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromUtf8(read(QStringLiteral(WAYLORE_EXPORT_DATA_DIR "/reference/ofp.txt"))));
        QVERIFY(!m_exporter->clipboard(5));
    }

    void filingPages_data()
    {
        // clang-format off
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("page");
        QTest::newRow("IVAO") << int(Exporter::IVAO) << "https://fpl.ivao.aero/flight-plans/create";
        QTest::newRow("VATSIM") << int(Exporter::VATSIM) << "https://my.vatsim.net/pilots/flightplan";
        // clang-format on
    }

    void filingPages()
    {
        QFETCH(int, format);
        QFETCH(QString, page);
        QVERIFY(format == Exporter::IVAO ? m_exporter->ivao() : m_exporter->vatsim());
        QCOMPARE(m_browser.urls.size(), 1);
        const QUrl url = m_browser.urls.first();
        QCOMPARE(url.toString(QUrl::RemoveQuery), page);
        QCOMPARE(QUrlQuery(url).toString(QUrl::FullyDecoded),
                 QStringLiteral(
                     "departure=NFFN&arrival=NSFA&route=NFFN MOKA1A MOKAR UA251 ONOVA G224 FAL 1430S17400W FA KILOS "
                     "KILO1B NSFA&level=F350&speed=N0450&aircraft=B738&alternate=NFFN"));

        Settings::setString(QStringLiteral("exporter/vatsimUrl"), QStringLiteral("not an address"));
        Settings::setString(QStringLiteral("exporter/ivaoUrl"), QStringLiteral("not an address"));
        QVERIFY(!m_exporter->toFormat(format));
        QVERIFY(m_exporter->msgerror().startsWith(QStringLiteral("The address of the filing page is not valid")));
        Settings::setString(QStringLiteral("exporter/ivaoUrl"),
                            QStringLiteral("https://fpl.ivao.aero/flight-plans/create"));
        Settings::setString(QStringLiteral("exporter/vatsimUrl"),
                            QStringLiteral("https://my.vatsim.net/pilots/flightplan"));
    }

    void share_data()
    {
        // clang-format off
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("link as JSON") << 200 << QByteArray("{\"url\": \"https://share.test/p/42\"}") << true << "";
        QTest::newRow("bare link") << 201 << QByteArray("https://share.test/p/43\n") << true << "";
        QTest::newRow("server error") << 500 << QByteArray("oops") << true
                                       << "The share service answered with an error (500). Please try again later.";
        QTest::newRow("no link") << 200 << QByteArray("{}") << true << "The share service gave no link.";
        // Read whole, a link after a megabyte of blanks would pass.
        QTest::newRow("a megabyte before the link") << 200 << QByteArray(1024 * 1024, ' ') + "https://share.test/p/43" << true
                                                    << "The share service gave no link: the answer is too long.";
        QTest::newRow("link in chunks, cut short") << 200 << QByteArray("{\"url\": \"https://share.test/p/43") << true
                                                   << "The share service gave no link: the answer was cut short.";
        QTest::newRow("link compressed, damaged") << 200 << QByteArray("https://share.test/p/43") << true
                                                  << "The share service gave no link: the answer is damaged.";
        QTest::newRow("no answer") << 200 << QByteArray() << false
                                   << "The share service did not answer in time. Please try again later.";
        QTest::newRow("a blank every 100 ms") << 200 << QByteArray() << true
                                              << "The share service did not answer in time. Please try again later.";
        // Ended by the network layer's time-out; the next shares are answered all the same.
        QTest::newRow("headers without end") << 200 << QByteArray() << true
                                             << "The share service did not answer in time. Please try again later.";
        // clang-format on
    }

    void share()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, answer);
        QFETCH(QString, message);
        ShareServer server;
        server.status = status;
        server.body = body;
        server.answer = answer;
        server.dripMs = QByteArray(QTest::currentDataTag()).startsWith("a blank every") ? 100 : 0;
        server.endlessHeaders = QByteArray(QTest::currentDataTag()) == "headers without end";
        server.chunksCut = QByteArray(QTest::currentDataTag()).contains("cut short");
        if (QByteArray(QTest::currentDataTag()).startsWith("link compressed"))
            server.encoding = "gzip", server.body = HttpTestServer::gzip(body).chopped(8) + "checksum";
        QVERIFY(server.listen());
        Settings::setString(QStringLiteral("exporter/shareUrl"), server.url());
        const QString image
            = TestSupport::writeFile(m_dir.filePath(QStringLiteral("map.jpg")), "\xFF\xD8 map pixels \xFF\xD9");
        // A server that answers is given all the time a busy machine needs; only the silent one times out.
        m_exporter->setShareTimeout(answer && server.dripMs == 0 && !server.endlessHeaders ? 30000 : 500);
        QSignalSpy done(m_exporter, &Exporter::done);
        QSignalSpy failed(m_exporter, &Exporter::failed);
        QVERIFY(m_exporter->share(image));
        QTRY_VERIFY_WITH_TIMEOUT(done.size() + failed.size() == 1, 40000);

        // The silent server may still be reading the request when the upload gives up.
        QTRY_VERIFY(server.request.startsWith("POST /upload "));
        for (const char *part : {"multipart/form-data", "name=\"flightplan\"; filename=\"NFFNNSFA.fpxml\"",
                                 "<flightplan", "name=\"image\"; filename=\"map.jpg\"", "\xFF\xD8 map pixels \xFF\xD9"})
            QTRY_VERIFY2(server.request.contains(part), part);
        if (message.isEmpty()) {
            const QString link
                = QString::fromUtf8(body.contains("42") ? "https://share.test/p/42" : "https://share.test/p/43");
            QCOMPARE(done.at(0).at(1).toString(), link);
            QCOMPARE(m_browser.urls, QList<QUrl>{QUrl(link)});
        } else {
            QCOMPARE(failed.size(), 1);
            QCOMPARE(failed.at(0).at(1).toString(), message);
            QCOMPARE(m_exporter->msgerror(), message);
            QVERIFY(m_browser.urls.isEmpty());
        }
        if (server.endlessHeaders) {
            server.endlessHeaders = false;
            server.body = "https://share.test/p/44";
            for (int again = 1; again <= 2; ++again) {
                server.request.clear();
                QVERIFY(m_exporter->share(image));
                QTRY_COMPARE_WITH_TIMEOUT(done.size(), again, 40000);
            }
        }
    }

    void shareRefusesWhatItCannotSend()
    {
        QVERIFY(!m_exporter->share(m_dir.filePath(QStringLiteral("absent.jpg"))));
        QVERIFY(m_exporter->msgerror().startsWith(QStringLiteral("The map image")));
        Settings::setString(QStringLiteral("exporter/shareUrl"), QStringLiteral("http://127.0.0.1:1/upload"));
        const QString image = TestSupport::writeFile(m_dir.filePath(QStringLiteral("map.jpg")), "jpeg");
        QSignalSpy failed(m_exporter, &Exporter::failed);
        QVERIFY(m_exporter->share(image));
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 5000);
        QVERIFY2(m_exporter->msgerror().startsWith(QStringLiteral("The share service cannot be reached")),
                 qPrintable(m_exporter->msgerror()));
    }

    // What the interface does: the enumerations from the registered type, the calls on the
    // published object.
    void fromQml()
    {
        // Registered as the program registers it, for the enumerations.
        qmlRegisterUncreatableType<Exporter>("Corvel.Exporter", 1, 0, "Exporter", QString());
        QQmlEngine engine;
        engine.rootContext()->setContextProperty(QStringLiteral("exporter"), m_exporter);
        engine.rootContext()->setContextProperty(QStringLiteral("folder"), m_dir.path());
        QQmlComponent component(&engine);
        component.setData("import QtQml\n import Corvel.Exporter 1.0\n"
                          "QtObject {\n"
                          "  property int gpx: Exporter.GPX\n"
                          "  property int icao: Exporter.IcaoRoute\n"
                          "  property int labels: exporter.formats.length\n"
                          "  property bool written: exporter.toFormat(Exporter.GPX, folder + '/qml.gpx')\n"
                          "  property bool unknown: exporter.toFormat(99)\n"
                          "  property string error: exporter.msgerror\n"
                          "}",
                          QUrl());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Unknown export format 99")));
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        QCOMPARE(object->property("gpx").toInt(), 17);
        QCOMPARE(object->property("icao").toInt(), 2);
        QCOMPARE(object->property("labels").toInt(), 29);
        QVERIFY(object->property("written").toBool());
        QVERIFY(!object->property("unknown").toBool());
        QCOMPARE(object->property("error").toString(), QStringLiteral("Export format 99 is not known."));
        QCOMPARE(read(m_dir.filePath(QStringLiteral("qml.gpx"))),
                 read(QStringLiteral(WAYLORE_EXPORT_DATA_DIR "/reference/gpx.gpx")));

        QQmlComponent creation(&engine);
        creation.setData("import QtQml\n import Corvel.Exporter 1.0\n Exporter {}", QUrl());
        QTest::ignoreMessage(QtWarningMsg, "QQmlComponent: Component is not ready");
        QVERIFY(!creation.create());
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TstExporter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exporter.moc"
