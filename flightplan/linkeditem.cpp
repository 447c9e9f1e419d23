#include "linkeditem.h"

LinkedItem::LinkedItem() = default;

LinkedItem::LinkedItem(const LinkedItem *other)
{
    if (other) {
        m_previous = other->m_previous;
        m_next = other->m_next;
    }
}

LinkedItem::~LinkedItem()
{
    m_previous = nullptr;
    m_next = nullptr;
}

void LinkedItem::setPrevious(LinkedItem *item, LinkedItem *link)
{
    if (item)
        item->m_previous = link;
}

void LinkedItem::setNext(LinkedItem *item, LinkedItem *link)
{
    if (item)
        item->m_next = link;
}

void LinkedItem::linkChanged(bool changed)
{
    Q_UNUSED(changed)
}
