#include "navdatareader.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cmath>
#include <limits>

NavDataReader::NavDataReader(Database *database, ProgressFn progress, CancelFn cancelled)
    : m_database(database)
    , m_progress(std::move(progress))
    , m_cancelled(std::move(cancelled))
{
}

NavDataReader::~NavDataReader() = default;

QStringList NavDataReader::tokens(const QString &line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

int NavDataReader::toInt(const QString &token)
{
    bool ok = false;
    const qint64 value = token.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return 0;
    return int(value);
}

double NavDataReader::toDouble(const QString &token)
{
    bool ok = false;
    const double value = token.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

bool NavDataReader::readLine(QIODevice &device, QString &line, bool *tooLong)
{
    if (tooLong)
        *tooLong = false;
    if (device.atEnd()) {
        line.clear();
        return false;
    }
    const bool first = device.pos() == 0;
    QByteArray bytes = device.readLine(MaxLineLength + 1);
    if (bytes.endsWith('\n')) {
        bytes.chop(1);
    } else if (!device.atEnd()) {
        // Longer than any row of these files: keep the start, skip the rest in bounded steps.
        bytes.truncate(MaxLineLength);
        if (tooLong)
            *tooLong = true;
        while (!device.atEnd()) {
            const QByteArray rest = device.readLine(MaxLineLength + 1);
            if (rest.isEmpty() || rest.endsWith('\n'))
                break;
        }
    }
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (first && bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    line = QString::fromUtf8(bytes);
    return true;
}

void NavDataReader::countItem(const char *label)
{
    ++m_count;
    if (m_count % 100 == 0 && m_progress)
        m_progress(QCoreApplication::translate("XpLoader", label) + QLatin1Char(' ') + QString::number(m_count));
}
