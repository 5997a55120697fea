// Layout of the pages of HG20593 to HG20596, each listed front to back.
#include "ui/page_tables.h"

#include <array>

namespace vantelo::ui {
namespace {

using enum TextAlign;
using enum Sizing;
using enum Fill;
using enum ControlRole;
using enum PictureControl::Fit;

constexpr std::array kHg20593{
    button("Command1", {5460, 4170, 1155, 705}, "查询"),
    list("Combo2", {5430, 2310, 1185, 300}, DiameterList),
    list("Combo1", {5430, 1470, 1185, 300}, PressureList),
    label("Label10", {5430, 1950, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label9", {5430, 1200, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    result("Label8", {3060, 2070, 285, 285}, Left, Fixed),
    result("Label7", {4890, 2940, 90, 180}, Right, Auto),
    result("Label6", {1860, 4440, 780, 270}, Centre, Fixed),
    result("Label5", {1860, 3990, 780, 240}, Centre, Fixed),
    result("Label4", {2235, 3390, 90, 180}, Centre, Auto),
    result("Label3", {585, 1980, 90, 180}, Centre, Auto),
    result("Label2", {2175, 1200, 90, 180}, Centre, Auto),
    picture("Image1", {150, 1170, 5025, 3705}, {":/drawings/tab1.svg", 335, 225, Stretched}),
    label("Label1", {120, 720, 1635, 405}, "板式平焊钢制管法兰(欧洲体系)(PL)", Left, Fixed, Default, Title),
};

constexpr std::array kHg20594{
    button("Command2", {5280, 4350, 1215, 615}, "查询"),
    list("Combo4", {5280, 2250, 1215, 300}, DiameterList),
    list("Combo3", {5280, 1380, 1215, 300}, PressureList),
    result("Label23", {3420, 2280, 300, 180}, Left, Fixed),
    result("Label22", {2790, 1950, 270, 180}, Left, Fixed),
    result("Label21", {4800, 2670, 90, 180}, Right, Auto),
    result("Label20", {4470, 3030, 90, 180}, Right, Auto),
    result("Label19", {720, 2250, 90, 180}, Centre, Auto),
    result("Label18", {2070, 4530, 90, 180}, Centre, Auto),
    result("Label17", {2070, 4230, 90, 180}, Centre, Auto),
    result("Label16", {2070, 3570, 90, 180}, Centre, Auto),
    result("Label15", {2070, 1470, 90, 180}, Centre, Auto),
    result("Label14", {2100, 1140, 90, 180}, Centre, Auto),
    label("Label13", {5280, 1890, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label12", {5280, 1110, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    picture("Image2", {90, 1110, 5055, 3885}, {":/drawings/tab2.svg", 337, 259, Natural}),
    label("Label11", {150, 720, 1845, 405}, "带颈平焊钢制管法兰(欧洲体系)(SO)", Left, Fixed, Default, Title),
};

constexpr std::array kHg20595{
    button("Command3", {5340, 4170, 1275, 705}, "查询"),
    list("Combo6", {5340, 2280, 1245, 300}, DiameterList),
    list("Combo5", {5340, 1440, 1245, 300}, PressureList),
    line("Line9", {3330, 1890, 3570, 1890}),
    result("Label37", {1800, 1830, 90, 180}, Left, Auto),
    line("Line6", {1680, 2010, 1770, 2040}),
    line("Line5", {1680, 2010, 1770, 1980}),
    line("Line4", {1620, 2010, 1530, 2040}),
    line("Line3", {1620, 2010, 1530, 1980}),
    line("Line2", {1470, 2010, 1860, 2010}),
    line("Line1", {1680, 2130, 1680, 1860}),
    label("Label36", {180, 4950, 3615, 225}, "法兰高度H包括厚度C(不包括RJ法兰的突台E)", Left, Fixed, Default, Note),
    result("Label35", {1230, 1950, 90, 180}, Right, Auto),
    result("Label34", {3330, 1680, 90, 180}, Left, Auto),
    result("Label33", {4800, 2610, 90, 180}, Right, Auto),
    result("Label32", {4470, 3030, 90, 180}, Right, Auto),
    result("Label31", {1020, 2160, 90, 180}, Right, Auto),
    result("Label30", {2220, 4380, 90, 180}, Centre, Auto),
    result("Label29", {2220, 3990, 90, 180}, Centre, Auto),
    result("Label28", {2220, 1470, 90, 180}, Centre, Auto),
    result("Label27", {2220, 1110, 90, 180}, Centre, Auto),
    label("Label26", {5340, 1950, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label25", {5310, 1140, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    picture("Image3", {180, 1080, 4995, 3750}, {":/drawings/tab3.svg", 305, 208, Stretched}),
    label("Label24", {210, 690, 1755, 405}, "带颈对焊钢制管法兰(欧洲体系)(WN)", Left, Fixed, Default, Title),
};

constexpr std::array kHg20596{
    button("Command4", {5160, 4140, 1305, 675}, "查询"),
    editableList("Combo8", {5100, 2250, 1335, 300}, "Combo8", DiameterList),
    editableList("Combo7", {5100, 1440, 1335, 300}, "Combo7", PressureList),
    label("Label87", {120, 4980, 2520, 180}, "法兰厚度C不包括RJ法兰的突台E", Left, Auto, Default, Note),
    result("Label48", {3210, 2580, 90, 180}, Left, Auto),
    line("Line8", {3210, 2790, 3420, 2790}),
    line("Line7", {2970, 3090, 3210, 2760}),
    result("Label47", {4470, 3210, 90, 180}, Right, Auto),
    result("Label46", {1620, 2550, 90, 180}, Left, Auto),
    result("Label45", {1380, 1440, 90, 180}, Left, Auto),
    result("Label44", {660, 2430, 90, 180}, Centre, Auto),
    result("Label43", {2040, 4380, 90, 180}, Centre, Auto),
    result("Label42", {2040, 3990, 90, 180}, Centre, Auto),
    result("Label41", {2040, 1110, 90, 180}, Centre, Auto),
    label("Label40", {5100, 1950, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label39", {5130, 1140, 1350, 180}, "公称压力PN(MPa)", Left, Auto, Default, FieldCaption),
    picture("Image4", {120, 1110, 4740, 3720}, {":/drawings/tab4.svg", 276, 220, Stretched}),
    label("Label38", {180, 690, 1365, 465}, "整体钢制管法兰(欧洲体系)(IF)", Left, Fixed, Default, Title),
};

} // namespace

std::span<const ControlRow> hg20593Page() { return kHg20593; }
std::span<const ControlRow> hg20594Page() { return kHg20594; }
std::span<const ControlRow> hg20595Page() { return kHg20595; }
std::span<const ControlRow> hg20596Page() { return kHg20596; }

} // namespace vantelo::ui
