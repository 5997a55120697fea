#pragma once

struct sqlite3;

namespace vantelo::data {

// Replaces, on one connection, the built-in functions whose one call can run
// for seconds where no deadline reaches it: their cost grows with a count
// (printf's widths) or with the product of their arguments' lengths. The
// stand-ins are not innocuous, so a generated column that calls one fails
// every statement that reads it. instr, which the program's own statements
// use on short texts, keeps working there; the others fail.
void replaceCostlyFunctions(sqlite3 *db);

} // namespace vantelo::data
