#pragma once

#include "mapcamera.h"
#include "tilekey.h"

#include <QList>
#include <QRectF>
#include <functional>

// Which Web Mercator tiles cover a camera's view, nearest the centre first, where each lies on
// the screen, and which loaded tiles of other levels stand in for one still loading. Plain math
// over the camera: the view asks the tile engine for the keys and draws the rectangles.
class TileCoverage
{
public:
    // More tiles than a screen can show means a provider whose lowest level is far above the
    // view's zoom; drawing them would only stall the interface.
    static constexpr double MaxTilesInView = 1024;

    // A tile as the view sees it: x is not wrapped, so a copy of the world beside the centre one
    // keeps its own place on the screen.
    struct Tile
    {
        int z = 0;
        int x = 0;
        int y = 0;
    };
    struct Placed
    {
        TileKey key;
        QRectF rect;
    };

    // The camera's viewport size is the view's size in pixels.
    TileCoverage(const MapCamera &camera, int minimumZoom, int maximumZoom);

    // The level drawn: the camera's zoom rounded, held in the provider's levels.
    int level() const { return m_level; }
    // The tiles of level() that show in the view, nearest the centre first; none when the view
    // would hold more than MaxTilesInView of them.
    QList<Tile> visibleTiles() const;
    // A tile's rectangle in pixels around the view centre, before the bearing turns it; whole
    // pixels while the map is upright, so that neighbouring tiles meet without a seam.
    QRectF rect(int level, int x, int y) const;
    // What to draw for these tiles: every loaded one; for each one still loading, a loaded
    // ancestor up to six levels up (each ancestor once), else its loaded children one level
    // down. Stand-ins come first, lower levels first, so that finer tiles lie above them.
    QList<Placed> drawList(const QList<Tile> &tiles, const std::function<bool(const TileKey &)> &loaded) const;

    static TileKey wrapped(int level, int x, int y);

private:
    bool visible(int level, int x, int y) const;

    MapCamera m_camera;
    int m_minimumZoom;
    int m_maximumZoom;
    int m_level;
};
