#include "awyreader.h"

#include "database.h"
#include "internedtext.h"
#include "point.h"
#include "segment.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGeoCoordinate>
#include <QHash>
#include <QVarLengthArray>

#include <algorithm>
#include <limits>

LineFileReader::Format AwyReader::format() const
{
    // clang-format off
    return {"AWY",
            {QStringLiteral("1100"), QStringLiteral("1101")},
            11,
            8,
            true,
            true,
            QT_TRANSLATE_NOOP("XpLoader", "Loading segments:"),
            "AWY, cycle"};
    // clang-format on
}

// The row names the kind of each end: a point of another kind that shares ident and region
// (an NDB beside a VOR, a fix named after a navaid) may lie far away.
struct AwyReader::Row : PreparedRow
{
    bool backward = false;
    int direction = Segment::NONE;
    int level = 0;
    int base = 0;
    int top = 0;
    QString name;
    End ends[2];
    // Built on the preparing thread when neither end has namesakes to choose among.
    std::unique_ptr<Segment> segment;
};

// A row's segment (of plain ends) or, with namesakes to choose among, the row itself.
struct AwyReader::Pending
{
    std::unique_ptr<Segment> segment;
    std::unique_ptr<Row> row;
};

AwyReader::AwyReader(Database *database, ProgressFn progress, CancelFn cancelled)
    : LineFileReader(database, std::move(progress), std::move(cancelled))
{
}

AwyReader::~AwyReader() = default;

// The namesakes to choose. Every (airway, level, end) that names several points is one choice,
// made once for all its rows; a row of joined airway names ("J1-J2") makes the choices of its
// end on each of them one. Each leg costs its length, and the choices minimise the sum of the
// legs: exactly along a chain or a tree of choices, which is what airways make of them; where
// the legs close a loop, the choices are then bettered one by one until none gets shorter.
class AwyReader::Choices
{
public:
    // The choice of an end with several candidates, on a row of these names and level.
    int join(const End &end, const QString &names, int level)
    {
        int first = -1;
        const QString place = QLatin1Char('\n') + QString::number(level) + QLatin1Char('\n') + end.uid
                              + QLatin1Char('\n') + QString::number(end.kind);
        for (const QStringView name : QStringView(names).split(QLatin1Char('-'))) {
            const QString key = name.toString() + place;
            auto found = m_keys.constFind(key);
            if (found == m_keys.cend()) {
                found = m_keys.insert(key, int(m_parent.size()));
                m_parent.push_back(int(m_parent.size()));
                m_placeOf.push_back(placeOf(end));
            }
            if (first < 0)
                first = found.value();
            else
                m_parent[root(found.value())] = root(first);
        }
        return first;
    }

    // Once every end is joined: numbers the choices 0..n-1 and gives each end its own.
    void close(const std::vector<Row *> &rows)
    {
        std::vector<int> number(m_parent.size(), -1);
        for (size_t i = 0; i < m_parent.size(); ++i) {
            int &n = number[size_t(root(int(i)))];
            if (n < 0) {
                n = int(m_positions.size());
                m_positions.emplace_back();
                m_choicePlace.push_back(m_placeOf[i]);
                const Place &place = m_places[size_t(m_placeOf[i])];
                for (const int first : place.firsts)
                    m_positions.back().append(place.points.at(first)->position());
            }
        }
        m_unary.resize(m_positions.size());
        m_neighbours.resize(m_positions.size());
        for (size_t v = 0; v < m_positions.size(); ++v)
            m_unary[v].assign(size_t(m_positions[v].size()), 0.0);
        for (Row *row : rows) {
            for (End &end : row->ends) {
                if (end.choice >= 0)
                    end.choice = number[size_t(root(end.choice))];
            }
            addLeg(row->ends[0], row->ends[1]);
        }
    }

