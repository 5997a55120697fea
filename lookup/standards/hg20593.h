#pragma once

// HG20593, plate slip-on flanges of the European system (PL): tab, table, pressures and page.

#include "lookup/standard_record.h"

namespace vantelo::lookup::standards {

inline constexpr const char *Hg20593Pressures[] = {"0.25", "0.6", "1.0", "1.6", "2.5"};

// The page, front to back (the first row lies on top). Results carry their
// place in the query's order and where their caption comes from.
inline constexpr ControlRow Hg20593Page[] = {
    button("Command1", {5460, 4170, 1155, 705}, "查询"),
    list("Combo2", {5430, 2310, 1185, 300}, DiameterList),
    list("Combo1", {5430, 1470, 1185, 300}, PressureList),
    label("Label10", {5430, 1950, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label9", {5430, 1200, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    result("Label8", {3060, 2070, 285, 285}, Left, Fixed, {6, Plain, "坡口宽度b"}),
    result("Label7", {4890, 2940, 90, 180}, Right, Auto, {5, Plain, "法兰厚度C"}),
    result("Label6", {1860, 4440, 780, 270}, Centre, Fixed, {4, Diameter, "法兰外径D"}),
    result("Label5", {1860, 3990, 780, 240}, Centre, Fixed, {3, Diameter, "螺孔中圆直径K"}),
    result("Label4", {2235, 3390, 90, 180}, Centre, Auto, {2, DiameterPair, "法兰内径B1A", "法兰内径B1B"}),
    result("Label3", {585, 1980, 90, 180}, Centre, Auto, {1, BoltHoles, "螺栓孔数量n", "螺栓孔直径L"}),
    result("Label2", {2175, 1200, 90, 180}, Centre, Auto, {0, DiameterPair, "管子外径A1A", "管子外径A1B"}),
    picture("Image1", {150, 1170, 5025, 3705}, ":/drawings/tab1.svg", Stretched),
    label("Label1", {120, 720, 1635, 405}, "板式平焊钢制管法兰(欧洲体系)(PL)", Left, Fixed, Default, Title),
};

inline constexpr StandardRecord Hg20593{"HG20593", "_HG20593", Hg20593Pressures, 0, Hg20593Page};

} // namespace vantelo::lookup::standards
