#include "exporter.h"

#include "airplanelistmodel.h"
#include "flightplan.h"
#include "flightplanxml.h"
#include "general.h"
#include "printmanager.h"
#include "replyguard.h"
#include "routetext.h"
#include "settings.h"
#include "templating.h"
#include "waypoint.h"
#include "wholesavefile.h"

#include <QClipboard>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHttpMultiPart>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrlQuery>

namespace {

const char *const IvaoUrlKey = "exporter/ivaoUrl";
const char *const VatsimUrlKey = "exporter/vatsimUrl";
const char *const ShareUrlKey = "exporter/shareUrl";
// The networks' public pages for filing a flight plan.
const char *const IvaoUrl = "https://fpl.ivao.aero/flight-plans/create";
const char *const VatsimUrl = "https://my.vatsim.net/pilots/flightplan";
// There is no public share service: the address has to be configured to be of use.
const char *const ShareUrl = "https://share.waylore.invalid/upload";
constexpr qint64 MaxShareAnswerBytes = 64 * 1024;
// The whole exchange, the map's picture sent included, within this many times the time allowed
// between two bytes: a service that answers a byte at a time would hold the share for ever, and
// every other share with it.
constexpr int kShareDeadlineTimeouts = 4;

struct FileFormat
{
    // What the pilot reads, translated; a file format's pattern, which the file dialog reads as its
    // name filter, follows it as it is in every language ("(*.fms)").
    const char *label;
    const char *templateName; // empty: not a template
    const char *extension;
};

const FileFormat Formats[] = {
    {QT_TRANSLATE_NOOP("Exporter", "X-Plane 11/12 FMS"), "fms11.fms", "fms"},
    {QT_TRANSLATE_NOOP("Exporter", "X-Plane 11/12 FMS without SID/STAR"), "fms11nosidstar.fms", "fms"},
    {QT_TRANSLATE_NOOP("Exporter", "X-Plane 9/10 FMS"), "fms3.fms", "fms"},
    {QT_TRANSLATE_NOOP("Exporter", "X-FMC"), "xfmc.fpl", "fpl"},
    {QT_TRANSLATE_NOOP("Exporter", "Aerosoft Airbus"), "aerosoftairbus.flp", "flp"},
    {QT_TRANSLATE_NOOP("Exporter", "Aerosoft CRJ"), "aerosoftcrj.flp", "flp"},
    {QT_TRANSLATE_NOOP("Exporter", "FlightFactor A320"), "flightfactora320.in", "in"},
    {QT_TRANSLATE_NOOP("Exporter", "FlightFactor 757 v2"), "flightfactor757.flp", "flp"},
    {QT_TRANSLATE_NOOP("Exporter", "FlightFactor 767-777"), "flightfactor767777.flp", "flp"},
    {QT_TRANSLATE_NOOP("Exporter", "Garmin GTN"), "gtn.gfp", "gfp"},
    {QT_TRANSLATE_NOOP("Exporter", "Garmin GTN without SID/STAR"), "gtnnosidstar.gfp", "gfp"},
    {QT_TRANSLATE_NOOP("Exporter", "IVAO/IVAP"), "ivap.fpl", "fpl"},
    {QT_TRANSLATE_NOOP("Exporter", "IVAO/XIVAP"), "xivap.fpl", "fpl"},
    {QT_TRANSLATE_NOOP("Exporter", "IXEG 737"), "ixeg737.fpl", "fpl"},
    {QT_TRANSLATE_NOOP("Exporter", "JARDesign Airbus"), "jardesign.fpl", "fpl"},
    {QT_TRANSLATE_NOOP("Exporter", "PMDG Flightplan"), "pmdg.rte", "rte"},
    {QT_TRANSLATE_NOOP("Exporter", "Universal FMC"), "ufmc.ufmc", "ufmc"},
    {QT_TRANSLATE_NOOP("Exporter", "GPS eXchange Format"), "gpx.gpx", "gpx"},
    {QT_TRANSLATE_NOOP("Exporter", "Google Earth"), "kml.kml", "kml"},
    {QT_TRANSLATE_NOOP("Exporter", "Operational Flight Plan"), "ofp.txt", "txt"},
    {QT_TRANSLATE_NOOP("Exporter", "Adobe PDF"), "", "pdf"},
    {QT_TRANSLATE_NOOP("Exporter", "Copy full route to clipboard"), "", ""},
    {QT_TRANSLATE_NOOP("Exporter", "Copy en-route part to clipboard"), "", ""},
    {QT_TRANSLATE_NOOP("Exporter", "Copy ICAO route to clipboard"), "", ""},
    {QT_TRANSLATE_NOOP("Exporter", "Copy all waypoints to clipboard"), "", ""},
    {QT_TRANSLATE_NOOP("Exporter", "Copy operational briefing to clipboard"), "", ""},
    {QT_TRANSLATE_NOOP("Exporter", "IVAO flight plan"), "", ""},
    {QT_TRANSLATE_NOOP("Exporter", "VATSIM flight plan"), "", ""},
    {QT_TRANSLATE_NOOP("Exporter", "Shared link"), "", ""},
};
constexpr int FormatCount = int(sizeof(Formats) / sizeof(Formats[0]));
static_assert(FormatCount == Exporter::SharedLink + 1, "one label per format");

bool isFileFormat(int format)
{
    return format >= Exporter::FMSv11 && format <= Exporter::PDF;
}

// The name filter's pattern of a file format, after its label; empty for the other exports.
QString pattern(int format)
{
    return isFileFormat(format) ? QStringLiteral(" (*.%1)").arg(QLatin1String(Formats[format].extension)) : QString();
}

} // namespace

