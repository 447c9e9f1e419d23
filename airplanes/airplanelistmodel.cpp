#include "airplanelistmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QMutexLocker>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "settings.h"
#include "unit.h"
#include "wholereadfile.h"
#include "wholesavefile.h"
#include "xmlstreamreader.h"
#include "xmlstreamwriter.h"

namespace {

const QString currentKey = QStringLiteral("airplanes/current");
const QString listKey = QStringLiteral("airplanes/list");
const QString listElement = QStringLiteral("airplanes");

// An airplane file is a few kilobytes; anything much larger is the wrong file, and reading it
// whole into memory would only hurt.
constexpr qint64 maxAirplaneFileSize = 1024 * 1024;

// Fields held in kilograms, shown in the mass unit of the preferences.
bool isMassField(QStringView name)
{
    // clang-format off
    static const QStringList fields{QStringLiteral("maxcargo"), QStringLiteral("eow"),   QStringLiteral("mzfw"),
                                    QStringLiteral("mtow"),     QStringLiteral("mlw"),   QStringLiteral("passengerweight")};
    // clang-format on
    return fields.contains(name);
}

// Fuel quantities and flows, held in kilograms and shown by the airplane's fuel unit type:
// for "Mass" in the mass unit of the preferences, for "Volume" as litres or gallons of its fuel.
bool isFuelField(QStringView name)
{
    // clang-format off
    static const QStringList fields{QStringLiteral("taxifuel"),     QStringLiteral("climbfuel"),
                                    QStringLiteral("cruisefuel"),   QStringLiteral("descentfuel"),
                                    QStringLiteral("alternatefuel"), QStringLiteral("extrafuel"),
                                    QStringLiteral("fuelcapacity")};
    // clang-format on
    return fields.contains(name);
}

// The display unit of the airplane's fuel: -1 (the mass preference) for "Mass", the volume
// preference for "Volume", which the conversions do not read themselves.
int fuelDisplayUnit(const Airplane &airplane)
{
    return airplane.unittype == 1 ? Settings::getInt(QStringLiteral("units/volume"), 0) : -1;
}

double toDisplay(const QString &name, const Airplane &airplane, int stored)
{
    if (isMassField(name))
        return Unit::fromStorableMass(stored);
    if (isFuelField(name))
        return Unit::fromStorableFuel(stored, airplane.fueltype, airplane.unittype, fuelDisplayUnit(airplane));
    return stored;
}

double toStored(const QString &name, const Airplane &airplane, double display)
{
    if (isMassField(name))
        return Unit::toStorableMass(display);
    if (isFuelField(name))
        return Unit::toStorableFuel(display, airplane.fueltype, airplane.unittype, fuelDisplayUnit(airplane));
    return display;
}

// Fuel type and fuel unit type index the editor's choices; any other code would make every
// fuel conversion give nothing.
bool isValidCode(const QString &name, int value)
{
    if (name == QLatin1String("fueltype") || name == QLatin1String("unittype"))
        return value == 0 || value == 1;
    return true;
}

QString sortKey(const Airplane &airplane)
{
    return airplane.fullName().trimmed().toCaseFolded();
}

QString localPath(const QString &path)
{
    // File dialogs in QML hand over URLs.
    if (path.startsWith(QLatin1String("file:")))
        return QUrl(path).toLocalFile();
    return path;
}

bool readAirplaneList(const QString &text, QList<Airplane> *airplanes, QString *error)
{
    XmlStreamReader reader(text, error);
    // Any version of this program may have stored the list: refusing older ones would replace
    // the user's airplanes with the built-in ones at the first start after an update.
    QStringList names{QCoreApplication::applicationName()};
    if (!reader.readHeader(&names))
        return false;
    int count = 0;
    if (!reader.readListStart(listElement, &count))
        return false;
    QList<Airplane> read;
    for (int i = 0; i < count; ++i) {
        Airplane airplane;
        if (!airplane.read(reader))
            return false;
        airplane.bringWithinLimits(QStringLiteral("Stored airplane %1").arg(i + 1));
        read.append(airplane);
    }
    if (!reader.readListEnd(listElement) || !reader.readFooter())
        return false;
    *airplanes = read;
    return true;
}

QString writeAirplaneList(const QList<Airplane> &airplanes)
{
    QString text;
    XmlStreamWriter writer(&text);
    writer.writeHeader();
    writer.writeListStart(listElement, int(airplanes.size()));
    for (const Airplane &airplane : airplanes)
        airplane.write(writer);
    writer.writeListEnd(listElement);
    writer.writeFooter();
    return text;
}

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

