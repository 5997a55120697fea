#include "flange_standard.h"

#include <array>

// The per-page data of the seven standards: pressure entries, table and the
// ordered result bindings. Column names are those of the data file.

namespace vantelo::lookup {

namespace {

using P = CaptionPattern;

constexpr const char *Pressures20593[] = {"0.25", "0.6", "1.0", "1.6", "2.5"};
constexpr const char *Pressures20594[] = {"0.6", "1.0", "1.6", "2.5", "4.0"};
constexpr const char *Pressures20595[] = {"1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
constexpr const char *Pressures20596[] = {"0.6", "1.0", "1.6", "2.5", "4.0", "6.3", "10.0", "16.0", "25.0"};
constexpr const char *Classes5[] = {"150#", "300#", "600#", "900#", "1500#"};
constexpr const char *Classes6[] = {"150#", "300#", "600#", "900#", "1500#", "2500#"};

constexpr ResultBinding Bindings20593[] = {
    {"Label2", P::DiameterPair, "管子外径A1A", "管子外径A1B"},
    {"Label3", P::BoltHoles, "螺栓孔数量n", "螺栓孔直径L"},
    {"Label4", P::DiameterPair, "法兰内径B1A", "法兰内径B1B"},
    {"Label5", P::Diameter, "螺孔中圆直径K"},
    {"Label6", P::Diameter, "法兰外径D"},
    {"Label7", P::Plain, "法兰厚度C"},
    {"Label8", P::Plain, "坡口宽度b"},
};

constexpr ResultBinding Bindings20594[] = {
    {"Label15", P::DiameterPair, "钢管外径A1A", "钢管外径A1B"},
    {"Label19", P::BoltHoles, "螺栓孔数量n", "螺栓孔直径L"},
    {"Label16", P::DiameterPair, "法兰内径B1A", "法兰内径B1B"},
    {"Label17", P::Diameter, "螺孔中圆直径K"},
    {"Label18", P::Diameter, "法兰外径D"},
    {"Label20", P::Plain, "法兰厚度C"},
    {"Label21", P::Plain, "法兰高度H"},
    {"Label22", P::Plain, "坡口宽度b"},
    {"Label14", P::DiameterPair, "法兰颈N-A", "法兰颈N-B"},
    {"Label23", P::Radius, "法兰颈R"},
};

constexpr ResultBinding Bindings20595[] = {
    {"Label27", P::DiameterPair, "法兰颈N-A", "法兰颈N-B"},
    {"Label28", P::DiameterPair, "钢管外径A1A", "钢管外径A1B"},
    {"Label31", P::BoltHoles, "螺栓孔数量n", "螺栓孔直径L"},
    {"Label29", P::Diameter, "螺孔中圆直径K"},
    {"Label30", P::Diameter, "法兰外径D"},
    {"Label32", P::Plain, "法兰厚度C"},
    {"Label33", P::Plain, "法兰高度H"},
    {"Label34", P::Plain, "法兰颈H1"},
    {"Label35", P::Radius, "法兰颈R"},
    {"Label37", P::Plain, "法兰颈S"},
};

constexpr ResultBinding Bindings20596[] = {
    {"Label41", P::Diameter, "法兰颈N"},
    {"Label42", P::Diameter, "螺孔中圆直径K"},
    {"Label43", P::Diameter, "法兰外径D"},
    {"Label44", P::BoltHoles, "螺栓孔数量n", "螺栓孔直径L"},
    {"Label45", P::Plain, "法兰颈S0"},
    {"Label46", P::Plain, "法兰颈S1"},
    {"Label47", P::Plain, "法兰厚度C"},
    {"Label48", P::Radius, "法兰颈R"},
};

constexpr ResultBinding Bindings20616[] = {
    {"Label59", P::Diameter, "法兰颈N"},
    {"Label60", P::Diameter, "法兰内径B"},
    {"Label61", P::Diameter, "螺孔中圆直径K"},
    {"Label62", P::Diameter, "法兰外径D"},
    {"Label63", P::BoltHoles, "螺栓孔数量n", "螺栓孔直径L"},
    {"Label64", P::Plain, "法兰厚度C"},
    {"Label65", P::Plain, "法兰高度H"},
};

constexpr ResultBinding Bindings20617[] = {
    {"Label67", P::Diameter, "法兰颈N"},
    {"Label68", P::Diameter, "钢管外径A"},
    {"Label69", P::Diameter, "法兰内径B-注"},
    {"Label70", P::Diameter, "螺孔中圆直径K"},
    {"Label71", P::Diameter, "法兰外径D"},
    {"Label72", P::BoltHoles, "螺栓孔数量n", "螺栓孔直径L"},
    {"Label73", P::Plain, "法兰厚度C"},
    {"Label74", P::Plain, "法兰高度H"},
};

constexpr ResultBinding Bindings20618[] = {
    {"Label77", P::Diameter, "法兰颈N"},
    {"Label78", P::Diameter, "法兰内径B"},
    {"Label79", P::Diameter, "螺孔中圆直径K"},
    {"Label80", P::Diameter, "法兰外径D"},
    {"Label81", P::BoltHoles, "螺栓孔数量n", "螺栓孔直径L"},
    {"Label82", P::Plain, "颈部最小壁厚S"},
    {"Label83", P::Plain, "法兰厚度C"},
};

const std::array<FlangeStandard, 7> Standards = {{
    {1, "Combo1", "Combo2", "Command1", nullptr, Pressures20593, 0, "_HG20593", Bindings20593},
    {2, "Combo3", "Combo4", "Command2", nullptr, Pressures20594, 0, "_HG20594", Bindings20594},
    {3, "Combo5", "Combo6", "Command3", nullptr, Pressures20595, 0, "_HG20595", Bindings20595},
    {4, "Combo7", "Combo8", "Command4", nullptr, Pressures20596, 0, "_HG20596", Bindings20596},
    {5, "Combo9", "Combo10", "Command5", "Label58", Classes5, 5, "_HG20616", Bindings20616},
    {6, "Combo11", "Combo12", "Command6", "Label66", Classes6, 6, "_HG20617", Bindings20617},
    {7, "Combo13", "Combo14", "Command7", "Label76", Classes6, 6, "_HG20618", Bindings20618},
}};

} // namespace

std::span<const FlangeStandard> flangeStandards()
{
    return Standards;
}

} // namespace vantelo::lookup
