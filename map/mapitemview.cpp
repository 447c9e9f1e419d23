#include "mapitemview.h"

#include "mapviewtransition.h"

#include <QAbstractAnimation>
#include <QJSValue>
#include <QQmlEngine>
#include <QQmlInfo>

MapItemView::MapItemView(QQuickItem *parent)
    : MapItemBase(parent)
{
}

MapItemView::~MapItemView()
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
}

QVariant MapItemView::model() const
{
    return m_modelValue;
}

void MapItemView::setModel(const QVariant &model)
{
    QVariant value = model;
    if (value.metaType() == QMetaType::fromType<QJSValue>())
        value = QVariant::fromValue(value.value<QJSValue>().toQObject());
    auto *itemModel = qobject_cast<QAbstractItemModel *>(value.value<QObject *>());
    if (itemModel == m_model && m_modelValue.isValid() == model.isValid())
        return;
    if (model.isValid() && !model.isNull() && !itemModel && value.value<QObject *>() != nullptr)
        qmlWarning(this) << "MapItemView: the model is not a list model";
    m_modelValue = model;
    m_model = itemModel;
    connectModel();
    if (isComponentComplete())
        rebuild();
    emit modelChanged();
}

void MapItemView::setDelegate(QQmlComponent *delegate)
{
    if (delegate == m_delegate)
        return;
    m_delegate = delegate;
    if (isComponentComplete())
        rebuild();
    emit delegateChanged();
}

void MapItemView::setAdd(QObject *transition)
{
    if (transition == m_add)
        return;
    m_add = transition;
    emit addChanged();
}

void MapItemView::setRemove(QObject *transition)
{
    if (transition == m_remove)
        return;
    m_remove = transition;
    emit removeChanged();
}

QQuickItem *MapItemView::itemAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row).item.data() : nullptr;
}

void MapItemView::componentComplete()
{
    MapItemBase::componentComplete();
    rebuild();
}

void MapItemView::connectModel()
{
    for (const QMetaObject::Connection &c : std::as_const(m_modelConnections))
        disconnect(c);
    m_modelConnections.clear();
    if (!m_model)
        return;
    QAbstractItemModel *model = m_model;
    m_modelConnections
        << connect(model, &QAbstractItemModel::rowsInserted, this, &MapItemView::rowsInserted)
        << connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &MapItemView::rowsAboutToBeRemoved)
        << connect(model, &QAbstractItemModel::dataChanged, this, &MapItemView::dataChanged)
        << connect(model, &QAbstractItemModel::modelReset, this, &MapItemView::rebuild)
        << connect(model, &QAbstractItemModel::rowsMoved, this, &MapItemView::rebuild)
        << connect(model, &QAbstractItemModel::layoutChanged, this, &MapItemView::rebuild)
        << connect(model, &QObject::destroyed, this, &MapItemView::clear);
}

void MapItemView::clear()
{
    const bool hadRows = !m_entries.isEmpty();
    for (Entry &entry : m_entries)
        release(entry, false);
    m_entries.clear();
    m_indicesFrom = -1;
    if (hadRows)
        emit countChanged();
}

void MapItemView::rebuild()
{
    clear();
    if (!m_model || !m_delegate || !isComponentComplete())
        return;
    m_roleNames = m_model->roleNames();
    const int rows = m_model->rowCount();
    m_entries.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        Entry entry = create(row, false);
        if (entry.item)
            m_entries.append(entry);
    }
    if (!m_entries.isEmpty())
        emit countChanged();
}

MapItemView::Entry MapItemView::create(int row, bool animate)
{
    Entry entry;
    entry.row = row;
    QQmlContext *parentContext = m_delegate->creationContext() ? m_delegate->creationContext() : qmlContext(this);
    if (!parentContext)
        return entry;
    // All names are set before the delegate exists: a name added to a live context would make
    // every binding in it evaluate again.
    auto *context = new QQmlContext(parentContext);
    QList<QQmlContext::PropertyPair> properties;
    properties.reserve(m_roleNames.size() + 1);
    const QModelIndex index = m_model->index(row, 0);
    QVariantMap initial;
    for (auto it = m_roleNames.cbegin(); it != m_roleNames.cend(); ++it)
        properties.append({QString::fromUtf8(it.value()), m_model->data(index, it.key())});
    properties.append({QStringLiteral("index"), row});
    context->setContextProperties(properties);

    QObject *object = m_delegate->beginCreate(context);
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item) {
        if (object) {
            qmlWarning(this) << "MapItemView: the delegate is not an item";
            m_delegate->completeCreate();
            delete object;
        } else {
            qmlWarning(this) << m_delegate->errorString();
        }
        delete context;
        return entry;
    }
    // Delegates that declare a role (or `index`) as a property of their own get it set, so that
    // required properties work too.
    const QMetaObject *meta = item->metaObject();
    for (const QQmlContext::PropertyPair &p : std::as_const(properties)) {
        if (meta->indexOfProperty(p.name.toUtf8().constData()) >= 0)
            initial.insert(p.name, p.value);
    }
    if (!initial.isEmpty())
        m_delegate->setInitialProperties(item, initial);
    QQmlEngine::setObjectOwnership(item, QQmlEngine::CppOwnership);
    item->setParent(this);
    item->setParentItem(this);
    m_delegate->completeCreate();
    context->setParent(item);
    entry.item = item;
    entry.context = context;

    if (animate) {
        if (QAbstractAnimation *animation = MapViewTransition::build(m_add, item))
            animation->start(QAbstractAnimation::DeleteWhenStopped);
    }
    return entry;
}

