#include "maplineproperties.h"

MapLineProperties::MapLineProperties(QObject *parent)
    : QObject(parent)
{
}

void MapLineProperties::setWidth(qreal width)
{
    if (width == m_width)
        return;
    m_width = width;
    emit widthChanged();
    emit shapeChanged();
}

void MapLineProperties::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged();
}

void MapLineProperties::setStrokeStyle(int style)
{
    if (style == m_strokeStyle)
        return;
    m_strokeStyle = style;
    emit strokeStyleChanged();
    emit shapeChanged();
}

void MapLineProperties::setDashPattern(const QList<qreal> &pattern)
{
    if (pattern == m_dashPattern)
        return;
    m_dashPattern = pattern;
    emit dashPatternChanged();
    emit shapeChanged();
}

void MapLineProperties::setCapStyle(int cap)
{
    if (cap == m_capStyle)
        return;
    m_capStyle = cap;
    emit capStyleChanged();
    emit shapeChanged();
}

QList<qreal> MapLineProperties::effectiveDashPattern() const
{
    return m_strokeStyle == Qt::DashLine ? m_dashPattern : QList<qreal>();
}