Exporter::Exporter(Flightplan *flightplan, QObject *parent)
    : QObject(parent)
    , m_flightplan(flightplan)
{
    if (!m_flightplan)
        qFatal("Cannot create Exporter object with NULL pointers!");
}

Exporter::~Exporter()
{
    // No report from an upload that ends with the exporter.
    if (m_shareReply) {
        m_shareReply->disconnect(this);
        ReplyGuard::abort(m_shareReply);
    }
}

QStringList Exporter::formats() const
{
    QStringList labels;
    for (int format = 0; format < FormatCount; ++format)
        labels.append(tr(Formats[format].label) + pattern(format));
    return labels;
}

QString Exporter::formatName(int format)
{
    if (format < 0 || format >= FormatCount)
        return QString();
    return QString::fromLatin1(Formats[format].label) + pattern(format);
}

QString Exporter::defaultDirectory()
{
    if (Settings::getBool(QStringLiteral("exporter/exportToCustomDirectory"), false))
        return Settings::getString(QStringLiteral("exporter/customExportDirectory"));
    const QString simulator = Settings::getString(QStringLiteral("database/xpPath"));
    return simulator.isEmpty() ? QString() : simulator + QStringLiteral("/Output/FMS plans");
}

QString Exporter::templateName(int format)
{
    if (format < 0 || format >= FormatCount)
        return QString();
    return QString::fromLatin1(Formats[format].templateName);
}

QString Exporter::fileName(int format) const
{
    if (!isFileFormat(format))
        return QString();
    return m_flightplan->general()->suggestedFileName() + QLatin1Char('.')
           + QString::fromLatin1(Formats[format].extension);
}

bool Exporter::fail(const QString &message)
{
    m_msgerror = message;
    emit msgerrorChanged();
    return false;
}

bool Exporter::checkPlan()
{
    if (m_flightplan->count() < 2)
        return fail(tr("The flight plan needs at least a departure and an arrival to be exported."));
    return true;
}

QString Exporter::render(int format) const
{
    const QString name = templateName(format);
    if (name.isEmpty())
        return QString();
    return Templating::render(m_flightplan, name);
}

QString Exporter::clipboardText(int kind) const
{
    const QList<Waypoint *> waypoints = m_flightplan->waypoints();
    switch (kind) {
    case FullRoute:
        return RouteText::full(waypoints);
    case ShortRoute:
        return RouteText::enroute(waypoints);
    case IcaoRoute:
        return RouteText::icao(waypoints, Settings::getBool(QStringLiteral("exporter/addDirectToExportedRoute"), true));
    case AllWaypoints:
        return RouteText::allWaypoints(waypoints);
    case FullBriefing:
        return Templating::render(m_flightplan, QStringLiteral("ofp.txt"));
    default:
        return QString();
    }
}

