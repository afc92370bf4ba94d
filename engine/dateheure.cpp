#include "engine/dateheure.h"

#include <algorithm>
#include <cmath>

namespace chronastre {

void DateHeure::calculerJourJulien()
{
    // January and February count as months 13 and 14 of the previous year.
    std::int64_t y = annee_;
    std::int64_t m = mois_;
    if (mois_ <= 2) {
        y = annee_ - 1;
        m = mois_ + 12;
    }
    // Gregorian correction, tested on the fields as entered; y >= 1581 here.
    std::int64_t b = 0;
    if (estDateGregorienne(annee_, mois_, jour_)) {
        const std::int64_t a = y / 100;
        b = 2 - a + a / 4;
    }
    // Whole days, kept in floating point: exact below 2^53 and free of any
    // integer overflow. The month term truncates (months 3..14 are positive);
    // the year term takes the floor, so years before -4716 stay on the
    // proleptic calendar.
    const double i1 = std::trunc(30.6001 * static_cast<double>(m + 1));
    const double i2 = std::floor(365.25 * static_cast<double>(y + 4716));
    const long double jj =
        static_cast<long double>(heure_) / 24 + static_cast<long double>(jour_) +
        static_cast<long double>(minutes_) / 1440 + static_cast<long double>(secondes_) / 86400 +
        static_cast<long double>(i1 + i2) + static_cast<long double>(b) - 1524.5L;
    jourJulien_ = static_cast<double>(jj);
}

void DateHeure::calculerJourSemaine()
{
    // The day number of the moment is the Julian Date's floor plus a half
    // day, brought within 64 bits (a year beyond 10^16 has no exact weekday
    // anyway).
    constexpr double limite = 9.0e18;
    const double numeroJour = std::clamp(std::floor(jourJulien_ + 0.5), -limite, limite);
    jourSemaine_ = chronastre::jourSemaine(static_cast<std::int64_t>(numeroJour));
}

void DateHeure::calculerJourAnnee()
{
    const std::int64_t k = estBissextile(annee_) ? 1 : 2;
    jourAnnee_ = (275 * mois_) / 9 - k * ((mois_ + 9) / 12) + jour_ - 30;
}

} // namespace chronastre