    const QString stored = Settings::getString(listKey);
    QList<Airplane> airplanes;
    QString error;
    if (stored.isEmpty()) {
        m_airplanes = defaultAirplanes();
    } else if (readAirplaneList(stored, &airplanes, &error)) {
        m_airplanes = airplanes;
    } else {
        // The stored text stays as it is until the user saves the list again.
        qWarning() << "Stored airplane list not readable, using the built-in airplanes:" << error;
        m_airplanes = defaultAirplanes();
    }
    m_announcedRow = currentIndex();
    m_announced = current();
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
    Settings::setInt(currentKey, row);
    announce();
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
    announce();
}

QList<Airplane> AirplaneListModel::airplanes() const
{
    QMutexLocker lock(&m_mutex);
    return m_airplanes;
}

QString AirplaneListModel::msgerror() const
{
    return m_msgerror;
}

void AirplaneListModel::setMsgerror(const QString &text)
{
    if (text == m_msgerror)
        return;
    m_msgerror = text;
    emit msgerrorChanged();
}

int AirplaneListModel::roleForName(const QString &name) const
{
    const QList<int> roles = roleNames().keys(name.toUtf8());
    return roles.isEmpty() ? -1 : roles.first();
}

void AirplaneListModel::setCurrentRowQuietly(int row)
{
    Settings::setInt(currentKey, row);
}

QVariant AirplaneListModel::stored(const QString &name, int row) const
{
    const int role = roleForName(name);
    if (role < 0 || row < 0 || row >= rowCount()) {
        qWarning() << "No airplane value" << name << "at row" << row;
        return QVariant();
    }
    return data(index(row), role);
}

QVariant AirplaneListModel::get(const QString &name, int row) const
{
    const QVariant stored = this->stored(name, row);
    if (!stored.isValid())
        return stored;
    if (!isMassField(name) && !isFuelField(name))
        return stored;
    Airplane airplane;
    {
        QMutexLocker lock(&m_mutex);
        airplane = m_airplanes.at(row);
    }
    return qRound(toDisplay(name, airplane, stored.toInt()));
}

bool AirplaneListModel::set(const QString &name, int row, const QVariant &value, bool emitChanged)
{
    const int field = roleForName(name) - firstFieldRole;
    if (field < 0 || field >= fieldCount() || row < 0 || row >= rowCount()) {
        qWarning() << "Cannot set airplane value" << name << "at row" << row;
        return false;
    }
    const QMetaProperty property = Airplane::staticMetaObject.property(field);

    QVariant converted;
    {
        QMutexLocker lock(&m_mutex);
        const Airplane &airplane = m_airplanes.at(row);
        if (property.typeId() == QMetaType::QString) {
            converted = value.toString();
        } else {
            bool ok = false;
            const double display = value.toDouble(&ok);
            const double stored = ok ? std::round(toStored(name, airplane, display)) : 0.0;
            if (!ok || !std::isfinite(stored) || stored < std::numeric_limits<int>::min()
                || stored > std::numeric_limits<int>::max() || !isValidCode(name, int(stored))) {
                lock.unlock();
                qWarning() << "Invalid airplane value" << value << "for" << name;
                return false;
            }
            // Within the field's range whatever the caller held it to: the next start would hold
            // it there anyway, with a line in the log the pilot never reads.
            converted = Airplane::heldWithinLimits(name, int(stored), QStringLiteral("Airplane %1").arg(row + 1));
        }
    }

    bool modified = false;
    {
        QMutexLocker lock(&m_mutex);
        Airplane &airplane = m_airplanes[row];
        if (property.readOnGadget(&airplane) != converted) {
            property.writeOnGadget(&airplane, converted);
            modified = true;
        }
    }
    if (modified)
        emit dataChanged(index(row), index(row));
    if (emitChanged)
        announce();
    return true;
}

int AirplaneListModel::add()
{
    Airplane airplane;
    airplane.name = tr("New airplane");
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    {
        QMutexLocker lock(&m_mutex);
        m_airplanes.append(airplane);
    }
    endInsertRows();
    // The first airplane of an empty list becomes the current one in place of the default.
    if (row == 0)
        announce();
    return row;
}

