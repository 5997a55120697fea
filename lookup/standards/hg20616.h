#pragma once

// HG20616, hubbed slip-on flanges of the American system (SO): tab, table, pressures and page.

#include "lookup/standard_record.h"

namespace vantelo::lookup::standards {

// The page, front to back (the first row lies on top). Results carry their
// place in the query's order and where their caption comes from.
inline constexpr ControlRow Hg20616Page[] = {
    button("Command5", {5340, 3930, 1245, 675}, "查询"),
    list("Combo10", {4980, 2340, 1005, 300}, DiameterList),
    list("Combo9", {4950, 1530, 1035, 300}, PressureList),
    label("Label86", {240, 4710, 3420, 180}, ThicknessNote600, Left, Auto, Default, Note),
    result("Label65", {4470, 1890, 90, 180}, Right, Auto, {6, Plain, "法兰高度H"}),
    result("Label64", {4080, 2730, 90, 180}, Right, Auto, {5, Plain, "法兰厚度C"}),
    result("Label63", {600, 1920, 90, 180}, Centre, Auto, {4, BoltHoles, "螺栓孔数量n", "螺栓孔直径L"}),
    result("Label62", {1890, 4200, 90, 180}, Centre, Auto, {3, Diameter, "法兰外径D"}),
    result("Label61", {1890, 3780, 90, 180}, Centre, Auto, {2, Diameter, "螺孔中圆直径K"}),
    result("Label60", {1890, 1650, 90, 180}, Centre, Auto, {1, Diameter, "法兰内径B"}),
    result("Label59", {1890, 1260, 90, 180}, Centre, Auto, {0, Diameter, "法兰颈N"}),
    label("Label58", {6060, 1590, 675, 225}, "Label58", Left, Fixed, Default, PressureValue),
    label("Label57", {4950, 2040, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label56", {4920, 1260, 1890, 180}, "公称压力PN(Class/MPa)", Left, Auto, Default, FieldCaption),
    picture("Image7", {180, 1200, 4635, 3375}, ":/drawings/tab5.svg", Stretched),
    label("Label55", {150, 690, 1695, 435}, "带颈平焊钢制管法兰(美洲体系)(SO)", Left, Fixed, Default, Title),
};

inline constexpr StandardRecord Hg20616{"HG20616", "_HG20616", {}, 5, Hg20616Page};

} // namespace vantelo::lookup::standards
