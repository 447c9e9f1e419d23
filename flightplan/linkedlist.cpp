#include "linkedlist.h"

#include "waypoint.h"

#include <algorithm>

using Base = QList<Waypoint *>;

namespace {

void notify(Waypoint *waypoint)
{
    if (waypoint)
        waypoint->linkChanged(true);
}

} // namespace

Waypoint *LinkedList::at(int i) const
{
    return i < 0 || i >= size() ? nullptr : Base::at(i);
}

Waypoint *LinkedList::first() const
{
    return isEmpty() ? nullptr : Base::constFirst();
}

Waypoint *LinkedList::last() const
{
    return isEmpty() ? nullptr : Base::constLast();
}

bool LinkedList::contains(const Waypoint *w) const
{
    return indexOf(w) >= 0;
}

int LinkedList::indexOf(const Waypoint *w) const
{
    if (!w)
        return -1;
    for (int i = 0; i < size(); ++i) {
        const Waypoint *entry = Base::at(i);
        if (entry && entry->samePoint(w))
            return i;
    }
    return -1;
}

bool LinkedList::contains(const QString &uid) const
{
    return indexOf(uid) >= 0;
}

int LinkedList::indexOf(const QString &uid) const
{
    for (int i = 0; i < size(); ++i) {
        const Waypoint *entry = Base::at(i);
        if (entry && entry->uid() == uid)
            return i;
    }
    return -1;
}

void LinkedList::clear()
{
    for (Waypoint *waypoint : std::as_const(*this))
        delete waypoint;
    if (isDetached()) {
        Base::clear();
    } else {
        // Another copy still shares the storage and its pointers, which are deleted now.
        const qsizetype capacity = Base::capacity();
        Base::operator=(Base());
        reserve(capacity);
    }
}

bool LinkedList::insert(int i, Waypoint *w)
{
    if (!w || i < 0 || i > size())
        return false;
    Base::insert(i, w);
    Waypoint *p = at(i - 1);
    Waypoint *q = at(i + 1);
    LinkedItem::setNext(p, w);
    LinkedItem::setPrevious(w, p);
    LinkedItem::setNext(w, q);
    LinkedItem::setPrevious(q, w);
    return true;
}

bool LinkedList::removeAt(int i)
{
    if (i < 0 || i >= size())
        return false;
    Base::removeAt(i);
    if (i > 0) {
        Waypoint *p = at(i - 1);
        Waypoint *q = at(i);
        LinkedItem::setNext(p, q);
        LinkedItem::setPrevious(q, p);
        notify(p);
    } else {
        LinkedItem::setPrevious(first(), nullptr);
    }
    return true;
}

bool LinkedList::move(int from, int to)
{
    if (from < 0 || from >= size() || to < 0 || to >= size())
        return false;
    Waypoint *p = at(from - 1);
    Waypoint *q = at(from + 1);
    LinkedItem::setNext(p, q);
    LinkedItem::setPrevious(q, p);

    Base::move(from, to);

    Waypoint *m = at(to);
    Waypoint *r = at(to - 1);
    Waypoint *s = at(to + 1);
    LinkedItem::setNext(r, m);
    LinkedItem::setPrevious(m, r);
    LinkedItem::setNext(m, s);
    LinkedItem::setPrevious(s, m);

    for (Waypoint *waypoint : {p, q, r, m, s})
        notify(waypoint);
    return true;
}
