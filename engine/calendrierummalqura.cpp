#include "engine/calendrierummalqura.h"

#include <algorithm>
#include <array>

namespace chronastre {

namespace {

constexpr std::size_t nombreAnnees =
    CalendrierUmmAlQura::derniereAnnee - CalendrierUmmAlQura::premiereAnnee + 1;
constexpr std::size_t nombreMois = 12 * nombreAnnees;
constexpr std::int64_t premierMuharram = 2423999; // 1 Muharram 1343, 1 August 1924

// Two bits a month: its length less 28.
constexpr std::array<std::uint32_t, nombreAnnees> longueurs = {
#include "engine/ummalqura_table.inc"
};

// Day number of the first day of each month, and of 1 Muharram 1501.
constexpr std::array<std::int64_t, nombreMois + 1> debuts = [] {
    std::array<std::int64_t, nombreMois + 1> t{};
    t[0] = premierMuharram;
    for (std::size_t k = 0; k < nombreMois; ++k)
        t[k + 1] = t[k] + 28 + ((longueurs[k / 12] >> (2 * (k % 12))) & 3);
    return t;
}();
// The table ends on 16 November 2077, as published: 1 Muharram 1501 is the
// 17th.
static_assert(debuts.back() == 2479990);

} // namespace

Plage CalendrierUmmAlQura::plage()
{
    return {debuts.front(), debuts.back() - 1};
}

std::int64_t CalendrierUmmAlQura::debutMois(std::int64_t annee, std::int64_t mois)
{
    if (!anneeDansLaPlage(annee) || mois < 1 || mois > 12)
        return jourHorsPlage;
    return debuts[static_cast<std::size_t>(12 * (annee - premiereAnnee) + mois - 1)];
}

std::int64_t CalendrierUmmAlQura::joursDuMois(std::int64_t annee, std::int64_t mois)
{
    if (!anneeDansLaPlage(annee) || mois < 1 || mois > 12)
        return 0;
    const auto k = static_cast<std::size_t>(12 * (annee - premiereAnnee) + mois - 1);
    return debuts[k + 1] - debuts[k];
}

DateHeure CalendrierUmmAlQura::versUmmAlQura(std::int64_t numeroJour)
{
    if (!plage().contient(numeroJour))
        return DateHeure();
    // The month from the mean lunation, then a few steps.
    const std::int64_t ecart = numeroJour - premierMuharram; // in [0, 56000)
    std::size_t k =
        std::min<std::size_t>(static_cast<std::size_t>(ecart * 100000 / 2953059), nombreMois - 1);
    while (debuts[k + 1] <= numeroJour)
        ++k;
    while (debuts[k] > numeroJour)
        --k;
    return DateHeure(premiereAnnee + static_cast<std::int64_t>(k / 12),
                     static_cast<std::int64_t>(k % 12) + 1, numeroJour - debuts[k] + 1);
}

std::int64_t CalendrierUmmAlQura::depuisUmmAlQura(const DateHeure& date)
{
    if (!anneeDansLaPlage(date.annee()))
        return jourHorsPlage;
    return debutMois(date.annee(), std::clamp<std::int64_t>(date.mois(), 1, 12)) +
           jourBorne(date.jour()) - 1;
}

} // namespace chronastre
