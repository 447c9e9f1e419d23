#include "proceduremanager.h"

#include "database.h"
#include "mapproxymodel.h"
#include "procedure.h"
#include "transitionmapmodel.h"

#include <QDebug>

namespace {
const QString kCommonPart = QStringLiteral("ALL");
} // namespace

ProcedureManager::ProcedureManager(MapProxyModel *pointMapModel)
    : QObject(nullptr)
    , m_transitionMapModel(new TransitionMapModel())
    , m_pointMapModel(pointMapModel)
{
    if (!m_transitionMapModel || !m_pointMapModel)
        qFatal("Cannot create ProcedureManager object with NULL pointers!");
    // Announced after every clear, load and import (a load's loaded() passes through it), once
    // the lists were replaced; from the import thread it arrives queued.
    connect(Database::instance(), &Database::updated, this, &ProcedureManager::databaseReset);
    // Direct: the previous procedure is deleted as soon as the signal returns.
    connect(Database::instance(), &Database::itemsReplaced, this, &ProcedureManager::databaseReset,
            Qt::DirectConnection);
}

ProcedureManager::~ProcedureManager()
{
    delete m_transitionMapModel;
}

QAbstractListModel *ProcedureManager::transitionMapModel() const
{
    return m_transitionMapModel;
}

void ProcedureManager::setPointuids(const QStringList &uids)
{
    if (uids == m_pointuids)
        return;
    m_pointuids = uids;
    emit changed();
}

void ProcedureManager::setProcedure(const QString &uid)
{
    m_transitions.clear();
    m_pointuids.clear();
    m_procedureUid = uid;
    m_procedure = Database::findProcedure(uid, true);
    if (!m_procedure) {
        // Nothing of the previous procedure may stay on the map.
        m_procedureUid.clear();
        refreshViews();
        return;
    }
    m_transitions = m_procedure->transitions();
    m_pointuids = m_procedure->pointUids(QString(), false);
    qInfo() << "Added transitions for display" << m_transitions;
    refreshViews();
}

void ProcedureManager::removeTransition(const QString &transition)
{
    if (!m_procedure)
        return;
    qInfo() << "Will hide transition" << transition << "for procedure" << m_procedure->name();
    m_transitions.removeAll(transition);
    m_pointuids = pointsOf(m_transitions);
    refreshViews();
}

void ProcedureManager::removeOtherTransitions(const QString &transition)
{
    if (!m_procedure)
        return;
    qInfo() << "Will hide all transitions except" << transition << "for procedure" << m_procedure->name();
    // The common part stays shown with the chosen transition.
    m_transitions = QStringList{transition};
    if (!m_transitions.contains(kCommonPart))
        m_transitions.append(kCommonPart);
    m_pointuids = pointsOf(m_transitions);
    refreshViews();
}

void ProcedureManager::removeAll()
{
    if (!m_procedure)
        return;
    qInfo() << "Will hide all transitions for procedure" << m_procedure->name();
    m_transitions.clear();
    m_pointuids.clear();
    refreshViews();
}

void ProcedureManager::databaseReset()
{
    if (m_procedureUid.isEmpty())
        return;
    m_procedure = Database::findProcedure(m_procedureUid, false);
    if (!m_procedure) {
        qInfo() << "Shown procedure" << m_procedureUid << "is no longer in the database";
        m_procedureUid.clear();
        m_transitions.clear();
        m_pointuids.clear();
    } else {
        // The fixes may have moved or gone with the new data.
        m_pointuids = pointsOf(m_transitions);
    }
    refreshViews();
}

QStringList ProcedureManager::pointsOf(const QStringList &transitions) const
{
    QStringList result;
    if (!m_procedure)
        return result;
    for (const QString &transition : transitions)
        result.append(m_procedure->pointUids(transition, false));
    return result;
}

void ProcedureManager::refreshViews()
{
    m_transitionMapModel->setTransitions(m_procedure, m_transitions);
    m_pointMapModel->setUidFilter(m_pointuids);
    emit changed();
}