bool AirplaneListModel::remove(int row)
{
    if (row < 0 || row >= rowCount()) {
        qWarning() << "Cannot remove airplane at row" << row;
        return false;
    }
    // Every computation of the plan flies the current airplane: the last one stays.
    if (rowCount() == 1) {
        qWarning() << "Cannot remove the last airplane";
        return false;
    }
    const int current = currentIndex();
    beginRemoveRows(QModelIndex(), row, row);
    {
        QMutexLocker lock(&m_mutex);
        m_airplanes.removeAt(row);
    }
    endRemoveRows();

    if (row < current) {
        // The same airplane stays current, one row up.
        setCurrentRowQuietly(current - 1);
        announce();
    } else if (row == current) {
        setCurrentRowQuietly(std::max(0, row - 1));
        announce();
    }
    return true;
}

void AirplaneListModel::reset()
{
    beginResetModel();
    {
        QMutexLocker lock(&m_mutex);
        m_airplanes = defaultAirplanes();
    }
    endResetModel();
    // Restoring the factory airplanes must survive a restart, whether or not the airplane
    // editor is opened afterwards.
    saveToSettings();
    announce();
}

void AirplaneListModel::sortAlphabetically()
{
    const int current = currentIndex();
    QList<Airplane> airplanes = this->airplanes();
    QList<int> order(airplanes.size());
    std::iota(order.begin(), order.end(), 0);
    QList<QString> keys;
    keys.reserve(airplanes.size());
    for (const Airplane &airplane : airplanes)
        keys.append(sortKey(airplane));
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys.at(a) < keys.at(b); });

    QList<int> newRowOf(order.size());
    QList<Airplane> sorted;
    sorted.reserve(order.size());
    for (qsizetype row = 0; row < order.size(); ++row) {
        newRowOf[order.at(row)] = int(row);
        sorted.append(airplanes.at(order.at(row)));
    }
    if (sorted == airplanes)
        return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    {
        QMutexLocker lock(&m_mutex);
        m_airplanes = sorted;
    }
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (const QModelIndex &old : persistent)
        moved.append(index(newRowOf.at(old.row()), old.column()));
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);

    if (current >= 0 && newRowOf.at(current) != current) {
        setCurrentRowQuietly(newRowOf.at(current));
        announce();
    }
}

void AirplaneListModel::saveToSettings()
{
    Settings::setString(listKey, writeAirplaneList(airplanes()));
}

void AirplaneListModel::forceUpdate()
{
    announce();
}

void AirplaneListModel::announce()
{
    // A signal without a change would have the plan computed anew, and that replaces the
    // altitudes and speeds the pilot set by hand.
    const int row = currentIndex();
    const Airplane airplane = current();
    if (row == m_announcedRow && airplane == m_announced)
        return;
    m_announcedRow = row;
    m_announced = airplane;
    emit changed();
}

int AirplaneListModel::loadAirplaneFromFile(const QString &path)
{
    const QString file = localPath(path);
    const QString shown = QDir::toNativeSeparators(file);
    setMsgerror(QString());

    if (file.isEmpty() || !QFileInfo::exists(file)) {
        setMsgerror(tr("The airplane file %1 does not exist.").arg(shown));
        return -1;
    }
    if (QFileInfo(file).isDir()) {
        setMsgerror(tr("%1 is a folder, not an airplane file.").arg(shown));
        return -2;
    }
    QByteArray bytes;
    QString why;
    switch (WholeReadFile::read(file, maxAirplaneFileSize, &bytes, &why)) {
    case WholeReadFile::Outcome::Read:
        break;
    case WholeReadFile::Outcome::NotAFile:
        setMsgerror(why);
        return -2;
    case WholeReadFile::Outcome::TooLarge:
        setMsgerror(tr("The file %1 is too large to be an airplane file.").arg(shown));
        return -3;
    default:
        setMsgerror(tr("The airplane file %1 cannot be opened: %2").arg(shown, why));
        return -2;
    }
    if (bytes.trimmed().isEmpty()) {
        setMsgerror(tr("The airplane file %1 is empty.").arg(shown));
        return -4;
    }

    QString error;
    XmlStreamReader reader(QString::fromUtf8(bytes), &error);
    QStringList names{QCoreApplication::applicationName()};
    Airplane airplane;
    const bool read = reader.readHeader(&names) && airplane.read(reader) && reader.readFooter();
    if (!read) {
        setMsgerror(tr("The file %1 is not a valid airplane file. %2").arg(shown, error));
        return -5;
    }
    if (!isValidCode(QStringLiteral("fueltype"), airplane.fueltype)) {
        setMsgerror(
            tr("The file %1 is not a valid airplane file. Unknown fuel type %2.").arg(shown).arg(airplane.fueltype));
        return -5;
    }
    if (!isValidCode(QStringLiteral("unittype"), airplane.unittype)) {
        setMsgerror(tr("The file %1 is not a valid airplane file. Unknown fuel unit type %2.")
                        .arg(shown)
                        .arg(airplane.unittype));
        return -5;
    }
    airplane.bringWithinLimits(QStringLiteral("Airplane file %1").arg(shown));

    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    {
        QMutexLocker lock(&m_mutex);
        m_airplanes.append(airplane);
    }
    endInsertRows();
    if (row == 0)
        announce();
    qInfo() << "Airplane" << airplane.fullName() << "loaded from" << file;
    return row;
}

