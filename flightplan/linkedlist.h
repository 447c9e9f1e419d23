#pragma once

#include <QList>
#include <QString>

class Waypoint;

// The flight plan's waypoints in route order. Its insert, removeAt and move keep every
// waypoint's previous and next links equal to the list order, and it owns the waypoints:
// clear() deletes them.
//
// It is a QList so that the plan's parts (header, terminal, profile) can read it through a
// QList<Waypoint *> pointer. Changes must go through the operations declared here: the
// QList ones would leave the chain unlinked.
class LinkedList : public QList<Waypoint *>
{
public:
    LinkedList() = default;

    int size() const { return int(QList<Waypoint *>::size()); }
    bool isEmpty() const { return QList<Waypoint *>::isEmpty(); }
    // Null when i is outside the list.
    Waypoint *at(int i) const;
    // Null when the list is empty.
    Waypoint *first() const;
    Waypoint *last() const;

    // Same point object as w (a waypoint on another point of the same UID does not count).
    bool contains(const Waypoint *w) const;
    int indexOf(const Waypoint *w) const;
    // Point UID, case-sensitive.
    bool contains(const QString &uid) const;
    int indexOf(const QString &uid) const;

    // Deletes every waypoint, then empties the list.
    void clear();
    // 0 <= i <= size(); false (nothing changed) for a null waypoint or a position outside.
    bool insert(int i, Waypoint *w);
    // Takes the entry out without deleting it; it keeps its own links. False for a row outside.
    bool removeAt(int i);
    // Both rows inside the list; false otherwise.
    bool move(int from, int to);
};
