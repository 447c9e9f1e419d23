#pragma once

#include "mapitembase.h"

// Several map items handled as one (shown, hidden, faded together). It stays at the layer's
// origin, so the items inside it lie in layer coordinates as their siblings outside do.
class MapItemGroup : public MapItemBase
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit MapItemGroup(QQuickItem *parent = nullptr);
};
