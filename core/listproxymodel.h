#pragma once

#include <QSortFilterProxyModel>
#include <QString>

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
    void refilter();

    qint32 m_typeMask = 0;
    bool m_holdRows = false;
    // The lower-cased fixed-string filter, kept as typed: the proxy's own pattern is the escaped
    // regular expression.
    QString m_text;
    const ItemListAccess *m_items = nullptr;
    QMetaObject::Connection m_destroyedConnection;
};
