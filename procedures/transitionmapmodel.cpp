#include "transitionmapmodel.h"

#include "procedure.h"
#include "procedurepath.h"

TransitionMapModel::TransitionMapModel()
    : QAbstractListModel(nullptr)
{
}

TransitionMapModel::~TransitionMapModel() = default;

void TransitionMapModel::setTransitions(Procedure *procedure, const QStringList &transitions)
{
    beginResetModel();
    m_procedure = procedure;
    m_transitions = transitions;
    m_paths.clear();
    m_bounding.reset();
    endResetModel();
}

const TransitionMapModel::Path &TransitionMapModel::pathOf(const QString &transition) const
{
    auto found = m_paths.constFind(transition);
    if (found == m_paths.constEnd()) {
        Path path;
        if (m_procedure) {
            path.points = ProcedurePath::build(*m_procedure, transition);
            path.variants = ProcedurePath::toVariantList(path.points);
        }
        found = m_paths.insert(transition, path);
    }
    return *found;
}

QGeoRectangle TransitionMapModel::transitionsBounding() const
{
    if (!m_bounding) {
        QList<QGeoCoordinate> all;
        for (const QString &transition : m_transitions)
            all.append(pathOf(transition).points);
        m_bounding = ProcedurePath::boundingOf(all);
    }
    return *m_bounding;
}

int TransitionMapModel::rowCount(const QModelIndex &parent) const
{
    Q_UNUSED(parent)
    return int(m_transitions.size());
}

QVariant TransitionMapModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    if (!m_procedure || row < 0 || row >= rowCount())
        return QVariant();
    const QString &transition = m_transitions.at(row);
    switch (role) {
    case RoleTransition:
        return transition;
    case RolePolyline:
        return pathOf(transition).variants;
    case RoleProcedureUid:
        return m_procedure->uid();
    case RoleProcedureIdentifier:
        return m_procedure->name();
    case RoleProcedureType:
        return m_procedure->type();
    case RoleTooltip:
        return m_procedure->transitionTooltip(transition);
    case RoleTransitionsBounding:
        return QVariant::fromValue(transitionsBounding());
    default:
        return QVariant();
    }
}

Qt::ItemFlags TransitionMapModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

QHash<int, QByteArray> TransitionMapModel::roleNames() const
{
    return {
        {RoleTransition, "role_transition"},
        {RolePolyline, "role_polyline"},
        {RoleProcedureUid, "role_procedure_uid"},
        {RoleProcedureIdentifier, "role_procedure_identifier"},
        {RoleProcedureType, "role_procedure_type"},
        {RoleTooltip, "role_tooltip"},
        {RoleTransitionsBounding, "role_transitions_bounding"},
    };
}
