#include "infomanager.h"

#include "airport.h"
#include "constants.h"
#include "database.h"
#include "flightplan.h"
#include "point.h"
#include "procedure.h"
#include "replyguard.h"
#include "richtext.h"
#include "runway.h"
#include "segment.h"
#include "settings.h"
#include "translationmanager.h"
#include "waypoint.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRandomGenerator64>
#include <QRegularExpression>

#include <memory>
#include <utility>

InfoManager::InfoManager(Flightplan *flightplan, TranslationManager *translationManager)
    : m_flightplan(flightplan)
    , m_translationManager(translationManager)
    , m_metarBase(QUrl(Settings::getString(QStringLiteral("information/metarUrl")).trimmed(), QUrl::TolerantMode))
{
    if (!flightplan || !translationManager)
        qFatal("Cannot create InfoManager object with NULL pointers!");
    // An empty address is no service, and would be told as Qt's "Protocol "" is unknown".
    if (m_metarBase.isEmpty())
        m_metarBase = QUrl(QLatin1String(defaultMetarBase));
    m_network.setAutoDeleteReplies(true);
    // Every page and every tip starts with clear: a report still on its way is for a page
    // that is no longer shown.
    connect(this, &InfoManager::clear, this, &InfoManager::cancelMetar);
    connect(flightplan, &Flightplan::modified, this, &InfoManager::planModified);
}

// A recompute, a reverse or an edit changes the altitude, the speeds and the next waypoint the
// page shows. A waypoint that left the plan is shown as its point, as its history link would.
void InfoManager::planModified()
{
    if (!m_showingWaypoint || m_showingTip)
        return;
    const QString uid = m_currentLink.section(QLatin1Char('>'), 1, 1);
    const Waypoint *waypoint = m_flightplan->contains(uid) ? m_flightplan->findWaypoint(uid) : nullptr;
    if (!waypoint) {
        m_showingWaypoint = false;
        updateLinkPosition();
        linkTo(m_currentLink, false, true);
        return;
    }
    const QString html = waypoint->infoHtml() + waypoint->nextLegHtml();
    if (html == m_html)
        return;
    m_html = html;
    m_recallPosition = m_currentPosition;
    emit updated();
}

void InfoManager::cancelMetar()
{
    if (!m_metarReply)
        return;
    QNetworkReply *reply = m_metarReply;
    m_metarReply = nullptr;
    // Disconnected first: abort() emits finished, which must not render the old page again.
    disconnect(reply, nullptr, this, nullptr);
    ReplyGuard::abort(reply);
}

void InfoManager::showTip(int index)
{
    emit clear();
    if (index == -1)
        index = int((quint32(QRandomGenerator64::global()->generate()) >> 28) & 15);
    QFile file(m_translationManager->htmlPath(QStringLiteral("tip%1.html").arg(index)));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // The tips are plain HTML files: their links take the colour of every other page's
        // links, which reads on the dark themes too, where the rich text's own blue does not.
        m_html = QString::fromUtf8(file.readAll())
                     .replace(QLatin1String("<a href="),
                              QStringLiteral("<a style=\"color: %1;\" href=").arg(Constants::linkColor()));
        file.close();
    }
    m_showingTip = true;
    emit updated();
}

// The page shown was made from items of the previous data. It is made again from the new data,
// where it was scrolled to and without a step in the history; for an item the new data lacks
// the panel says so rather than show the page of something that no longer exists. A tip has
// nothing of the database and stays.
void InfoManager::databaseReplaced()
{
    if (m_currentLink.isEmpty() || m_showingTip)
        return;
    updateLinkPosition();
    const quint64 pagesBefore = m_pagesBegun;
    linkTo(m_currentLink, false, true);
    if (m_pagesBegun != pagesBefore)
        return;
    qInfo() << "Detail page gone with the database" << m_currentLink;
    emit clear();
    m_currentLink.clear();
    m_html
        = QStringLiteral("<p>") + tr("This item is not in the navigation database any more.") + QStringLiteral("</p>");
    m_currentPosition = 0.0f;
    m_recallPosition = 0.0f;
    emit updated();
}

void InfoManager::beginPage(const QString &kind, const char *what, const QString &uid, const QString &section,
                            bool clearForward, bool fromHistory, float position)
{
    emit clear();
    m_showingTip = false;
    m_showingWaypoint = false;
    ++m_pagesBegun;
    QString link = kind + QLatin1Char('>') + uid;
    if (!section.isEmpty())
        link += QLatin1Char('>') + section;
    pushHistory(link, clearForward, fromHistory, position);
    qInfo() << what << link;
}

