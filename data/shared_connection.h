#pragma once

#include "data/connection.h"

#include <QString>

namespace vantelo::app {

// The program-wide connection every lookup goes through, created unopened on
// first use and released at exit.
data::Connection &DbConnection();

// The connection string for the data file in a program directory.
QString connectionStringFor(const QString &programDirectory);

// Points the connection at FLDATA.mdb in programDirectory and opens it.
// False on any failure; never a message.
bool ConnectDatabase(data::Connection &connection, const QString &programDirectory);

// Opens DbConnection() on the data file beside the program itself, never in
// the working directory.
bool ConnectDatabase();

} // namespace vantelo::app
