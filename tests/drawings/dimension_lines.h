#pragma once

// The dimension lines of the seven drawings, in pixels of the stored
// pictures, as the drawings' descriptions give them, each with the result
// label that sits against it. Probes are points along the line chosen in
// open stretches, away from extension lines and the axis; where the
// neighbourhood is not meant to be empty, only the open side is checked.

#include <array>

namespace vantelo::drawings_test {

enum class Run { Horizontal, Vertical };

// Which sides of a line must be clear: above/left, below/right, both, none.
enum Clear { NoSide = 0, Before = 1, After = 2, BothSides = 3 };

struct DimensionLine
{
    int tab;
    const char *label;
    const char *dimension;
    Run run;
    int at;     // y of a horizontal line, x of a vertical one
    int from;   // its extent along the run
    int to;
    std::array<int, 3> probes;
    Clear clear;
};

struct StoredSize
{
    int width;
    int height;
};

inline constexpr StoredSize kStoredSizes[7] = {
    {335, 225}, {337, 259}, {305, 208}, {276, 220}, {285, 181}, {319, 272}, {289, 247},
};

using enum Run;

inline constexpr DimensionLine kDimensionLines[] = {
    {1, "Label2", "pipe outside diameter A1", Horizontal, 17, 82, 190, {100, 120, 160}, BothSides},
    {1, "Label3", "bolt hole L", Horizontal, 69, 18, 44, {24, 31, 38}, BothSides},
    {1, "Label8", "bevel width b", Horizontal, 78, 176, 216, {180, 196, 210}, Before},
    {1, "Label4", "bore B1", Horizontal, 148, 80, 193, {100, 120, 170}, BothSides},
    {1, "Label5", "bolt circle K", Horizontal, 188, 32, 243, {60, 100, 200}, BothSides},
    {1, "Label6", "outside diameter D", Horizontal, 215, 2, 272, {20, 100, 250}, BothSides},
    {1, "Label7", "thickness C", Vertical, 327, 97, 128, {105, 112, 120}, BothSides},

    {2, "Label14", "hub diameter N", Horizontal, 15, 75, 196, {90, 120, 180}, BothSides},
    {2, "Label15", "pipe outside diameter A1", Horizontal, 39, 96, 175, {110, 125, 160}, BothSides},
    {2, "Label22", "bevel width b", Horizontal, 74, 163, 203, {165, 180, 195}, BothSides},
    {2, "Label23", "hub fillet radius R (shelf)", Horizontal, 91, 220, 232, {222, 226, 230}, BothSides},
    {2, "Label19", "bolt hole L", Horizontal, 94, 34, 60, {40, 47, 54}, BothSides},
    {2, "Label16", "bore B1", Horizontal, 178, 93, 178, {105, 120, 160}, BothSides},
    {2, "Label17", "bolt circle K", Horizontal, 222, 48, 227, {70, 110, 200}, BothSides},
    {2, "Label18", "outside diameter D", Horizontal, 242, 19, 256, {40, 100, 200}, BothSides},
    {2, "Label20", "thickness C", Vertical, 302, 119, 148, {125, 133, 141}, BothSides},
    {2, "Label21", "height H", Vertical, 326, 98, 148, {105, 120, 140}, BothSides},

    {3, "Label27", "neck diameter N", Horizontal, 14, 75, 173, {90, 110, 160}, BothSides},
    {3, "Label28", "pipe outside diameter A1", Horizontal, 35, 87, 161, {100, 115, 150}, BothSides},
    // The two H1 arrows point onto y 58 and y 68; how far their tails reach is the drawing's own.
    {3, "Label34", "straight neck length H1, upper arrow", Vertical, 192, 48, 58, {50, 53, 56}, BothSides},
    {3, "Label34", "straight neck length H1, lower arrow", Vertical, 192, 68, 78, {70, 73, 76}, BothSides},
    {3, "Label35", "neck fillet radius R (shelf)", Horizontal, 61, 61, 69, {62, 64, 66}, BothSides},
    {3, "Label31", "bolt hole L", Horizontal, 75, 33, 55, {38, 44, 50}, BothSides},
    {3, "Label29", "bolt circle K", Horizontal, 175, 44, 203, {60, 100, 180}, BothSides},
    {3, "Label30", "outside diameter D", Horizontal, 197, 17, 228, {30, 100, 200}, BothSides},
    {3, "Label32", "thickness C", Vertical, 271, 100, 126, {105, 112, 120}, BothSides},
    {3, "Label33", "height H", Vertical, 292, 60, 127, {70, 90, 115}, BothSides},

    {4, "Label41", "neck diameter N", Horizontal, 14, 62, 164, {80, 100, 150}, BothSides},
    {4, "Label45", "neck wall thickness S0", Horizontal, 34, 57, 98, {60, 78, 95}, BothSides},
    {4, "Label46", "neck wall thickness S1", Horizontal, 100, 62, 84, {66, 73, 80}, NoSide},
    {4, "Label44", "bolt hole L", Horizontal, 96, 20, 45, {25, 32, 40}, BothSides},
    {4, "Label42", "bolt circle K", Horizontal, 184, 32, 193, {60, 100, 150}, BothSides},
    {4, "Label43", "outside diameter D", Horizontal, 207, 6, 218, {20, 100, 200}, BothSides},
    {4, "Label47", "thickness C", Vertical, 262, 119, 144, {124, 131, 138}, BothSides},

    {5, "Label59", "hub diameter N", Horizontal, 16, 54, 158, {70, 90, 140}, BothSides},
    {5, "Label60", "bore B", Horizontal, 35, 67, 144, {80, 95, 130}, BothSides},
    {5, "Label63", "bolt hole L", Horizontal, 52, 17, 38, {21, 27, 34}, BothSides},
    {5, "Label61", "bolt circle K", Horizontal, 150, 27, 184, {50, 90, 150}, BothSides},
    {5, "Label62", "outside diameter D", Horizontal, 171, 5, 207, {20, 90, 190}, BothSides},
    {5, "Label64", "thickness C", Vertical, 250, 74, 103, {80, 88, 96}, BothSides},
    {5, "Label65", "height H", Vertical, 272, 62, 102, {70, 85, 95}, BothSides},
    {5, "Label65", "height H, shelf of its label", Horizontal, 49, 250, 272, {254, 260, 266}, BothSides},

    {6, "Label67", "neck diameter N", Horizontal, 26, 66, 182, {80, 100, 150}, BothSides},
    {6, "Label68", "pipe outside diameter A", Horizontal, 43, 82, 166, {95, 110, 150}, BothSides},
    {6, "Label69", "bore B", Horizontal, 62, 88, 159, {100, 115, 145}, BothSides},
    {6, "Label72", "bolt hole L", Horizontal, 127, 23, 48, {28, 35, 42}, BothSides},
    {6, "Label70", "bolt circle K", Horizontal, 238, 34, 211, {60, 100, 180}, BothSides},
    {6, "Label71", "outside diameter D", Horizontal, 261, 7, 236, {20, 100, 200}, BothSides},
    {6, "Label73", "thickness C", Vertical, 284, 156, 188, {162, 170, 180}, BothSides},
    {6, "Label74", "height H", Vertical, 306, 90, 189, {100, 130, 170}, BothSides},

    {7, "Label77", "neck diameter N", Horizontal, 28, 69, 179, {85, 100, 150}, BothSides},
    {7, "Label82", "minimum neck wall thickness S", Horizontal, 51, 34, 82, {40, 50, 60}, BothSides},
    {7, "Label78", "bore B", Horizontal, 51, 90, 157, {100, 115, 140}, BothSides},
    {7, "Label81", "bolt hole L", Horizontal, 108, 28, 52, {33, 40, 47}, BothSides},
    {7, "Label79", "bolt circle K", Horizontal, 211, 39, 206, {60, 100, 180}, BothSides},
    {7, "Label80", "outside diameter D", Horizontal, 233, 14, 232, {30, 100, 200}, BothSides},
    {7, "Label83", "thickness C", Vertical, 278, 133, 163, {140, 148, 156}, BothSides},
};

} // namespace vantelo::drawings_test
