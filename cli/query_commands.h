#pragma once

#include "output_table.h"
#include "query_request.h"

#include "data/connection.h"

#include <QString>

namespace vantelo::cli {

// Exit statuses of the command line.
enum Status { Found = 0, NothingFound = 1, BadUsage = 2 };

struct Answer
{
    OutputTable table;
    int status = Found;
    QStringList notes; // one line each, for stderr
};

// Runs a checked request; the connection is only used when the request
// needs data, and only read.
Answer run(const Request &request, const data::Connection &connection);

} // namespace vantelo::cli
