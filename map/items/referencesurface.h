#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// How a polyline runs between its points: straight on the map, or along the great circle.
namespace ReferenceSurface {
Q_NAMESPACE
QML_ELEMENT

enum Surface { Map, Globe };
Q_ENUM_NS(Surface)
} // namespace ReferenceSurface
