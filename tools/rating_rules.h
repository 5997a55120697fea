#pragma once

#include "rating_sources.h"

#include <string>
#include <vector>

namespace vantelo::tools {

// The rules a rating table follows (see loadRatingSources); every break is
// appended to errors, named by file and line or by group and class.
void checkRatingRules(const RatingSources &sources, std::vector<std::string> &errors);

} // namespace vantelo::tools
