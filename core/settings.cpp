#include "settings.h"

#include "wholereadfile.h"
#include "wholesavefile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QSet>
#include <QStandardPaths>
#include <QUuid>
#include <QtGlobal>

#include <filesystem>
#include <system_error>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// The store's writer puts every key on a line of its own and ends every line: a file cut short
// while it was written (Qt renames a temporary whose last write failed over the file) ends
// within a line or lacks lines. One cut to nothing is read again as an empty store by the other
// store objects of the process (the interface's): empty is whole only after a clear.
bool holdsEveryKey(const QByteArray &bytes, qsizetype keys, bool cleared)
{
    if (bytes.isEmpty() || !bytes.endsWith('\n'))
        return bytes.isEmpty() && keys == 0 && cleared;
    qsizetype lines = 0;
    for (const QByteArray &line : bytes.split('\n'))
        lines += !line.isEmpty() && !line.startsWith('[');
    return lines == keys;
}

// The preferences the program keeps take kilobytes: a larger file is none it wrote, and read
// whole it took twice its size at the start.
constexpr qint64 kLargestStoreFile = 4 * 1024 * 1024;

// The per-user files every store object of the process reads, the application's first, then the
// organisation's, named without reading them: a store object reads its files as it is made, so
// the folder is asked of one whose files lie in a folder that does not exist.
QStringList storeFiles()
{
    const QString organisation = QCoreApplication::organizationName();
    const QSettings probe(QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1String("/none"), QString());
    const QString folder = QFileInfo(QFileInfo(probe.fileName()).path()).path();
    // Qt's own store beside them, which its file dialogs read as they open.
    return {QStringLiteral("%1/%2/%3.conf").arg(folder, organisation, QCoreApplication::applicationName()),
            QStringLiteral("%1/%2.conf").arg(folder, organisation), folder + QLatin1String("/QtProject.conf")};
}

// Neither a pipe, a device nor a folder, nor larger than any store file: what every file read
// whole at the start must be, whatever reads it.
bool beyondBounds(const QString &file)
{
    QByteArray bytes;
    const auto outcome = WholeReadFile::read(file, kLargestStoreFile, &bytes);
    return outcome == WholeReadFile::Outcome::NotAFile || outcome == WholeReadFile::Outcome::TooLarge;
}

// The keys the store reads in the file, -1 when it finds a line it cannot read. Sections are
// parsed when first read: only then does the store know it cannot read one.
qsizetype keysRead(const QString &file)
{
    QSettings store(file, QSettings::IniFormat);
    const qsizetype keys = store.allKeys().size();
    return store.status() == QSettings::FormatError ? -1 : keys;
}

// The length of the line break at `at`, 0 where none is: "\r\n", or a lone "\r" (as old Mac
// editors end lines) or "\n".
qsizetype breakAt(QByteArrayView data, qsizetype at)
{
    if (at >= data.size() || (data[at] != '\n' && data[at] != '\r'))
        return 0;
    return data[at] == '\r' && at + 1 < data.size() && data[at + 1] == '\n' ? 2 : 1;
}

// A line of the file as the store reads it on its own, from its first character past blanks. A
// ';' outside quotes starts a comment to the end of the line; a '\' takes the character after it,
// a line break too, and the line goes on. A line whose first line has no '=' outside quotes ends
// there: what follows could not make it a key, and is read again on its own.
struct StoreLine
{
    qsizetype start = 0;
    qsizetype end = 0;      // where its text ends, at a line break or the end of the file
    qsizetype next = 0;     // past that break
    qsizetype firstEnd = 0; // where its first line's text ends
    qsizetype equals = -1;  // its first line's first '=' outside quotes
    qsizetype comment = -1; // where a ';' comment starts
    int breaks = 0;         // line breaks up to next
    bool goesOn = false;    // past a '\' and a line break
    bool open = false;      // a quote still open where its text ends
};

