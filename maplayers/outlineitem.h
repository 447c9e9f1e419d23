#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// A filled and stroked closed polygon in the item's own coordinates (points may lie outside its
// box), for small shapes that come by the thousand, such as the boxes of map labels. Its two
// plain-colour nodes merge with those of its neighbours into few batches, where a Shape draws
// each outline on its own.
class OutlineItem : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QList<QPointF> points READ points WRITE setPoints NOTIFY pointsChanged)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor NOTIFY fillColorChanged)
    Q_PROPERTY(QColor strokeColor READ strokeColor WRITE setStrokeColor NOTIFY strokeColorChanged)
    Q_PROPERTY(qreal strokeWidth READ strokeWidth WRITE setStrokeWidth NOTIFY strokeWidthChanged)

public:
    explicit OutlineItem(QQuickItem *parent = nullptr);

    QList<QPointF> points() const { return m_points; }
    void setPoints(const QList<QPointF> &points);
    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color);
    QColor strokeColor() const { return m_strokeColor; }
    void setStrokeColor(const QColor &color);
    qreal strokeWidth() const { return m_strokeWidth; }
    void setStrokeWidth(qreal width);

signals:
    void pointsChanged();
    void fillColorChanged();
    void strokeColorChanged();
    void strokeWidthChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;

private:
    void geometryUpdated();

    QList<QPointF> m_points;
    QColor m_fillColor = Qt::white;
    QColor m_strokeColor = Qt::black;
    qreal m_strokeWidth = 1.0;
    bool m_geometryDirty = true;
};
