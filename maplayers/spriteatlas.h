#pragma once

#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>

// Small pictures packed side by side into one image, so that a layer of thousands of symbols and
// letters draws them all from one texture in one batch. Pictures are painted on first use under
// a key and stay until clear(); the image grows downwards as shelves fill.
class SpriteAtlas
{
public:
    // The picture's place in the atlas (pixels), painted by `paint` into a transparent image of
    // `size` pixels on first use. Empty when it no longer fits: clear() and start again.
    QRect sprite(const QString &key, QSize size, const std::function<void(QImage &)> &paint);
    bool contains(const QString &key) const { return m_sprites.contains(key); }
    const QImage &image() const { return m_image; }
    // Changes whenever the image does, so that its texture knows when to upload again.
    int generation() const { return m_generation; }
    void clear();

private:
    static constexpr int Width = 512;
    static constexpr int MaxHeight = 4096;
    // Between pictures, so that linear filtering at an edge never reads a neighbour.
    static constexpr int Padding = 1;

    QImage m_image;
    QHash<QString, QRect> m_sprites;
    int m_shelfX = 0;
    int m_shelfY = 0;
    int m_shelfHeight = 0;
    int m_generation = 0;
};
