// Special values of bar data.
#pragma once

namespace rebar {

// What a numeric bar column stores when the standard gives no value.
inline constexpr double kNotGiven = -1.0;
// What a record field holds when its stored value was not given. Deliberately not the largest
// double: it must survive unit conversions without overflowing to infinity.
inline constexpr double kUndefinedValue = -1.7976931348623157e+150;
// The open upper bound of editable bar values.
inline constexpr double kOpenUpperBound = 1.7976931348623157e+150;

}  // namespace rebar
