// Layout of the pages of HG20616 to HG20618, each listed front to back.
// Pictures run backwards here: tab 5 holds Image7 and tab 7 holds Image5.
#include "ui/page_tables.h"

#include <array>

namespace vantelo::ui {
namespace {

using enum TextAlign;
using enum Sizing;
using enum Fill;
using enum ControlRole;
using enum PictureControl::Fit;

constexpr const char *kThicknessNote = "600#及以上压力,法兰厚度C不包括凸台高度";

constexpr std::array kHg20616{
    button("Command5", {5340, 3930, 1245, 675}, "查询"),
    list("Combo10", {4980, 2340, 1005, 300}, DiameterList),
    list("Combo9", {4950, 1530, 1035, 300}, PressureList),
    label("Label86", {240, 4710, 3420, 180}, kThicknessNote, Left, Auto, Default, Note),
    result("Label65", {4470, 1890, 90, 180}, Right, Auto),
    result("Label64", {4080, 2730, 90, 180}, Right, Auto),
    result("Label63", {600, 1920, 90, 180}, Centre, Auto),
    result("Label62", {1890, 4200, 90, 180}, Centre, Auto),
    result("Label61", {1890, 3780, 90, 180}, Centre, Auto),
    result("Label60", {1890, 1650, 90, 180}, Centre, Auto),
    result("Label59", {1890, 1260, 90, 180}, Centre, Auto),
    label("Label58", {6060, 1590, 675, 225}, "Label58", Left, Fixed, Default, PressureValue),
    label("Label57", {4950, 2040, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label56", {4920, 1260, 1890, 180}, "公称压力PN(Class/MPa)", Left, Auto, Default, FieldCaption),
    picture("Image7", {180, 1200, 4635, 3375}, {":/drawings/tab5.svg", 285, 181, Stretched}),
    label("Label55", {150, 690, 1695, 435}, "带颈平焊钢制管法兰(美洲体系)(SO)", Left, Fixed, Default, Title),
};

constexpr std::array kHg20617{
    button("Command6", {5430, 3180, 1245, 675}, "查询"),
    list("Combo12", {4980, 2250, 1095, 300}, DiameterList),
    list("Combo11", {4980, 1380, 1065, 300}, PressureList),
    label("Label85", {5010, 4770, 1785, 435}, kThicknessNote, Left, Fixed, Default, Note),
    label("Label75", {3060, 1170, 1785, 435}, "法兰内径B相当于采用钢管壁厚为Sch40", Left, Fixed, Transparent, Note),
    result("Label74", {4560, 3000, 90, 180}, Right, Auto),
    result("Label73", {4230, 3540, 90, 180}, Right, Auto),
    result("Label72", {600, 2730, 90, 180}, Centre, Auto),
    result("Label71", {1950, 4770, 90, 180}, Centre, Auto),
    result("Label70", {1950, 4440, 90, 180}, Centre, Auto),
    result("Label69", {1980, 1800, 90, 180}, Centre, Auto),
    result("Label68", {1980, 1530, 90, 180}, Centre, Auto),
    result("Label67", {1980, 1260, 90, 180}, Centre, Auto),
    label("Label66", {6090, 1440, 585, 285}, "Label66", Left, Fixed, Default, PressureValue),
    label("Label54", {5010, 1920, 1350, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label53", {4980, 1080, 1890, 180}, "公称压力PN(Class/MPa)", Left, Auto, Default, FieldCaption),
    picture("Image6", {120, 1080, 4785, 4080}, {":/drawings/tab6.svg", 319, 272, Natural}),
    label("Label49", {120, 690, 1845, 435}, "带颈对焊钢制管法兰(美洲体系)(WN)", Left, Fixed, Default, Title),
};

constexpr std::array kHg20618{
    button("Command7", {5550, 3210, 1125, 615}, "查询"),
    list("Combo14", {4920, 2370, 1125, 300}, DiameterList),
    list("Combo13", {4920, 1500, 1095, 300}, PressureList),
    label("Label84", {300, 4950, 3705, 255}, kThicknessNote, Left, Fixed, Default, Note),
    result("Label83", {4470, 3270, 90, 180}, Right, Auto),
    result("Label82", {1050, 1680, 90, 180}, Right, Auto),
    result("Label81", {690, 2490, 90, 180}, Centre, Auto),
    result("Label80", {2070, 4410, 90, 180}, Centre, Auto),
    result("Label79", {2070, 4080, 90, 180}, Centre, Auto),
    result("Label78", {2040, 1680, 90, 180}, Centre, Auto),
    result("Label77", {2070, 1350, 90, 180}, Centre, Auto),
    label("Label76", {6090, 1560, 675, 285}, "Label76", Left, Fixed, Default, PressureValue),
    label("Label52", {4950, 2040, 1260, 180}, "公称通径DN(mm)", Left, Auto, Default, FieldCaption),
    label("Label51", {4920, 1200, 1890, 180}, "公称压力PN(Class/MPa)", Left, Auto, Default, FieldCaption),
    picture("Image5", {90, 1140, 4695, 3705}, {":/drawings/tab7.svg", 289, 247, Stretched}),
    label("Label50", {90, 690, 1515, 405}, "整体钢制管法兰(美洲体系)(IF)", Left, Fixed, Default, Title),
};

} // namespace

std::span<const ControlRow> hg20616Page() { return kHg20616; }
std::span<const ControlRow> hg20617Page() { return kHg20617; }
std::span<const ControlRow> hg20618Page() { return kHg20618; }

} // namespace vantelo::ui
