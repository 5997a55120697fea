#pragma once

namespace vantelo::data {

// The tables the data-file builder writes beside the flange tables ("_HG" +
// number). Each is optional to a reader: an Access file or an older file
// lacks them.

// How the bolt and provenance tables name the two flange systems.
inline constexpr char EuropeanSystem[] = "European";
inline constexpr char AmericanSystem[] = "American";

// One row of bolts per system, PN and DN; the thread is in its own column.
inline constexpr char BoltTable[] = "bolt_thread";
inline constexpr char BoltThreadColumn[] = "螺栓规格";

// Where the values come from: one line per table, pressure, diameter range
// and group of columns of equal origin, and each system's register of the
// sources those lines name.
inline constexpr char ProvenanceTable[] = "provenance";
inline constexpr char ProvenanceSourceTable[] = "provenance_source";
// What a provenance line holds in place of a source for values no usable
// source gave: their cells are recorded gaps and stay empty.
inline constexpr char NoSource[] = "not found in any usable source";

// The pressure-temperature ratings per material group and class, and the
// materials each group rates.
inline constexpr char RatingTable[] = "rating";
inline constexpr char RatedMaterialTable[] = "rating_material";

} // namespace vantelo::data
