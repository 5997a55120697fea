#pragma once

#include "ui/picture_control.h"

namespace vantelo::ui {

// One row of a page's layout table. Geometry is in twips from the top-left
// corner of the tab control (15 twips make a pixel at 96 dpi), which is also
// the top-left corner of the window's client area.

enum class ControlKind { Label, List, EditableList, Button, Line, Picture };

// What the control is for on its page; the window uses it for the focus order.
enum class ControlRole { Title, FieldCaption, Note, PressureValue, Result, PressureList, DiameterList, QueryButton, Drawing, Mark };

enum class TextAlign { Left, Right, Centre };

// Auto-size labels fit their caption and keep their anchor; fixed ones keep their box.
enum class Sizing { Fixed, Auto };

// Default: button face with button text. White: the result look. Transparent: no background.
enum class Fill { Default, White, Transparent };

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

struct PictureSource
{
    const char *resource = "";
    int storedWidth = 0;
    int storedHeight = 0;
    PictureControl::Fit fit = PictureControl::Fit::Stretched;
};

struct ControlRow
{
    const char *name = "";
    ControlKind kind = ControlKind::Label;
    ControlRole role = ControlRole::Mark;
    TwipsRect rect;        // everything but lines
    TwipsLine ends;        // lines only
    const char *text = ""; // caption, initial edit text or button caption
    TextAlign align = TextAlign::Left;
    Sizing sizing = Sizing::Fixed;
    Fill fill = Fill::Default;
    PictureSource picture; // pictures only
};

constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

// Row makers, so that a table reads like the layout it describes.

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
constexpr ControlRow result(const char *name, TwipsRect rect, TextAlign align, Sizing sizing)
{
    return label(name, rect, "", align, sizing, Fill::White, ControlRole::Result);
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

constexpr ControlRow picture(const char *name, TwipsRect rect, PictureSource source)
{
    ControlRow row = control(name, ControlKind::Picture, ControlRole::Drawing);
    row.rect = rect;
    row.picture = source;
    return row;
}

} // namespace vantelo::ui