void MapItemView::release(Entry &entry, bool animate)
{
    QQuickItem *item = entry.item;
    entry.item = nullptr;
    if (!item)
        return;
    if (animate) {
        if (QAbstractAnimation *animation = MapViewTransition::build(m_remove, item)) {
            // Stays on the map until its transition has played.
            connect(animation, &QAbstractAnimation::finished, item, [item] {
                item->setParentItem(nullptr);
                item->deleteLater();
            });
            animation->start(QAbstractAnimation::DeleteWhenStopped);
            return;
        }
    }
    // Off the scene at once (no frame shows it), deleted once control returns to the event loop,
    // so that a delegate whose own handler removed its row is not deleted under its feet.
    item->setParentItem(nullptr);
    item->deleteLater();
}

void MapItemView::rowsInserted(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid() || !m_delegate || !isComponentComplete())
        return;
    if (m_roleNames.isEmpty())
        m_roleNames = m_model->roleNames();
    first = std::clamp(first, 0, int(m_entries.size()));
    QList<Entry> created;
    created.reserve(last - first + 1);
    QQuickItem *below = first > 0 ? m_entries.at(first - 1).item.data() : nullptr;
    QQuickItem *above = first < m_entries.size() ? m_entries.at(first).item.data() : nullptr;
    for (int row = first; row <= last; ++row) {
        Entry entry = create(row, true);
        if (!entry.item)
            continue;
        // Delegates stack in row order.
        if (below)
            entry.item->stackAfter(below);
        else if (above)
            entry.item->stackBefore(above);
        below = entry.item;
        created.append(entry);
    }
    m_entries.insert(first, created.size(), Entry());
    std::copy(created.begin(), created.end(), m_entries.begin() + first);
    indicesShifted(first + created.size());
    if (!created.isEmpty())
        emit countChanged();
}

void MapItemView::rowsAboutToBeRemoved(const QModelIndex &parent, int first, int last)
{
    if (parent.isValid() || first >= m_entries.size())
        return;
    last = std::min(last, int(m_entries.size()) - 1);
    for (int row = first; row <= last; ++row)
        release(m_entries[row], true);
    m_entries.remove(first, last - first + 1);
    indicesShifted(first);
    emit countChanged();
}

void MapItemView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    const int last = std::min(bottomRight.row(), int(m_entries.size()) - 1);
    for (int row = std::max(0, topLeft.row()); row <= last; ++row)
        setRoles(m_entries[row], row, roles);
}

void MapItemView::setRoles(Entry &entry, int row, const QList<int> &roles)
{
    if (!entry.item || !m_model)
        return;
    const QModelIndex index = m_model->index(row, 0);
    const QList<int> changed = roles.isEmpty() ? m_roleNames.keys() : roles;
    for (int role : changed) {
        const auto name = m_roleNames.constFind(role);
        if (name == m_roleNames.cend())
            continue;
        const QVariant value = m_model->data(index, role);
        entry.context->setContextProperty(QString::fromUtf8(name.value()), value);
        if (entry.item->metaObject()->indexOfProperty(name.value().constData()) >= 0)
            entry.item->setProperty(name.value().constData(), value);
    }
}

void MapItemView::indicesShifted(qsizetype from)
{
    if (from >= m_entries.size())
        return;
    const bool pending = m_indicesFrom >= 0;
    m_indicesFrom = pending ? std::min(m_indicesFrom, from) : from;
    if (window())
        polish();
    else if (!pending)
        QMetaObject::invokeMethod(this, &MapItemView::updatePolish, Qt::QueuedConnection);
}

void MapItemView::updatePolish()
{
    if (m_indicesFrom < 0)
        return;
    for (qsizetype row = m_indicesFrom; row < m_entries.size(); ++row) {
        Entry &entry = m_entries[row];
        if (entry.row == row || !entry.item)
            continue;
        entry.row = int(row);
        entry.context->setContextProperty(QStringLiteral("index"), entry.row);
        if (entry.item->metaObject()->indexOfProperty("index") >= 0)
            entry.item->setProperty("index", entry.row);
    }
    m_indicesFrom = -1;
}
