#pragma once

#include "connection.h"

#include <QString>

namespace vantelo::data {

// The data file's name: the programs find it beside themselves, never in the
// working directory.
inline constexpr char DataFileName[] = "FLDATA.mdb";

// The data file in a program directory.
QString dataFileIn(const QString &programDirectory);

// The program-wide connection every lookup goes through, created unopened on
// first use and released at exit.
Connection &DbConnection();

// The connection string for the data file in a program directory.
QString connectionStringFor(const QString &programDirectory);

// Points the connection at the data file in programDirectory and opens it.
// False on any failure; never a message.
bool ConnectDatabase(Connection &connection, const QString &programDirectory);

// Opens DbConnection() on the data file beside the program itself.
bool ConnectDatabase();

} // namespace vantelo::data
