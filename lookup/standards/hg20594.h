#pragma once

// HG20594, hubbed slip-on flanges of the European system (SO): tab, table, pressures and page.

#include "lookup/standard_record.h"

namespace vantelo::lookup::standards {

inline constexpr const char *Hg20594Pressures[] = {"0.6", "1.0", "1.6", "2.5", "4.0"};

// The page, front to back (the first row lies on top). Results carry their
// place in the query's order and where their caption comes from.
inline constexpr ControlRow Hg20594Page[] = {
    button("Command2", {5280, 4350, 1215, 615}, "查询"),
    list("Combo4", {5280, 2250, 1215, 300}, DiameterList),
    list("Combo3", {5280, 1380, 1215, 300}, PressureList),
    result("Label23", {3420, 2280, 300, 180}, Left, Fixed, {9, Radius, "法兰颈R"}),
    result("Label22", {2790, 1950, 270, 180}, Left, Fixed, {7, Plain, "坡口宽度b"}),
    result("Label21", {4800, 2670, 90, 180}, Right, Auto, {6, Plain, "法兰高度H"}),
    result("Label20", {4470, 3030, 90, 180}, Right, Auto, {5, Plain, "法兰厚度C"}),
    result("Label19", {720, 2250, 90, 180}, Centre, Auto, {1, BoltHoles, "螺栓孔数量n", "螺栓孔直径L"}),
    result("Label18", {2070, 4530, 90, 180}, Centre, Auto, {4, Diameter, "法兰外径D"}),
    result("Label17", {2070, 4230, 90, 180}, Centre, Auto, {3, Diameter, "螺孔中圆直径K"}),
    result("Label16", {2070, 3570, 90, 180}, Centre, Auto, {2, DiameterPair, "法兰内径B1A", "法兰内径B1B"}),
    result("Label15", {2070, 1470, 90, 180}, Centre, Auto, {0, DiameterPair, "钢管外径A1A", "钢管外径A1B"}),
    result("Label14", {2100, 1140, 90, 180}, Centre, Auto, {8, DiameterPair, "法兰颈N-A", "法兰颈N-B"}),
    label("Label13", {5280, 1890, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label12", {5280, 1110, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    picture("Image2", {90, 1110, 5055, 3885}, ":/drawings/tab2.svg", Natural),
    label("Label11", {150, 720, 1845, 405}, "带颈平焊钢制管法兰(欧洲体系)(SO)", Left, Fixed, Default, Title),
};

inline constexpr StandardRecord Hg20594{"HG20594", "_HG20594", Hg20594Pressures, 0, Hg20594Page};

} // namespace vantelo::lookup::standards