StoreLine storeLine(QByteArrayView data, qsizetype at)
{
    const qsizetype size = data.size();
    StoreLine line;
    while (at < size && (data[at] == ' ' || data[at] == '\t'))
        ++at;
    line.start = at;
    bool quoted = false;
    qsizetype i = at;
    while (i < size && !breakAt(data, i)) {
        const char c = data[i++];
        if (line.comment >= 0)
            continue;
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ';' && !quoted) {
            line.comment = i - 1;
        } else if (c == '=' && !quoted && line.equals < 0 && !line.goesOn) {
            line.equals = i - 1;
        } else if (c == '\\' && i < size) {
            if (!breakAt(data, i)) {
                ++i;
                continue;
            }
            if (!line.goesOn)
                line.firstEnd = i;
            line.goesOn = true;
            if (line.equals < 0 || data[line.start] == '[')
                break;
            // Here the store reads "\n\r" as one break, as "\r\n".
            i += i + 1 < size && data[i] != data[i + 1] && (data[i + 1] == '\n' || data[i + 1] == '\r') ? 2 : 1;
            ++line.breaks;
        }
    }
    line.end = i;
    line.open = quoted;
    if (!line.goesOn)
        line.firstEnd = i;
    const qsizetype ending = breakAt(data, i);
    line.next = i + ending;
    line.breaks += ending > 0;
    return line;
}

// The file with each line the store cannot read on its own mended: the lines' numbers and texts,
// and how many keys the lines kept state. A section without its ']' is closed where the store ends
// it, so that its keys stay in the section the store reads them in; any other line without a '='
// is left out with its break. A quote left open across a line break (the store's writer writes a
// break in a value as "\n") would make the store read the next lines into it: the line that opens
// it is left out, and the next ones are read on their own, as the pilot wrote them.
struct Mended
{
    QByteArray bytes;
    QList<std::pair<int, QString>> told;
    qsizetype keys = 0;
};

Mended withoutUnreadableLines(QByteArrayView bytes)
{
    Mended mended;
    QSet<QByteArray> keys;
    QByteArray section;
    // An editor's byte order mark before a section is read by the store as a line of its own.
    qsizetype copied = bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
    int number = 1;
    for (qsizetype at = copied; at < bytes.size();) {
        const StoreLine line = storeLine(bytes, at);
        const qsizetype read = line.comment >= 0 ? line.comment : line.end;
        const QByteArrayView text = bytes.sliced(line.start, read - line.start);
        const bool acrossBreak = line.open && line.next > line.end;
        const bool bracket = text.startsWith('[');
        const bool header = bracket && !line.goesOn && !acrossBreak;
        const bool key = !bracket && line.equals >= 0;
        if (header || text.isEmpty() || (key && !acrossBreak)) {
            const qsizetype closing = text.indexOf(']');
            if (header) {
                const QByteArray name
                    = text.sliced(1, (closing < 0 ? text.size() : closing) - 1).trimmed().toByteArray();
                section = name.compare("general", Qt::CaseInsensitive) == 0    ? QByteArray()
                          : name.compare("%general", Qt::CaseInsensitive) == 0 ? name.sliced(1) + '/'
                                                                               : name + '/';
            } else if (!text.isEmpty()) {
                keys.insert(section + text.first(line.equals - line.start).trimmed().toByteArray());
            }
            if (!header || closing >= 0) {
                number += line.breaks;
                at = line.next;
                continue;
            }
        }
        QString shown = QString::fromUtf8(bytes.sliced(line.start, line.firstEnd - line.start)).trimmed().left(60);
        for (QChar &c : shown) {
            if (!c.isPrint())
                c = c.isSpace() ? QChar(QLatin1Char(' ')) : QChar(QChar::ReplacementCharacter);
        }
        mended.told.append({number, shown});
        if (header) { // closed, where the store ends it
            mended.bytes += bytes.sliced(copied, read - copied);
            mended.bytes += ']';
            copied = read;
            number += line.breaks;
            at = line.next;
            continue;
        }
        mended.bytes += bytes.sliced(copied, at - copied);
        // A key line is left out whole; of a line without a '=', the line and its break alone.
        const qsizetype past = key ? line.next : line.firstEnd + breakAt(bytes, line.firstEnd);
        number += key ? line.breaks : int(past > line.firstEnd);
        copied = at = past;
    }
    mended.bytes += bytes.sliced(copied);
    mended.keys = keys.size();
    return mended;
}

