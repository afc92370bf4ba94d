#pragma once

#include "engine/dateheure.h"

#include <cstdint>

namespace chronastre {

// The fixed arithmetic Hebrew calendar: mean conjunctions (molad) counted in
// hours and parts of 1/1080 hour, a 19-year cycle of seven leap years, the
// postponements of 1 Tishri, and six year lengths. Months are numbered from
// Tishri; year 1 begins on day number 347998.
class CalendrierHebreu
{
public:
    // Leap (13-month) year of the 19-year cycle.
    static bool estEmbolismique(std::int64_t annee);
    // Day number of 1 Tishri of a year.
    static std::int64_t nouvelAn(std::int64_t annee);
    // Year type 1..6: 353, 354, 355 (common) or 383, 384, 385 (leap) days.
    static int typeAnnee(std::int64_t annee, std::int64_t nouvelAn, std::int64_t nouvelAnSuivant);

    // Hebrew date of a day number; the default record before 1 Tishri of
    // year 1 (day number 347997 and earlier), which leaves embolismique as is.
    DateHeure versHebreu(std::int64_t numeroJour);
    // Day number of the Hebrew year, month and day of date. A day beyond the
    // month counts on into the next months; month 13 of a common year counts
    // from the sentinel 999; a month outside 1..13 is read as the nearest of
    // 1 and 13.
    std::int64_t depuisHebreu(const DateHeure& date);

    // Whether the year of the last conversion has 13 months.
    bool embolismique() const { return embolismique_; }

private:
    bool embolismique_ = false;
};

} // namespace chronastre
