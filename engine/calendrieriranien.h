#pragma once

#include "engine/dateheure.h"
#include "engine/plage.h"

#include <cstdint>

namespace chronastre {

// The Iranian solar Hijri calendar: the year begins on the day (at 52.5
// degrees E, UT+3:30) of the vernal equinox when the equinox falls before
// noon, else on the next day; six months of 31 days, five of 30, and Esfand
// of 29 or 30 days up to the next year. The years 1178 to 1579 (21 March 1799
// to 20 March 2201) come from a table computed ahead of time; outside them
// the calendar gives nothing.
class CalendrierIranien
{
public:
    static constexpr std::int64_t premiereAnnee = 1178;
    static constexpr std::int64_t derniereAnnee = 1579;

    static constexpr bool anneeDansLaPlage(std::int64_t annee)
    {
        return annee >= premiereAnnee && annee <= derniereAnnee;
    }
    // The days of the years of the table.
    static Plage plage();

    // Day number of 1 Farvardin of a year; jourHorsPlage outside the range.
    static std::int64_t nouvelAn(std::int64_t annee);
    // Whether Esfand of a year of the range has 30 days.
    static bool estBissextile(std::int64_t annee);
    // The days of a month; 0 for a month outside 1..12 or a year outside the
    // range.
    static std::int64_t joursDuMois(std::int64_t annee, std::int64_t mois);

    // The date of a day number; the default record outside the range.
    static DateHeure versIranien(std::int64_t numeroJour);
    // The day number of a date; a month outside 1..12 reads as the nearest of
    // 1 and 12, a day beyond the month counts on; jourHorsPlage for a year
    // outside the range.
    static std::int64_t depuisIranien(const DateHeure& date);
};

} // namespace chronastre
