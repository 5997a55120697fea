#pragma once

namespace vantelo::data {

// The two key columns every flange table holds: the nominal pressure, kept
// and compared as text, and the nominal diameter, a number.
inline constexpr char PressureColumn[] = "公称压力PN";
inline constexpr char DiameterColumn[] = "公称通径DN";

} // namespace vantelo::data
