#pragma once

#include <QAbstractListModel>
#include <QObject>
#include <QString>
#include <QStringList>

class MapProxyModel;
class Procedure;
class TransitionMapModel;

// Which procedure the map shows, which of its transitions, and the points they pass: the point
// layer keeps those points visible (the UID filter of the point map model) and marks them.
//
// The procedure is held by its UID: when the database is cleared or reloaded the manager looks
// it up again and shows the same transitions of the new object, or nothing when it is gone, so
// no pointer into the previous data outlives the reload.
class ProcedureManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QAbstractListModel *transitionMapModel READ transitionMapModel CONSTANT)
    Q_PROPERTY(QStringList pointuids READ pointuids WRITE setPointuids NOTIFY changed)

public:
    // Needs the database to exist already: it follows its reloads.
    explicit ProcedureManager(MapProxyModel *pointMapModel);
    ~ProcedureManager() override;

    QAbstractListModel *transitionMapModel() const;
    TransitionMapModel *transitions() const { return m_transitionMapModel; }
    Procedure *procedure() const { return m_procedure; }
    QStringList shownTransitions() const { return m_transitions; }

    QStringList pointuids() const { return m_pointuids; }
    // Does not touch the map filter.
    void setPointuids(const QStringList &uids);

    Q_INVOKABLE void removeTransition(const QString &transition);
    Q_INVOKABLE void removeOtherTransitions(const QString &transition);
    Q_INVOKABLE void removeAll();

signals:
    void changed();

public slots:
    // A UID that is not found clears the map's procedure layer.
    void setProcedure(const QString &uid);

private:
    void databaseReset();
    QStringList pointsOf(const QStringList &transitions) const;
    void refreshViews();

    TransitionMapModel *m_transitionMapModel;
    MapProxyModel *m_pointMapModel;
    Procedure *m_procedure = nullptr;
    QString m_procedureUid;
    QStringList m_transitions;
    QStringList m_pointuids;
};
