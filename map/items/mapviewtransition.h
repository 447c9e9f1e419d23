#pragma once

#include <QObject>

class QAbstractAnimation;
class QQuickItem;

// Plays a QML Transition (the `add` and `remove` of a map item view) on one delegate. Qt Quick
// runs a Transition only for its own views and states, so the Transition's animations are read
// as a description (property, from, to, duration, easing, nested parallel and sequential groups,
// pauses) and a fresh animation of that shape is built for each delegate; any number of
// delegates can thus be in transition at once.
class MapViewTransition
{
public:
    // An animation of the item (owned by it, not yet started), or null when the transition is
    // null, disabled or animates nothing.
    static QAbstractAnimation *build(QObject *transition, QQuickItem *item);
};
