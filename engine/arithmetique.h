#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// Integer helpers shared by every calendar. Dates before an epoch give negative
// dividends; C++ division truncates toward zero, calendars need the floor.
namespace chronastre {

// floor(a / b) for b > 0.
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b < 0) ? q - 1 : q;
}

// a - b * floor(a / b), in [0, b) for b > 0.
constexpr std::int64_t floorMod(std::int64_t a, std::int64_t b)
{
    const std::int64_t r = a % b;
    return (r < 0) ? r + b : r;
}

// n brought into the 32-bit range, for what is written only for 32-bit values.
constexpr std::int32_t sature32(std::int64_t n)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        n, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace chronastre
