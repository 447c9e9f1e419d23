#include "document.h"

#include "flightplan.h"
#include "flightplanxml.h"
#include "fmsimport.h"
#include "planlimits.h"
#include "wholesavefile.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace {
const QString s_untitled = QStringLiteral("untitled.fpxml");
}

Document::Document(Flightplan *flightplan, QObject *parent)
    : QObject(parent)
    , m_flightplan(flightplan)
    , m_name(s_untitled)
{
    if (!m_flightplan)
        qFatal("Cannot create Document object with NULL pointers!");
    niew(false);
    connect(m_flightplan, &Flightplan::edited, this, &Document::setAsModified);
}

void Document::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    emit stateChanged();
}

void Document::setNamed(bool named)
{
    if (m_named == named)
        return;
    m_named = named;
    emit stateChanged();
}

void Document::setSaved(bool saved)
{
    if (m_saved == saved)
        return;
    m_saved = saved;
    emit stateChanged();
}

void Document::setAsModified()
{
    m_saved = false;
    emit stateChanged();
}

void Document::setMessage(const QString &title, const QString &text)
{
    m_msgtitle = title;
    m_msgtext = text;
}

void Document::niew(bool log)
{
    if (log)
        qInfo() << "New document";
    // Clearing the plan marks the document modified; a new document is saved nonetheless.
    m_flightplan->clear(true);
    m_path.clear();
    m_name = s_untitled;
    m_named = false;
    m_saved = true;
    emit stateChanged();
}

bool Document::writeFile(const QString &path)
{
    QString error = tr("The document has no file name.");
    if (!path.isEmpty() && WholeSaveFile::replace(path, FlightplanXml::toXml(m_flightplan).toUtf8(), &error))
        return true;
    qInfo() << "File" << path << "could not be saved:" << error;
    setMessage(tr("Cannot save file"), error);
    return false;
}

bool Document::save()
{
    qInfo() << "Will save" << m_path;
    if (!writeFile(m_path))
        return false;
    qInfo() << "File" << m_name << "was saved with" << m_flightplan->count() << "waypoints with success";
    m_saved = true;
    emit stateChanged();
    return true;
}

bool Document::saveAs(const QString &path)
{
    qInfo() << "Save as" << path;
    // The document takes the new name only once the file is written: after a failure, Save
    // still goes where the document came from (or asks for a name).
    if (!writeFile(path))
        return false;
    m_path = path;
    m_name = QFileInfo(path).fileName();
    m_named = true;
    qInfo() << "File" << m_name << "was saved with" << m_flightplan->count() << "waypoints with success";
    m_saved = true;
    emit stateChanged();
    return true;
}

bool Document::open(const QString &path)
{
    qInfo() << "Will open file" << path;
    QByteArray bytes;
    QString error;
    if (!PlanLimits::readPlanFile(path, &bytes, &error)) {
        setMessage(tr("Cannot open file"), error);
        return false;
    }
    const QString text = QString::fromUtf8(bytes);
    bytes.clear();

    // The document becomes this file only when it has been read: an unreadable file must
    // not be the one the next save overwrites.
    if (!FlightplanXml::fromXml(m_flightplan, text, &error, true)) {
        setMessage(tr("Cannot open file"), error);
        return false;
    }
    m_path = path;
    m_name = QFileInfo(path).fileName();
    m_named = true;
    qInfo() << "File" << m_name << "was loaded with" << m_flightplan->count() << "waypoints with success";
    m_saved = true;
    emit stateChanged();
    emit m_flightplan->modified();
    return true;
}

bool Document::import(const QString &path)
{
    FmsImport importer(m_flightplan);
    if (!importer.import(path, true)) {
        setMessage(importer.title(), importer.text());
        return false;
    }
    // An imported plan is a new document: a save must not go over the plan it replaced.
    m_path.clear();
    m_name = s_untitled;
    m_named = false;
    emit stateChanged();
    emit m_flightplan->modified();
    return true;
}