QUrl Exporter::networkUrl(int format) const
{
    const bool ivao = format == IVAO;
    QUrl url(Settings::getString(QLatin1String(ivao ? IvaoUrlKey : VatsimUrlKey),
                                 QLatin1String(ivao ? IvaoUrl : VatsimUrl)));
    const General *general = m_flightplan->general();
    const int level = qMax(0, general->cruiselvl());
    const int speed = qMax(0, general->cruisetas());
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("departure"), general->departureCode());
    query.addQueryItem(QStringLiteral("arrival"), general->arrivalCode());
    query.addQueryItem(QStringLiteral("route"), RouteText::icao(m_flightplan->waypoints(), false));
    query.addQueryItem(QStringLiteral("level"), QStringLiteral("F%1").arg(level, 3, 10, QLatin1Char('0')));
    query.addQueryItem(QStringLiteral("speed"), QStringLiteral("N%1").arg(speed, 4, 10, QLatin1Char('0')));
    query.addQueryItem(QStringLiteral("aircraft"), AirplaneListModel::currentAirplane().icao);
    query.addQueryItem(QStringLiteral("alternate"), general->alternate());
    url.setQuery(query);
    return url;
}

bool Exporter::toDefault()
{
    const int format = Settings::getInt(QStringLiteral("exporter/defaultExportFormat"), 0);
    if (format == SharedLink)
        return fail(tr("A shared link needs the image of the map: share from the File menu, or choose a file "
                       "format as the default export format in the preferences."));
    return toFormat(format);
}

bool Exporter::toFormat(int format, const QString &path)
{
    if (format < 0 || format >= FormatCount) {
        qWarning() << "Unknown export format" << format;
        return fail(tr("Export format %1 is not known.").arg(format));
    }
    if (format >= ClipboardFullRoute && format <= ClipboardFullBriefing)
        return clipboard(format - ClipboardFullRoute);
    if (format == IVAO || format == VATSIM)
        return openNetwork(format);
    if (format == SharedLink)
        return fail(tr("A shared link needs the image of the map: share from the File menu."));
    return writeFile(format, path);
}

QString Exporter::openFailure(const QString &path, const QString &reason)
{
    const QFileInfo info(path);
    const QString name = QDir::toNativeSeparators(info.absoluteFilePath());
    if (info.isDir())
        return tr("%1 is a folder, not a file.").arg(name);
    if (info.isSymLink() && !info.exists())
        return tr("%1 is a link to %2, which cannot be written: %3")
            .arg(name, QDir::toNativeSeparators(info.symLinkTarget()), reason);
    return tr("Cannot write to the folder %1: %2").arg(QDir::toNativeSeparators(info.absolutePath()), reason);
}

bool Exporter::writeFile(int format, const QString &path)
{
    if (!checkPlan())
        return false;
    QString target = path;
    if (target.isEmpty()) {
        const QString directory = defaultDirectory();
        if (directory.isEmpty())
            return fail(tr("No export folder is set: choose the simulator folder, or a folder of your own in the "
                           "export preferences."));
        target = QDir(directory).filePath(fileName(format));
    }
    const QFileInfo info(target);
    if (!info.absoluteDir().exists())
        return fail(tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(info.absolutePath())));

    QByteArray content;
    if (format == PDF && !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(tr("A PDF can only be made by the program with its windows."));
    if (format != PDF) {
        const QString text = render(format);
        if (text.isEmpty())
            return fail(tr("The file %1 could not be made from the flight plan.").arg(info.fileName()));
        content = text.toUtf8();
    }

    WholeSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return fail(openFailure(target, file.errorString()));
    bool written = false;
    if (format == PDF)
        written = PrintManager::writePdf(m_flightplan, &file);
    else
        written = file.write(content) == content.size();
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        qInfo() << "Export to" << target << "failed:" << reason;
        return fail(tr("Cannot write the file %1 (is the disk full?): %2")
                        .arg(QDir::toNativeSeparators(info.absoluteFilePath()), reason));
    }
    qInfo() << "Exported" << Formats[format].templateName << "to" << target;
    emit done(format, info.absoluteFilePath());
    return true;
}

bool Exporter::clipboard(int kind)
{
    if (kind < FullRoute || kind > FullBriefing)
        return fail(tr("Clipboard text %1 is not known.").arg(kind));
    if (!checkPlan())
        return false;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(tr("There is no clipboard to copy to."));
    const QString text = clipboardText(kind);
    if (text.isEmpty())
        return fail(tr("The text could not be made from the flight plan."));
    QGuiApplication::clipboard()->setText(text);
    emit done(ClipboardFullRoute + kind, tr("clipboard"));
    return true;
}

bool Exporter::ivao()
{
    return openNetwork(IVAO);
}

