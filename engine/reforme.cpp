#include "engine/reforme.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/comput.h"

namespace chronastre {

namespace {

constexpr bool avant(const DateCalendaire& a, const DateCalendaire& b)
{
    if (a.annee != b.annee)
        return a.annee < b.annee;
    if (a.mois != b.mois)
        return a.mois < b.mois;
    return a.jour < b.jour;
}

std::int64_t numero(TypeCalendrier type, const DateCalendaire& date)
{
    return jourDeLaDate(type, DateHeure(date.annee, date.mois, date.jour));
}

// The same, or none when the date does not exist there: told from the
// month lengths.
std::optional<std::int64_t> numeroSiExiste(TypeCalendrier type, const DateCalendaire& date)
{
    if (!Calendrier::existeCivile(type == GREGORIEN, date.annee, date.mois, date.jour))
        return std::nullopt;
    return numero(type, date);
}

// The day numbers of the table, computed once from its dates.
struct Bornes
{
    std::array<std::int64_t, nombreRegions> premierGregorien;
    std::int64_t debutSuedois; // the Julian 29 February 1700, written 1 March
    std::int64_t finSuedois;   // the Julian 29 February 1712, written 30 February
};

const Bornes& bornes()
{
    static const Bornes b = [] {
        Bornes t{};
        for (const Reforme& r : reformes)
            t.premierGregorien[static_cast<std::size_t>(r.region)] =
                numero(GREGORIEN, r.premierGregorien);
        t.debutSuedois = numero(JULIEN, {1700, 2, 29});
        t.finSuedois = numero(JULIEN, {1712, 2, 29});
        return t;
    }();
    return b;
}

// The Protestant states of the Empire computed Easter from the astronomical
// full moon (the "improved calendar", 1700-1775); it left the Gregorian
// Easter twice, a week earlier (Gregorian dates).
struct PaquesAstronomiques
{
    Region region;
    DateCalendaire paques;
};
constexpr std::array<PaquesAstronomiques, 2> paquesAstronomiques = {{
    {Region::ALLEMAGNE_PROTESTANTE, {1724, 4, 9}},
    {Region::ALLEMAGNE_PROTESTANTE, {1744, 3, 29}},
}};

} // namespace

bool estMotClef(std::string_view mot, std::string_view identifiant)
{
    if (mot.size() != identifiant.size())
        return false;
    for (std::size_t k = 0; k < mot.size(); ++k) {
        char c = mot[k];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != identifiant[k])
            return false;
    }
    return true;
}

std::optional<Region> regionParIdentifiant(std::string_view mot)
{
    for (const Reforme& r : reformes) {
        if (estMotClef(mot, r.identifiant))
            return r.region;
    }
    return std::nullopt;
}

std::int64_t premierJourGregorienDe(Region region)
{
    return bornes().premierGregorien[static_cast<std::size_t>(region)];
}

Regime regimeDuJour(Region region, std::int64_t numeroJour)
{
    const Bornes& b = bornes();
    if (numeroJour >= b.premierGregorien[static_cast<std::size_t>(region)])
        return Regime::GREGORIEN;
    if (region == Region::SUEDE && numeroJour >= b.debutSuedois && numeroJour <= b.finSuedois)
        return Regime::SUEDOIS;
    return Regime::JULIEN;
}

std::optional<DateCivile> dateCivile(Region region, std::int64_t numeroJour)
{
    if (numeroJour < -jourLimite || numeroJour > jourLimite)
        return std::nullopt;
    const Regime regime = regimeDuJour(region, numeroJour);
    DateHeure date;
    if (regime == Regime::GREGORIEN) {
        date = Calendrier(GREGORIEN).versCalendrier(numeroJour);
    } else if (regime == Regime::JULIEN) {
        date = Calendrier(JULIEN).versCalendrier(numeroJour);
    } else {
        // One day ahead of the Julian, up to the added 30 February 1712.
        if (numeroJour == bornes().finSuedois)
            return DateCivile{dernierJourSuedois.annee, dernierJourSuedois.mois,
                              dernierJourSuedois.jour, regime};
        date = Calendrier(JULIEN).versCalendrier(numeroJour + 1);
    }
    return DateCivile{date.annee(), date.mois(), date.jour(), regime};
}

