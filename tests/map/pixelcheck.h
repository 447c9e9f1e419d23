#pragma once

#include "mapview.h"

#include <QColor>
#include <QImage>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QRect>
#include <QTest>

#include <cstdlib>

// Colour checks of the pixel suites: a drawn pixel is near its colour (smoothing and blending
// move it a little), and a colour shows somewhere in an area.
namespace PixelCheck {

inline bool near(QRgb pixel, const QColor &color, int tolerance = 60)
{
    return std::abs(qRed(pixel) - color.red()) <= tolerance && std::abs(qGreen(pixel) - color.green()) <= tolerance
           && std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

inline bool anyIn(const QImage &image, const QRect &area, const QColor &color, int tolerance = 60)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (near(image.pixel(x, y), color, tolerance))
                return true;
        }
    }
    return false;
}

// A 400 x 300 window, shown, holding a white 400 x 300 map at the zoom centred on (0, 0) with
// the layer the QML declares (with the imports it needs beyond the map's own); null (and the
// reason in `error`) when either fails.
inline MapView *showMap(QQmlEngine &engine, QQuickWindow &window, double zoom, const QByteArray &layer, QString &error,
                        const QByteArray &imports = {})
{
    window.resize(400, 300);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        error = QStringLiteral("the window was not exposed");
        return nullptr;
    }
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport QtPositioning\nimport Corvel.Map\n" + imports
                          + "\n"
                            "Map { width: 400; height: 300; color: \"white\"; zoomLevel: "
                          + QByteArray::number(zoom)
                          + "; center: QtPositioning.coordinate(0, 0); plugin: Plugin { name: \"itemsoverlay\" }\n"
                          + layer + "\n}",
                      QUrl());
    auto *map = qobject_cast<MapView *>(component.create());
    if (!map) {
        error = component.errorString();
        return nullptr;
    }
    map->setParentItem(window.contentItem());
    return map;
}

} // namespace PixelCheck
