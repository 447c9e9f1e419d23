#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSGGeometry>
#include <QSGGeometryNode>
#include <QSGNode>
#include <QSGTextureMaterial>
#include <QSGVertexColorMaterial>
#include <QTransform>

#include <vector>

// A batched layer's two batches: plain-coloured shapes (dots, discs, lines, label frames) below
// the pictures (letters and symbols) drawn from one texture, which the node owns.
class PointBatchNode : public QSGNode
{
public:
    PointBatchNode();
    ~PointBatchNode() override;

    void setShapes(const std::vector<QSGGeometry::ColoredPoint2D> &vertices);
    void setSprites(const std::vector<QSGGeometry::TexturedPoint2D> &vertices);
    // The pictures are drawn only once there is a texture to draw them from.
    void setTexture(QSGTexture *texture);

    // A rectangle with rounded corners as triangles, filled and with its border inside its edge
    // as Rectangle draws it; `place` takes its corners where they go. Colours of alpha 0 and
    // borders of no width add nothing.
    static void appendRoundedRect(std::vector<QSGGeometry::ColoredPoint2D> &vertices, const QTransform &place,
                                  const QRectF &rect, qreal radius, const QColor &fill, qreal borderWidth,
                                  const QColor &border);

    // Triangles (three points each) of one colour.
    static void appendTriangles(std::vector<QSGGeometry::ColoredPoint2D> &vertices, const QList<QPointF> &triangles,
                                const QColor &color);
    static QSGGeometry::ColoredPoint2D vertex(QPointF p, const QColor &color);

private:
    QSGGeometry m_shapes;
    QSGGeometry m_sprites;
    QSGVertexColorMaterial m_shapeMaterial;
    QSGTextureMaterial m_spriteMaterial;
    QSGGeometryNode m_shapeNode;
    QSGGeometryNode m_spriteNode;
    QSGTexture *m_texture = nullptr;
};
