#include "engine/calendrieriranien.h"

#include <algorithm>
#include <array>

namespace chronastre {

namespace {

constexpr std::size_t nombreAnnees =
    CalendrierIranien::derniereAnnee - CalendrierIranien::premiereAnnee + 2;

// The day of March of 1 Farvardin, from 1178 to the year after the range.
constexpr std::array<std::uint8_t, nombreAnnees> joursMars = {
#include "engine/iranien_table.inc"
};

// Day number of 1 Farvardin of each year of the table; the year Y begins in
// March of the Gregorian year Y + 621.
constexpr std::array<std::int64_t, nombreAnnees> nouvelsAns = [] {
    std::array<std::int64_t, nombreAnnees> t{};
    for (std::size_t i = 0; i < nombreAnnees; ++i)
        t[i] = numeroJourGregorien(
            CalendrierIranien::premiereAnnee + 621 + static_cast<std::int64_t>(i), 3, joursMars[i]);
    return t;
}();

// Every year of the table has 365 or 366 days.
constexpr bool longueursValides()
{
    for (std::size_t i = 0; i + 1 < nombreAnnees; ++i) {
        const std::int64_t n = nouvelsAns[i + 1] - nouvelsAns[i];
        if (n != 365 && n != 366)
            return false;
    }
    return true;
}
static_assert(longueursValides());

std::size_t rang(std::int64_t annee)
{
    return static_cast<std::size_t>(annee - CalendrierIranien::premiereAnnee);
}

// Days of the year before month mois (1..12): 31 each before Mehr, 30 after.
constexpr std::int64_t avantMois(std::int64_t mois)
{
    return mois <= 7 ? 31 * (mois - 1) : 186 + 30 * (mois - 7);
}

} // namespace

Plage CalendrierIranien::plage()
{
    return {nouvelsAns.front(), nouvelsAns.back() - 1};
}

std::int64_t CalendrierIranien::nouvelAn(std::int64_t annee)
{
    return anneeDansLaPlage(annee) ? nouvelsAns[rang(annee)] : jourHorsPlage;
}

bool CalendrierIranien::estBissextile(std::int64_t annee)
{
    return anneeDansLaPlage(annee) && nouvelsAns[rang(annee) + 1] - nouvelsAns[rang(annee)] == 366;
}

std::int64_t CalendrierIranien::joursDuMois(std::int64_t annee, std::int64_t mois)
{
    if (!anneeDansLaPlage(annee) || mois < 1 || mois > 12)
        return 0;
    if (mois == 12)
        return estBissextile(annee) ? 30 : 29;
    return mois <= 6 ? 31 : 30;
}

DateHeure CalendrierIranien::versIranien(std::int64_t numeroJour)
{
    if (!plage().contient(numeroJour))
        return DateHeure();
    // The year from the mean tropical year, then at most a step either way.
    const std::int64_t ecart = numeroJour - nouvelsAns.front(); // in [0, 147000)
    std::size_t i =
        std::min<std::size_t>(static_cast<std::size_t>(ecart * 10000 / 3652422), nombreAnnees - 2);
    while (nouvelsAns[i + 1] <= numeroJour)
        ++i;
    while (nouvelsAns[i] > numeroJour)
        --i;
    const std::int64_t r = numeroJour - nouvelsAns[i]; // day of the year from 0, in [0, 366)
    const std::int64_t annee = premiereAnnee + static_cast<std::int64_t>(i);
    if (r < 186)
        return DateHeure(annee, r / 31 + 1, r % 31 + 1);
    return DateHeure(annee, (r - 186) / 30 + 7, (r - 186) % 30 + 1);
}

std::int64_t CalendrierIranien::depuisIranien(const DateHeure& date)
{
    if (!anneeDansLaPlage(date.annee()))
        return jourHorsPlage;
    return nouvelsAns[rang(date.annee())] +
           avantMois(std::clamp<std::int64_t>(date.mois(), 1, 12)) + jourBorne(date.jour()) - 1;
}

} // namespace chronastre
