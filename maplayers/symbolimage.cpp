#include "symbolimage.h"

#include <QHash>
#include <QImageReader>
#include <QPointer>
#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>
#include <cmath>

namespace {

struct SymbolKey
{
    QString path;
    QRgb color;
    int scale; // per mille
    bool operator==(const SymbolKey &other) const = default;
};

size_t qHash(const SymbolKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.path, key.color, key.scale);
}

QString localPath(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qrc"))
        return u':' + url.path();
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.scheme().isEmpty() ? url.path() : QString();
}

// The textures of one window's scene graph, one per picture and colour. Textures can only go
// with the scene graph that made them: the cache empties when it is invalidated.
class SymbolTextures : public QObject
{
public:
    static SymbolTextures *of(QQuickWindow *window)
    {
        // No meta object of its own: found by name, as findChild would take any object.
        for (QObject *child : window->children()) {
            if (child->objectName() == QLatin1String(Name))
                return static_cast<SymbolTextures *>(child);
        }
        return new SymbolTextures(window);
    }

    QSGTexture *texture(const SymbolKey &key, const QImage &image)
    {
        QSGTexture *&texture = m_textures[key];
        if (!texture) {
            texture = m_window->createTextureFromImage(image, QQuickWindow::TextureCanUseAtlas);
            texture->setFiltering(QSGTexture::Linear);
        }
        return texture;
    }

private:
    static constexpr char Name[] = "symbolTextures";

    explicit SymbolTextures(QQuickWindow *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QLatin1String(Name));
        connect(window, &QQuickWindow::sceneGraphInvalidated, this, &SymbolTextures::clear, Qt::DirectConnection);
    }
    ~SymbolTextures() override { clear(); }
    void clear()
    {
        qDeleteAll(m_textures);
        m_textures.clear();
    }

    QQuickWindow *m_window;
    QHash<SymbolKey, QSGTexture *> m_textures;
};

} // namespace

SymbolImage::SymbolImage(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents, true);
}

void SymbolImage::setSource(const QUrl &source)
{
    if (source == m_source)
        return;
    m_source = source;
    reload();
    emit sourceChanged();
}

void SymbolImage::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    reload();
    emit colorChanged();
}

QImage SymbolImage::tinted(const QUrl &source, const QColor &color, qreal scale)
{
    const QString path = localPath(source);
    if (path.isEmpty())
        return QImage();
    // A layer asks for the same few pictures thousands of times.
    static QHash<SymbolKey, QImage> cache;
    const SymbolKey key{path, color.rgba(), int(std::lround(scale * 1000))};
    const auto found = cache.constFind(key);
    if (found != cache.cend())
        return *found;

    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && scale != 1.0)
        reader.setScaledSize(size * scale);
    QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (!image.isNull() && color.alpha() > 0) {
        // As a colour overlay mixes: the colour's own alpha weighs it against the picture's
        // colour, and the picture keeps its alpha.
        const double weight = color.alphaF();
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = line[x];
                auto mix = [weight](int own, int tint) { return int(std::lround(own + (tint - own) * weight)); };
                line[x] = qRgba(mix(qRed(p), color.red()), mix(qGreen(p), color.green()), mix(qBlue(p), color.blue()),
                                qAlpha(p));
            }
        }
    }
    if (!image.isNull()) {
        image.setDevicePixelRatio(scale);
        if (cache.size() > 256)
            cache.clear();
        cache.insert(key, image);
    }
    return image;
}

void SymbolImage::reload()
{
    const bool wasReady = ready();
    const qreal scale = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    m_image = m_source.isEmpty() ? QImage() : tinted(m_source, m_color, scale);
    m_imageChanged = true;
    const QSizeF size = m_image.isNull() ? QSizeF() : QSizeF(m_image.size()) / m_image.devicePixelRatio();
    setImplicitSize(size.width(), size.height());
    if (wasReady != ready())
        emit readyChanged();
    update();
}

void SymbolImage::itemChange(ItemChange change, const ItemChangeData &data)
{
    if (change == ItemSceneChange && data.window) {
        // Made on this thread, which owns the window: the paint pass may run on another.
        SymbolTextures::of(data.window);
        // The picture is drawn for the screen's pixel ratio.
        if (!m_source.isEmpty())
            reload();
    }
    QQuickItem::itemChange(change, data);
}

QSGNode *SymbolImage::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    if (!node) {
        node = window()->createImageNode();
        node->setOwnsTexture(false);
        node->setFiltering(QSGTexture::Linear);
        m_imageChanged = true;
    }
    if (m_imageChanged) {
        const SymbolKey key{localPath(m_source), m_color.rgba(), int(std::lround(m_image.devicePixelRatio() * 1000))};
        QSGTexture *texture = SymbolTextures::of(window())->texture(key, m_image);
        node->setTexture(texture);
        node->setSourceRect(QRectF(QPointF(0, 0), texture->textureSize()));
        m_imageChanged = false;
    }
    const QRectF rect = boundingRect();
    if (node->rect() != rect)
        node->setRect(rect);
    return node;
}
