#pragma once

// What one flange standard is: its tab, its table, its pressures and its
// page, where every result label also says where its caption comes from.
// Plain constants without Qt, so that the window, the lookups and the
// data-file builder read the same facts. The records are in standards/.

#include <cstddef>
#include <span>

namespace vantelo::lookup {

// The five forms a result label's caption takes.
enum class CaptionPattern {
    Plain,        // the value
    Diameter,     // "Φ" value
    DiameterPair, // "Φ" series A "(Φ" series B ")"
    BoltHoles,    // count "-Φ" hole diameter
    Radius,       // "R" value
};

// Where a result label's caption comes from, and its place in the order in
// which a query fills the page's labels (0 first).
struct ResultSource
{
    int place = -1;
    CaptionPattern pattern = CaptionPattern::Plain;
    const char *firstColumn = nullptr;
    const char *secondColumn = nullptr; // DiameterPair and BoltHoles only
};

// The two flange systems. Tables of one system share the connection
// dimensions D, K, n and L (and the bolts) of a pressure/diameter pair.
enum class FlangeSystem { European, American };

// Page layout. Geometry is in twips from the top-left corner of the tab
// control (15 twips make a pixel at 96 dpi), which is also the top-left
// corner of the window's client area.

enum class ControlKind { Label, List, EditableList, Button, Line, Picture };

// What the control is for on its page.
enum class ControlRole { Title, FieldCaption, Note, PressureValue, Result, PressureList, DiameterList, QueryButton, Drawing, Mark };

enum class TextAlign { Left, Right, Centre };

// Auto-size labels fit their caption and keep their anchor; fixed ones keep their box.
enum class Sizing { Fixed, Auto };

// Default: button face with button text. White: the result look. Transparent: no background.
enum class Fill { Default, White, Transparent };

// Stretched: the drawing fills the control. Natural: the control takes the drawing's size.
enum class PictureFit { Stretched, Natural };

struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipsLine
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

struct ControlRow
{
    const char *name = "";
    ControlKind kind = ControlKind::Label;
    ControlRole role = ControlRole::Mark;
    TwipsRect rect;        // everything but lines
    TwipsLine ends;        // lines only
    const char *text = ""; // caption, initial edit text, button caption or drawing resource
    TextAlign align = TextAlign::Left;
    Sizing sizing = Sizing::Fixed;
    Fill fill = Fill::Default;
    PictureFit fit = PictureFit::Stretched; // pictures only
    ResultSource source;                    // results only
};

struct StandardRecord
{
    const char *caption; // the tab's caption, "HG" and the standard's number
    const char *table;   // the data file's table: "_" and the caption
    // European pages list MPa texts; American pages list the first
    // classesListed pressure classes and query by their MPa texts.
    std::span<const char *const> mpaEntries;
    int classesListed;
    std::span<const ControlRow> page; // front to back: the first row lies on top

    // The American pages, and only they, list pressure classes.
    constexpr FlangeSystem system() const
    {
        return classesListed > 0 ? FlangeSystem::American : FlangeSystem::European;
    }
};

// The label at a place in a page's query order, or nullptr.
constexpr const ControlRow *resultAt(const StandardRecord &record, int place)
{
    for (const ControlRow &row : record.page) {
        if (row.role == ControlRole::Result && row.source.place == place)
            return &row;
    }
    return nullptr;
}

// How many result labels a page has: places 0 to n-1.
constexpr int resultCount(const StandardRecord &record)
{
    int count = 0;
    while (resultAt(record, count) != nullptr)
        ++count;
    return count;
}

// The first control of a role on a page, or nullptr.
constexpr const ControlRow *controlWith(const StandardRecord &record, ControlRole role)
{
    for (const ControlRow &row : record.page) {
        if (row.role == role)
            return &row;
    }
    return nullptr;
}

// Row makers, so that a page reads like the layout it describes.

constexpr ControlRow control(const char *name, ControlKind kind, ControlRole role)
{
    ControlRow row;
    row.name = name;
    row.kind = kind;
    row.role = role;
    return row;
}

constexpr ControlRow label(const char *name, TwipsRect rect, const char *text, TextAlign align, Sizing sizing,
                            Fill fill, ControlRole role)
{
    ControlRow row = control(name, ControlKind::Label, role);
    row.rect = rect;
    row.text = text;
    row.align = align;
    row.sizing = sizing;
    row.fill = fill;
    return row;
}

// An empty white label that a query fills.
constexpr ControlRow result(const char *name, TwipsRect rect, TextAlign align, Sizing sizing, ResultSource source)
{
    ControlRow row = label(name, rect, "", align, sizing, Fill::White, ControlRole::Result);
    row.source = source;
    return row;
}

constexpr ControlRow list(const char *name, TwipsRect rect, ControlRole role)
{
    ControlRow row = control(name, ControlKind::List, role);
    row.rect = rect;
    return row;
}

constexpr ControlRow editableList(const char *name, TwipsRect rect, const char *initialText, ControlRole role)
{
    ControlRow row = control(name, ControlKind::EditableList, role);
    row.rect = rect;
    row.text = initialText;
    return row;
}

constexpr ControlRow button(const char *name, TwipsRect rect, const char *text)
{
    ControlRow row = control(name, ControlKind::Button, ControlRole::QueryButton);
    row.rect = rect;
    row.text = text;
    return row;
}

constexpr ControlRow line(const char *name, TwipsLine ends)
{
    ControlRow row = control(name, ControlKind::Line, ControlRole::Mark);
    row.ends = ends;
    return row;
}

// A flange drawing; its size is the SVG's own.
constexpr ControlRow picture(const char *name, TwipsRect rect, const char *resource, PictureFit fit)
{
    ControlRow row = control(name, ControlKind::Picture, ControlRole::Drawing);
    row.rect = rect;
    row.text = resource;
    row.fit = fit;
    return row;
}

namespace standards {

// The records read like the layout tables they are.
using enum CaptionPattern;
using enum ControlRole;
using enum TextAlign;
using enum Sizing;
using enum Fill;
using enum PictureFit;

// The note the American pages share.
inline constexpr const char *ThicknessNote600 = "600#及以上压力,法兰厚度C不包括凸台高度";

} // namespace standards

} // namespace vantelo::lookup