// Replaces the file by another in one step: at no moment is there no file to start from.
bool replaceWith(const QString &from, const QString &file)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(file).toStdString()), error);
    return !error;
}

// A second name for the file, which costs no room where the system allows it; false, with no
// file of that name left, when neither it nor a whole copy could be made.
bool keepAs(const QString &file, const QString &name)
{
    QFile::remove(name);
#ifdef Q_OS_UNIX
    if (::link(QFile::encodeName(file).constData(), QFile::encodeName(name).constData()) == 0)
        return true;
#endif
    if (QFile::copy(file, name))
        return true;
    QFile::remove(name);
    return false;
}

} // namespace

Settings *Settings::s_instance = nullptr;
QList<Settings::Unreadable> Settings::s_setAsideBeforeStart;

Settings::Settings()
    : QObject(nullptr)
{
    if (s_instance)
        qFatal("Settings singleton already defined!");
    s_instance = this;
    // A write from any thread posts an update request to the store, which the main thread
    // then handles by writing the file back: that must not overlap a worker's access.
    m_settings.installEventFilter(this);
    m_previous = m_settings.fileName() + QLatin1String(".previous");
    m_previousWhole = QFile::exists(m_settings.fileName()) && keepAs(m_settings.fileName(), m_previous);
}

Settings::~Settings()
{
    // The last write-back: at the end of the program only the log can still say it failed. The
    // store's status stays at its first error, so only a first one is known for what it is.
    m_settings.sync();
    if (!writtenWhole() && !m_writeFailed)
        qCritical().noquote() << "Preferences cannot be written to" << m_settings.fileName();
    // The second name serves while the program writes; left behind, a later start would take it
    // for the pilot's own file.
    QFile::remove(m_previous);
    if (s_instance == this)
        s_instance = nullptr;
}

QList<Settings::Unreadable> Settings::setAsideUnreadable()
{
#ifdef Q_OS_UNIX
    // The program keeps its preferences per user: the system-wide files, which the pilot cannot
    // set aside, are not read (a folder no file can be in).
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("/dev/null"));
#endif
    QList<Unreadable> unreadable = std::exchange(s_setAsideBeforeStart, {});
    const QStringList files = storeFiles();
    for (const QString &file : files) {
        if (!QFileInfo::exists(file))
            continue;
        // Neither a pipe (it would hold the start for good) nor larger than any the program
        // writes (read whole by every store object); a file that cannot be opened the store says
        // so of itself, as before.
        QByteArray bytes;
        const auto outcome = WholeReadFile::read(file, kLargestStoreFile, &bytes);
        if (outcome == WholeReadFile::Outcome::NotAFile || outcome == WholeReadFile::Outcome::TooLarge) {
            unreadable.append(setAside(file, file == files.first()));
            continue;
        }
        const Unreadable told = keptButUnreadableLines(file, file == files.first(), bytes);
        if (!told.file.isEmpty())
            unreadable.append(told);
    }
    return unreadable;
}