    // The candidate each choice takes, by choice.
    std::vector<int> solve() const
    {
        const size_t count = m_positions.size();
        std::vector<int> chosen(count, 0);
        std::vector<int> parent(count, -1);
        std::vector<bool> seen(count, false);
        std::vector<int> order;
        order.reserve(count);
        // Per choice and candidate: the shortest legs of its subtree; and per choice, for each
        // candidate of its parent, its own candidate that goes with it.
        std::vector<std::vector<double>> cost(count);
        std::vector<std::vector<int>> best(count);
        for (size_t start = 0; start < count; ++start) {
            if (seen[start])
                continue;
            const size_t from = order.size();
            seen[start] = true;
            order.push_back(int(start));
            size_t links = 0;
            for (size_t at = from; at < order.size(); ++at) {
                const int v = order[at];
                links += m_neighbours[size_t(v)].size();
                for (const int n : m_neighbours[size_t(v)]) {
                    if (!seen[size_t(n)]) {
                        seen[size_t(n)] = true;
                        parent[size_t(n)] = v;
                        order.push_back(n);
                    }
                }
            }
            for (size_t at = order.size(); at-- > from;) {
                const size_t v = size_t(order[at]);
                cost[v] = m_unary[v];
                for (const int n : m_neighbours[v]) {
                    if (parent[size_t(n)] == int(v))
                        addSubtree(v, size_t(n), cost, best);
                }
            }
            chosen[start] = cheapest(cost[start]);
            for (size_t at = from + 1; at < order.size(); ++at) {
                const size_t v = size_t(order[at]);
                chosen[v] = best[v][size_t(chosen[size_t(parent[v])])];
            }
            // Each link counted from both ends: more than a tree's means a loop.
            if (links / 2 >= order.size() - from)
                better(order, from, chosen);
        }
        return chosen;
    }

    // Once solved: the namesake of each chosen place that all its airways meet at, the one of
    // the shortest legs to the other ends (the first read on a tie).
    void elect(const std::vector<Row *> &rows, const std::vector<int> &chosen)
    {
        std::vector<std::vector<double>> lengths(m_places.size());
        for (const Row *row : rows) {
            for (int e = 0; e < 2; ++e) {
                const End &end = row->ends[e];
                if (end.choice < 0)
                    continue;
                const size_t p = size_t(m_choicePlace[size_t(end.choice)]);
                const Place &place = m_places[p];
                const int cluster = chosen[size_t(end.choice)];
                const Point *other = at(row->ends[1 - e], chosen, false);
                if (!other || place.firsts.size() == size_t(place.points.size()))
                    continue;
                if (lengths[p].empty())
                    lengths[p].assign(size_t(place.points.size()), 0.0);
                for (qsizetype i = 0; i < place.points.size(); ++i) {
                    if (place.clusterOf[size_t(i)] == cluster)
                        lengths[p][size_t(i)] += place.points.at(i)->position().distanceTo(other->position());
                }
            }
        }
        for (size_t p = 0; p < m_places.size(); ++p) {
            Place &place = m_places[p];
            place.elected = place.firsts;
            for (size_t i = 0; i < lengths[p].size(); ++i) {
                int &elected = place.elected[size_t(place.clusterOf[i])];
                if (lengths[p][i] < lengths[p][size_t(elected)])
                    elected = int(i);
            }
        }
    }

    Point *pointOf(const End &end, const std::vector<int> &chosen) const { return at(end, chosen, true); }

private:
    // Copies of one station or fix in the data (a VOR and its DME, a fix listed twice, one moved
    // a little in a later cycle) lie well under a mile apart, while distinct places that share
    // an ident and region are kept hundreds of miles apart so that crews cannot confuse them.
    // Namesakes within 5 NM of one another (or chained so) are one place: every airway that
    // reaches it meets at one of them, or routes could not turn there from one airway to another.
    static constexpr double kSamePlaceMetres = 5 * 1852.0;

    struct Place
    {
        explicit Place(const QList<Point *> &candidates)
            : points(candidates)
            , clusterOf(size_t(candidates.size()), -1)
        {
            for (qsizetype i = 0; i < points.size(); ++i) {
                if (clusterOf[size_t(i)] >= 0)
                    continue;
                const int cluster = int(firsts.size());
                firsts.push_back(int(i));
                clusterOf[size_t(i)] = cluster;
                std::vector<qsizetype> reached{i};
                while (!reached.empty()) {
                    const QGeoCoordinate from = points.at(reached.back())->position();
                    reached.pop_back();
                    for (qsizetype j = i + 1; j < points.size(); ++j) {
                        if (clusterOf[size_t(j)] < 0 && from.distanceTo(points.at(j)->position()) < kSamePlaceMetres) {
                            clusterOf[size_t(j)] = cluster;
                            reached.push_back(j);
                        }
                    }
                }
            }
        }

        QList<Point *> points;
        // Per point, its cluster; per cluster, its first point and the one elected.
        std::vector<int> clusterOf;
        std::vector<int> firsts;
        std::vector<int> elected;
    };

    int placeOf(const End &end)
    {
        const QString key = end.uid + QLatin1Char('\n') + QString::number(end.kind);
        auto found = m_placeKeys.constFind(key);
        if (found == m_placeKeys.cend()) {
            found = m_placeKeys.insert(key, int(m_places.size()));
            m_places.emplace_back(end.candidates);
        }
        return found.value();
    }

