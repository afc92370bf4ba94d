#include "engine/calendrierbahaiteheran.h"

#include "engine/calendrier.h"

#include <algorithm>
#include <array>

namespace chronastre {

namespace {

using Teheran = CalendrierBahaiTeheran;

constexpr std::size_t nombreAnnees = Teheran::derniereAnnee - Teheran::premiereAnneeTeheran + 2;

// The day of March of Naw-Ruz, from 172 to the year after the range.
constexpr std::array<std::uint8_t, nombreAnnees> joursMars = {
#include "engine/bahaiteheran_table.inc"
};

// Day number of Naw-Ruz of each year of the table; the year Y begins in
// March of the Gregorian year Y + 1843.
constexpr std::array<std::int64_t, nombreAnnees> nawRuzs = [] {
    std::array<std::int64_t, nombreAnnees> t{};
    for (std::size_t i = 0; i < nombreAnnees; ++i)
        t[i] = numeroJourGregorien(
            Teheran::premiereAnneeTeheran + 1843 + static_cast<std::int64_t>(i), 3, joursMars[i]);
    return t;
}();

// 172 begins where the arithmetic 171 ends, on 21 March 2015; every year
// has 365 or 366 days.
constexpr bool tableCoherente()
{
    if (nawRuzs[0] != numeroJourGregorien(2015, 3, 21))
        return false;
    for (std::size_t i = 0; i + 1 < nombreAnnees; ++i) {
        const std::int64_t n = nawRuzs[i + 1] - nawRuzs[i];
        if (n != 365 && n != 366)
            return false;
    }
    return true;
}
static_assert(tableCoherente());

// The first day of the range: BAHAI's years begin on 21 March, Gregorian.
constexpr std::int64_t premierJour = numeroJourGregorien(Teheran::premiereAnnee + 1843, 3, 21);

std::size_t rang(std::int64_t annee)
{
    return static_cast<std::size_t>(annee - Teheran::premiereAnneeTeheran);
}

bool aTeheran(std::int64_t annee)
{
    return annee >= Teheran::premiereAnneeTeheran && annee <= Teheran::derniereAnnee;
}

// A date before 172 as BAHAI reads it, its month and day brought within 32
// bits (all that BAHAI's formulas take without leaving 64 bits).
std::int64_t depuisBahai(const DateHeure& date)
{
    return Calendrier(BAHAI).depuisCalendrier(
        DateHeure(date.annee(), sature32(date.mois()), sature32(date.jour())));
}

} // namespace

Plage CalendrierBahaiTeheran::plage()
{
    return {premierJour, nawRuzs.back() - 1};
}

std::int64_t CalendrierBahaiTeheran::nawRuz(std::int64_t annee)
{
    if (!anneeDansLaPlage(annee))
        return jourHorsPlage;
    if (annee >= premiereAnneeTeheran)
        return nawRuzs[rang(annee)];
    return depuisBahai(DateHeure(annee, 1, 1));
}

std::int64_t CalendrierBahaiTeheran::joursDuMois(std::int64_t annee, std::int64_t mois)
{
    if (!anneeDansLaPlage(annee))
        return 0;
    if (!aTeheran(annee))
        return chronastre::joursDuMois(BAHAI, annee, mois);
    if (mois < 1 || mois > 20)
        return 0;
    if (mois != 19)
        return 19;
    // Ayyam-i-Ha fills the year up to the 19 days of 'Ala.
    return nawRuzs[rang(annee) + 1] - nawRuzs[rang(annee)] - 19 * 19;
}

DateHeure CalendrierBahaiTeheran::versBahaiTeheran(std::int64_t numeroJour)
{
    if (!plage().contient(numeroJour))
        return DateHeure();
    if (numeroJour < nawRuzs.front())
        return Calendrier(BAHAI).versCalendrier(numeroJour);
    // The year from the mean tropical year, then at most a step either way.
    const std::int64_t ecart = numeroJour - nawRuzs.front(); // in [0, 68000)
    std::size_t i =
        std::min<std::size_t>(static_cast<std::size_t>(ecart * 10000 / 3652422), nombreAnnees - 2);
    while (nawRuzs[i + 1] <= numeroJour)
        ++i;
    while (nawRuzs[i] > numeroJour)
        --i;
    const std::int64_t annee = premiereAnneeTeheran + static_cast<std::int64_t>(i);
    const std::int64_t r = numeroJour - nawRuzs[i];                 // day of the year from 0
    const std::int64_t debutAla = nawRuzs[i + 1] - nawRuzs[i] - 19; // day 1 of 'Ala, from 0
    if (r < 18 * 19)
        return DateHeure(annee, r / 19 + 1, r % 19 + 1);
    if (r < debutAla)
        return DateHeure(annee, 19, r - 18 * 19 + 1);
    return DateHeure(annee, 20, r - debutAla + 1);
}

std::int64_t CalendrierBahaiTeheran::depuisBahaiTeheran(const DateHeure& date)
{
    if (!anneeDansLaPlage(date.annee()))
        return jourHorsPlage;
    if (date.annee() < premiereAnneeTeheran)
        return depuisBahai(date);
    const std::size_t i = rang(date.annee());
    const std::int64_t mois = std::clamp<std::int64_t>(date.mois(), 1, 20);
    const std::int64_t jour = jourBorne(date.jour());
    if (mois <= 19)
        return nawRuzs[i] + 19 * (mois - 1) + jour - 1;
    return nawRuzs[i + 1] - 19 + jour - 1;
}

} // namespace chronastre