Settings::Unreadable Settings::keptButUnreadableLines(const QString &file, bool own, const QByteArray &bytes)
{
    // A line the store cannot read (a note, an edit or a write-back cut short) costs that line
    // alone: every key the lines state on their own is kept, the file as it was set aside. A last
    // line without a line break is read as any other, as editors leave it.
    const Mended mended = withoutUnreadableLines(bytes);
    if (mended.bytes == bytes)
        return keysRead(file) < 0 ? setAside(file, own) : Unreadable{};
    const QString kept = file + QLatin1String(".kept");
    if (!WholeSaveFile::replace(kept, mended.bytes)) {
        // Set aside, the file would leave the session on defaults: it runs on what the store
        // reads of it, and the file is left as it is, for the pilot to make room.
        QFile::remove(kept);
        qWarning().noquote() << "Preferences file" << file << "cannot be mended: the disk is full";
        return mended.told.isEmpty() ? Unreadable{} : Unreadable{file, QString(), own, mended.told, true};
    }
    // "Every other preference is kept" is said only of a mended file the store reads whole.
    if (keysRead(kept) != mended.keys) {
        QFile::remove(kept);
        return setAside(file, own);
    }
    if (mended.told.isEmpty()) // a byte order mark alone, which holds no preference
        return replaceWith(kept, file) ? Unreadable{} : setAside(file, own);
    Unreadable told = setAside(file, own);
    if (told.aside.isEmpty() || !replaceWith(kept, file)) {
        QFile::remove(kept);
        return told;
    }
    told.lines = mended.told;
    return told;
}

void Settings::setAsideBeforeStart()
{
    // Qt reads the pilot's logging rules as the application object is made, before any store.
    const QString rules
        = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("QtProject/qtlogging.ini"));
    if (!rules.isEmpty() && beyondBounds(rules))
        s_setAsideBeforeStart.append(setAside(rules, false));
}

Settings::Unreadable Settings::setAside(const QString &file, bool own)
{
    // Written back as it is, the file would keep its garbage and lose the pilot's preferences
    // for good; kept aside, what it held can still be looked at.
    const QString aside = QStringLiteral("%1.unreadable-%2")
                              .arg(file, QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    // Moved before the first message: Qt reads its logging rules as the first one is logged.
    const bool moved = QFile::rename(file, aside);
    qWarning().noquote() << "Preferences file" << file << "cannot be read, set aside as" << aside;
    return {file, moved ? aside : QString(), own};
}

QString Settings::problem() const
{
    if (!m_problem.isEmpty())
        return m_problem;
    // Worded when asked, in the language the pilot's preferences chose, which the program knows
    // only once they are read.
    QStringList told;
    for (const Unreadable &file : m_unreadable) {
        const QString name = QDir::toNativeSeparators(file.file);
        const QString aside = QDir::toNativeSeparators(file.aside);
        if (file.full)
            told << tr("The preferences file %1 has lines that cannot be read, and they cannot be left out: the disk "
                       "is full. The file is kept as it is, and the program uses the preferences it could read in it.")
                        .arg(name);
        else if (!file.lines.isEmpty())
            told << linesLeftOut(file.lines, name, aside);
        else if (file.own && aside.isEmpty())
            told << tr("The preferences file %1 cannot be read: the program starts with its default preferences.")
                        .arg(name);
        else if (file.own)
            told << tr("The preferences file %1 cannot be read. It is kept as %2, and the program starts with its "
                       "default preferences.")
                        .arg(name, aside);
        else if (aside.isEmpty())
            told << tr("The preferences file %1 cannot be read.").arg(name);
        else
            told << tr("The preferences file %1 cannot be read. It is kept as %2, and the program does without it.")
                        .arg(name, aside);
    }
    return told.join(QLatin1Char('\n'));
}

QString Settings::linesLeftOut(const QList<std::pair<int, QString>> &lines, const QString &name, const QString &aside)
{
    if (lines.size() == 1)
        return tr("Line %1 of the preferences file %2 cannot be read: \"%3\". Every other preference is kept, and "
                  "the file as it was is kept as %4.")
            .arg(QString::number(lines.first().first), name, lines.first().second, aside);
    // A file of garbage would fill the message: the first lines tell what it is.
    QStringList numbers;
    QStringList texts;
    for (const auto &[number, text] : lines.first(std::min<qsizetype>(lines.size(), 5))) {
        numbers << QString::number(number);
        texts << tr("\"%1\"", "a line of the preferences file, quoted as the language quotes").arg(text);
    }
    if (lines.size() > numbers.size()) {
        numbers << QStringLiteral("…");
        texts << QStringLiteral("…");
    }
    return tr("Lines %1 of the preferences file %2 cannot be read: %3. Every other preference is kept, and the "
              "file as it was is kept as %4.")
        .arg(numbers.join(QLatin1String(", ")), name, texts.join(QLatin1String(", ")), aside);
}

bool Settings::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_settings && event->type() == QEvent::UpdateRequest) {
        QMutexLocker locker(&m_mutex);
        m_settings.sync();
        const bool failed = !writtenWhole();
        const QString file = m_settings.fileName();
        locker.unlock();
        // Told once: a store that fails at every write-back must not say so at every change.
        if (failed && !m_writeFailed) {
            m_writeFailed = true;
            qCritical().noquote() << "Preferences cannot be written to" << file;
            m_problem = tr("The preferences cannot be written to %1: the disk may be full or the file protected. "
                           "Preferences changed in this session will be lost when the program ends.")
                            .arg(QDir::toNativeSeparators(file));
            emit problemChanged();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool Settings::writtenWhole()
{
    const QString file = m_settings.fileName();
    QByteArray bytes;
    WholeReadFile::read(file, kLargestStoreFile, &bytes);
    // This file's keys alone, not those of the fallbacks the store also reads, as the store
    // holds them: another store object would read the damaged file again in their place.
    m_settings.setFallbacksEnabled(false);
    const qsizetype keys = m_settings.allKeys().size();
    m_settings.setFallbacksEnabled(true);
    if (holdsEveryKey(bytes, keys, m_cleared)) {
        m_cleared = m_cleared && bytes.isEmpty();
        m_previousWhole = keepAs(file, m_previous);
        return m_settings.status() != QSettings::AccessError;
    }
    // A file cut short would lose every preference at the next start: the last whole one
    // comes back.
    if (m_previousWhole && replaceWith(m_previous, file))
        m_previousWhole = keepAs(file, m_previous);
    return false;
}

Settings *Settings::instance()
{
    if (!s_instance)
        qFatal("Settings singleton not allocated!");
    return s_instance;
}

void Settings::clear()
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    settings->m_settings.clear();
    settings->m_cleared = true;
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    settings->m_settings.setValue(key, value);
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue)
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    return settings->m_settings.value(key, defaultValue);
}

