#pragma once

namespace vantelo::data {

// The two key columns every flange table holds: the nominal pressure, kept
// and compared as text, and the nominal diameter, a number.
inline constexpr char PressureColumn[] = "公称压力PN";
inline constexpr char DiameterColumn[] = "公称通径DN";

// The connection dimensions every flange table holds, in the order a fitter
// quotes them: outside diameter, bolt circle, hole count, hole diameter.
inline constexpr char OutsideColumn[] = "法兰外径D";
inline constexpr char BoltCircleColumn[] = "螺孔中圆直径K";
inline constexpr char BoltCountColumn[] = "螺栓孔数量n";
inline constexpr char BoltHoleColumn[] = "螺栓孔直径L";

} // namespace vantelo::data
