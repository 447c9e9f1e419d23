#include "mapviewtransition.h"

#include <QEasingCurve>
#include <QMetaProperty>
#include <QParallelAnimationGroup>
#include <QPauseAnimation>
#include <QPropertyAnimation>
#include <QQmlListReference>
#include <QQuickItem>
#include <QSequentialAnimationGroup>
#include <QtQml/qqml.h>

namespace {

bool inherits(const QObject *object, const char *className)
{
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
        if (qstrcmp(meta->className(), className) == 0)
            return true;
    }
    return false;
}

// A property as the named base class declares it: NumberAnimation narrows `from` and `to` to
// numbers (0 when not set), while PropertyAnimation keeps them as variants that can be unset.
QVariant baseProperty(const QObject *object, const char *className, const char *name)
{
    for (const QMetaObject *meta = object->metaObject(); meta; meta = meta->superClass()) {
        if (qstrcmp(meta->className(), className) != 0)
            continue;
        const int index = meta->indexOfProperty(name);
        return index >= 0 ? meta->property(index).read(object) : QVariant();
    }
    return QVariant();
}

void addAnimations(QObject *source, QAnimationGroup *group, QQuickItem *item);

QAbstractAnimation *buildOne(QObject *animation, QQuickItem *item)
{
    if (inherits(animation, "QQuickParallelAnimation") || inherits(animation, "QQuickSequentialAnimation")) {
        QAnimationGroup *group = inherits(animation, "QQuickParallelAnimation")
                                     ? static_cast<QAnimationGroup *>(new QParallelAnimationGroup)
                                     : static_cast<QAnimationGroup *>(new QSequentialAnimationGroup);
        addAnimations(animation, group, item);
        return group;
    }
    if (inherits(animation, "QQuickPauseAnimation"))
        return new QPauseAnimation(animation->property("duration").toInt());
    if (!inherits(animation, "QQuickPropertyAnimation"))
        return nullptr;

    QStringList names = animation->property("properties").toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    const QString single = animation->property("property").toString();
    if (!single.isEmpty())
        names.append(single);
    QObject *target = animation->property("target").value<QObject *>();
    if (!target)
        target = item;
    const QVariant from = baseProperty(animation, "QQuickPropertyAnimation", "from");
    const QVariant to = baseProperty(animation, "QQuickPropertyAnimation", "to");
    const int duration = animation->property("duration").toInt();
    const QEasingCurve easing = animation->property("easing").value<QEasingCurve>();

    auto *group = new QParallelAnimationGroup;
    for (const QString &name : std::as_const(names)) {
        auto *property = new QPropertyAnimation(target, name.trimmed().toLatin1(), group);
        property->setDuration(duration);
        property->setEasingCurve(easing);
        // Animations interpolate only values of one type: hand numbers over as the property's type.
        const QVariant current = target->property(property->propertyName().constData());
        auto typed = [&current](const QVariant &value) {
            return current.typeId() == QMetaType::Double && value.canConvert<double>() ? QVariant(value.toDouble())
                                                                                       : value;
        };
        if (from.isValid())
            property->setStartValue(typed(from));
        property->setEndValue(to.isValid() ? typed(to) : current);
    }
    return group;
}

void addAnimations(QObject *source, QAnimationGroup *group, QQuickItem *item)
{
    // A Transition creates its animations only when first asked to run.
    qmlExecuteDeferred(source);
    QQmlListReference list(source, "animations");
    for (qsizetype i = 0; i < list.count(); ++i) {
        if (QAbstractAnimation *animation = buildOne(list.at(i), item))
            group->addAnimation(animation);
    }
}

} // namespace

QAbstractAnimation *MapViewTransition::build(QObject *transition, QQuickItem *item)
{
    if (!transition || !item || !transition->property("enabled").toBool())
        return nullptr;
    // The animations of a Transition run side by side.
    auto *group = new QParallelAnimationGroup(item);
    addAnimations(transition, group, item);
    if (group->animationCount() == 0) {
        delete group;
        return nullptr;
    }
    return group;
}
