#include "linefilereader.h"

#include "linereader.h"

#include <QDebug>
#include <QFile>

namespace {

// How often a long file looks whether the application is quitting.
constexpr int kCancelCheckRows = 512;

QStringList texts(const TextFields::Fields &fields)
{
    QStringList list;
    list.reserve(fields.size());
    for (const QByteArrayView field : fields)
        list.append(TextFields::text(field));
    return list;
}

} // namespace

LineFileReader::LineFileReader(Database *database, ProgressFn progress, CancelFn cancelled)
    : NavDataReader(database, std::move(progress), std::move(cancelled))
{
}

void LineFileReader::readFields(const Fields &fields)
{
    readRow(texts(fields));
}

void LineFileReader::readRow(const QStringList &)
{
}

void LineFileReader::storeCycle(const QString &cycle)
{
    m_cycle = cycle;
}

int LineFileReader::read(const QString &path)
{
    m_format = format();
    resetCount();
    const QString prefix = tag() + QLatin1Char(':');

    if (m_format.logBeforeOpen)
        qInfo() << "Loading" << path << "...";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return m_format.failure;
    if (!m_format.logBeforeOpen)
        qInfo() << "Loading" << path << "...";

    LineReader lines(file);
    QByteArrayView view;
    bool tooLong = false;
    const QString line = lines.next(view, tooLong) ? QString::fromUtf8(view) : QString();
    if (line != QLatin1String("I"))
        qWarning().noquote() << prefix << "probable wrong file format!";

    const QString version = lines.next(view, tooLong) ? QString::fromUtf8(view) : QString();
    bool known = false;
    for (const QString &accepted : std::as_const(m_format.versions))
        known = known || version.startsWith(accepted);
    if (!known)
        qWarning().noquote() << prefix << "probable wrong file format version!" << version;

    if (m_format.readsCycle) {
        // Split at every single space: two adjacent spaces shift the cycle by one field.
        const QStringList parts = version.split(QLatin1Char(' '));
        if (parts.size() < 6)
            qWarning().noquote() << prefix << "no data cycle available!" << version;
        else
            storeCycle(QString(parts.at(5)).remove(QLatin1Char(',')));
    }

    int rows = 0;
    Fields fields;
    while (lines.next(view, tooLong)) {
        if (++rows % kCancelCheckRows == 0 && cancelled())
            break;
        TextFields::splitAtBlanks(view, fields);
        if (fields.isEmpty())
            continue;
        if (fields.size() == 1 && fields.front() == "99")
            continue;
        if (tooLong) {
            // A cut row would build an object from a part of it.
            qWarning().noquote() << prefix << "ignored" << QString::fromUtf8(view).left(80) + QStringLiteral("...");
            continue;
        }
        if (fields.size() < m_format.minTokens) {
            qWarning().noquote() << prefix << "ignored" << texts(fields);
            continue;
        }
        readFields(fields);
    }
    file.close();

    if (m_format.readsCycle)
        qInfo() << "Loaded" << count() << m_format.closingText << reportedCycle();
    else
        qInfo() << "Loaded" << count() << m_format.closingText;
    return 0;
}