JourCivil jourCivil(Region region, std::int64_t annee, std::int64_t mois, std::int64_t jour)
{
    if (annee < -anneeLimite || annee > anneeLimite)
        return {0, Regime::JULIEN, Refus::HorsLimites};
    if (mois < 1 || mois > 12 || jour < 1 || jour > 31)
        return {0, Regime::JULIEN, Refus::DateInvalide};
    const Reforme& r = reforme(region);
    const DateCalendaire date{annee, mois, jour};
    if (avant(r.dernierJulien, date) && avant(date, r.premierGregorien)) {
        // Within the skipped days; a date that no calendar has is invalid.
        if (!numeroSiExiste(JULIEN, date) && !numeroSiExiste(GREGORIEN, date))
            return {0, Regime::JULIEN, Refus::DateInvalide};
        return {0, Regime::JULIEN, Refus::SupprimeeParReforme};
    }
    if (!avant(date, r.premierGregorien)) {
        const auto n = numeroSiExiste(GREGORIEN, date);
        return n ? JourCivil{*n, Regime::GREGORIEN, Refus::Aucun}
                 : JourCivil{0, Regime::GREGORIEN, Refus::DateInvalide};
    }
    if (region == Region::SUEDE) {
        if (annee == 1700 && mois == 2 && jour == 29)
            return {0, Regime::SUEDOIS, Refus::SupprimeeParReforme};
        if (!avant(date, premierJourSuedois) && !avant(dernierJourSuedois, date)) {
            // The Julian day number of the same date, less the day Sweden
            // was ahead; 30 February 1712 reads as the Julian 1 March.
            const bool trente = annee == 1712 && mois == 2 && jour == 30;
            const auto n = numeroSiExiste(JULIEN, trente ? DateCalendaire{1712, 3, 1} : date);
            return n ? JourCivil{*n - 1, Regime::SUEDOIS, Refus::Aucun}
                     : JourCivil{0, Regime::SUEDOIS, Refus::DateInvalide};
        }
    }
    const auto n = numeroSiExiste(JULIEN, date);
    return n ? JourCivil{*n, Regime::JULIEN, Refus::Aucun}
             : JourCivil{0, Regime::JULIEN, Refus::DateInvalide};
}

std::int64_t jourDeLAnneeCivil(Region region, const DateCivile& date)
{
    const std::int64_t a = date.annee;
    bool bissextile = floorMod(a, 4) == 0;
    if (date.regime == Regime::GREGORIEN)
        bissextile = bissextile && (floorMod(a, 100) != 0 || floorMod(a, 400) == 0);
    if (region == Region::SUEDE && a == 1700 && date.mois > 2)
        bissextile = false; // 29 February 1700 was left out
    // Days before the month: 30.6 a month from March, less February's
    // shortfall of 2 (1 in a leap year).
    const std::int64_t avant =
        (275 * date.mois) / 9 - (bissextile ? 1 : 2) * ((date.mois + 9) / 12) - 30;
    // February 1712 had a 30th day in Sweden.
    const bool trente = region == Region::SUEDE && a == 1712 && date.mois > 2;
    return avant + date.jour + (trente ? 1 : 0);
}

std::int64_t joursDuMoisCivil(Region region, std::int64_t annee, std::int64_t mois)
{
    if (mois < 1 || mois > 12)
        return 0;
    for (std::int64_t jour = 31; jour >= 1; --jour) {
        if (jourCivil(region, annee, mois, jour).refus == Refus::Aucun)
            return jour;
    }
    return 0;
}

bool paquesGregoriennes(Region region, std::int64_t annee)
{
    if (reforme(region).orthodoxe)
        return false;
    if (annee < -anneeLimite || annee > anneeLimite)
        return annee > 0;
    // No reform came before Rome's, of October 1582.
    if (annee <= 1582)
        return false;
    const DatePaques p = paquesSelon(annee, true);
    return numero(GREGORIEN, {annee, p.mois, p.jour}) >= premierJourGregorienDe(region);
}

std::optional<std::int64_t> jourPaques(Region region, std::int64_t annee)
{
    if (annee < -anneeLimite || annee > anneeLimite)
        return std::nullopt;
    for (const PaquesAstronomiques& p : paquesAstronomiques) {
        if (p.region == region && p.paques.annee == annee)
            return numero(GREGORIEN, p.paques);
    }
    const bool gregorien = paquesGregoriennes(region, annee);
    const DatePaques p = paquesSelon(annee, gregorien);
    return numero(gregorien ? GREGORIEN : JULIEN, {annee, p.mois, p.jour});
}

} // namespace chronastre
