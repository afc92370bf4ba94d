#pragma once

#include "engine/arithmetique.h"

#include <algorithm>
#include <cstdint>

// What the calendars kept by a table (Iranian, Umm al-Qura, Chinese, Baha'i
// at Tehran) share: the range over which each is exact, and how a date
// outside it is told apart.
namespace chronastre {

// The days over which a calendar is exact, both ends included.
struct Plage
{
    std::int64_t premierJour;
    std::int64_t dernierJour;

    constexpr bool contient(std::int64_t numeroJour) const
    {
        return numeroJour >= premierJour && numeroJour <= dernierJour;
    }
};

// The day number a conversion from one of these calendars gives for a date
// outside its range: about three billion years before the Julian epoch, a
// day no calendar dates plausibly and every formula of the engine stays
// exact on (below 10^16). The calendar's own range query says the same.
inline constexpr std::int64_t jourHorsPlage = -(std::int64_t{1} << 40);

// A day of the month as these calendars read it: a day beyond the month
// counts on into the next months (like the other calendars), brought within
// 2^32 of 0 so that its sum with a day number stays far inside 64 bits; any
// such day lies far outside every table anyway.
constexpr std::int64_t jourBorne(std::int64_t jour)
{
    return std::clamp<std::int64_t>(jour, -(std::int64_t{1} << 32), std::int64_t{1} << 32);
}

// The Julian Day Number of a Gregorian date, at compile time, for building
// the tables (Fliegel and Van Flandern, with floor divisions).
constexpr std::int64_t numeroJourGregorien(std::int64_t annee, std::int64_t mois, std::int64_t jour)
{
    const std::int64_t a = (14 - mois) / 12; // 1 for January and February, mois in 1..12
    const std::int64_t y = annee + 4800 - a;
    const std::int64_t m = mois + 12 * a - 3;
    return jour + (153 * m + 2) / 5 + 365 * y + floorDiv(y, 4) - floorDiv(y, 100) +
           floorDiv(y, 400) - 32045;
}

} // namespace chronastre
