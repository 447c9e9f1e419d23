#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QtQml/qqmlregistration.h>

// The `line` of a polyline and the `border` of a polygon. Stroke style, dash pattern (in line
// widths) and cap style read as a ShapePath's do: the pattern applies while the style is
// Qt.DashLine, and the default cap is square.
class MapLineProperties : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(qreal width READ width WRITE setWidth NOTIFY widthChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(int strokeStyle READ strokeStyle WRITE setStrokeStyle NOTIFY strokeStyleChanged)
    Q_PROPERTY(QList<qreal> dashPattern READ dashPattern WRITE setDashPattern NOTIFY dashPatternChanged)
    Q_PROPERTY(int capStyle READ capStyle WRITE setCapStyle NOTIFY capStyleChanged)

public:
    explicit MapLineProperties(QObject *parent = nullptr);

    qreal width() const { return m_width; }
    void setWidth(qreal width);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    int strokeStyle() const { return m_strokeStyle; }
    void setStrokeStyle(int style);
    QList<qreal> dashPattern() const { return m_dashPattern; }
    void setDashPattern(const QList<qreal> &pattern);
    int capStyle() const { return m_capStyle; }
    void setCapStyle(int cap);

    // The pattern actually drawn: empty for a solid line.
    QList<qreal> effectiveDashPattern() const;

signals:
    void widthChanged();
    void colorChanged();
    void strokeStyleChanged();
    void dashPatternChanged();
    void capStyleChanged();
    // Anything that changes the stroke's shape (not its colour).
    void shapeChanged();

private:
    qreal m_width = 1.0;
    QColor m_color = Qt::black;
    int m_strokeStyle = Qt::SolidLine;
    QList<qreal> m_dashPattern{4.0, 2.0};
    int m_capStyle = Qt::SquareCap;
};
