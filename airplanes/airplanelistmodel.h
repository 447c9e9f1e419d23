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
// stored ones: kilograms and the airplane's own fuel unit. get() and set() instead speak the
// user's display units, as the airplane editor shows them.
//
// The list is kept as XML in the preference "airplanes/list"; a single airplane travels as an
// XML file of the same element layout.
class AirplaneListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY changed)
    Q_PROPERTY(Airplane current READ current NOTIFY changed)
    Q_PROPERTY(QString msgerror READ msgerror NOTIFY msgerrorChanged)

public:
    // Loads the stored list; without one, or when it cannot be read, the built-in airplanes.
    explicit AirplaneListModel(QObject *parent = nullptr);
    ~AirplaneListModel() override;

    // The one instance; the program ends when there is none yet.
    static AirplaneListModel *instance();
    // The list when one exists, else null (no fatal message).
    static AirplaneListModel *existing() { return s_instance; }

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

    // The text of the last failed import or export, empty after a successful one.
    QString msgerror() const;

    // The value of the role of that name, masses and fuel in display units ("units/mass",
    // "units/volume", the airplane's fuel unit type); invalid for an unknown name or row.
    Q_INVOKABLE QVariant get(const QString &name, int row) const;
    // The value of that role as kept, masses and fuel in kilograms: what an editor that shows
    // whole pounds, litres or gallons converts from, so that showing changes nothing.
    Q_INVOKABLE QVariant stored(const QString &name, int row) const;
    // Writes the role of that name from a value in display units, held within the field's range
    // (Airplane::heldWithinLimits). With emitChanged the list then signals changed() if the
    // current airplane differs from the one it last signalled, by this write or an earlier one.
    // False (nothing written) for an unknown or read-only name, a row outside the list or a value
    // that is no number for a number field.
    Q_INVOKABLE bool set(const QString &name, int row, const QVariant &value, bool emitChanged = false);

    // Appends a "New airplane" and returns its row.
    Q_INVOKABLE int add();
    // Removes that row. When it held the current airplane, the one before it becomes current.
    // The last airplane is never removed.
    Q_INVOKABLE bool remove(int row);
    // Replaces the list with the built-in airplanes and stores it.
    Q_INVOKABLE void reset();
    // Orders the list by manufacturer and name, ignoring case and outer blanks; airplanes of the
    // same full name keep their order, and the current airplane stays current.
    Q_INVOKABLE void sortAlphabetically();
    Q_INVOKABLE void saveToSettings();
    // Hands the current airplane to the flight-plan computations again when it differs from the
    // one last signalled.
    Q_INVOKABLE void forceUpdate();

    // Appends the airplane of an airplane file and returns its row; a negative number, with
    // msgerror telling why, when the file cannot be read or holds no airplane.
    Q_INVOKABLE int loadAirplaneFromFile(const QString &path);
    // Writes the airplane of that row as an airplane file; false, with msgerror, on failure.
    Q_INVOKABLE bool saveAirplaneToFile(int row, const QString &path);

    // The built-in airplanes, in alphabetical order.
    static QList<Airplane> defaultAirplanes();

    // Replaces every row, as loading the stored list or the built-in defaults does.
    void setAirplanes(const QList<Airplane> &airplanes);
    QList<Airplane> airplanes() const;

signals:
    // The current airplane or its values changed.
    void changed();
    void msgerrorChanged();

private:
    void setMsgerror(const QString &text);
    int roleForName(const QString &name) const;
    void setCurrentRowQuietly(int row);
    static int clampedIndex(int stored, qsizetype count);
    int storedIndex() const;
    // Signals changed() when the current row or airplane differs from the last signalled ones.
    void announce();

    // Written on the main thread only; the lock lets worker threads copy the current
    // airplane while the list is edited.
    mutable QMutex m_mutex;
    QList<Airplane> m_airplanes;
    QString m_msgerror;
    int m_announcedRow = -1;
    Airplane m_announced;

    static AirplaneListModel *s_instance;
};
