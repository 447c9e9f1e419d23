#include "databasestore.h"

#include "airport.h"
#include "boundary.h"
#include "chunkedfile.h"
#include "lookupindex.h"
#include "paintlight.h"
#include "point.h"
#include "procedure.h"
#include "runway.h"
#include "segment.h"
#include "startup.h"
#include "taxiname.h"
#include "taxiway.h"

#include <QDebug>

namespace {

thread_local DatabaseStore *t_current = nullptr;

} // namespace

DatabaseStore::Scope::Scope(DatabaseStore *store)
    : m_previous(t_current)
{
    t_current = store;
}

DatabaseStore::Scope::~Scope()
{
    t_current = m_previous;
}

DatabaseStore *DatabaseStore::current()
{
    return t_current;
}

bool DatabaseStore::damaged(const QString &path, const QString &why)
{
    qWarning() << "Database file" << path << "is damaged:" << qUtf8Printable(why);
    refusal = why == QLatin1String(StoredFile::kChanged) ? QStringLiteral("changed")
              : why == QLatin1String(StoredFile::kCut)   ? QStringLiteral("cut")
                                                         : QStringLiteral("damaged");
    return false;
}

DatabaseStore::DatabaseStore()
    : lookupIndex(std::make_unique<LookupIndex>())
{
}

DatabaseStore::~DatabaseStore()
{
    if (!m_handedOver)
        deleteItems();
}

void DatabaseStore::clear()
{
    if (!m_handedOver)
        deleteItems();
    boundaries.clear();
    points.clear();
    procedures.clear();
    runways.clear();
    segments.clear();
    taxiways.clear();
    paintlights.clear();
    taxinames.clear();
    startups.clear();
    runwayIndex.clear();
    if (lookupIndex)
        lookupIndex->reset();
    cycle.clear();
}

// Segments and procedures name points, so the points go last.
void DatabaseStore::deleteItems()
{
    qDeleteAll(segments.items());
    qDeleteAll(procedures.items());
    qDeleteAll(runways.items());
    qDeleteAll(boundaries.items());
    qDeleteAll(taxiways.items());
    qDeleteAll(paintlights.items());
    qDeleteAll(taxinames.items());
    qDeleteAll(startups.items());
    qDeleteAll(points.items());
}
