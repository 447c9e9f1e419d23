#pragma once

#include <QColor>
#include <QVariantList>

// How the map draws a painted line or light string, derived from the simulator's line and light
// type codes. Each code sets only the fields its own style names, so a style built from several
// codes keeps what an earlier code set and a later one did not touch.
struct PaintlightStyle
{
    bool unknown = false;
    bool hasLine = false;
    double lineWidth = 1.0; // half the drawn width, metres
    bool dashedLine = false;
    QVariantList linePattern = {-1};
    QColor lineColor = QColor(Qt::black);
    bool hasLight = false;
    QColor lightColor = QColor(Qt::white);

    void apply(int code);
};
