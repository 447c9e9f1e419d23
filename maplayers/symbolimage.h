#pragma once

#include <QColor>
#include <QImage>
#include <QQuickItem>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// A small picture recoloured whole (every opaque pixel takes the colour, mixed by the colour's
// alpha), at the picture's own size. Unlike an image under a colour overlay, whose shader pass
// stands alone, symbols of one window share their textures in the scene graph's atlas: a layer of
// thousands of them is drawn in a few batches.
class SymbolImage : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    // Whether the source gave a picture.
    Q_PROPERTY(bool ready READ ready NOTIFY readyChanged)

public:
    explicit SymbolImage(QQuickItem *parent = nullptr);

    QUrl source() const { return m_source; }
    void setSource(const QUrl &source);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool ready() const { return !m_image.isNull(); }

    // The picture of `source` at `scale` times its own size, recoloured as the item draws it
    // (a colour of alpha 0 keeps the picture's own colours). Null when the source cannot be read.
    static QImage tinted(const QUrl &source, const QColor &color, qreal scale);

signals:
    void sourceChanged();
    void colorChanged();
    void readyChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;
    void itemChange(ItemChange change, const ItemChangeData &data) override;

private:
    void reload();

    QUrl m_source;
    QColor m_color = Qt::transparent;
    QImage m_image;
    bool m_imageChanged = false;
};
