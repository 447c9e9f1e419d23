#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QMutex>

#include "airplane.h"

// The saved airplane performance profiles and the current one, the airplane every flight-plan
// computation uses. One instance per process, published to QML as "airplanes". The current
// airplane is kept as a row index in the preference "airplanes/current", so the choice
// survives a restart.
//
// Rows serve every profile field under a role named after the field, and the airplane's full
// name (manufacturer and name) under "decoration", the role selectors show. The values are the
// stored ones: kilograms and the airplane's own fuel unit.
class AirplaneListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY changed)
    Q_PROPERTY(Airplane current READ current NOTIFY changed)

public:
    explicit AirplaneListModel(QObject *parent = nullptr);
    ~AirplaneListModel() override;

    // A copy of the current airplane: the row of "airplanes/current", the first row when that
    // index is outside the list, a default airplane when the list is empty. Safe to call from
    // any thread once the model exists.
    static Airplane currentAirplane();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The row of the current airplane; -1 while the list is empty.
    int currentIndex() const;
    // Makes the airplane of that row the current one; a row outside the list is refused.
    void setCurrentIndex(int row);
    Airplane current() const;

    // Makes the first airplane of that ICAO type the current one; no match changes nothing.
    Q_INVOKABLE void selectByIcao(const QString &icao);

    // Replaces every row, as loading the stored list or the built-in defaults does.
    void setAirplanes(const QList<Airplane> &airplanes);
    QList<Airplane> airplanes() const;

signals:
    // The current airplane or its values changed.
    void changed();

private:
    static AirplaneListModel *instance();
    static int clampedIndex(int stored, qsizetype count);
    int storedIndex() const;

    // Written on the main thread only; the lock lets worker threads copy the current
    // airplane while the list is edited.
    mutable QMutex m_mutex;
    QList<Airplane> m_airplanes;

    static AirplaneListModel *s_instance;
};
