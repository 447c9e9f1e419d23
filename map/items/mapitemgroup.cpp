#include "mapitemgroup.h"

MapItemGroup::MapItemGroup(QQuickItem *parent)
    : MapItemBase(parent)
{
}
