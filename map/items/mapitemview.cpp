#include "mapitemview.h"

#include "mapviewtransition.h"

#include <QAbstractAnimation>
#include <QJSValue>
#include <QMetaProperty>
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
    m_binding = Binding::Unknown;
    clearPool();
    if (isComponentComplete())
        rebuild();
    emit delegateChanged();
}

void MapItemView::setReuseItems(bool reuse)
{
    if (reuse == m_reuseItems)
        return;
    m_reuseItems = reuse;
    if (!reuse)
        clearPool();
    emit reuseItemsChanged();
}

void MapItemView::clearPool()
{
    for (const Entry &entry : std::as_const(m_pool)) {
        if (entry.item)
            entry.item->deleteLater();
    }
    m_pool.clear();
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
    m_modelConnections << connect(model, &QAbstractItemModel::rowsInserted, this, &MapItemView::rowsInserted)
                       << connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                                  &MapItemView::rowsAboutToBeRemoved)
                       << connect(model, &QAbstractItemModel::dataChanged, this, &MapItemView::dataChanged)
                       << connect(model, &QAbstractItemModel::modelReset, this, &MapItemView::rebuild)
                       << connect(model, &QAbstractItemModel::rowsMoved, this, &MapItemView::rebuild)
                       << connect(model, &QAbstractItemModel::layoutChanged, this, &MapItemView::rebuild)
                       << connect(model, &QObject::destroyed, this, &MapItemView::clear);
}

void MapItemView::clear()
{
    const bool hadRows = !m_entries.isEmpty();
    for (qsizetype row = 0; row < m_entries.size(); ++row)
        release(m_entries[row], false);
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
    const QHash<int, QByteArray> roleNames = m_model->roleNames();
    if (roleNames != m_roleNames) {
        m_roleNames = roleNames;
        m_binding = Binding::Unknown;
        clearPool();
    }
    const int rows = m_model->rowCount();
    QList<Entry> created;
    created.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        Entry entry = create(row, false);
        if (entry.item)
            created.append(entry);
    }
    m_entries.insert(0, created);
    if (!m_entries.isEmpty())
        emit countChanged();
}

MapItemView::Entry MapItemView::create(int row, bool animate)
{
    Entry entry;
    entry.row = row;
    QQuickItem *item = nullptr;
    while (!m_pool.isEmpty() && !item) {
        entry = m_pool.takeLast();
        item = entry.item;
    }
    if (item) {
        entry.row = row;
        if (m_binding == Binding::Required) {
            // Every delegate of one component has the same meta object layout.
            const QModelIndex index = m_model->index(row, 0);
            const QMetaObject *meta = item->metaObject();
            for (const RequiredRole &required : std::as_const(m_required))
                meta->property(required.property)
                    .write(item, required.role < 0 ? QVariant(row) : m_model->data(index, required.role));
        } else if (entry.context) {
            setRoles(entry, row, {});
            entry.context->setContextProperty(QStringLiteral("index"), row);
        }
        if (auto *mapItem = qobject_cast<MapItemBase *>(item))
            mapItem->setParked(false);
        else
            item->setParentItem(this);
    } else {
        entry = Entry();
        entry.row = row;
        item = instantiate(row, &entry.context);
        if (!item)
            return entry;
        entry.item = item;
    }
    if (animate) {
        if (QAbstractAnimation *animation = MapViewTransition::build(m_add, item))
            animation->start(QAbstractAnimation::DeleteWhenStopped);
    }
    return entry;
}

QVariantMap MapItemView::requiredValues(int row) const
{
    QVariantMap values;
    const QModelIndex index = m_model->index(row, 0);
    for (const RequiredRole &required : m_required)
        values.insert(QString::fromUtf8(required.name),
                      required.role < 0 ? QVariant(row) : m_model->data(index, required.role));
    return values;
}

QQuickItem *MapItemView::instantiate(int row, QQmlContext **contextOut)
{
    QQmlContext *parentContext = m_delegate->creationContext() ? m_delegate->creationContext() : qmlContext(this);
    if (!parentContext)
        return nullptr;
    QQmlContext *context = nullptr;
    if (m_binding != Binding::Required) {
        // All names are set before the delegate exists: a name added to a live context would
        // make every binding in it evaluate again.
        context = new QQmlContext(parentContext);
        QList<QQmlContext::PropertyPair> properties;
        properties.reserve(m_roleNames.size() + 1);
        const QModelIndex index = m_model->index(row, 0);
        for (auto it = m_roleNames.cbegin(); it != m_roleNames.cend(); ++it)
            properties.append({QString::fromUtf8(it.value()), m_model->data(index, it.key())});
        properties.append({QStringLiteral("index"), row});
        context->setContextProperties(properties);
    }

    QObject *object = m_delegate->beginCreate(context ? context : parentContext);
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
        return nullptr;
    }
    if (m_binding == Binding::Unknown)
        learnBinding(item);
    const QVariantMap initial = requiredValues(row);
    if (!initial.isEmpty())
        m_delegate->setInitialProperties(item, initial);
    QQmlEngine::setObjectOwnership(item, QQmlEngine::CppOwnership);
    item->setParent(this);
    item->setParentItem(this);
    m_delegate->completeCreate();
    if (context)
        context->setParent(item);
    *contextOut = context;
    return item;
}

