#include "engine/calendrierhebreu.h"

#include "engine/arithmetique.h"

#include <algorithm>
#include <array>

namespace chronastre {

namespace {

constexpr std::int64_t partsParHeure = 1080;
constexpr std::int64_t partsParJour = 24 * partsParHeure;
// Mean lunation: 29 days 12 hours 793 parts.
constexpr std::int64_t partsParLunaison = 29 * partsParJour + 12 * partsParHeure + 793;
// Day 1 of the molad count is day number 347998, the Monday of 1 Tishri 1.
constexpr std::int64_t origine = 347997;

// Days of the year before month n (1..13), per year type 1..6. 999 closes the
// common years: no day of a common year reaches month 13.
constexpr std::array<std::array<std::int64_t, 13>, 6> debutsMois = {{
    {0, 30, 59, 88, 117, 147, 176, 206, 235, 265, 294, 324, 999},
    {0, 30, 59, 89, 118, 148, 177, 207, 236, 266, 295, 325, 999},
    {0, 30, 60, 90, 119, 149, 178, 208, 237, 267, 296, 326, 999},
    {0, 30, 59, 88, 117, 147, 177, 206, 236, 265, 295, 324, 354},
    {0, 30, 59, 89, 118, 148, 178, 207, 237, 266, 296, 325, 355},
    {0, 30, 60, 90, 119, 149, 179, 208, 238, 267, 297, 326, 356},
}};

// Table read for a year type from typeAnnee (1..6), the month clamped as
// documented.
std::int64_t debutMois(int type, std::int64_t mois)
{
    const auto t = static_cast<std::size_t>(type - 1);
    const auto n = static_cast<std::size_t>(std::clamp<std::int64_t>(mois, 1, 13) - 1);
    return debutsMois[t][n];
}

} // namespace

bool CalendrierHebreu::estEmbolismique(std::int64_t annee)
{
    return floorMod(7 * annee + 13, 19) >= 12;
}

std::int64_t CalendrierHebreu::nouvelAn(std::int64_t annee)
{
    // Floor divisions throughout, so that the arithmetic calendar also runs
    // backwards before year 1 and stays consistent.
    const std::int64_t moisEcoules = floorDiv(235 * annee - 234, 19);
    const std::int64_t x = 793 * moisEcoules + 204; // parts beyond whole hours
    const std::int64_t heures = 12 * moisEcoules + floorDiv(x, partsParHeure) + 5;
    const std::int64_t parts = floorMod(x, partsParHeure) + partsParHeure * floorMod(heures, 24);
    std::int64_t jour = 29 * moisEcoules + floorDiv(heures, 24) + 1;

    const std::int64_t semaine = floorMod(jour, 7);
    if (parts >= 19440                                                // molad at 18 h or later
        || (semaine == 2 && parts >= 9924 && !estEmbolismique(annee)) // Tuesday, 9 h 204 p
        || (semaine == 1 && parts > 16787 && estEmbolismique(annee - 1))) { // Monday, 15 h 589 p
        ++jour;
    }
    // Never on a Sunday, Wednesday or Friday.
    jour += floorMod(floorMod(jour + 5, 7), 2);
    return jour + origine;
}

int CalendrierHebreu::typeAnnee(std::int64_t annee, std::int64_t nouvelAn,
                                std::int64_t nouvelAnSuivant)
{
    const std::int64_t type = nouvelAnSuivant - nouvelAn - 352 - (estEmbolismique(annee) ? 27 : 0);
    return static_cast<int>(std::clamp<std::int64_t>(type, 1, 6));
}

DateHeure CalendrierHebreu::versHebreu(std::int64_t numeroJour)
{
    if (numeroJour <= origine)
        return DateHeure();

    // Estimate the months elapsed with the exact mean lunation, in two steps
    // so that the product stays far inside 64 bits; then the year.
    const std::int64_t ecart = numeroJour - origine + 1;
    const std::int64_t lunaisons = (ecart / partsParLunaison) * partsParJour +
                                   (ecart % partsParLunaison) * partsParJour / partsParLunaison + 1;
    std::int64_t annee = 19 * (lunaisons / 235) + (19 * (lunaisons % 235) - 2) / 235;

    // The estimate is the year or one below it; move it until 1 Tishri of the
    // year and of the next bracket the day.
    std::int64_t debut = nouvelAn(annee);
    std::int64_t suivant = nouvelAn(annee + 1);
    while (suivant <= numeroJour) {
        ++annee;
        debut = suivant;
        suivant = nouvelAn(annee + 1);
    }
    while (debut > numeroJour) {
        --annee;
        suivant = debut;
        debut = nouvelAn(annee);
    }

    const int type = typeAnnee(annee, debut, suivant);
    embolismique_ = type >= 4;
    const std::int64_t jourAnnee = numeroJour - debut + 1;
    std::int64_t mois = 13;
    while (mois > 1 && jourAnnee <= debutMois(type, mois))
        --mois;
    return DateHeure(annee, mois, jourAnnee - debutMois(type, mois));
}

std::int64_t CalendrierHebreu::depuisHebreu(const DateHeure& date)
{
    const std::int64_t debut = nouvelAn(date.annee());
    const int type = typeAnnee(date.annee(), debut, nouvelAn(date.annee() + 1));
    embolismique_ = type >= 4;
    return debut + debutMois(type, date.mois()) + date.jour() - 1;
}

} // namespace chronastre
