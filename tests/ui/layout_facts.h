#pragma once

// The window's layout as the design tables state it, typed in here on purpose
// rather than read from the window's own tables, so that a wrong number in
// either shows up. Twips from the top-left of the client area; each page is
// listed front to back.

namespace layout_facts {

enum class Kind { Button, List, EditableList, Label, Line, Picture };
enum class Look { None, Face, White, Clear }; // labels: button face, result white, transparent

struct Control
{
    int tab; // 1..7
    const char *name;
    Kind kind;
    int a, b, c, d; // left, top, width, height; lines: x1, y1, x2, y2
    const char *text = "";
    char align = 0; // 'l', 'r', 'c' for labels
    Look look = Look::None;
};

using enum Kind;
using enum Look;

inline constexpr const char *kNote600 = "600#及以上压力,法兰厚度C不包括凸台高度";

inline constexpr Control kControls[] = {
    {1, "Command1", Button, 5460, 4170, 1155, 705, "查询"},
    {1, "Combo2", List, 5430, 2310, 1185, 300},
    {1, "Combo1", List, 5430, 1470, 1185, 300},
    {1, "Label10", Label, 5430, 1950, 1260, 180, "公称通径DN(mm)", 'l', Face},
    {1, "Label9", Label, 5430, 1200, 1350, 180, "公称压力PN(MPa)", 'l', Face},
    {1, "Label8", Label, 3060, 2070, 285, 285, "", 'l', White},
    {1, "Label7", Label, 4890, 2940, 90, 180, "", 'r', White},
    {1, "Label6", Label, 1860, 4440, 780, 270, "", 'c', White},
    {1, "Label5", Label, 1860, 3990, 780, 240, "", 'c', White},
    {1, "Label4", Label, 2235, 3390, 90, 180, "", 'c', White},
    {1, "Label3", Label, 585, 1980, 90, 180, "", 'c', White},
    {1, "Label2", Label, 2175, 1200, 90, 180, "", 'c', White},
    {1, "Image1", Picture, 150, 1170, 5025, 3705},
    {1, "Label1", Label, 120, 720, 1635, 405, "板式平焊钢制管法兰(欧洲体系)(PL)", 'l', Face},

    {2, "Command2", Button, 5280, 4350, 1215, 615, "查询"},
    {2, "Combo4", List, 5280, 2250, 1215, 300},
    {2, "Combo3", List, 5280, 1380, 1215, 300},
    {2, "Label23", Label, 3420, 2280, 300, 180, "", 'l', White},
    {2, "Label22", Label, 2790, 1950, 270, 180, "", 'l', White},
    {2, "Label21", Label, 4800, 2670, 90, 180, "", 'r', White},
    {2, "Label20", Label, 4470, 3030, 90, 180, "", 'r', White},
    {2, "Label19", Label, 720, 2250, 90, 180, "", 'c', White},
    {2, "Label18", Label, 2070, 4530, 90, 180, "", 'c', White},
    {2, "Label17", Label, 2070, 4230, 90, 180, "", 'c', White},
    {2, "Label16", Label, 2070, 3570, 90, 180, "", 'c', White},
    {2, "Label15", Label, 2070, 1470, 90, 180, "", 'c', White},
    {2, "Label14", Label, 2100, 1140, 90, 180, "", 'c', White},
    {2, "Label13", Label, 5280, 1890, 1260, 180, "公称通径DN(mm)", 'l', Face},
    {2, "Label12", Label, 5280, 1110, 1350, 180, "公称压力PN(MPa)", 'l', Face},
    {2, "Image2", Picture, 90, 1110, 5055, 3885},
    {2, "Label11", Label, 150, 720, 1845, 405, "带颈平焊钢制管法兰(欧洲体系)(SO)", 'l', Face},

    {3, "Command3", Button, 5340, 4170, 1275, 705, "查询"},
    {3, "Combo6", List, 5340, 2280, 1245, 300},
    {3, "Combo5", List, 5340, 1440, 1245, 300},
    {3, "Line9", Line, 3330, 1890, 3570, 1890},
    {3, "Label37", Label, 1800, 1830, 90, 180, "", 'l', White},
    {3, "Line6", Line, 1680, 2010, 1770, 2040},
    {3, "Line5", Line, 1680, 2010, 1770, 1980},
    {3, "Line4", Line, 1620, 2010, 1530, 2040},
    {3, "Line3", Line, 1620, 2010, 1530, 1980},
    {3, "Line2", Line, 1470, 2010, 1860, 2010},
    {3, "Line1", Line, 1680, 2130, 1680, 1860},
    {3, "Label36", Label, 180, 4950, 3615, 225, "法兰高度H包括厚度C(不包括RJ法兰的突台E)", 'l', Face},
    {3, "Label35", Label, 1230, 1950, 90, 180, "", 'r', White},
    {3, "Label34", Label, 3330, 1680, 90, 180, "", 'l', White},
    {3, "Label33", Label, 4800, 2610, 90, 180, "", 'r', White},
    {3, "Label32", Label, 4470, 3030, 90, 180, "", 'r', White},
    {3, "Label31", Label, 1020, 2160, 90, 180, "", 'r', White},
    {3, "Label30", Label, 2220, 4380, 90, 180, "", 'c', White},
    {3, "Label29", Label, 2220, 3990, 90, 180, "", 'c', White},
    {3, "Label28", Label, 2220, 1470, 90, 180, "", 'c', White},
    {3, "Label27", Label, 2220, 1110, 90, 180, "", 'c', White},
    {3, "Label26", Label, 5340, 1950, 1260, 180, "公称通径DN(mm)", 'l', Face},
    {3, "Label25", Label, 5310, 1140, 1350, 180, "公称压力PN(MPa)", 'l', Face},
    {3, "Image3", Picture, 180, 1080, 4995, 3750},
    {3, "Label24", Label, 210, 690, 1755, 405, "带颈对焊钢制管法兰(欧洲体系)(WN)", 'l', Face},

    {4, "Command4", Button, 5160, 4140, 1305, 675, "查询"},
    {4, "Combo8", EditableList, 5100, 2250, 1335, 300, "Combo8"},
    {4, "Combo7", EditableList, 5100, 1440, 1335, 300, "Combo7"},
    {4, "Label87", Label, 120, 4980, 2520, 180, "法兰厚度C不包括RJ法兰的突台E", 'l', Face},
    {4, "Label48", Label, 3210, 2580, 90, 180, "", 'l', White},
    {4, "Line8", Line, 3210, 2790, 3420, 2790},
    {4, "Line7", Line, 2970, 3090, 3210, 2760},
    {4, "Label47", Label, 4470, 3210, 90, 180, "", 'r', White},
    {4, "Label46", Label, 1620, 2550, 90, 180, "", 'l', White},
    {4, "Label45", Label, 1380, 1440, 90, 180, "", 'l', White},
    {4, "Label44", Label, 660, 2430, 90, 180, "", 'c', White},
    {4, "Label43", Label, 2040, 4380, 90, 180, "", 'c', White},
    {4, "Label42", Label, 2040, 3990, 90, 180, "", 'c', White},
    {4, "Label41", Label, 2040, 1110, 90, 180, "", 'c', White},
    {4, "Label40", Label, 5100, 1950, 1260, 180, "公称通径DN(mm)", 'l', Face},
    {4, "Label39", Label, 5130, 1140, 1350, 180, "公称压力PN(MPa)", 'l', Face},
    {4, "Image4", Picture, 120, 1110, 4740, 3720},
    {4, "Label38", Label, 180, 690, 1365, 465, "整体钢制管法兰(欧洲体系)(IF)", 'l', Face},

    {5, "Command5", Button, 5340, 3930, 1245, 675, "查询"},
    {5, "Combo10", List, 4980, 2340, 1005, 300},
    {5, "Combo9", List, 4950, 1530, 1035, 300},
    {5, "Label86", Label, 240, 4710, 3420, 180, kNote600, 'l', Face},
    {5, "Label65", Label, 4470, 1890, 90, 180, "", 'r', White},
    {5, "Label64", Label, 4080, 2730, 90, 180, "", 'r', White},
    {5, "Label63", Label, 600, 1920, 90, 180, "", 'c', White},
    {5, "Label62", Label, 1890, 4200, 90, 180, "", 'c', White},
    {5, "Label61", Label, 1890, 3780, 90, 180, "", 'c', White},
    {5, "Label60", Label, 1890, 1650, 90, 180, "", 'c', White},
    {5, "Label59", Label, 1890, 1260, 90, 180, "", 'c', White},
    {5, "Label58", Label, 6060, 1590, 675, 225, "Label58", 'l', Face},
    {5, "Label57", Label, 4950, 2040, 1260, 180, "公称通径DN(mm)", 'l', Face},
    {5, "Label56", Label, 4920, 1260, 1890, 180, "公称压力PN(Class/MPa)", 'l', Face},
    {5, "Image7", Picture, 180, 1200, 4635, 3375},
    {5, "Label55", Label, 150, 690, 1695, 435, "带颈平焊钢制管法兰(美洲体系)(SO)", 'l', Face},

    {6, "Command6", Button, 5430, 3180, 1245, 675, "查询"},
    {6, "Combo12", List, 4980, 2250, 1095, 300},
    {6, "Combo11", List, 4980, 1380, 1065, 300},
    {6, "Label85", Label, 5010, 4770, 1785, 435, kNote600, 'l', Face},
    {6, "Label75", Label, 3060, 1170, 1785, 435, "法兰内径B相当于采用钢管壁厚为Sch40", 'l', Clear},
    {6, "Label74", Label, 4560, 3000, 90, 180, "", 'r', White},
    {6, "Label73", Label, 4230, 3540, 90, 180, "", 'r', White},
    {6, "Label72", Label, 600, 2730, 90, 180, "", 'c', White},
    {6, "Label71", Label, 1950, 4770, 90, 180, "", 'c', White},
    {6, "Label70", Label, 1950, 4440, 90, 180, "", 'c', White},
    {6, "Label69", Label, 1980, 1800, 90, 180, "", 'c', White},
    {6, "Label68", Label, 1980, 1530, 90, 180, "", 'c', White},
    {6, "Label67", Label, 1980, 1260, 90, 180, "", 'c', White},
    {6, "Label66", Label, 6090, 1440, 585, 285, "Label66", 'l', Face},
    {6, "Label54", Label, 5010, 1920, 1350, 180, "公称通径DN(mm)", 'l', Face},
    {6, "Label53", Label, 4980, 1080, 1890, 180, "公称压力PN(Class/MPa)", 'l', Face},
    {6, "Image6", Picture, 120, 1080, 4785, 4080},
    {6, "Label49", Label, 120, 690, 1845, 435, "带颈对焊钢制管法兰(美洲体系)(WN)", 'l', Face},

    {7, "Command7", Button, 5550, 3210, 1125, 615, "查询"},
    {7, "Combo14", List, 4920, 2370, 1125, 300},
    {7, "Combo13", List, 4920, 1500, 1095, 300},
    {7, "Label84", Label, 300, 4950, 3705, 255, kNote600, 'l', Face},
    {7, "Label83", Label, 4470, 3270, 90, 180, "", 'r', White},
    {7, "Label82", Label, 1050, 1680, 90, 180, "", 'r', White},
    {7, "Label81", Label, 690, 2490, 90, 180, "", 'c', White},
    {7, "Label80", Label, 2070, 4410, 90, 180, "", 'c', White},
    {7, "Label79", Label, 2070, 4080, 90, 180, "", 'c', White},
    {7, "Label78", Label, 2040, 1680, 90, 180, "", 'c', White},
    {7, "Label77", Label, 2070, 1350, 90, 180, "", 'c', White},
    {7, "Label76", Label, 6090, 1560, 675, 285, "Label76", 'l', Face},
    {7, "Label52", Label, 4950, 2040, 1260, 180, "公称通径DN(mm)", 'l', Face},
    {7, "Label51", Label, 4920, 1200, 1890, 180, "公称压力PN(Class/MPa)", 'l', Face},
    {7, "Image5", Picture, 90, 1140, 4695, 3705},
    {7, "Label50", Label, 90, 690, 1515, 405, "整体钢制管法兰(美洲体系)(IF)", 'l', Face},
};

// The drawing of each tab: resource, stored size, whether shown at natural size.
struct Drawing
{
    const char *resource;
    int width, height;
    bool natural;
};

inline constexpr Drawing kDrawings[] = {
    {":/drawings/tab1.svg", 335, 225, false}, {":/drawings/tab2.svg", 337, 259, true},
    {":/drawings/tab3.svg", 305, 208, false}, {":/drawings/tab4.svg", 276, 220, false},
    {":/drawings/tab5.svg", 285, 181, false}, {":/drawings/tab6.svg", 319, 272, true},
    {":/drawings/tab7.svg", 289, 247, false},
};

} // namespace layout_facts