bool Exporter::vatsim()
{
    return openNetwork(VATSIM);
}

bool Exporter::openNetwork(int format)
{
    if (!checkPlan())
        return false;
    const QUrl url = networkUrl(format);
    if (!url.isValid() || url.scheme().isEmpty())
        return fail(tr("The address of the filing page is not valid: %1").arg(url.toString()));
    if (!QDesktopServices::openUrl(url))
        return fail(tr("No web browser could open %1").arg(url.toString(QUrl::RemoveQuery)));
    emit done(format, url.toString());
    return true;
}

bool Exporter::share(const QString &imagePath)
{
    if (m_shareReply)
        return fail(tr("A shared link is being made already."));
    if (!checkPlan())
        return false;
    auto image = std::make_unique<QFile>(imagePath);
    if (!image->open(QIODevice::ReadOnly))
        return fail(
            tr("The map image %1 cannot be read: %2").arg(QDir::toNativeSeparators(imagePath), image->errorString()));
    const QUrl url(Settings::getString(QLatin1String(ShareUrlKey), QLatin1String(ShareUrl)));
    if (!url.isValid() || url.scheme().isEmpty())
        return fail(tr("The address of the share service is not valid: %1").arg(url.toString()));

    auto *multipart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    const QString name = m_flightplan->general()->suggestedFileName();
    QHttpPart plan;
    plan.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/xml"));
    plan.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"flightplan\"; filename=\"%1.fpxml\"").arg(name));
    plan.setBody(FlightplanXml::toXml(m_flightplan).toUtf8());
    multipart->append(plan);
    QHttpPart picture;
    picture.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("image/jpeg"));
    picture.setHeader(
        QNetworkRequest::ContentDispositionHeader,
        QStringLiteral("form-data; name=\"image\"; filename=\"%1\"").arg(QFileInfo(imagePath).fileName()));
    picture.setBodyDevice(image.get());
    image.release()->setParent(multipart);
    multipart->append(picture);

    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(url);
    request.setTransferTimeout(m_shareTimeout);
    m_shareReply = ReplyGuard::network(m_network)->post(ReplyGuard::uncompressed(request), multipart);
    // The answer is a link: anything much longer is none, and is broken off as it arrives.
    ReplyGuard::attach(m_shareReply, MaxShareAnswerBytes, kShareDeadlineTimeouts * m_shareTimeout);
    multipart->setParent(m_shareReply);
    QNetworkReply *reply = m_shareReply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { shareFinished(reply); });
    qInfo() << "Sharing the flight plan with" << url.toString(QUrl::RemoveQuery);
    return true;
}

void Exporter::shareFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    m_shareReply = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body = ReplyGuard::body(reply).trimmed();
    QString message;
    QUrl link;
    const ReplyGuard::Stop stop = ReplyGuard::stopped(reply);
    const bool success = status >= 200 && status < 300;
    if (stop != ReplyGuard::Stop::None && stop != ReplyGuard::Stop::TooSlow) {
        message = tr("The share service gave no link: %1.").arg(ReplyGuard::reason(reply));
    } else if (reply->error() == QNetworkReply::OperationCanceledError
               || reply->error() == QNetworkReply::TimeoutError) {
        message = tr("The share service did not answer in time. Please try again later.");
    } else if (status == 0) {
        message = tr("The share service cannot be reached: %1").arg(reply->errorString());
    } else if (!success) {
        message = tr("The share service answered with an error (%1). Please try again later.").arg(status);
    } else if (reply->error() != QNetworkReply::NoError) {
        // A success whose connection ended before its body did (a chunk cut short).
        message = tr("The share service gave no link: %1.").arg(ReplyGuard::text(ReplyGuard::Stop::CutShort));
    } else {
        // The link comes as {"url": ...} or as the bare address.
        const QJsonObject object = QJsonDocument::fromJson(body).object();
        link = QUrl(object.isEmpty() ? QString::fromUtf8(body) : object.value(QStringLiteral("url")).toString());
        if (!link.isValid() || !link.scheme().startsWith(QLatin1String("http")))
            message = tr("The share service gave no link.");
        else if (!QDesktopServices::openUrl(link))
            message = tr("No web browser could open %1").arg(link.toString());
    }
    if (!message.isEmpty()) {
        qWarning() << "Share failed" << status << reply->errorString();
        fail(message);
        emit failed(SharedLink, message);
        return;
    }
    emit done(SharedLink, link.toString());
}
