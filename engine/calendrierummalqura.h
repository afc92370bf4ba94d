#pragma once

#include "engine/dateheure.h"
#include "engine/plage.h"

#include <cstdint>

namespace chronastre {

// Umm al-Qura, the official Hijri calendar of Saudi Arabia: the months begin
// on the days of its published table, 1 Muharram 1343 (1 August 1924) to
// 30 Dhu al-Hijjah 1500 (16 November 2077). Outside those years the calendar
// gives nothing. Months are numbered 1 (Muharram) to 12; the table has a few
// months of 28 and 31 days in 1343-1364, kept as published.
class CalendrierUmmAlQura
{
public:
    static constexpr std::int64_t premiereAnnee = 1343;
    static constexpr std::int64_t derniereAnnee = 1500;

    static constexpr bool anneeDansLaPlage(std::int64_t annee)
    {
        return annee >= premiereAnnee && annee <= derniereAnnee;
    }
    static Plage plage();

    // The day number of the first day of a month; jourHorsPlage for a month
    // outside 1..12 or a year outside the range.
    static std::int64_t debutMois(std::int64_t annee, std::int64_t mois);
    // The days of a month; 0 outside.
    static std::int64_t joursDuMois(std::int64_t annee, std::int64_t mois);

    // The date of a day number; the default record outside the range.
    static DateHeure versUmmAlQura(std::int64_t numeroJour);
    // The day number of a date; a month outside 1..12 reads as the nearest of
    // 1 and 12, a day beyond the month counts on; jourHorsPlage for a year
    // outside the range.
    static std::int64_t depuisUmmAlQura(const DateHeure& date);
};

} // namespace chronastre
