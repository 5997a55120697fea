#pragma once

#include "query_commands.h"

namespace vantelo::cli {

// rate MATERIAL TEMPERATURE [PRESSURE]: the rating of every class of the
// material's group at the temperature and, with a design pressure, the lowest
// class that holds it (first; nothing holding answers NothingFound).
Answer rate(const Request &request, const data::Connection &connection);

// materials [TEXT]: the rated grades whose name contains TEXT, or those of
// the group TEXT names, with their group and its rating table.
Answer materials(const Request &request, const data::Connection &connection);

} // namespace vantelo::cli
