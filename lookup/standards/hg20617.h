#pragma once

// HG20617, welding-neck flanges of the American system (WN): tab, table, pressures and page.

#include "lookup/standard_record.h"

namespace vantelo::lookup::standards {

// The page, front to back (the first row lies on top). Results carry their
// place in the query's order and where their caption comes from.
inline constexpr ControlRow Hg20617Page[] = {
    button("Command6", {5430, 3180, 1245, 675}, "查询"),
    list("Combo12", {4980, 2250, 1095, 300}, DiameterList),
    list("Combo11", {4980, 1380, 1065, 300}, PressureList),
    label("Label85", {5010, 4770, 1785, 435}, ThicknessNote600, Left, Fixed, Default, Note),
    label("Label75", {3060, 1170, 1785, 435}, "法兰内径B相当于采用钢管壁厚为Sch40", Left, Fixed, Transparent, Note),
    result("Label74", {4560, 3000, 90, 180}, Right, Auto, {7, Plain, "法兰高度H"}),
    result("Label73", {4230, 3540, 90, 180}, Right, Auto, {6, Plain, "法兰厚度C"}),
    result("Label72", {600, 2730, 90, 180}, Centre, Auto, {5, BoltHoles, "螺栓孔数量n", "螺栓孔直径L"}),
    result("Label71", {1950, 4770, 90, 180}, Centre, Auto, {4, Diameter, "法兰外径D"}),
    result("Label70", {1950, 4440, 90, 180}, Centre, Auto, {3, Diameter, "螺孔中圆直径K"}),
    result("Label69", {1980, 1800, 90, 180}, Centre, Auto, {2, Diameter, "法兰内径B-注"}),
    result("Label68", {1980, 1530, 90, 180}, Centre, Auto, {1, Diameter, "钢管外径A"}),
    result("Label67", {1980, 1260, 90, 180}, Centre, Auto, {0, Diameter, "法兰颈N"}),
    label("Label66", {6090, 1440, 585, 285}, "Label66", Left, Fixed, Default, PressureValue),
    label("Label54", {5010, 1920, 1350, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label53", {4980, 1080, 1890, 180}, "公称压力PN(Class/MPa)", Left, Auto, Default, FieldCaption),
    picture("Image6", {120, 1080, 4785, 4080}, ":/drawings/tab6.svg", Natural),
    label("Label49", {120, 690, 1845, 435}, "带颈对焊钢制管法兰(美洲体系)(WN)", Left, Fixed, Default, Title),
};

inline constexpr StandardRecord Hg20617{"HG20617", "_HG20617", {}, 6, Hg20617Page};

} // namespace vantelo::lookup::standards
