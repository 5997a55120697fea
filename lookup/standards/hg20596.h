#pragma once

// HG20596, integral flanges of the European system (IF): tab, table, pressures and page.

#include "lookup/standard_record.h"

namespace vantelo::lookup::standards {

inline constexpr const char *Hg20596Pressures[] = {"0.6", "1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};

// The page, front to back (the first row lies on top). Results carry their
// place in the query's order and where their caption comes from.
inline constexpr ControlRow Hg20596Page[] = {
    button("Command4", {5160, 4140, 1305, 675}, "查询"),
    editableList("Combo8", {5100, 2250, 1335, 300}, "Combo8", DiameterList),
    editableList("Combo7", {5100, 1440, 1335, 300}, "Combo7", PressureList),
    label("Label87", {120, 4980, 2520, 180}, "法兰厚度C不包括RJ法兰的突台E", Left, Auto, Default, Note),
    result("Label48", {3210, 2580, 90, 180}, Left, Auto, {7, Radius, "法兰颈R"}),
    line("Line8", {3210, 2790, 3420, 2790}),
    line("Line7", {2970, 3090, 3210, 2760}),
    result("Label47", {4470, 3210, 90, 180}, Right, Auto, {6, Plain, "法兰厚度C"}),
    result("Label46", {1620, 2550, 90, 180}, Left, Auto, {5, Plain, "法兰颈S1"}),
    result("Label45", {1380, 1440, 90, 180}, Left, Auto, {4, Plain, "法兰颈S0"}),
    result("Label44", {660, 2430, 90, 180}, Centre, Auto, {3, BoltHoles, "螺栓孔数量n", "螺栓孔直径L"}),
    result("Label43", {2040, 4380, 90, 180}, Centre, Auto, {2, Diameter, "法兰外径D"}),
    result("Label42", {2040, 3990, 90, 180}, Centre, Auto, {1, Diameter, "螺孔中圆直径K"}),
    result("Label41", {2040, 1110, 90, 180}, Centre, Auto, {0, Diameter, "法兰颈N"}),
    label("Label40", {5100, 1950, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label39", {5130, 1140, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    picture("Image4", {120, 1110, 4740, 3720}, ":/drawings/tab4.svg", Stretched),
    label("Label38", {180, 690, 1365, 465}, "整体钢制管法兰(欧洲体系)(IF)", Left, Fixed, Default, Title),
};

inline constexpr StandardRecord Hg20596{"HG20596", "_HG20596", Hg20596Pressures, 0, Hg20596Page};

} // namespace vantelo::lookup::standards
