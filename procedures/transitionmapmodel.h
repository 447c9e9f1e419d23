#pragma once

#include <QAbstractListModel>
#include <QGeoCoordinate>
#include <QGeoRectangle>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariantList>

#include <optional>

class Procedure;

// The shown transitions of one procedure for the map's procedure layer: one row per
// transition with its line, its tooltip and the bounding of all shown lines.
//
// The map asks every row for its line and for the bounding of all of them, so each
// transition's line is built once per setTransitions and kept; the procedure and its fixes do
// not change while it is shown (the manager sets the transitions again after a database reload).
class TransitionMapModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles {
        RoleTransition = 0,
        RolePolyline,
        RoleProcedureUid,
        RoleProcedureIdentifier,
        RoleProcedureType,
        RoleTooltip,
        RoleTransitionsBounding
    };
    Q_ENUM(Roles)

    TransitionMapModel();
    ~TransitionMapModel() override;

    // Replaces the rows: announced as a reset, since the row count changes with them.
    void setTransitions(Procedure *procedure, const QStringList &transitions);
    Procedure *procedure() const { return m_procedure; }
    QStringList transitions() const { return m_transitions; }
    QGeoRectangle transitionsBounding() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Q_INVOKABLE Qt::ItemFlags flags(const QModelIndex &index) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    struct Path
    {
        QList<QGeoCoordinate> points;
        QVariantList variants;
    };
    const Path &pathOf(const QString &transition) const;

    Procedure *m_procedure = nullptr;
    QStringList m_transitions;
    mutable QHash<QString, Path> m_paths;
    mutable std::optional<QGeoRectangle> m_bounding;
};
