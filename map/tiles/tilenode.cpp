#include "tilenode.h"

#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGRectangleNode>
#include <QSGTexture>
#include <QSGTransformNode>
#include <algorithm>

TileNode::TileNode(QQuickWindow *window)
    : m_window(window)
    , m_background(window->createRectangleNode())
    , m_transform(new QSGTransformNode)
{
    appendChildNode(m_background);
    appendChildNode(m_transform);
}

TileNode::~TileNode()
{
    // Image nodes do not own their textures; the nodes themselves go with the tree.
    for (const CachedTexture &cached : std::as_const(m_textures))
        delete cached.texture;
    delete m_copyrightTexture;
}

QSGTexture *TileNode::texture(const TileDraw &tile)
{
    auto it = m_textures.find(tile.key);
    if (it == m_textures.end()) {
        QSGTexture *texture = m_window->createTextureFromImage(tile.image);
        texture->setFiltering(QSGTexture::Linear);
        it = m_textures.insert(tile.key, {texture, 0});
    }
    it->stamp = ++m_clock;
    return it->texture;
}

void TileNode::trimTextures(int capacity)
{
    if (m_textures.size() <= capacity)
        return;
    QList<QPair<quint64, quint64>> byAge;
    for (auto it = m_textures.cbegin(); it != m_textures.cend(); ++it) {
        if (it->stamp <= m_frameStart)
            byAge.append({it->stamp, it.key()});
    }
    std::sort(byAge.begin(), byAge.end());
    for (const auto &[stamp, key] : std::as_const(byAge)) {
        if (m_textures.size() <= capacity)
            break;
        delete m_textures.take(key).texture;
    }
}

void TileNode::update(const Frame &frame)
{
    // Setting a node marks it dirty even with the value it has, and a dirty node makes the
    // renderer look at its batches again: on a pan only the layer above should change.
    if (m_background->rect() != frame.bounds)
        m_background->setRect(frame.bounds);
    if (m_background->color() != frame.color)
        m_background->setColor(frame.color);
    if (m_transform->matrix() != frame.matrix)
        m_transform->setMatrix(frame.matrix);

    if (frame.generation != m_generation) {
        // Another provider: no cached texture shows the right picture any more. Detach the
        // textures from the nodes first, they may not outlive them.
        for (QSGImageNode *node : std::as_const(m_tiles)) {
            m_transform->removeChildNode(node);
            delete node;
        }
        m_tiles.clear();
        for (const CachedTexture &cached : std::as_const(m_textures))
            delete cached.texture;
        m_textures.clear();
        m_generation = frame.generation;
    }

    m_frameStart = m_clock;
    while (m_tiles.size() > frame.tiles.size()) {
        QSGImageNode *node = m_tiles.takeLast();
        m_transform->removeChildNode(node);
        delete node;
    }
    for (int i = 0; i < frame.tiles.size(); ++i) {
        const TileDraw &tile = frame.tiles.at(i);
        QSGTexture *texture = this->texture(tile);
        // A node joins the tree only with its texture: renderers look at it at once.
        const bool fresh = i >= m_tiles.size();
        QSGImageNode *node = fresh ? m_window->createImageNode() : m_tiles.at(i);
        if (fresh) {
            node->setOwnsTexture(false);
            node->setFiltering(QSGTexture::Linear);
        }
        if (node->texture() != texture)
            node->setTexture(texture);
        if (node->rect() != tile.rect)
            node->setRect(tile.rect);
        const QRectF source(QPointF(0, 0), texture->textureSize());
        if (node->sourceRect() != source)
            node->setSourceRect(source);
        if (fresh) {
            m_transform->appendChildNode(node);
            m_tiles.append(node);
        }
    }
    trimTextures(std::max(frame.textureCapacity, int(frame.tiles.size()) * 2));

    if (frame.copyright.isNull()) {
        if (m_copyright) {
            removeChildNode(m_copyright);
            delete m_copyright;
            m_copyright = nullptr;
        }
        return;
    }
    const bool fresh = !m_copyright;
    if (fresh) {
        m_copyright = m_window->createImageNode();
        m_copyright->setOwnsTexture(false);
    }
    if (frame.copyright.cacheKey() != m_copyrightKey) {
        QSGTexture *old = m_copyrightTexture;
        m_copyrightTexture = m_window->createTextureFromImage(frame.copyright);
        m_copyright->setTexture(m_copyrightTexture);
        delete old;
        m_copyrightKey = frame.copyright.cacheKey();
    }
    const QSizeF size = QSizeF(frame.copyright.size()) / frame.copyright.devicePixelRatio();
    const QRectF rect(frame.bounds.bottomRight() - QPointF(size.width(), size.height()), size);
    if (m_copyright->rect() != rect)
        m_copyright->setRect(rect);
    const QRectF source(QPointF(0, 0), m_copyrightTexture->textureSize());
    if (m_copyright->sourceRect() != source)
        m_copyright->setSourceRect(source);
    if (fresh)
        appendChildNode(m_copyright);
}