    // The point of an end: its elected namesake, or before the election the first of its cluster.
    Point *at(const End &end, const std::vector<int> &chosen, bool elected) const
    {
        if (end.choice < 0)
            return end.candidates.value(0);
        const Place &place = m_places[size_t(m_choicePlace[size_t(end.choice)])];
        const int cluster = chosen[size_t(end.choice)];
        return place.points.value((elected ? place.elected : place.firsts)[size_t(cluster)]);
    }

    int root(int i)
    {
        while (m_parent[size_t(i)] != i)
            i = m_parent[size_t(i)] = m_parent[size_t(m_parent[size_t(i)])];
        return i;
    }

    void addLeg(const End &a, const End &b)
    {
        if (a.choice >= 0 && b.choice >= 0) {
            if (a.choice != b.choice) {
                link(size_t(a.choice), b.choice);
                link(size_t(b.choice), a.choice);
            }
        } else if (a.choice >= 0 || b.choice >= 0) {
            const End &open = a.choice >= 0 ? a : b;
            const Point *fixed = (a.choice >= 0 ? b : a).candidates.value(0);
            if (!fixed)
                return;
            const QList<QGeoCoordinate> &positions = m_positions[size_t(open.choice)];
            for (qsizetype i = 0; i < positions.size(); ++i)
                m_unary[size_t(open.choice)][size_t(i)] += positions.at(i).distanceTo(fixed->position());
        }
    }

    void link(size_t v, int n)
    {
        std::vector<int> &list = m_neighbours[v];
        if (std::find(list.cbegin(), list.cend(), n) == list.cend())
            list.push_back(n);
    }

    double leg(size_t v, int i, size_t n, int j) const { return m_positions[v].at(i).distanceTo(m_positions[n].at(j)); }

    // Adds to each candidate of v the shortest legs through its child c.
    void addSubtree(size_t v, size_t c, std::vector<std::vector<double>> &cost,
                    std::vector<std::vector<int>> &best) const
    {
        best[c].assign(cost[v].size(), 0);
        for (size_t i = 0; i < cost[v].size(); ++i) {
            double shortest = std::numeric_limits<double>::infinity();
            for (size_t j = 0; j < cost[c].size(); ++j) {
                const double total = leg(v, int(i), c, int(j)) + cost[c][j];
                if (total < shortest) {
                    shortest = total;
                    best[c][i] = int(j);
                }
            }
            cost[v][i] += shortest;
        }
    }

    static int cheapest(const std::vector<double> &costs)
    {
        return int(std::min_element(costs.cbegin(), costs.cend()) - costs.cbegin());
    }

    // Lets each choice of order[from..] take the candidate nearest its neighbours' until none
    // changes (each change shortens the sum, so this ends; a few rounds settle it).
    void better(const std::vector<int> &order, size_t from, std::vector<int> &chosen) const
    {
        for (int round = 0; round < 16; ++round) {
            bool changed = false;
            for (size_t at = from; at < order.size(); ++at) {
                const size_t v = size_t(order[at]);
                std::vector<double> costs = m_unary[v];
                for (size_t i = 0; i < costs.size(); ++i) {
                    for (const int n : m_neighbours[v])
                        costs[i] += leg(v, int(i), size_t(n), chosen[size_t(n)]);
                }
                const int pick = cheapest(costs);
                if (costs[size_t(pick)] < costs[size_t(chosen[v])]) {
                    chosen[v] = pick;
                    changed = true;
                }
            }
            if (!changed)
                return;
        }
    }

    QHash<QString, int> m_keys;
    std::vector<int> m_parent;
    std::vector<int> m_placeOf;
    QHash<QString, int> m_placeKeys;
    std::vector<Place> m_places;
    // Per numbered choice: its place, and the position of each of its clusters.
    std::vector<int> m_choicePlace;
    std::vector<QList<QGeoCoordinate>> m_positions;
    std::vector<std::vector<double>> m_unary;
    std::vector<std::vector<int>> m_neighbours;
};

namespace {

// The UID of the enroute point of that identifier and region, made from the row's bytes in one go.
QString endUidOf(QByteArrayView identifier, QByteArrayView region)
{
    QVarLengthArray<char, 64> uid;
    if (region != "*") {
        uid.append(region.data(), region.size());
        uid.append('/');
    }
    uid.append("ENRT/", 5);
    uid.append(identifier.data(), identifier.size());
    return QString::fromUtf8(uid.constData(), uid.size());
}

} // namespace

