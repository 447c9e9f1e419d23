#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

class Flightplan;
class QNetworkAccessManager;
class QNetworkReply;

// The exports of the flight plan: the files the simulator and its add-ons read (one template
// each), the PDF of the operational flight plan, the route texts for the clipboard, the
// filing pages of the online networks and the shared link.
//
// Every call that fails returns false with msgerror set to a sentence for the pilot, and
// leaves any older file of the same name as it was: files are written whole or not at all.
class Exporter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList formats READ formats CONSTANT)
    Q_PROPERTY(QString msgerror READ msgerror NOTIFY msgerrorChanged)

public:
    enum Format {
        FMSv11 = 0,
        FMSv11NoSidStar,
        FMSv3,
        XFMC,
        AerosoftAirbus,
        AerosoftCrj,
        FlightFactorA320,
        FlightFactor757v2,
        FlightFactor767777,
        GarminGTNv1,
        GarminGTNv1NoSidStar,
        IvaoIvap,
        IvaoXivap,
        Ixeg737,
        JarDesignAirbus,
        PmdgRte,
        UFMC,
        GPX,
        KML,
        OFP,
        PDF,
        ClipboardFullRoute,
        ClipboardShortRoute,
        ClipboardIcaoRoute,
        ClipboardAllWaypoints,
        ClipboardFullBriefing,
        IVAO,
        VATSIM,
        SharedLink
    };
    Q_ENUM(Format)

    enum Copy { FullRoute = 0, ShortRoute, IcaoRoute, AllWaypoints, FullBriefing };
    Q_ENUM(Copy)

    // A null plan ends the program.
    explicit Exporter(Flightplan *flightplan, QObject *parent = nullptr);
    ~Exporter() override;

    // The formats' labels in the pilot's language, each file format's with its name filter's pattern.
    QStringList formats() const;
    // A format's label in the program's own language, as the analytics events name it.
    Q_INVOKABLE static QString formatName(int format);
    QString msgerror() const { return m_msgerror; }

    // The folder files go to when no path is given; empty when none is configured.
    static QString defaultDirectory();
    // Why the file path cannot be opened for writing, reason being the file system's word: the
    // path itself when it names a folder or a link to nowhere, else its folder.
    static QString openFailure(const QString &path, const QString &reason);
    // The template a file format is written from, empty for the other formats.
    static QString templateName(int format);
    // The file name of the plan in that format, without folder.
    QString fileName(int format) const;
    // The text of a file format (0 to 19) for the plan, empty when the template fails.
    QString render(int format) const;
    // The route text of a clipboard kind.
    QString clipboardText(int kind) const;
    // The filing page of a network (IVAO or VATSIM) with the plan's fields in the query.
    QUrl networkUrl(int format) const;

    // Milliseconds the share service may stay silent; the whole exchange has four times that.
    void setShareTimeout(int milliseconds) { m_shareTimeout = milliseconds; }

    Q_INVOKABLE bool toFormat(int format, const QString &path = QString());
    Q_INVOKABLE bool toDefault();
    Q_INVOKABLE bool clipboard(int kind);
    Q_INVOKABLE bool ivao();
    Q_INVOKABLE bool vatsim();
    // Starts the upload of the plan and the map image; true when it started. Its end comes
    // as done(SharedLink, link) once the link is open, or as failed().
    Q_INVOKABLE bool share(const QString &imagePath);

signals:
    void done(int format, const QString &file);
    // A share upload that failed after it started; msgerror holds the reason.
    void failed(int format, const QString &message);
    void msgerrorChanged();

private:
    bool fail(const QString &message);
    bool checkPlan();
    bool writeFile(int format, const QString &path);
    bool openNetwork(int format);
    void shareFinished(QNetworkReply *reply);

    Flightplan *m_flightplan = nullptr;
    QString m_msgerror;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_shareReply;
    int m_shareTimeout = 30000;
};
