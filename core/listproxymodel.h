#pragma once

#include <QList>
#include <QSortFilterProxyModel>
#include <QString>

class BaseItem;
class ItemListAccess;

// Filter of the point and airport lists: passes the items of the types switched on whose search
// text contains the typed text, in ascending UID order. The source must be a BaseModel<T>; with
// any other source nothing passes.
//
// Dynamic sorting and filtering are off: the lists change only when a filter is set or the
// database resets its models.
class ListProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    ListProxyModel();
    ~ListProxyModel() override;

    Q_INVOKABLE void setTextFilter(const QString &text);
    Q_INVOKABLE void setTypeFilter(bool visible, int type);

    int typeMask() const { return m_typeMask; }
    QString textFilter() const { return m_text; }

    void setSourceModel(QAbstractItemModel *sourceModel) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &sourceLeft, const QModelIndex &sourceRight) const override;

private:
    // Kept per source row so that most rows are decided without reaching into their items, which
    // lie scattered over the heap: the type (items outside the mask are most of the points) and the
    // search text when it is plain ASCII (as one block of text for all rows); used only while the
    // item in the row is the one they were taken from, as the type and search text of an item
    // never change. Beside them, each row's place in UID order, so that sorting compares two
    // numbers.
    //
    // The search texts are taken only once a text is typed, and only for the types that can pass:
    // a reset of the source (the load of a database) then reads just the types.
    struct Row
    {
        const BaseItem *item = nullptr;
        int type = 0;
        qsizetype searchFrom = 0;
        qsizetype searchLength = -1; // -1: not ASCII, not taken, or outside the mask: ask the item
    };

    void refilter();
    void rebuildRows() const;
    void rebuildSearchTexts() const;
    void rebuildRanks() const;
    const Row *cachedRow(int row, const BaseItem *item) const;

    qint32 m_typeMask = 0;
    bool m_holdRows = false;
    // The lower-cased fixed-string filter, kept as typed: the proxy's own pattern is the escaped
    // regular expression.
    QString m_text;
    bool m_textAsciiLower = true;
    const ItemListAccess *m_items = nullptr;
    QList<QMetaObject::Connection> m_sourceConnections;
    mutable QList<Row> m_rows;
    mutable QList<int> m_ranks; // place in UID order; -1: not ranked, compare the UIDs
    mutable QString m_searchTexts;
    mutable bool m_rowsDirty = true;
    mutable bool m_searchTextsDirty = true;
    mutable bool m_ranksDirty = true;
};