void Settings::setInt(const QString &key, int value)
{
    setValue(key, QVariant(value));
}

int Settings::getInt(const QString &key, int defaultValue)
{
    return value(key, QVariant(defaultValue)).toInt();
}

void Settings::setString(const QString &key, const QString &value)
{
    setValue(key, QVariant(value));
}

QString Settings::getString(const QString &key, const QString &defaultValue)
{
    return value(key, QVariant(defaultValue)).toString();
}

void Settings::setUrl(const QString &key, const QUrl &value)
{
    setValue(key, QVariant(value));
}

QUrl Settings::getUrl(const QString &key, const QUrl &defaultValue)
{
    return value(key, QVariant(defaultValue)).toUrl();
}

void Settings::setByteArray(const QString &key, const QByteArray &value)
{
    setValue(key, QVariant(value));
}

QByteArray Settings::getByteArray(const QString &key, const QByteArray &defaultValue)
{
    return value(key, QVariant(defaultValue)).toByteArray();
}

void Settings::setDouble(const QString &key, double value)
{
    setValue(key, QVariant(value));
}

double Settings::getDouble(const QString &key, double defaultValue)
{
    return value(key, QVariant(defaultValue)).toDouble();
}

void Settings::setBool(const QString &key, bool value)
{
    setValue(key, QVariant(value));
}

bool Settings::getBool(const QString &key, bool defaultValue)
{
    return value(key, QVariant(defaultValue)).toBool();
}

QHash<QString, QVariant> Settings::dump()
{
    Settings *settings = instance();
    QMutexLocker locker(&settings->m_mutex);
    QHash<QString, QVariant> result;
    const QStringList keys = settings->m_settings.allKeys();
    for (const QString &key : keys)
        result.insert(key, settings->m_settings.value(key));
    return result;
}
