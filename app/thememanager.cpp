#include "thememanager.h"

#include "theme.h"

#include <QColor>
#include <QDebug>
#include <QQmlContext>

QString hslColor(double h, double s, double l, double a)
{
    return QColor::fromHslF(float(h / 360), float(s / 100), float(l / 100), float(a)).name(QColor::HexArgb);
}

namespace {

// The values of the built-in themes; every font family is left to the "Helvetica" default.
Theme *buildLight()
{
    auto *theme = new Theme("Light", false, false);
    theme->setFontSize("*", 11);
    theme->setColor("selection", hslColor(350.4, 100, 56.65, 1));
    theme->setColor("point", hslColor(232.91, 79.23, 58, 1), 1);
    theme->setColor("point", hslColor(0.59, 100, 68.17, 1), 2);
    theme->setColor("point", hslColor(240, 84.79, 61.57, 1), 3);
    theme->setColor("point", hslColor(300.62, 97.01, 65.96, 1), 11);
    theme->setColor("point", hslColor(240, 84.79, 61.57, 1), 13);
    theme->setColor("point", hslColor(300, 100, 64.44, 1), 28);
    theme->setWidth("point.dot", 4.5);
    theme->setColor("pointlabel.fill", "transparent");
    theme->setWidth("pointlabel.border", 0);
    theme->setWidth("segment", 1.75);
    theme->setColor("segment", hslColor(100, 48.11, 58.34, 1), 1);
    theme->setColor("segment", hslColor(209.68, 78.2, 61.57, 1), 2);
    theme->setColor("segment", hslColor(358.67, 95.53, 67.16, 1), 20);
    theme->setFontSize("segmentlabel", 9.5);
    theme->setColor("segmentlabel.fill", hslColor(0, 0, 100, 1));
    theme->setColor("airplane", hslColor(36, 60.01, 45.45, 1));
    theme->setColor("flightplan", hslColor(36.67, 90.75, 58, 1));
    theme->setColor("flightplan.hover", hslColor(36, 60.01, 45.45, 1));
    theme->setWidth("flightplan", 4);
    theme->setColor("flightplan.border", hslColor(37.36, 25.36, 42.91, 1));
    theme->setWidth("flightplan.border", 1.25);
    theme->setColor("procedure", hslColor(0, 0, 81.57, 1));
    theme->setColor("procedure.hover", hslColor(205.57, 100, 56.65, 1));
    theme->setWidth("procedure", 4);
    theme->setColor("procedure.border", hslColor(0, 0, 58.43, 1));
    theme->setWidth("procedure.border", 1.25);
    theme->setColor("boundary.fill", hslColor(60, 2.56, 92.35, 1));
    theme->setWidth("boundary.border", 0);
    theme->setColor("taxiname.fill", hslColor(0, 0, 80, 1));
    theme->setWidth("taxiname.border", 0);
    theme->setColor("taxiname", hslColor(0, 0, 53.33, 1));
    theme->setColor("startup.fill", hslColor(0, 0, 72.55, 1));
    theme->setWidth("startup.border", 0);
    theme->setColor("startuplabel", hslColor(60, 100, 39.68, 1));
    theme->setColor("asphalt", hslColor(0, 0, 66.27, 1));
    theme->setColor("concrete", hslColor(0, 0, 72.55, 1));
    theme->setColor("grass", hslColor(90, 20.17, 34.6, 1));
    theme->setColor("dirt", hslColor(28.33, 17.7, 44.77, 1));
    theme->setColor("gravel", hslColor(120, 0.93, 42.35, 1));
    theme->setColor("lakebed", hslColor(38, 14.4, 42.73, 1));
    theme->setColor("water", hslColor(204.44, 41.36, 13.4, 1));
    theme->setColor("snow", hslColor(230, 12.31, 66.48, 1));
    theme->setOpacity("clouds", 1);
    theme->setOpacity("precipitation", 0.85);
    theme->setOpacity("wind", 0.4);
    return theme;
}

Theme *buildDark()
{
    auto *theme = new Theme("Dark", true, false);
    theme->setFontSize("*", 11);
    theme->setColor("selection", hslColor(350.34, 39.71, 54.1, 1));
    theme->setColor("point", hslColor(211.18, 72.85, 34.57, 1), 1);
    theme->setColor("point", hslColor(0, 52.25, 35.92, 1), 2);
    theme->setColor("point", hslColor(211.18, 72.85, 34.57, 1), 3);
    theme->setColor("point", hslColor(300, 34.5, 37.94, 1), 11);
    theme->setColor("point", hslColor(211.18, 72.85, 34.57, 1), 13);
    theme->setColor("point", hslColor(300, 34.5, 37.94, 1), 28);
    theme->setWidth("point.dot", 4.5);
    theme->setColor("pointlabel.fill", hslColor(0, 0, 0, 0.333333));
    theme->setWidth("pointlabel.border", 0);
    theme->setWidth("segment", 1.75);
    theme->setColor("segment", hslColor(120, 70.88, 20.21, 1), 1);
    theme->setColor("segment", hslColor(193.41, 100, 19.09, 1), 2);
    theme->setColor("segment", hslColor(355.71, 33, 31.43, 1), 20);
    theme->setFontSize("segmentlabel", 9.5);
    theme->setColor("segmentlabel.fill", hslColor(0, 0, 6.67, 1));
    theme->setColor("airplane", hslColor(38.08, 64.27, 39.95, 1));
    theme->setColor("flightplan", hslColor(38.26, 69.63, 24.47, 1));
    theme->setColor("flightplan.hover", hslColor(38.08, 64.27, 39.95, 1));
    theme->setWidth("flightplan", 4);
    theme->setColor("flightplan.border", hslColor(38.18, 56.85, 33.46, 1));
    theme->setWidth("flightplan.border", 1.25);
    theme->setColor("procedure", hslColor(0, 0, 20, 1));
    theme->setColor("procedure.hover", hslColor(216.46, 36.06, 54.1, 1));
    theme->setWidth("procedure", 4);
    theme->setColor("procedure.border", hslColor(0, 0, 33.33, 1));
    theme->setWidth("procedure.border", 1.25);
    theme->setColor("boundary.fill", hslColor(0, 0, 6.27, 1));
    theme->setWidth("boundary.border", 0);
    theme->setColor("taxiname.fill", hslColor(0, 0, 26.67, 1));
    theme->setWidth("taxiname.border", 0);
    theme->setColor("taxiname", hslColor(0, 0, 53.33, 1));
    theme->setColor("startup.fill", hslColor(0, 0, 33.33, 1));
    theme->setWidth("startup.border", 0);
    theme->setColor("startuplabel", hslColor(42.9, 81.84, 56.12, 1));
    theme->setColor("asphalt", hslColor(0, 0, 26.67, 1));
    theme->setColor("concrete", hslColor(0, 0, 33.33, 1));
    theme->setColor("grass", hslColor(90, 18.34, 45.8, 1));
    theme->setColor("dirt", hslColor(28.33, 16.09, 59.26, 1));
    theme->setColor("gravel", hslColor(120, 0.93, 42.35, 1));
    theme->setColor("lakebed", hslColor(38, 13.09, 56.57, 1));
    theme->setColor("water", hslColor(204.44, 37.6, 17.73, 1));
    theme->setColor("snow", hslColor(230, 11.19, 88, 1));
    theme->setOpacity("clouds", 0.25);
    theme->setOpacity("precipitation", 0.85);
    theme->setOpacity("wind", 0.5);
    return theme;
}

Theme *buildVoyager()
{
    auto *theme = new Theme("Voyager", false, false);
    theme->setFontSize("*", 10);
    theme->setColor("selection", "orangered");
    theme->setColor("point", "mediumblue", 1);
    theme->setColor("point", "darkred", 2);
    theme->setColor("point", "mediumblue", 3);
    theme->setColor("point", "darkviolet", 11);
    theme->setColor("point", "mediumblue", 13);
    theme->setColor("point", "darkviolet", 28);
    theme->setWidth("point.dot", 4);
    theme->setColor("pointlabel.fill", "transparent");
    theme->setWidth("pointlabel.border", 0);
    theme->setWidth("segment", 1.5);
    theme->setColor("segment", hslColor(180, 25.4, 24.71, 0.6), 1);
    theme->setColor("segment", hslColor(248.46, 39, 39.22, 0.6), 2);
    theme->setColor("segment", hslColor(248.46, 39, 39.22, 0.6), 20);
    theme->setFontSize("segmentlabel", 9);
    theme->setColor("segmentlabel.fill", "white");
    theme->setColor("airplane", hslColor(37.84, 100, 47.25, 1));
    theme->setColor("flightplan", hslColor(37.84, 88.89, 61.18, 1));
    theme->setColor("flightplan.hover", hslColor(37.84, 100, 47.25, 1));
    theme->setWidth("flightplan", 3);
    theme->setColor("flightplan.border", hslColor(37.36, 20.95, 49.61, 1));
    theme->setWidth("flightplan.border", 1);
    theme->setColor("procedure", hslColor(0, 0, 81.57, 1));
    theme->setColor("procedure.hover", hslColor(205.71, 73.68, 62.75, 1));
    theme->setWidth("procedure", 3);
    theme->setColor("procedure.border", hslColor(0, 0, 50.2, 1));
    theme->setWidth("procedure.border", 1);
    theme->setColor("boundary.fill", hslColor(0, 0, 81.57, 1));
    theme->setWidth("boundary.border", 0);
    theme->setColor("taxiname.fill", hslColor(0, 100, 50, 0.333333));
    theme->setWidth("taxiname.border", 0);
    theme->setColor("taxiname", hslColor(0, 0, 100, 0.533333));
    theme->setColor("startup.fill", hslColor(0, 0, 53.33, 1));
    theme->setColor("startup.border", hslColor(60, 100, 45.88, 1));
    theme->setWidth("startup.border", 0.75);
    theme->setColor("startuplabel", hslColor(60, 100, 43.33, 1));
    theme->setColor("asphalt", hslColor(0, 0, 53.73, 1));
    theme->setColor("concrete", hslColor(0, 0, 62.75, 1));
    theme->setColor("grass", hslColor(90, 16.67, 40, 1));
    theme->setColor("dirt", hslColor(28.33, 14.63, 51.76, 1));
    theme->setColor("gravel", hslColor(120, 0.93, 42.35, 1));
    theme->setColor("lakebed", hslColor(38, 11.9, 49.41, 1));
    theme->setColor("water", hslColor(204.44, 34.18, 15.49, 1));
    theme->setColor("snow", hslColor(230, 10.17, 76.86, 1));
    theme->setOpacity("clouds", 1);
    theme->setOpacity("precipitation", 0.85);
    theme->setOpacity("wind", 0.5);
    return theme;
}

Theme *buildPaper()
{
    auto *theme = new Theme("Paper", false, false);
    theme->setFontSize("*", 13);
    theme->setColor("selection", hslColor(0, 100, 36.67, 1));
    theme->setColor("point", hslColor(240, 100, 27.25, 1), 1);
    theme->setColor("point", hslColor(0, 100, 27.25, 1), 2);
    theme->setColor("point", hslColor(240, 100, 27.25, 1), 3);
    theme->setColor("point", hslColor(300, 100, 27.25, 1), 11);
    theme->setColor("point", hslColor(240, 100, 27.25, 1), 13);
    theme->setColor("point", hslColor(300, 100, 27.25, 1), 28);
    theme->setWidth("point.dot", 4);
    theme->setColor("pointlabel.fill", hslColor(0, 0, 100, 0.666667));
    theme->setColor("pointlabel.border", hslColor(0, 0, 25.1, 1));
    theme->setWidth("pointlabel.border", 1);
    theme->setRadius("pointlabel.border", 4);
    theme->setWidth("segment", 1.5);
    theme->setColor("segment", hslColor(0, 0, 6.27, 0.733333), 1);
    theme->setColor("segment", hslColor(240, 100, 25.1, 0.733333), 2);
    theme->setColor("segment", hslColor(0, 100, 25.1, 0.733333), 20);
    theme->setDashed("segment", true, 1);
    theme->setFontSize("segmentlabel", 10);
    theme->setColor("segmentlabel.fill", hslColor(0, 0, 100, 1));
    theme->setColor("airplane", hslColor(36.08, 94.05, 67.06, 1));
    theme->setColor("flightplan", hslColor(37.67, 100, 43.73, 1));
    theme->setColor("flightplan.hover", hslColor(36.08, 94.05, 67.06, 1));
    theme->setWidth("flightplan", 3);
    theme->setColor("flightplan.border", hslColor(35.17, 31.52, 36.08, 1));
    theme->setWidth("flightplan.border", 1.5);
    theme->setColor("procedure", hslColor(0, 0, 73.33, 1));
    theme->setColor("procedure.hover", hslColor(205.53, 86.24, 57.25, 1));
    theme->setWidth("procedure", 3);
    theme->setColor("procedure.border", hslColor(0, 0, 41.57, 1));
    theme->setWidth("procedure.border", 1.5);
    theme->setColor("boundary.fill", hslColor(0, 0, 73.33, 1));
    theme->setColor("boundary.border", hslColor(0, 0, 50.2, 1));
    theme->setWidth("boundary.border", 0.5);
    theme->setColor("taxiname.fill", hslColor(0, 73.33, 50, 0.466667));
    theme->setColor("taxiname.border", hslColor(0, 60, 50, 0.866667));
    theme->setWidth("taxiname.border", 1);
    theme->setColor("taxiname", hslColor(0, 0, 100, 0.666667));
    theme->setColor("startup.fill", hslColor(0, 0, 100, 0.733333));
    theme->setColor("startup.border", hslColor(0, 0, 25.1, 1));
    theme->setWidth("startup.border", 1);
    theme->setRadius("startup.border", 3);
    theme->setColor("startuplabel", hslColor(0, 0, 25.1, 1));
    theme->setColor("asphalt", hslColor(0, 0, 41.57, 1));
    theme->setColor("concrete", hslColor(0, 0, 50.2, 1));
    theme->setColor("grass", hslColor(90, 16.67, 40, 1));
    theme->setColor("dirt", hslColor(28.33, 14.63, 51.76, 1));
    theme->setColor("gravel", hslColor(120, 0.93, 42.35, 1));
    theme->setColor("lakebed", hslColor(38, 11.9, 49.41, 1));
    theme->setColor("water", hslColor(204.44, 34.18, 15.49, 1));
    theme->setColor("snow", hslColor(230, 10.17, 76.86, 1));
    theme->setOpacity("clouds", 1);
    theme->setOpacity("precipitation", 0.85);
    theme->setOpacity("wind", 0.4);
    return theme;
}

Theme *buildMidnight()
{
    auto *theme = new Theme("Midnight", true, false);
    theme->setFontSize("*", 12);
    theme->setColor("selection", hslColor(56.29, 87.5, 52.94, 1));
    theme->setColor("point", "goldenrod", 1);
    theme->setColor("point", "olivedrab", 2);
    theme->setColor("point", "goldenrod", 3);
    theme->setColor("point", hslColor(280.7, 59.59, 62.16, 1), 11);
    theme->setColor("point", "goldenrod", 13);
    theme->setColor("point", hslColor(280.7, 59.59, 62.16, 1), 28);
    theme->setWidth("point.dot", 5);
    theme->setColor("pointlabel.fill", hslColor(0, 0, 0, 0.2));
    theme->setWidth("pointlabel.border", 0);
    theme->setRadius("pointlabel.border", 2);
    theme->setWidth("segment", 1.3);
    theme->setColor("segment", hslColor(157.71, 54.97, 37.45, 1), 1);
    theme->setColor("segment", hslColor(195.5, 75.88, 39.02, 1), 2);
    theme->setColor("segment", hslColor(322.03, 56.64, 44.31, 1), 20);
    theme->setFontSize("segmentlabel", 10);
    theme->setColor("segmentlabel.fill", hslColor(0, 0, 6.67, 1));
    theme->setColor("airplane", "palegreen");
    theme->setColor("flightplan", hslColor(114, 100, 27.45, 1));
    theme->setColor("flightplan.hover", "palegreen");
    theme->setWidth("flightplan", 3);
    theme->setColor("flightplan.border", "greenyellow");
    theme->setWidth("flightplan.border", 0.75);
    theme->setColor("procedure", hslColor(202.15, 100, 12.75, 1));
    theme->setColor("procedure.hover", hslColor(192.94, 100, 50, 1));
    theme->setWidth("procedure", 3);
    theme->setColor("procedure.border", hslColor(183.64, 92.52, 79.02, 1));
    theme->setWidth("procedure.border", 0.75);
    theme->setColor("boundary.fill", hslColor(201.43, 100, 8.24, 1));
    theme->setWidth("boundary.border", 0);
    theme->setColor("taxiname.fill", hslColor(240, 14.29, 23.33, 1));
    theme->setColor("taxiname.border", hslColor(240, 27.27, 36.67, 1));
    theme->setWidth("taxiname.border", 1);
    theme->setColor("taxiname", hslColor(80, 81.82, 36.67, 1));
    theme->setColor("startup.fill", hslColor(201.43, 100, 8.24, 1));
    theme->setWidth("startup.border", 0);
    theme->setColor("startuplabel", hslColor(186.67, 51.92, 79.61, 1));
    theme->setColor("asphalt", hslColor(201.82, 100, 15.1, 1));
    theme->setColor("concrete", hslColor(201.64, 100, 11.96, 1));
    theme->setColor("grass", hslColor(93.85, 29.77, 25.69, 1));
    theme->setColor("dirt", hslColor(28.33, 14.63, 51.76, 1));
    theme->setColor("gravel", hslColor(120, 0.93, 42.35, 1));
    theme->setColor("lakebed", hslColor(38, 11.9, 49.41, 1));
    theme->setColor("water", hslColor(204.44, 34.18, 15.49, 1));
    theme->setColor("snow", hslColor(230, 10.17, 76.86, 1));
    theme->setOpacity("clouds", 0.25);
    theme->setOpacity("precipitation", 0.85);
    theme->setOpacity("wind", 0.3);
    return theme;
}

Theme *buildTerrain()
{
    auto *theme = new Theme("Terrain", false, false);
    theme->setFontSize("*", 10);
    theme->setColor("selection", hslColor(0, 100, 26.86, 1));
    theme->setColor("point", hslColor(240, 100, 27.25, 1), 1);
    theme->setColor("point", hslColor(0, 100, 27.25, 1), 2);
    theme->setColor("point", hslColor(240, 100, 27.25, 1), 3);
    theme->setColor("point", hslColor(300, 100, 27.25, 1), 11);
    theme->setColor("point", hslColor(240, 100, 27.25, 1), 13);
    theme->setColor("point", hslColor(300, 100, 27.25, 1), 28);
    theme->setWidth("point.dot", 4);
    theme->setColor("pointlabel.fill", hslColor(0, 0, 100, 0.466667));
    theme->setColor("pointlabel.border", hslColor(0, 0, 100, 1));
    theme->setWidth("pointlabel.border", 0);
    theme->setWidth("segment", 1);
    theme->setColor("segment", hslColor(0, 0, 0, 0.733333), 1);
    theme->setColor("segment", hslColor(240, 100, 23.33, 0.733333), 2);
    theme->setColor("segment", hslColor(0, 100, 23.33, 0.733333), 20);
    theme->setDashed("segment", true, 1);
    theme->setFontSize("segmentlabel", 8);
    theme->setColor("segmentlabel.fill", hslColor(0, 0, 100, 1));
    theme->setColor("airplane", hslColor(32.7, 100, 41.37, 1));
    theme->setColor("flightplan", hslColor(34.79, 100, 57.06, 1));
    theme->setColor("flightplan.hover", hslColor(32.7, 100, 41.37, 1));
    theme->setWidth("flightplan", 4);
    theme->setColor("flightplan.border", hslColor(32.84, 100, 29.02, 1));
    theme->setWidth("flightplan.border", 1.5);
    theme->setColor("procedure", hslColor(0, 0, 74.51, 1));
    theme->setColor("procedure.hover", hslColor(213.56, 80.82, 57.06, 1));
    theme->setWidth("procedure", 4);
    theme->setColor("procedure.border", hslColor(0, 0, 47.06, 1));
    theme->setWidth("procedure.border", 1.5);
    theme->setColor("boundary.fill", hslColor(0, 0, 80, 0.466667));
    theme->setColor("boundary.border", hslColor(0, 0, 80, 1));
    theme->setWidth("boundary.border", 0);
    theme->setColor("taxiname.fill", hslColor(0, 100, 50, 0.333333));
    theme->setColor("taxiname.border", hslColor(0, 60, 50, 0.533333));
    theme->setWidth("taxiname.border", 1);
    theme->setColor("taxiname", hslColor(0, 0, 100, 0.533333));
    theme->setColor("startup.fill", hslColor(0, 0, 62.75, 0.533333));
    theme->setColor("startup.border", hslColor(0, 0, 0, 1));
    theme->setWidth("startup.border", 0);
    theme->setColor("startuplabel", "white");
    theme->setColor("asphalt", hslColor(0, 0, 46.67, 1));
    theme->setColor("concrete", hslColor(0, 0, 60, 1));
    theme->setColor("grass", hslColor(90, 16.67, 40, 1));
    theme->setColor("dirt", hslColor(28.33, 14.63, 51.76, 1));
    theme->setColor("gravel", hslColor(120, 0.93, 42.35, 1));
    theme->setColor("lakebed", hslColor(38, 11.9, 49.41, 1));
    theme->setColor("water", hslColor(204.44, 34.18, 15.49, 1));
    theme->setColor("snow", hslColor(230, 10.17, 76.86, 1));
    theme->setOpacity("clouds", 0.7);
    theme->setOpacity("precipitation", 0.8);
    theme->setOpacity("wind", 0.4);
    return theme;
}

Theme *buildSatellite()
{
    auto *theme = new Theme("Satellite", false, true);
    theme->setFontSize("*", 10);
    theme->setColor("selection", hslColor(350, 100, 72, 1));
    theme->setColor("point", hslColor(195, 100, 72, 1), 1);
    theme->setColor("point", hslColor(15, 100, 75, 1), 2);
    theme->setColor("point", hslColor(210, 100, 78, 1), 3);
    theme->setColor("point", hslColor(300, 100, 78, 1), 11);
    theme->setColor("point", hslColor(210, 100, 78, 1), 13);
    theme->setColor("point", hslColor(300, 100, 78, 1), 28);
    theme->setWidth("point.dot", 4);
    theme->setWidth("point.fill", 17);
    theme->setColor("point.fill", hslColor(220, 20, 8, 0.9));
    theme->setColor("point.border", hslColor(0, 0, 100, 0.8));
    theme->setWidth("point.border", 1);
    theme->setColor("pointlabel.fill", hslColor(220, 20, 8, 0.9));
    theme->setColor("pointlabel.border", hslColor(0, 0, 100, 0.45));
    theme->setWidth("pointlabel.border", 0.75);
    theme->setRadius("pointlabel.border", 3);
    theme->setWidth("segment", 1.25);
    theme->setColor("segment", hslColor(95, 100, 75, 1), 1);
    theme->setColor("segment", hslColor(195, 100, 72, 1), 2);
    theme->setColor("segment", hslColor(350, 100, 78, 1), 20);
    theme->setFontSize("segmentlabel", 8.5);
    theme->setColor("segmentlabel.fill", hslColor(220, 20, 8, 0.9));
    theme->setColor("airplane", hslColor(40, 100, 68, 1));
    theme->setColor("flightplan", hslColor(48, 100, 60, 1));
    theme->setColor("flightplan.hover", hslColor(48, 100, 82, 1));
    theme->setWidth("flightplan", 4.5);
    theme->setColor("flightplan.border", hslColor(220, 20, 8, 1));
    theme->setWidth("flightplan.border", 1.25);
    theme->setColor("procedure", hslColor(0, 0, 94, 1));
    theme->setColor("procedure.hover", hslColor(185, 100, 70, 1));
    theme->setWidth("procedure", 4.5);
    theme->setColor("procedure.border", hslColor(220, 20, 8, 1));
    theme->setWidth("procedure.border", 1.25);
    theme->setColor("boundary.fill", hslColor(220, 20, 8, 0.12));
    theme->setColor("boundary.border", hslColor(200, 40, 85, 0.7));
    theme->setWidth("boundary.border", 0.75);
    theme->setColor("taxiname.fill", hslColor(220, 20, 8, 0.9));
    theme->setColor("taxiname.border", hslColor(50, 100, 75, 0.7));
    theme->setWidth("taxiname.border", 0.75);
    theme->setColor("taxiname", hslColor(50, 100, 75, 1));
    theme->setColor("startup.fill", hslColor(220, 20, 8, 0.9));
    theme->setColor("startup.border", hslColor(0, 0, 100, 0.7));
    theme->setWidth("startup.border", 0.75);
    theme->setColor("startuplabel", hslColor(0, 0, 100, 1));
    theme->setColor("asphalt", hslColor(220, 12, 42, 0.75));
    theme->setColor("concrete", hslColor(210, 12, 68, 0.75));
    theme->setColor("grass", hslColor(100, 30, 42, 0.55));
    theme->setColor("dirt", hslColor(30, 40, 52, 0.65));
    theme->setColor("gravel", hslColor(35, 14, 56, 0.65));
    theme->setColor("lakebed", hslColor(38, 30, 60, 0.6));
    theme->setColor("water", hslColor(200, 60, 32, 0.65));
    theme->setColor("snow", hslColor(210, 15, 90, 0.65));
    theme->setOpacity("clouds", 1);
    theme->setOpacity("precipitation", 0.85);
    theme->setOpacity("wind", 0.4);
    return theme;
}
} // namespace

ThemeManager::ThemeManager()
{
    m_themes = { buildLight(), buildDark(), buildVoyager(), buildPaper(),
                 buildMidnight(), buildTerrain(), buildSatellite() };
}

void ThemeManager::setContext(QQmlContext *context)
{
    m_context = context;
    if (m_context)
        registerTheme();
}

void ThemeManager::setIndex(int index)
{
    if (index < 0 || index >= m_themes.size()) {
        qWarning() << "Invalid theme index" << index << "reseting to 0";
        index = 0;
    }
    m_index = index;
    registerTheme();
    emit changed();
}

bool ThemeManager::registerTheme()
{
    Theme *theme = m_themes.value(m_index);
    if (!theme || !m_context) {
        qWarning() << "Cannot register theme" << theme << "into context" << m_context.data();
        return false;
    }
    m_context->setContextProperty(QStringLiteral("theme"), theme);
    return true;
}

QVariant ThemeManager::list() const
{
    QVariantList names;
    for (const Theme *theme : m_themes) {
        if (theme)
            names.append(theme->property("name").toString());
    }
    return names;
}