bool AirplaneListModel::saveAirplaneToFile(int row, const QString &path)
{
    const QString file = localPath(path);
    const QString shown = QDir::toNativeSeparators(file);
    setMsgerror(QString());

    if (row < 0 || row >= rowCount()) {
        setMsgerror(tr("There is no airplane to export."));
        return false;
    }
    if (file.isEmpty()) {
        setMsgerror(tr("No file name was given for the airplane."));
        return false;
    }
    Airplane airplane;
    {
        QMutexLocker lock(&m_mutex);
        airplane = m_airplanes.at(row);
    }
    QString text;
    XmlStreamWriter writer(&text);
    writer.writeHeader();
    airplane.write(writer);
    writer.writeFooter();

    QString error;
    if (!WholeSaveFile::replace(file, text.toUtf8(), &error)) {
        qInfo() << "Airplane file" << file << "could not be written:" << error;
        setMsgerror(tr("The airplane file %1 cannot be written: %2").arg(shown, error));
        return false;
    }
    qInfo() << "Airplane" << airplane.fullName() << "saved to" << file;
    return true;
}

QList<Airplane> AirplaneListModel::defaultAirplanes()
{
    // Figures from the types' published data, rounded as a dispatcher would plan with them,
    // masses and fuel in kilograms. The piston single shows its fuel as a volume of Avgas, as
    // its pilots plan it: 200 L of tanks are 144 kg, 34 L/h in cruise 24 kg/h.
    // Laid out by hand: one group of figures per line.
    // clang-format off
    return {
        Airplane{ .icao = QStringLiteral("A320"), .name = QStringLiteral("A320-200"),
                  .manufacturer = QStringLiteral("Airbus"),
                  .maxpassengers = 180, .passengerweight = 100, .maxcargo = 1900,
                  .eow = 42600, .mzfw = 62500, .mtow = 78000, .mlw = 66000,
                  .v2 = 145, .takeoffdistance = 2100, .vat = 135, .landingdistance = 1500,
                  .ceilinglvl = 390, .maxcruisetas = 454,
                  .initialias = 250, .initialvs = 2500, .climbias = 290, .climbvs = 1800,
                  .descentias = 290, .descentvs = -2200, .approachias = 210, .approachvs = -1000,
                  .fueltype = 0, .unittype = 0,
                  .taxifuel = 200, .climbfuel = 3600, .cruisefuel = 2500,
                  .descentfuel = 900, .alternatefuel = 2600,
                  .contingencyfuel = 5, .extrafuel = 0, .finalfuel = 30, .fuelcapacity = 18700,
                  .registration = {},
                  .equipment = QStringLiteral("SDE2E3FGHIJ1RWY"), .transponder = QStringLiteral("LB1") },
        Airplane{ .icao = QStringLiteral("B350"), .name = QStringLiteral("King Air 350"),
                  .manufacturer = QStringLiteral("Beechcraft"),
                  .maxpassengers = 9, .passengerweight = 90, .maxcargo = 250,
                  .eow = 4300, .mzfw = 5670, .mtow = 6800, .mlw = 6800,
                  .v2 = 110, .takeoffdistance = 1010, .vat = 105, .landingdistance = 830,
                  .ceilinglvl = 350, .maxcruisetas = 310,
                  .initialias = 160, .initialvs = 2000, .climbias = 180, .climbvs = 1800,
                  .descentias = 230, .descentvs = -1800, .approachias = 140, .approachvs = -800,
                  .fueltype = 0, .unittype = 0,
                  .taxifuel = 30, .climbfuel = 450, .cruisefuel = 320,
                  .descentfuel = 200, .alternatefuel = 320,
                  .contingencyfuel = 5, .extrafuel = 0, .finalfuel = 30, .fuelcapacity = 1630,
                  .registration = {},
                  .equipment = QStringLiteral("SDFGRY"), .transponder = QStringLiteral("S") },
        Airplane{ .icao = QStringLiteral("B738"), .name = QStringLiteral("737-800"),
                  .manufacturer = QStringLiteral("Boeing"),
                  .maxpassengers = 189, .passengerweight = 100, .maxcargo = 2400,
                  .eow = 41400, .mzfw = 62700, .mtow = 79000, .mlw = 66300,
                  .v2 = 150, .takeoffdistance = 2300, .vat = 145, .landingdistance = 1650,
                  .ceilinglvl = 410, .maxcruisetas = 460,
                  .initialias = 250, .initialvs = 2500, .climbias = 290, .climbvs = 1800,
                  .descentias = 280, .descentvs = -2200, .approachias = 210, .approachvs = -1000,
                  .fueltype = 0, .unittype = 0,
                  .taxifuel = 200, .climbfuel = 3800, .cruisefuel = 2550,
                  .descentfuel = 900, .alternatefuel = 2700,
                  .contingencyfuel = 5, .extrafuel = 0, .finalfuel = 30, .fuelcapacity = 20800,
                  .registration = {},
                  .equipment = QStringLiteral("SDE2E3FGHIJ2RWXY"), .transponder = QStringLiteral("LB1") },
        Airplane{ .icao = QStringLiteral("B77W"), .name = QStringLiteral("777-300ER"),
                  .manufacturer = QStringLiteral("Boeing"),
                  .maxpassengers = 396, .passengerweight = 100, .maxcargo = 30000,
                  .eow = 167800, .mzfw = 237700, .mtow = 351500, .mlw = 251300,
                  .v2 = 170, .takeoffdistance = 3100, .vat = 150, .landingdistance = 2000,
                  .ceilinglvl = 430, .maxcruisetas = 490,
                  .initialias = 250, .initialvs = 2500, .climbias = 310, .climbvs = 1800,
                  .descentias = 290, .descentvs = -2200, .approachias = 220, .approachvs = -1000,
                  .fueltype = 0, .unittype = 0,
                  .taxifuel = 600, .climbfuel = 11000, .cruisefuel = 7500,
                  .descentfuel = 2500, .alternatefuel = 8000,
                  .contingencyfuel = 5, .extrafuel = 0, .finalfuel = 30, .fuelcapacity = 145500,
                  .registration = {},
                  .equipment = QStringLiteral("SDE2E3FGHIJ3J5M1P2RWXYZ"), .transponder = QStringLiteral("LB1D1") },
        Airplane{ .icao = QStringLiteral("C172"), .name = QStringLiteral("172 Skyhawk"),
                  .manufacturer = QStringLiteral("Cessna"),
                  .maxpassengers = 3, .passengerweight = 80, .maxcargo = 54,
                  .eow = 743, .mzfw = 1060, .mtow = 1157, .mlw = 1157,
                  .v2 = 65, .takeoffdistance = 500, .vat = 65, .landingdistance = 410,
                  .ceilinglvl = 140, .maxcruisetas = 124,
                  .initialias = 74, .initialvs = 700, .climbias = 80, .climbvs = 600,
                  .descentias = 110, .descentvs = -500, .approachias = 80, .approachvs = -500,
                  .fueltype = 1, .unittype = 1,
                  .taxifuel = 3, .climbfuel = 32, .cruisefuel = 24,
                  .descentfuel = 18, .alternatefuel = 24,
                  .contingencyfuel = 5, .extrafuel = 0, .finalfuel = 45, .fuelcapacity = 144,
                  .registration = {},
                  .equipment = QStringLiteral("SG"), .transponder = QStringLiteral("C") },
    };
    // clang-format on
}