void MapItemView::learnBinding(QQuickItem *item)
{
    // As in Qt's views: a delegate that declares its roles (required properties named after
    // them, or `index`) gets them through those alone; one that declares none reads every role
    // from its context. Qt 6.4 does not tell a QML property's required flag through the meta
    // object, so a property the delegate declares under a role's name counts; the properties of
    // the C++ item it is built on (x, visible...) never do.
    m_required.clear();
    const QMetaObject *meta = item->metaObject();
    const QMetaObject *native = meta;
    while (native && QByteArray(native->className()).contains("_QML"))
        native = native->superClass();
    for (int i = native ? native->propertyCount() : 0; i < meta->propertyCount(); ++i) {
        const QByteArray name = meta->property(i).name();
        // A model that stands for rows of another names their `index` as a role of its own.
        const int role = m_roleNames.key(name, -2);
        if (role != -2)
            m_required.append({name, role, i});
        else if (name == "index")
            m_required.append({name, -1, i});
    }
    m_binding = m_required.isEmpty() ? Binding::Context : Binding::Required;
}

void MapItemView::release(Entry &entry, bool animate)
{
    QQuickItem *item = entry.item;
    const Entry kept = entry;
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
    if (m_reuseItems && m_binding != Binding::Unknown) {
        if (auto *mapItem = qobject_cast<MapItemBase *>(item))
            mapItem->setParked(true);
        else
            item->setParentItem(nullptr);
        m_pool.append(kept);
        return;
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
    // New delegates go on top of the older ones, as they are created: restacking each in row
    // order would cost a pass over all siblings per row when a filter inserts thousands.
    for (int row = first; row <= last; ++row) {
        Entry entry = create(row, true);
        if (entry.item)
            created.append(entry);
    }
    m_entries.insert(first, created);
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
        if (m_binding == Binding::Required) {
            const bool required = std::any_of(m_required.cbegin(), m_required.cend(),
                                              [role](const RequiredRole &r) { return r.role == role; });
            if (required)
                entry.item->setProperty(name.value().constData(), m_model->data(index, role));
            continue;
        }
        const QVariant value = m_model->data(index, role);
        if (entry.context)
            entry.context->setContextProperty(QString::fromUtf8(name.value()), value);
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
    const int property = m_binding == Binding::Required ? indexProperty() : -1;
    for (qsizetype row = m_indicesFrom; row < m_entries.size(); ++row) {
        Entry &entry = m_entries[row];
        if (entry.row == row || !entry.item)
            continue;
        entry.row = int(row);
        if (entry.context)
            entry.context->setContextProperty(QStringLiteral("index"), entry.row);
        if (property >= 0)
            entry.item->metaObject()->property(property).write(entry.item, entry.row);
    }
    m_indicesFrom = -1;
}

int MapItemView::indexProperty() const
{
    for (const RequiredRole &required : m_required) {
        if (required.role < 0)
            return required.property;
    }
    return -1;
}

void MapItemView::Entries::clear()
{
    m_items.clear();
    m_gapStart = 0;
    m_gapEnd = 0;
}

void MapItemView::Entries::moveGap(qsizetype to)
{
    const qsizetype gap = m_gapEnd - m_gapStart;
    if (to < m_gapStart) {
        // The entries between the place and the gap go behind the gap.
        std::move_backward(m_items.begin() + to, m_items.begin() + m_gapStart, m_items.begin() + m_gapEnd);
    } else if (to > m_gapStart) {
        std::move(m_items.begin() + m_gapEnd, m_items.begin() + m_gapEnd + (to - m_gapStart),
                  m_items.begin() + m_gapStart);
    }
    m_gapStart = to;
    m_gapEnd = to + gap;
}

void MapItemView::Entries::insert(qsizetype at, const QList<Entry> &entries)
{
    const qsizetype count = entries.size();
    if (count == 0)
        return;
    moveGap(at);
    if (m_gapEnd - m_gapStart < count) {
        const qsizetype gap = std::max<qsizetype>(count, size() / 2 + 16);
        std::vector<Entry> grown(size_t(size() + gap));
        std::move(m_items.begin(), m_items.begin() + m_gapStart, grown.begin());
        std::move(m_items.begin() + m_gapEnd, m_items.end(), grown.begin() + m_gapStart + gap);
        m_items.swap(grown);
        m_gapEnd = m_gapStart + gap;
    }
    std::copy(entries.begin(), entries.end(), m_items.begin() + m_gapStart);
    m_gapStart += count;
}

void MapItemView::Entries::remove(qsizetype at, qsizetype count)
{
    if (count <= 0)
        return;
    moveGap(at);
    // What the gap swallows holds no delegate any more.
    for (qsizetype i = m_gapEnd; i < m_gapEnd + count; ++i)
        m_items[size_t(i)] = Entry();
    m_gapEnd += count;
}
