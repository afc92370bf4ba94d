#pragma once

#include "engine/dateheure.h"

#include <cstdint>

namespace chronastre {

// The Maya reckoning of a day: long count, 260-day tzolkin, 365-day haab and
// completed 52-year cycles, counted from day number 584285 (0.0.0.0.0,
// 4 Ahau 8 Cumku).
class CalendrierMaya
{
public:
    static constexpr std::int64_t epoque = 584285;
    static constexpr std::int64_t joursCycle = 18980; // 52 haab years, 73 tzolkin

    // A date given by its long count, most significant place first; its zero
    // nombreTzolkin tells depuisMaya to read the long count.
    static constexpr DateHeure compteLong(std::int64_t pictun, std::int64_t baktun,
                                          std::int64_t katun, std::int64_t tun, std::int64_t uinal,
                                          std::int64_t kin)
    {
        return DateHeure(0, 0, 0, 0, 0, kin, uinal, tun, katun, baktun, pictun);
    }

    // The Maya fields of a day number; the default record (every field -1)
    // before the epoch.
    static DateHeure versMaya(std::int64_t numeroJour);
    // The day number of the Maya fields of date: from the long count when
    // nombreTzolkin is 0, otherwise from the tzolkin, haab and cycle count.
    // No field is held to its range.
    static std::int64_t depuisMaya(const DateHeure& date);
};

} // namespace chronastre
