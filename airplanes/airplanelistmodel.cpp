#include "airplanelistmodel.h"

#include <QMetaProperty>
#include <QMutexLocker>

#include "settings.h"

namespace {

const QString currentKey = QStringLiteral("airplanes/current");

// Each profile field is a role; the roles follow the gadget's properties in declared order,
// so that a field added to Airplane is served without a second list to keep in step.
constexpr int firstFieldRole = Qt::UserRole + 1;

int fieldCount()
{
    // The last property is the derived full name, served as "decoration" instead.
    return Airplane::staticMetaObject.propertyCount() - 1;
}

} // namespace

AirplaneListModel *AirplaneListModel::s_instance = nullptr;

AirplaneListModel::AirplaneListModel(QObject *parent)
    : QAbstractListModel(parent)
{
    if (s_instance)
        qFatal("AirplaneListModel singleton already defined!");
    s_instance = this;
}

AirplaneListModel::~AirplaneListModel()
{
    if (s_instance == this)
        s_instance = nullptr;
}

AirplaneListModel *AirplaneListModel::instance()
{
    if (!s_instance)
        qFatal("AirplaneListModel singleton not allocated!");
    return s_instance;
}

Airplane AirplaneListModel::currentAirplane()
{
    AirplaneListModel *model = instance();
    const int stored = Settings::getInt(currentKey, 0);
    QMutexLocker lock(&model->m_mutex);
    const int row = clampedIndex(stored, model->m_airplanes.size());
    return row < 0 ? Airplane() : model->m_airplanes.at(row);
}

int AirplaneListModel::clampedIndex(int stored, qsizetype count)
{
    if (count <= 0)
        return -1;
    return stored < 0 || stored >= count ? 0 : stored;
}

int AirplaneListModel::storedIndex() const
{
    return Settings::getInt(currentKey, 0);
}

int AirplaneListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    QMutexLocker lock(&m_mutex);
    return int(m_airplanes.size());
}

QVariant AirplaneListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    QMutexLocker lock(&m_mutex);
    const Airplane &airplane = m_airplanes.at(index.row());
    if (role == Qt::DecorationRole)
        return airplane.fullName();
    const int field = role - firstFieldRole;
    if (field < 0 || field >= fieldCount())
        return QVariant();
    return Airplane::staticMetaObject.property(field).readOnGadget(&airplane);
}

QHash<int, QByteArray> AirplaneListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    for (int field = 0; field < fieldCount(); ++field)
        names.insert(firstFieldRole + field, Airplane::staticMetaObject.property(field).name());
    return names;
}

int AirplaneListModel::currentIndex() const
{
    const int stored = storedIndex();
    QMutexLocker lock(&m_mutex);
    return clampedIndex(stored, m_airplanes.size());
}

void AirplaneListModel::setCurrentIndex(int row)
{
    if (row < 0 || row >= rowCount()) {
        qWarning() << "Airplane index" << row << "out of range";
        return;
    }
    const int previous = currentIndex();
    Settings::setInt(currentKey, row);
    if (row != previous)
        emit changed();
}

Airplane AirplaneListModel::current() const
{
    const int stored = storedIndex();
    QMutexLocker lock(&m_mutex);
    const int row = clampedIndex(stored, m_airplanes.size());
    return row < 0 ? Airplane() : m_airplanes.at(row);
}

void AirplaneListModel::selectByIcao(const QString &icao)
{
    int found = -1;
    {
        QMutexLocker lock(&m_mutex);
        for (qsizetype row = 0; row < m_airplanes.size(); ++row) {
            if (m_airplanes.at(row).icao == icao) {
                found = int(row);
                break;
            }
        }
    }
    if (found >= 0)
        setCurrentIndex(found);
}

void AirplaneListModel::setAirplanes(const QList<Airplane> &airplanes)
{
    beginResetModel();
    {
        QMutexLocker lock(&m_mutex);
        m_airplanes = airplanes;
    }
    endResetModel();
    emit changed();
}

QList<Airplane> AirplaneListModel::airplanes() const
{
    QMutexLocker lock(&m_mutex);
    return m_airplanes;
}
