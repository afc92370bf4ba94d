#pragma once

#include <cstdint>
#include <string>

namespace chronastre {

// The ecclesiastical computus of a year: Julian rules up to 1582, Gregorian
// from 1583.
class Comput
{
public:
    // Fills every field for a year >= 1; a year <= 0 changes nothing.
    void calculer(std::int64_t annee);

    int nombreOr() const { return nombreOr_; }
    int epacte() const { return epacte_; }
    int cycleSolaire() const { return cycleSolaire_; }
    int indictionRomaine() const { return indictionRomaine_; }
    // One letter, or two for a leap year (January-February, then the rest).
    std::string lettreDominicale() const { return lettreDominicale_; }

private:
    int nombreOr_ = -1;         // 1..19, rank in the Metonic cycle
    int epacte_ = -1;           // 0..29, age of the Moon on the eve of 1 January
    int cycleSolaire_ = -1;     // 1..28
    int indictionRomaine_ = -1; // 1..15
    std::string lettreDominicale_;
};

// Easter Sunday of a year, in the calendar of that year (Julian up to 1582).
class Paques
{
public:
    // Fills mois and jour for a year >= 1; a year <= 0 changes nothing.
    void calculer(std::int64_t annee);

    int mois() const { return mois_; }
    int jour() const { return jour_; }

private:
    int mois_ = 0;
    int jour_ = 0;
};

} // namespace chronastre
