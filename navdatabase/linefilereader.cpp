#include "linefilereader.h"

#include "database.h"
#include "databasestore.h"
#include "linereader.h"
#include "orderedparallel.h"
#include "point.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>

#include <cstring>

namespace {

// How often a long file looks whether the application is quitting.
constexpr int kCancelCheckRows = 512;
// Rows are built on other cores in pieces of about this many bytes, cut at line ends.
constexpr qsizetype kApartPiece = 256 * 1024;

// What the rows of one piece gave, in row order: a point to add, or a row to warn about (the
// start of a cut line, or the fields of a short row).
struct Piece
{
    struct Entry
    {
        Point *point = nullptr;
        QString cutLine;
        QStringList shortRow;
        std::unique_ptr<LineFileReader::PreparedRow> prepared;
    };
    std::vector<Entry> entries;

    Piece() = default;
    Piece(Piece &&) = default;
    Piece &operator=(Piece &&) = default;
    // A piece dropped on the way (the import stops) takes its points with it.
    ~Piece()
    {
        for (const Entry &entry : std::as_const(entries))
            delete entry.point;
    }
};

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

void LineFileReader::readRow(const QStringList &) {}

Point *LineFileReader::buildPoint(const Fields &) const
{
    return nullptr;
}

std::unique_ptr<LineFileReader::PreparedRow> LineFileReader::prepareRow(const Fields &) const
{
    return nullptr;
}

void LineFileReader::finishRow(std::unique_ptr<PreparedRow>) {}

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

    if (buildsApart() || preparesApart()) {
        readApart(lines.takeRest([this] { return cancelled(); }));
    } else {
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
    }
    file.close();
    finishRows();

    if (m_format.readsCycle)
        qInfo() << "Loaded" << count() << m_format.closingText << reportedCycle();
    else
        qInfo() << "Loaded" << count() << m_format.closingText;
    return 0;
}

void LineFileReader::readApart(QByteArray body)
{
    QList<QByteArrayView> pieces;
    for (qsizetype from = 0; from < body.size();) {
        qsizetype to = std::min(from + kApartPiece, body.size());
        if (to < body.size()) {
            const void *newline = std::memchr(body.constData() + to, '\n', size_t(body.size() - to));
            to = newline ? static_cast<const char *>(newline) - body.constData() + 1 : body.size();
        }
        pieces.append(QByteArrayView(body.constData() + from, to - from));
        from = to;
    }
    const QString prefix = tag() + QLatin1Char(':');
    const int minTokens = m_format.minTokens;
    const bool prepares = preparesApart();
    // The rows look the database up on other threads: there too in the store this one fills.
    DatabaseStore *const store = DatabaseStore::current();

    auto make = [this, &pieces, minTokens, prepares, store](qsizetype i) {
        DatabaseStore::Scope scope(store);
        Piece piece;
        QByteArray bytes = QByteArray::fromRawData(pieces.at(i).data(), pieces.at(i).size());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        LineReader lines(buffer, false);
        QByteArrayView view;
        bool tooLong = false;
        Fields fields;
        int rows = 0;
        // A piece stopped part way is dropped as the import stops.
        while (lines.next(view, tooLong) && (++rows % kCancelCheckRows != 0 || !cancelled())) {
            TextFields::splitAtBlanks(view, fields);
            if (fields.isEmpty() || (fields.size() == 1 && fields.front() == "99"))
                continue;
            if (tooLong) {
                piece.entries.push_back({nullptr, QString::fromUtf8(view).left(80) + QStringLiteral("..."), {}, {}});
                continue;
            }
            if (fields.size() < minTokens) {
                piece.entries.push_back({nullptr, QString(), texts(fields), {}});
                continue;
            }
            if (prepares) {
                if (std::unique_ptr<PreparedRow> row = prepareRow(fields))
                    piece.entries.push_back({nullptr, QString(), {}, std::move(row)});
            } else if (Point *point = buildPoint(fields)) {
                piece.entries.push_back({point, QString(), {}, {}});
            }
        }
        return piece;
    };
    bool stopped = false;
    int rows = 0;
    auto take = [this, &prefix, &stopped, &rows](qsizetype, Piece &&piece) {
        for (Piece::Entry &entry : piece.entries) {
            if (++rows % kCancelCheckRows == 0 && cancelled()) {
                // The points not handed over go with the piece.
                stopped = true;
                return;
            }
            if (entry.prepared) {
                finishRow(std::move(entry.prepared));
            } else if (entry.point) {
                database()->addPoint(entry.point);
                entry.point = nullptr;
                added();
            } else if (!entry.cutLine.isEmpty()) {
                qWarning().noquote() << prefix << "ignored" << entry.cutLine;
            } else {
                qWarning().noquote() << prefix << "ignored" << entry.shortRow;
            }
        }
    };
    OrderedParallel::run<Piece>(pieces.size(), make, take, [&stopped] { return stopped; });
}
