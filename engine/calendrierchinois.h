#pragma once

#include "engine/dateheure.h"
#include "engine/plage.h"

#include <cstdint>

namespace chronastre {

// A month of the Chinese year by its number: 1 to 12, and whether it is the
// leap month that repeats that number. Number 0: no such month.
struct MoisChinois
{
    std::int64_t numero = 0;
    bool intercalaire = false;

    constexpr bool operator==(const MoisChinois&) const = default;
};

// The Chinese lunisolar calendar: a month begins on the day (Beijing time,
// UT+8; the local time of Beijing's meridian before 1929) of a new moon; the
// month of the winter solstice is the 11th; in a solstice year of 13 months,
// the first month without a principal solar term is the leap month and
// repeats the number of the month before it. The years that begin in 1899 to
// 2100 (10 February 1899 to 28 January 2101) come from a table computed
// ahead of time; outside them the calendar gives nothing.
//
// A date travels in DateHeure as: annee, the year of our era in which the
// Chinese year began; mois, the month's rank in its year, 1 to 12, or 1 to 13
// in a year with a leap month (the leap month following the 6th month is
// rank 7, the 7th month rank 8); jour, 1 to 29 or 30. The rank keeps every
// date distinct in the three numbers the other calendars compare (as the
// Hebrew calendar's Veadar does); numeroMois and rangMois turn a rank into
// the number users write ("2023 2i 1") and back. embolismique is set when
// the year has a leap month.
class CalendrierChinois
{
public:
    static constexpr std::int64_t premiereAnnee = 1899;
    static constexpr std::int64_t derniereAnnee = 2100;

    static constexpr bool anneeDansLaPlage(std::int64_t annee)
    {
        return annee >= premiereAnnee && annee <= derniereAnnee;
    }
    static Plage plage();

    // The day number of the first day of a year; jourHorsPlage outside.
    static std::int64_t nouvelAn(std::int64_t annee);
    // The number of the year's leap month (it follows the month of that
    // number): 1 to 12, or 0 when the year has none or lies outside.
    static std::int64_t moisIntercalaire(std::int64_t annee);
    // 12 or 13; 0 outside the range.
    static std::int64_t moisDansAnnee(std::int64_t annee);
    // The days (29 or 30) of the month of rank rang; 0 when there is none.
    static std::int64_t joursDuMois(std::int64_t annee, std::int64_t rang);
    // The number of the month of rank rang; {0, false} when there is none.
    static MoisChinois numeroMois(std::int64_t annee, std::int64_t rang);
    // The rank of a month by its number; 0 when the year has no such month
    // (a leap month the year lacks, a number outside 1..12).
    static std::int64_t rangMois(std::int64_t annee, MoisChinois mois);
    // The year's place in the sexagenary cycle, 1 (jiazi: 1984, 2044) to 60;
    // its stem is (rang - 1) mod 10, its branch and animal (rang - 1) mod 12.
    static std::int64_t rangCycle(std::int64_t annee);

    // The date of a day number; the default record outside the range.
    static DateHeure versChinois(std::int64_t numeroJour);
    // The day number of a date; a rank outside the year reads as the nearest
    // of 1 and 13 (rank 13 of a 12-month year is the next year's 1st month),
    // a day beyond the month counts on; jourHorsPlage for a year outside.
    static std::int64_t depuisChinois(const DateHeure& date);
};

} // namespace chronastre