// Each show slot looks its item up before it touches the page or the history: a link to an
// item that is gone leaves the panel, its pending report and its history as they were.
void InfoManager::showPointInfo(const QString &uid, const QString &section, bool clearForward, bool fromHistory,
                                float position)
{
    const Point *point = Database::findPoint(uid);
    if (!point)
        return;
    beginPage(QStringLiteral("POINT"), "Detail asked for point", uid, section, clearForward, fromHistory, position);
    renderPointHtml(uid, section, QString());
    if (point->type() == 1 && (section.isEmpty() || section == QLatin1String("metar")))
        requestMetar(uid, point->code(), section);
}

void InfoManager::showWaypointInfo(const QString &uid, const QString &section, bool clearForward, bool fromHistory,
                                   float position)
{
    if (!Database::findPoint(uid) || !m_flightplan->contains(uid))
        return;
    const Waypoint *waypoint = m_flightplan->findWaypoint(uid);
    if (!waypoint)
        return;
    // Recorded as the point page, which links back to the waypoint.
    beginPage(QStringLiteral("POINT"), "Detail asked for waypoint", uid, section, clearForward, fromHistory, position);
    m_showingWaypoint = true;
    m_html = waypoint->infoHtml() + waypoint->nextLegHtml();
    emit updated();
}

void InfoManager::showProcedureInfo(const QString &uid, const QString &section, bool clearForward, bool fromHistory,
                                    float position)
{
    const Procedure *procedure = Database::findProcedure(uid);
    if (!procedure)
        return;
    beginPage(QStringLiteral("PROCEDURE"), "Detail asked for procedure", uid, section, clearForward, fromHistory,
              position);
    procedure->dumpRecords();
    m_html = procedure->detailHtml() + procedure->instructionsHtml();
    emit updated();
    emit displayProcedure(uid);
}

void InfoManager::showSegmentInfo(const QString &uid, const QString &section, bool clearForward, bool fromHistory,
                                  float position)
{
    const Segment *segment = Database::findSegment(uid);
    if (!segment)
        return;
    beginPage(QStringLiteral("SEGMENT"), "Detail asked for segment", uid, section, clearForward, fromHistory, position);
    m_html = segment->infoHtml();
    emit updated();
}

void InfoManager::showRunwayInfo(const QString &uid, const QString &section, bool clearForward, bool fromHistory,
                                 float position)
{
    const Runway *runway = Database::findRunway(uid);
    if (!runway)
        return;
    beginPage(QStringLiteral("RUNWAY"), "Detail asked for runway", uid, section, clearForward, fromHistory, position);
    m_html = runway->infoHtml() + runway->proceduresHtml();
    emit updated();
}

void InfoManager::renderPointHtml(const QString &uid, const QString &section, const QString &metar)
{
    const Point *point = Database::findPoint(uid);
    if (!point)
        return;
    QString waypointLink;
    if (m_flightplan->contains(uid) && m_flightplan->findWaypoint(uid)) {
        const QString label = QStringLiteral("<font face=\"Font Awesome 6 Free\">") + QChar(0xf0fe)
                              + QStringLiteral("</font> ")
                              + QStringLiteral("Show waypoint details %1").arg(point->code());
        waypointLink = RichText::link(label, QStringLiteral("WAYPOINT>") + uid);
    }
    if (const auto *airport = dynamic_cast<const Airport *>(point); airport && point->type() == 1)
        m_html = airport->tooltip() + waypointLink + airport->infoHtml(section, metar);
    else
        m_html = point->tooltip() + waypointLink + point->infoHtml();
    emit updated();
}

void InfoManager::linkTo(const QString &link, bool clearForward, bool fromHistory)
{
    qInfo() << "Detail manager link to" << link;
    if (link.startsWith(QLatin1String("http"))) {
        QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode));
        return;
    }
    const QStringList fields = link.split(QLatin1Char('>'));
    if (fields.size() < 2)
        return;
    const QString &kind = fields.at(0);
    const QString &uid = fields.at(1);
    const QString section = fields.value(2);
    bool ok = false;
    float position = fields.value(3).toFloat(&ok);
    if (!ok)
        position = 0.0f;

    if (kind == QLatin1String("POINT")) {
        if (Database::findPoint(uid, false))
            showPointInfo(uid, section, clearForward, fromHistory, position);
    } else if (kind == QLatin1String("WAYPOINT")) {
        if (Database::findPoint(uid, false))
            showWaypointInfo(uid, section, clearForward, fromHistory, position);
    } else if (kind == QLatin1String("SEGMENT")) {
        if (Database::findSegment(uid, false))
            showSegmentInfo(uid, section, clearForward, fromHistory, position);
    } else if (kind == QLatin1String("RUNWAY")) {
        if (Database::findRunway(uid))
            showRunwayInfo(uid, section, clearForward, fromHistory, position);
    } else if (kind == QLatin1String("PROCEDURE")) {
        if (Database::findProcedure(uid, false))
            showProcedureInfo(uid, section, clearForward, fromHistory, position);
    } else if (kind == QLatin1String("SELECT")) {
        if (Database::findPoint(uid, false))
            emit pointLinkActivated(uid);
    } else if (kind == QLatin1String("TIP")) {
        showTip(uid.toInt());
    }
}