AwyReader::End AwyReader::findEnd(QByteArrayView identifier, QByteArrayView region, int kind)
{
    End end;
    end.uid = endUidOf(identifier, region);
    end.kind = kind;
    switch (kind) {
    case 11:
        end.candidates = Database::pointsOfType(end.uid, {Point::FIX});
        break;
    case 2:
        end.candidates = Database::pointsOfType(end.uid, {Point::NDB});
        break;
    case 3:
        // A TACAN or a lone DME is a VHF navaid of the airways too.
        end.candidates = Database::pointsOfType(end.uid, {Point::VOR, Point::DME, Point::DMEILS});
        break;
    default:
        break;
    }
    end.ofKind = !end.candidates.isEmpty();
    if (!end.ofKind)
        end.candidates = Database::pointsOfUid(end.uid);
    return end;
}

void AwyReader::reportEnd(const End &end, const QString &airway)
{
    if (end.ofKind)
        return;
    if (!end.point) {
        Database::findPoint(end.uid, true);
        return;
    }
    if (!m_warnedEnds.contains(end.uid)) {
        m_warnedEnds.insert(end.uid);
        qWarning() << "AWY:" << airway << "end" << end.uid << "of kind" << end.kind
                   << "has no point of that kind; joined to" << end.point->typeString();
    }
}

std::unique_ptr<LineFileReader::PreparedRow> AwyReader::prepareRow(const Fields &fields) const
{
    auto row = std::make_unique<Row>();
    const QByteArrayView direction = fields.at(6);
    if (direction == "F") {
        row->direction = Segment::FORWARD;
    } else if (direction == "B") {
        row->direction = Segment::BACKWARD;
        row->backward = true;
    }
    row->level = TextFields::toInt(fields.at(7));
    row->base = TextFields::toInt(fields.at(8));
    row->top = TextFields::toInt(fields.at(9));
    row->name = InternedText::fromUtf8(fields.at(10)).text();
    for (int i = 0; i < 2; ++i) {
        End &end = row->ends[i];
        end = findEnd(fields.at(3 * i), fields.at(3 * i + 1), TextFields::toInt(fields.at(3 * i + 2)));
        if (end.candidates.size() <= 1)
            end.point = end.candidates.value(0);
    }
    Point *p0 = row->ends[0].point;
    Point *p1 = row->ends[1].point;
    if (p0 && p1)
        row->segment = std::make_unique<Segment>(row->direction, row->level, p0, p1, row->name, row->base, row->top);
    return row;
}

void AwyReader::finishRow(std::unique_ptr<PreparedRow> prepared)
{
    std::unique_ptr<Row> row(static_cast<Row *>(prepared.release()));
    if (row->ends[0].candidates.size() > 1 || row->ends[1].candidates.size() > 1) {
        m_pending.push_back({nullptr, std::move(row)});
        return;
    }
    // Counted now, for the progress of the reading; added in file order once the namesakes of
    // the other rows are chosen.
    warn(*row);
    if (row->segment) {
        added();
        m_pending.push_back({std::move(row->segment), nullptr});
    }
}

void AwyReader::finishRows()
{
    if (cancelled()) {
        m_pending.clear();
        return;
    }
    Choices choices;
    std::vector<Row *> choosing;
    for (const Pending &pending : m_pending) {
        if (Row *row = pending.row.get()) {
            for (End &end : row->ends) {
                if (end.candidates.size() > 1)
                    end.choice = choices.join(end, row->name, row->level);
            }
            choosing.push_back(row);
        }
    }
    if (!choosing.empty()) {
        choices.close(choosing);
        const std::vector<int> chosen = choices.solve();
        choices.elect(choosing, chosen);
        for (Row *row : choosing) {
            for (End &end : row->ends) {
                if (end.choice >= 0)
                    end.point = choices.pointOf(end, chosen);
            }
            if (row->ends[0].point && row->ends[1].point)
                row->segment = std::make_unique<Segment>(row->direction, row->level, row->ends[0].point,
                                                         row->ends[1].point, row->name, row->base, row->top);
        }
    }
    for (Pending &pending : m_pending) {
        if (pending.row) {
            warn(*pending.row);
            if (!pending.row->segment)
                continue;
            pending.segment = std::move(pending.row->segment);
            added();
        }
        database()->addSegment(pending.segment.release());
    }
    m_pending.clear();
}

void AwyReader::warn(const Row &row)
{
    if (row.backward)
        qWarning() << "Backward routes are not handled!";
    reportEnd(row.ends[0], row.name);
    reportEnd(row.ends[1], row.name);
    if (!row.segment) {
        const End &e0 = row.ends[0];
        const End &e1 = row.ends[1];
        qWarning() << "AWY:" << row.name << "p0" << e0.point << e0.uid << "or p1" << e1.point << e1.uid
                   << "not found in database!";
    }
}
