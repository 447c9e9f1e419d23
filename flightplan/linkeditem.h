#pragma once

#include <QObject>

// An element of the flight plan's chain: it knows the element before and after it, so that
// the leg computation, the constraint rules and the texts of a waypoint can look at its
// neighbours directly. The links are kept equal to the list order by LinkedList; an item
// never changes the links of its neighbours itself.
class LinkedItem : public QObject
{
    Q_OBJECT

public:
    LinkedItem();
    // A parentless copy that keeps the links of the source as they stand; inserting the copy
    // into a list relinks it.
    explicit LinkedItem(const LinkedItem *other);
    // Clears the own links only: the neighbours still point here until the list relinks them.
    ~LinkedItem() override;

    LinkedItem *previous() const { return m_previous; }
    LinkedItem *next() const { return m_next; }
    bool hasPrevious() const { return m_previous != nullptr; }
    bool hasNext() const { return m_next != nullptr; }
    bool isFirst() const { return m_previous == nullptr; }
    bool isLast() const { return m_next == nullptr; }

    // Set a link of item; a null item is left alone.
    static void setPrevious(LinkedItem *item, LinkedItem *link);
    static void setNext(LinkedItem *item, LinkedItem *link);

public slots:
    // Called by the list on the items whose links a move or a removal changed.
    virtual void linkChanged(bool changed);

private:
    LinkedItem *m_previous = nullptr;
    LinkedItem *m_next = nullptr;
};
