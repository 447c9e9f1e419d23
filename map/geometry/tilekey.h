#pragma once

#include <QtGlobal>

// A Web Mercator tile: zoom level z, column x and row y (x wrapped into [0, 2^z)).
struct TileKey
{
    int z = 0;
    int x = 0;
    int y = 0;

    quint64 packed() const { return (quint64(z) << 58) | (quint64(x) << 29) | quint64(y); }
    friend bool operator==(const TileKey &a, const TileKey &b) { return a.packed() == b.packed(); }
};
