#include "spriteatlas.h"

#include <QPainter>

QRect SpriteAtlas::sprite(const QString &key, QSize size, const std::function<void(QImage &)> &paint)
{
    const auto found = m_sprites.constFind(key);
    if (found != m_sprites.cend())
        return *found;
    const int w = size.width() + 2 * Padding;
    const int h = size.height() + 2 * Padding;
    if (size.isEmpty() || w > Width)
        return QRect();
    if (m_shelfX + w > Width) {
        m_shelfY += m_shelfHeight;
        m_shelfX = 0;
        m_shelfHeight = 0;
    }
    if (m_shelfY + h > m_image.height()) {
        int height = std::max(m_image.height(), 128);
        while (height < m_shelfY + h)
            height *= 2;
        if (height > MaxHeight)
            return QRect();
        // Places already handed out stay where they are: the image only grows downwards.
        QImage grown(Width, height, QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        if (!m_image.isNull()) {
            QPainter painter(&grown);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, m_image);
        }
        m_image = grown;
    }
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    paint(picture);
    picture.setDevicePixelRatio(1.0);
    const QRect place(m_shelfX + Padding, m_shelfY + Padding, size.width(), size.height());
    {
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(place.topLeft(), picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    m_shelfX += w;
    m_shelfHeight = std::max(m_shelfHeight, h);
    m_sprites.insert(key, place);
    ++m_generation;
    return place;
}

void SpriteAtlas::clear()
{
    m_image = QImage();
    m_sprites.clear();
    m_shelfX = m_shelfY = m_shelfHeight = 0;
    ++m_generation;
}
