#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMatrix4x4>
#include <QRectF>
#include <QSGNode>

class QQuickWindow;
class QSGImageNode;
class QSGRectangleNode;
class QSGTexture;
class QSGTransformNode;

// One tile to draw: its rectangle in pixels around the view centre, before rotation.
struct TileDraw
{
    quint64 key = 0;
    QRectF rect;
    QImage image;
};

// The map's background colour, its tiles (under one transform that turns them about the view
// centre) and the copyright notice. Textures stay cached across frames, so a pan uploads only the
// tiles that came into view.
class TileNode : public QSGNode
{
public:
    explicit TileNode(QQuickWindow *window);
    ~TileNode() override;

    struct Frame
    {
        QRectF bounds;
        QColor color;
        QMatrix4x4 matrix;
        QList<TileDraw> tiles;
        quint64 generation = 0;
        int textureCapacity = 100;
        QImage copyright;
    };
    void update(const Frame &frame);

private:
    QSGTexture *texture(const TileDraw &tile);
    void trimTextures(int capacity);

    struct CachedTexture
    {
        QSGTexture *texture = nullptr;
        quint64 stamp = 0;
    };
    QQuickWindow *m_window;
    QSGRectangleNode *m_background;
    QSGTransformNode *m_transform;
    QList<QSGImageNode *> m_tiles;
    QSGImageNode *m_copyright = nullptr;
    QSGTexture *m_copyrightTexture = nullptr;
    qint64 m_copyrightKey = 0;
    QHash<quint64, CachedTexture> m_textures;
    quint64 m_clock = 0;
    quint64 m_frameStart = 0;
    quint64 m_generation = 0;
};
