#include "pointbatchnode.h"

#include <QList>
#include <QPointF>
#include <cmath>

namespace {

// A rectangle with rounded corners as a closed outline, `segments` steps per corner, so that the
// outlines of a rectangle and of its inset have matching vertices.
QList<QPointF> roundedOutline(const QRectF &rect, qreal radius, int segments)
{
    QList<QPointF> outline;
    outline.reserve(4 * (segments + 1));
    const QPointF centres[4] = {{rect.right() - radius, rect.top() + radius},
                                {rect.right() - radius, rect.bottom() - radius},
                                {rect.left() + radius, rect.bottom() - radius},
                                {rect.left() + radius, rect.top() + radius}};
    for (int corner = 0; corner < 4; ++corner) {
        for (int step = 0; step <= segments; ++step) {
            const double angle = (corner - 1 + (segments ? double(step) / segments : 0.0)) * M_PI / 2.0;
            outline.append(centres[corner] + QPointF(std::cos(angle), std::sin(angle)) * radius);
        }
    }
    return outline;
}

bool shows(const QColor &color)
{
    return color.isValid() && color.alpha() > 0;
}

} // namespace

PointBatchNode::PointBatchNode()
    : m_shapes(QSGGeometry::defaultAttributes_ColoredPoint2D(), 0)
    , m_sprites(QSGGeometry::defaultAttributes_TexturedPoint2D(), 0)
{
    m_shapes.setDrawingMode(QSGGeometry::DrawTriangles);
    m_sprites.setDrawingMode(QSGGeometry::DrawTriangles);
    m_shapeNode.setGeometry(&m_shapes);
    m_shapeNode.setMaterial(&m_shapeMaterial);
    m_spriteNode.setGeometry(&m_sprites);
    m_spriteNode.setMaterial(&m_spriteMaterial);
    m_spriteMaterial.setFiltering(QSGTexture::Linear);
    appendChildNode(&m_shapeNode);
}

PointBatchNode::~PointBatchNode()
{
    removeAllChildNodes();
    delete m_texture;
}

void PointBatchNode::setShapes(const std::vector<QSGGeometry::ColoredPoint2D> &vertices)
{
    const bool wasEmpty = m_shapes.vertexCount() == 0;
    m_shapes.allocate(int(vertices.size()));
    std::copy(vertices.begin(), vertices.end(), m_shapes.vertexDataAsColoredPoint2D());
    m_shapeNode.markDirty(QSGNode::DirtyGeometry);
    // The renderer puts a node that had no vertices in no batch, and a changed geometry alone
    // does not bring it into one: the first rows after an empty start (a load behind the
    // window) stayed undrawn until the next zoom. Adding the node again does.
    if (wasEmpty && !vertices.empty()) {
        removeChildNode(&m_shapeNode);
        prependChildNode(&m_shapeNode);
    }
}

void PointBatchNode::setSprites(const std::vector<QSGGeometry::TexturedPoint2D> &vertices)
{
    const bool wasEmpty = m_sprites.vertexCount() == 0;
    m_sprites.allocate(int(vertices.size()));
    std::copy(vertices.begin(), vertices.end(), m_sprites.vertexDataAsTexturedPoint2D());
    m_spriteNode.markDirty(QSGNode::DirtyGeometry);
    if (wasEmpty && !vertices.empty() && m_spriteNode.parent() == this) {
        removeChildNode(&m_spriteNode);
        appendChildNode(&m_spriteNode);
    }
}

void PointBatchNode::setTexture(QSGTexture *texture)
{
    m_spriteMaterial.setTexture(texture);
    m_spriteNode.markDirty(QSGNode::DirtyMaterial);
    if (texture && !m_texture)
        appendChildNode(&m_spriteNode);
    else if (!texture && m_texture)
        removeChildNode(&m_spriteNode);
    delete m_texture;
    m_texture = texture;
}

void PointBatchNode::appendRoundedRect(std::vector<QSGGeometry::ColoredPoint2D> &vertices, const QTransform &place,
                                       const QRectF &rect, qreal radius, const QColor &fill, qreal borderWidth,
                                       const QColor &border)
{
    const bool stroked = borderWidth > 0.0 && shows(border);
    if (!shows(fill) && !stroked)
        return;
    radius = std::clamp(radius, 0.0, std::min(rect.width(), rect.height()) / 2);
    // One step per corner (an octagon) makes a dot of a few pixels round enough; larger discs take more.
    const int segments = radius > 0.0 ? std::clamp(int(std::ceil(radius / 2.5)), 1, 8) : 0;
    const qreal inset = stroked ? std::min(borderWidth, std::min(rect.width(), rect.height()) / 2) : 0.0;
    QList<QPointF> outer = roundedOutline(rect, radius, segments);
    QList<QPointF> inner
        = stroked ? roundedOutline(rect.adjusted(inset, inset, -inset, -inset), std::max(radius - inset, 0.0), segments)
                  : outer;
    for (QPointF &p : outer)
        p = place.map(p);
    for (QPointF &p : inner)
        p = place.map(p);
    auto vertex = [](QPointF p, const QColor &color) { return PointBatchNode::vertex(p, color); };
    const qsizetype n = outer.size();
    if (shows(fill)) {
        const QPointF centre = place.map(rect.center());
        for (qsizetype i = 0; i < n; ++i) {
            vertices.push_back(vertex(centre, fill));
            vertices.push_back(vertex(inner.at(i), fill));
            vertices.push_back(vertex(inner.at((i + 1) % n), fill));
        }
    }
    if (stroked) {
        // The border lies inside the rectangle, as Rectangle draws it.
        for (qsizetype i = 0; i < n; ++i) {
            const qsizetype j = (i + 1) % n;
            for (const QPointF &p : {outer.at(i), outer.at(j), inner.at(j), outer.at(i), inner.at(j), inner.at(i)})
                vertices.push_back(vertex(p, border));
        }
    }
}

QSGGeometry::ColoredPoint2D PointBatchNode::vertex(QPointF p, const QColor &color)
{
    // Premultiplied, as the scene graph blends.
    const int a = color.alpha();
    QSGGeometry::ColoredPoint2D v;
    v.set(float(p.x()), float(p.y()), uchar(color.red() * a / 255), uchar(color.green() * a / 255),
          uchar(color.blue() * a / 255), uchar(a));
    return v;
}

void PointBatchNode::appendTriangles(std::vector<QSGGeometry::ColoredPoint2D> &vertices,
                                     const QList<QPointF> &triangles, const QColor &color)
{
    if (!shows(color))
        return;
    for (const QPointF &p : triangles)
        vertices.push_back(vertex(p, color));
}
