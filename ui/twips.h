#pragma once

#include "lookup/standard_record.h"

namespace vantelo::ui {

// A page's layout rows, in twips, are part of its standard's record.
using lookup::ControlKind;
using lookup::ControlRole;
using lookup::ControlRow;
using lookup::Fill;
using lookup::PictureFit;
using lookup::Sizing;
using lookup::TextAlign;
using lookup::TwipsLine;
using lookup::TwipsRect;

constexpr int twipsToPixels(int twips)
{
    return (twips + 7) / 15;
}

} // namespace vantelo::ui