void InfoManager::pushHistory(const QString &link, bool clearForward, bool fromHistory, float position)
{
    if (!fromHistory && !m_currentLink.isEmpty()) {
        updateLinkPosition();
        m_back.append(m_currentLink);
        qDebug() << "Saving push" << m_currentLink;
    }
    if (clearForward)
        m_forward.clear();
    m_currentLink = link;
    m_currentPosition = position;
    m_recallPosition = position;
}

void InfoManager::updateLinkPosition()
{
    QStringList fields = m_currentLink.split(QLatin1Char('>'));
    while (fields.size() < 4)
        fields.append(QString());
    fields[3] = QString::number(double(m_currentPosition), 'g', QLocale::FloatingPointShortest);
    m_currentLink = fields.join(QLatin1Char('>'));
}

// Back and forward on an empty stack do nothing: the panel's buttons are disabled then, but a
// keyboard shortcut or a stale binding may still call them.
void InfoManager::setPrevious()
{
    stepHistory(&m_back, &m_forward, "Poped previous", "Pushed next");
}

void InfoManager::setNext()
{
    stepHistory(&m_forward, &m_back, "Poped next", "Pushed previous");
}

void InfoManager::stepHistory(QList<QString> *from, QList<QString> *to, const char *popped, const char *pushed)
{
    if (from->isEmpty())
        return;
    const QString link = from->takeLast();
    qDebug() << popped << link;
    updateLinkPosition();
    to->append(m_currentLink);
    qDebug() << pushed << m_currentLink;
    bool shown = false;
    const QMetaObject::Connection watch = connect(this, &InfoManager::updated, this, [&shown] { shown = true; });
    linkTo(link, false, true);
    disconnect(watch);
    if (shown)
        return;
    // The item of that page is gone: the step drops it, the page shown stays where it was in
    // the history, and the back and forward buttons follow the shorter stack.
    to->removeLast();
    m_recallPosition = m_currentPosition;
    emit updated();
}

