#pragma once

#include <cstdint>
#include <string>

namespace chronastre {

// Easter Sunday by one computus, whatever the year: the Julian one (the
// Dionysian tables, a date of the Julian calendar) or the Gregorian one
// (Clavius's, a date of the Gregorian calendar). Month 3 or 4 and its day,
// for every 64-bit year, those before 1 included (floor arithmetic).
struct DatePaques
{
    int mois;
    int jour;
};
DatePaques paquesSelon(std::int64_t annee, bool gregorien);

// The epact of year annee by the Julian or the Gregorian computus: the age
// of the Moon on the eve of 1 January, 0..29, for every 64-bit year.
int epacteSelon(std::int64_t annee, bool gregorien);

// The dominical letters of year annee of the Julian or the Gregorian
// calendar: one letter, or two for a leap year ("AG"). Empty beyond
// 2 * 10^13 years either way, where day numbers are no longer exact.
std::string lettresDominicales(std::int64_t annee, bool gregorien);

// The ecclesiastical computus of a year: Julian rules up to 1582, Gregorian
// from 1583.
class Comput
{
public:
    // Fills every field for a year >= 1 (the letters stay empty beyond
    // 2 * 10^13); a year <= 0 changes nothing.
    void calculer(std::int64_t annee);
    // The same by the Julian computus (gregorien false) or the Gregorian one,
    // whatever the year: a region that kept the Julian calendar after 1582
    // kept its epact and its letters.
    void calculerSelon(std::int64_t annee, bool gregorien);

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
