#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class Flightplan;
class QNetworkReply;
class TranslationManager;

// The model behind the information panel: one HTML page at a time for a point or airport, a
// flight-plan waypoint, a procedure, an airway segment, a runway or a tip; the links inside
// those pages; a back and a forward history with the scroll position of each page; and, for an
// airport, the METAR fetch whose answer renders the page again.
class InfoManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString html MEMBER m_html NOTIFY updated)
    Q_PROPERTY(bool hasPrevious READ hasPrevious NOTIFY updated)
    Q_PROPERTY(bool hasNext READ hasNext NOTIFY updated)

public:
    // The public METAR text service: GET /<ICAO code> answers the plain report. The store's
    // "information/metarUrl" names another, as the other services' addresses do.
    static constexpr const char *defaultMetarBase = "https://metar.vatsim.net";
    // The whole answer must have arrived by then, however steadily the server trickles it.
    static constexpr int metarTimeoutMs = 15000;
    // A report is one line of well under a kilobyte; a longer answer is no report.
    static constexpr qint64 metarMaxBytes = 2048;
    // Redirects followed within the service before it counts as a loop.
    static constexpr int kMaxMetarRedirects = 8;

    InfoManager(Flightplan *flightplan, TranslationManager *translationManager);

    QString html() const { return m_html; }
    // Tests point the METAR requests at a server of their own.
    void setMetarBase(const QUrl &base) { m_metarBase = base; }
    QUrl metarBase() const { return m_metarBase; }
    void setMetarTimeout(int ms) { m_metarTimeoutMs = ms; }
    QString currentLink() const { return m_currentLink; }
    bool metarPending() const { return !m_metarReply.isNull(); }

signals:
    void clear();
    void updated();
    void pointLinkActivated(const QString &uid);
    void displayProcedure(const QString &uid);

public slots:
    void showTip(int index = -1);
    void showPointInfo(const QString &uid, const QString &section = QString(), bool clearForward = true,
                       bool fromHistory = false, float position = 0.0f);
    void showWaypointInfo(const QString &uid, const QString &section = QString(), bool clearForward = true,
                          bool fromHistory = false, float position = 0.0f);
    void showProcedureInfo(const QString &uid, const QString &section = QString(), bool clearForward = true,
                           bool fromHistory = false, float position = 0.0f);
    void showSegmentInfo(const QString &uid, const QString &section = QString(), bool clearForward = true,
                         bool fromHistory = false, float position = 0.0f);
    void showRunwayInfo(const QString &uid, const QString &section = QString(), bool clearForward = true,
                        bool fromHistory = false, float position = 0.0f);
    void linkTo(const QString &link, bool clearForward = true, bool fromHistory = false);
    void setPrevious();
    void setNext();
    bool hasPrevious() const { return !m_back.isEmpty(); }
    bool hasNext() const { return !m_forward.isEmpty(); }
    void saveCurrentPosition(float position) { m_currentPosition = position; }
    // The navigation data was loaded, imported, downloaded or cleared.
    void databaseReplaced();
    float recallPosition() const { return m_recallPosition; }

private:
    // Starts a page: clear, history, log. Returns the page link.
    void beginPage(const QString &kind, const char *what, const QString &uid, const QString &section, bool clearForward,
                   bool fromHistory, float position);
    void pushHistory(const QString &link, bool clearForward, bool fromHistory, float position);
    void updateLinkPosition();
    void renderPointHtml(const QString &uid, const QString &section, const QString &metar);
    void requestMetar(const QString &uid, const QString &airportCode, const QString &section);
    // One request of a METAR fetch; `redirects`: those followed to reach it.
    void fetchMetar(const QUrl &url, const QString &uid, const QString &airportCode, const QString &section,
                    int redirects);
    // `stopped` is why this object broke the reply off, empty when it ran its course.
    void metarReceived(QNetworkReply *reply, const QString &uid, const QString &airportCode, const QString &section,
                       const QString &stopped);
    void cancelMetar();
    // The plan changed: a waypoint page shows the waypoint as it now is.
    void planModified();
    // Goes one step along the history: from the stack taken, the current page onto the other.
    void stepHistory(QList<QString> *from, QList<QString> *to, const char *popped, const char *pushed);

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_metarReply;
    Flightplan *m_flightplan;
    TranslationManager *m_translationManager;
    QString m_currentLink;
    float m_currentPosition = 0.0f;
    float m_recallPosition = 0.0f;
    QString m_html;
    // A tip shown over the current page; it is not made from the database.
    bool m_showingTip = false;
    // The page is a waypoint's, recorded as its point's: its figures come from the plan.
    bool m_showingWaypoint = false;
    // Counts the pages begun: tells whether a link found its item.
    quint64 m_pagesBegun = 0;
    QList<QString> m_back;
    QList<QString> m_forward;
    QUrl m_metarBase;
    int m_metarTimeoutMs = metarTimeoutMs;
};
