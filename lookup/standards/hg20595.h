#pragma once

// HG20595, welding-neck flanges of the European system (WN): tab, table, pressures and page.

#include "lookup/standard_record.h"

namespace vantelo::lookup::standards {

inline constexpr const char *Hg20595Pressures[] = {"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};

// The page, front to back (the first row lies on top). Results carry their
// place in the query's order and where their caption comes from.
inline constexpr ControlRow Hg20595Page[] = {
    button("Command3", {5340, 4170, 1275, 705}, "查询"),
    list("Combo6", {5340, 2280, 1245, 300}, DiameterList),
    list("Combo5", {5340, 1440, 1245, 300}, PressureList),
    line("Line9", {3330, 1890, 3570, 1890}),
    result("Label37", {1800, 1830, 90, 180}, Left, Auto, {9, Plain, "法兰颈S"}),
    line("Line6", {1680, 2010, 1770, 2040}),
    line("Line5", {1680, 2010, 1770, 1980}),
    line("Line4", {1620, 2010, 1530, 2040}),
    line("Line3", {1620, 2010, 1530, 1980}),
    line("Line2", {1470, 2010, 1860, 2010}),
    line("Line1", {1680, 2130, 1680, 1860}),
    label("Label36", {180, 4950, 3615, 225}, "法兰高度H包括厚度C(不包括RJ法兰的突台E)", Left, Fixed, Default, Note),
    result("Label35", {1230, 1950, 90, 180}, Right, Auto, {8, Radius, "法兰颈R"}),
    result("Label34", {3330, 1680, 90, 180}, Left, Auto, {7, Plain, "法兰颈H1"}),
    result("Label33", {4800, 2610, 90, 180}, Right, Auto, {6, Plain, "法兰高度H"}),
    result("Label32", {4470, 3030, 90, 180}, Right, Auto, {5, Plain, "法兰厚度C"}),
    result("Label31", {1020, 2160, 90, 180}, Right, Auto, {2, BoltHoles, "螺栓孔数量n", "螺栓孔直径L"}),
    result("Label30", {2220, 4380, 90, 180}, Centre, Auto, {4, Diameter, "法兰外径D"}),
    result("Label29", {2220, 3990, 90, 180}, Centre, Auto, {3, Diameter, "螺孔中圆直径K"}),
    result("Label28", {2220, 1470, 90, 180}, Centre, Auto, {1, DiameterPair, "钢管外径A1A", "钢管外径A1B"}),
    result("Label27", {2220, 1110, 90, 180}, Centre, Auto, {0, DiameterPair, "法兰颈N-A", "法兰颈N-B"}),
    label("Label26", {5340, 1950, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label25", {5310, 1140, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    picture("Image3", {180, 1080, 4995, 3750}, ":/drawings/tab3.svg", Stretched),
    label("Label24", {210, 690, 1755, 405}, "带颈对焊钢制管法兰(欧洲体系)(WN)", Left, Fixed, Default, Title),
};

inline constexpr StandardRecord Hg20595{"HG20595", "_HG20595", Hg20595Pressures, 0, Hg20595Page};

} // namespace vantelo::lookup::standards
