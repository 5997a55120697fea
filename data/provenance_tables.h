#pragma once

namespace vantelo::data {

// Where the data file's values come from, as its builder records it: one
// line per table, pressure, diameter range and group of columns of equal
// origin, and each system's register of the sources those lines name. Both
// tables are optional: an Access file or an older file has neither.
inline constexpr char ProvenanceTable[] = "provenance";
inline constexpr char ProvenanceSourceTable[] = "provenance_source";

// What a provenance line holds in place of a source for values no usable
// source gave: their cells are recorded gaps and stay empty.
inline constexpr char NoSource[] = "not found in any usable source";

} // namespace vantelo::data
