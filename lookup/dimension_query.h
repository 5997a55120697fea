#pragma once

#include "flange_standard.h"
#include "page_controls.h"

#include "data/connection.h"

namespace vantelo::lookup {

// The query button's reaction: fetch the first row of the chosen pressure and
// diameter and set each result label's caption from it, binding by binding.
// A failing binding leaves its label as it was; a failed statement or a
// missing row leaves every label as it was. Nothing else is touched.
void DimensionQuery(const FlangeStandard &standard, const PageControls &controls,
                    const data::Connection &connection);

} // namespace vantelo::lookup
