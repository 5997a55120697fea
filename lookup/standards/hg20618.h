#pragma once

// HG20618, integral flanges of the American system (IF): tab, table, pressures and page.

#include "lookup/standard_record.h"

namespace vantelo::lookup::standards {

// The page, front to back (the first row lies on top). Results carry their
// place in the query's order and where their caption comes from.
inline constexpr ControlRow Hg20618Page[] = {
    button("Command7", {5550, 3210, 1125, 615}, "查询"),
    list("Combo14", {4920, 2370, 1125, 300}, DiameterList),
    list("Combo13", {4920, 1500, 1095, 300}, PressureList),
    label("Label84", {300, 4950, 3705, 255}, ThicknessNote600, Left, Fixed, Default, Note),
    result("Label83", {4470, 3270, 90, 180}, Right, Auto, {6, Plain, "法兰厚度C"}),
    result("Label82", {1050, 1680, 90, 180}, Right, Auto, {5, Plain, "颈部最小壁厚S"}),
    result("Label81", {690, 2490, 90, 180}, Centre, Auto, {4, BoltHoles, "螺栓孔数量n", "螺栓孔直径L"}),
    result("Label80", {2070, 4410, 90, 180}, Centre, Auto, {3, Diameter, "法兰外径D"}),
    result("Label79", {2070, 4080, 90, 180}, Centre, Auto, {2, Diameter, "螺孔中圆直径K"}),
    result("Label78", {2040, 1680, 90, 180}, Centre, Auto, {1, Diameter, "法兰内径B"}),
    result("Label77", {2070, 1350, 90, 180}, Centre, Auto, {0, Diameter, "法兰颈N"}),
    label("Label76", {6090, 1560, 675, 285}, "Label76", Left, Fixed, Default, PressureValue),
    label("Label52", {4950, 2040, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label51", {4920, 1200, 1890, 180}, "公称压力PN(Class/MPa)", Left, Auto, Default, FieldCaption),
    picture("Image5", {90, 1140, 4695, 3705}, ":/drawings/tab7.svg", Stretched),
    label("Label50", {90, 690, 1515, 405}, "整体钢制管法兰(美洲体系)(IF)", Left, Fixed, Default, Title),
};

inline constexpr StandardRecord Hg20618{"HG20618", "_HG20618", {}, 6, Hg20618Page};

} // namespace vantelo::lookup::standards
