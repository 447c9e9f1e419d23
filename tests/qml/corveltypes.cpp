// The enumeration types the entry function registers for the pages (Point.AIRP,
// Segment.HIGH...), registered the same way for the Qt Quick Tests. The exporter is not built
// yet; its type joins here when it is.
#include "baseitem.h"
#include "point.h"
#include "procedure.h"
#include "segment.h"
#include "taxiname.h"
#include "waypoint.h"

#include <QCoreApplication>
#include <QQmlEngine>

namespace {

void registerCorvelTypes()
{
    qmlRegisterUncreatableType<BaseItem>("Corvel.BaseItem", 1, 0, "BaseItem", QString());
    qmlRegisterUncreatableType<Point>("Corvel.Point", 1, 0, "Point", QString());
    qmlRegisterUncreatableType<Procedure>("Corvel.Procedure", 1, 0, "Procedure", QString());
    qmlRegisterUncreatableType<Segment>("Corvel.Segment", 1, 0, "Segment", QString());
    qmlRegisterUncreatableType<Taxiname>("Corvel.Taxiname", 1, 0, "Taxiname", QString());
    qmlRegisterUncreatableType<Waypoint>("Corvel.Waypoint", 1, 0, "Waypoint", QString());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerCorvelTypes)
