#pragma once

#include "engine/dateheure.h"
#include "engine/plage.h"

#include <cstdint>

namespace chronastre {

// The Baha'i calendar as reckoned since 172 B.E. (2015): Naw-Ruz is the day,
// from sunset to sunset at Tehran, in which the vernal equinox falls (20 or
// 21 March, in the 22nd century also 19 March); eighteen months of 19 days,
// Ayyam-i-Ha (month 19) of 4 or 5 days, and 'Ala (month 20), the 19 days
// before the next Naw-Ruz. Before 172 it is the arithmetic Baha'i calendar
// (BAHAI), whose year begins on 21 March. Naw-Ruz 172 to 358 comes from a
// table computed ahead of time; after 357 B.E. (from 21 March 2201) the
// calendar gives nothing, nor a billion years before its epoch, where the
// arithmetic would leave 64 bits.
class CalendrierBahaiTeheran
{
public:
    static constexpr std::int64_t premiereAnnee = -1000000000;
    // The first year reckoned at Tehran, and the last of the table.
    static constexpr std::int64_t premiereAnneeTeheran = 172;
    static constexpr std::int64_t derniereAnnee = 357;

    static constexpr bool anneeDansLaPlage(std::int64_t annee)
    {
        return annee >= premiereAnnee && annee <= derniereAnnee;
    }
    // Naw-Ruz of the first year to the eve of Naw-Ruz 358.
    static Plage plage();

    // The day number of Naw-Ruz of a year; jourHorsPlage outside the range.
    static std::int64_t nawRuz(std::int64_t annee);
    // The days of a month (19, or 4 or 5 for Ayyam-i-Ha); 0 for a month
    // outside 1..20 or a year outside the range.
    static std::int64_t joursDuMois(std::int64_t annee, std::int64_t mois);

    // The date of a day number; the default record outside the range.
    static DateHeure versBahaiTeheran(std::int64_t numeroJour);
    // The day number of a date; a month outside 1..20 reads as the nearest of
    // 1 and 20 from 172, as BAHAI reads it before; a day beyond the month
    // counts on; jourHorsPlage for a year outside the range.
    static std::int64_t depuisBahaiTeheran(const DateHeure& date);
};

} // namespace chronastre