namespace {

// Redirects are followed only within the service: another host's answer would be shown as the
// asked station's weather.
bool sameService(const QUrl &service, const QUrl &target)
{
    return target.scheme().compare(service.scheme(), Qt::CaseInsensitive) == 0
           && target.host().compare(service.host(), Qt::CaseInsensitive) == 0
           && target.port(service.scheme() == QLatin1String("http") ? 80 : 443)
                  == service.port(service.scheme() == QLatin1String("http") ? 80 : 443);
}

// Whether the simplified text opens a report of the station `code` (upper case): the code and
// a report time. The service may answer with another station's report, whose remarks or lines
// may hold this code too, and neither must pass for this station's weather. A time followed by
// a validity period ("2800/2906", or "280024" in the older form) is a forecast's, whatever heads
// the line.
bool reportOf(const QString &text, const QString &code)
{
    const QRegularExpression opening(
        QStringLiteral(R"(^(?:(?:METAR|SPECI) )?(?:COR )?%1 \d{6}Z(?! (?:\d{4}/\d{4}|\d{6})(?:[ =]|$))(?:[ =]|$))")
            .arg(QRegularExpression::escape(code)),
        QRegularExpression::CaseInsensitiveOption);
    return opening.match(text).hasMatch();
}

// The report of the station `code` in an answer that may hold other stations' reports and
// forecasts: from its own line on, over the lines that carry it on, up to its "=" (the end of a
// report), another report, a forecast or a date line. A forecast looks like a report from its
// station line on; "TAF" alone on a line, or with its kinds ("TAF AMD COR"), heads one whose
// station line follows. Empty when the
// answer has none of this station.
QString stationReport(const QString &body, const QString &code)
{
    // What starts something else: a report (a NIL one too, and this station's next), a forecast,
    // the time a service puts above each report.
    static const QRegularExpression otherStart(
        QStringLiteral(
            R"(^(?:(?:METAR|SPECI|TAF)(?: |$)|(?:COR )?[A-Z0-9]+ (?:\d{6}Z|NIL)(?:[ =]|$)|\d{4}/\d\d/\d\d(?: |$)))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression forecast(QStringLiteral(R"(^TAF(?: |$))"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression forecastHeading(QStringLiteral(R"(^TAF(?: [A-Z]{3})*$)"),
                                                    QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]"));
    QStringList parts;
    bool inForecast = false;
    bool forecastStationNext = false;
    for (const QString &line : body.split(lineBreaks)) {
        // What follows a "=" on the same line is another report.
        for (qsizetype from = 0; from < line.size();) {
            const qsizetype end = line.indexOf(QLatin1Char('='), from);
            const qsizetype to = end < 0 ? line.size() : end + 1;
            const QString piece = line.mid(from, to - from).simplified();
            from = to;
            if (piece.isEmpty())
                continue;
            const bool ends = piece.endsWith(QLatin1Char('='));
            if (!parts.isEmpty()) {
                if (otherStart.match(piece).hasMatch())
                    return parts.join(QLatin1Char(' '));
                parts.append(piece);
                if (ends)
                    return parts.join(QLatin1Char(' '));
                continue;
            }
            if (std::exchange(forecastStationNext, false)) {
                inForecast = !ends;
                continue;
            }
            if (forecast.match(piece).hasMatch()) {
                forecastStationNext = forecastHeading.match(piece).hasMatch();
                inForecast = !ends;
                continue;
            }
            if (otherStart.match(piece).hasMatch())
                inForecast = false;
            if (!inForecast && reportOf(piece, code)) {
                parts.append(piece);
                if (ends)
                    return parts.join(QLatin1Char(' '));
            } else if (ends) {
                inForecast = false;
            }
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

void InfoManager::requestMetar(const QString &uid, const QString &airportCode, const QString &section)
{
    // The station follows the path the address gives.
    QUrl url = m_metarBase;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + airportCode.trimmed().toUpper(), QUrl::DecodedMode);
    fetchMetar(url, uid, airportCode, section, 0);
}

void InfoManager::fetchMetar(const QUrl &url, const QString &uid, const QString &airportCode, const QString &section,
                             int redirects)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    // Through the guard's GET, so that a chunked answer cut before its end is not taken whole.
    QNetworkReply *reply = ReplyGuard::get(&m_network, request);
    // A report is one line: more is no report, and the whole answer must have arrived in time.
    ReplyGuard::attach(reply, metarMaxBytes, m_metarTimeoutMs);
    m_metarReply = reply;
    // Followed here rather than by the network layer, which sends most redirected requests
    // without the body that lets the guard tell a cut answer.
    connect(reply, &QNetworkReply::redirected, this,
            [this, reply, url, uid, airportCode, section, redirects](const QUrl &target) {
                disconnect(reply, nullptr, this, nullptr);
                m_metarReply = nullptr;
                reply->abort();
                const QUrl next = url.resolved(target);
                if (!sameService(m_metarBase, next))
                    metarReceived(reply, uid, airportCode, section, tr("the service redirected to another host"));
                else if (redirects >= kMaxMetarRedirects)
                    metarReceived(reply, uid, airportCode, section, tr("the service redirects in a loop"));
                else
                    fetchMetar(next, uid, airportCode, section, redirects + 1);
            });
    connect(reply, &QNetworkReply::finished, this, [this, reply, uid, airportCode, section] {
        metarReceived(reply, uid, airportCode, section, ReplyGuard::reason(reply));
    });
}

void InfoManager::metarReceived(QNetworkReply *reply, const QString &uid, const QString &airportCode,
                                const QString &section, const QString &stopped)
{
    m_metarReply = nullptr;
    QString text;
    if (!stopped.isEmpty()) {
        text = tr("Cannot fetch METAR for %1: %2").arg(airportCode, stopped);
    } else if (reply->error() == QNetworkReply::ContentNotFoundError) {
        text = tr("No METAR available for %1.").arg(airportCode);
    } else if (reply->error() != QNetworkReply::NoError) {
        text = tr("Cannot fetch METAR for %1: %2").arg(airportCode, reply->errorString());
    } else {
        text = stationReport(QString::fromUtf8(ReplyGuard::body(reply)), airportCode.trimmed().toUpper());
        if (text.isEmpty())
            text = tr("No METAR available for %1.").arg(airportCode);
    }
    // The panel keeps the place the user scrolled to while the report was loading.
    m_recallPosition = m_currentPosition;
    renderPointHtml(uid, section, text);
}
