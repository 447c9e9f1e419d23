#include "paintlightstyle.h"

#include <QDebug>

namespace {

void line(PaintlightStyle &style, const char *colour, double width)
{
    style.hasLine = true;
    style.lineWidth = width;
    style.lineColor = QColor::fromString(QLatin1String(colour));
}

void dashed(PaintlightStyle &style, const char *colour, double width, int dash, int gap)
{
    line(style, colour, width);
    style.dashedLine = true;
    style.linePattern = {dash, gap};
}

void light(PaintlightStyle &style, const char *colour)
{
    style.hasLight = true;
    style.lightColor = QColor::fromString(QLatin1String(colour));
}

constexpr const char *yellow = "#eaea00";
constexpr const char *white = "#f5f5f5";

} // namespace

void PaintlightStyle::apply(int code)
{
    // The line and light codes are grouped by hand, several to a line.
    // clang-format off
    switch (code) {
    case 0:
        return;
    case 1: case 5: case 7: case 10: case 19: case 51: case 55: case 57: case 60: case 61: case 108:
        line(*this, yellow, 0.5);
        return;
    case 3: case 53:
        line(*this, yellow, 1.0);
        return;
    case 2: case 4: case 6: case 11: case 12: case 13: case 14: case 52: case 54: case 56: case 62: case 63: case 64:
        dashed(*this, yellow, 0.5, 3, 3);
        return;
    case 8: case 9: case 58: case 59:
        dashed(*this, yellow, 0.5, 3, 6);
        return;
    case 20: case 24: case 25: case 31: case 70: case 73: case 74: case 75:
        line(*this, white, 0.5);
        return;
    case 21: case 22: case 23: case 71: case 72:
        dashed(*this, white, 0.5, 3, 3);
        return;
    case 30: case 32:
        line(*this, "#944ca7", 0.5);
        return;
    case 40: case 80: case 81: case 82: case 90:
        line(*this, "#a74c4c", 0.5);
        return;
    case 41: case 91:
        line(*this, "#4c64a7", 0.5);
        return;
    case 42:
        dashed(*this, "#2db4be", 0.5, 3, 3);
        return;
    case 92:
        line(*this, "#15b372", 0.5);
        return;
    case 101: case 105:
        light(*this, "limegreen");
        return;
    case 102:
        light(*this, "deepskyblue");
        return;
    case 103: case 104:
        light(*this, "magenta");
        return;
    case 106: case 107:
        light(*this, "deeppink");
        return;
    default:
        unknown = true;
        qDebug() << "Unknown paintlight type" << code;
        return;
    }
    // clang-format on
}
