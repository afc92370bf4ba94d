#include "engine/calendrierchinois.h"

#include <algorithm>
#include <array>
#include <bit>

namespace chronastre {

namespace {

struct AnneeChinoise
{
    std::int64_t annee;      // year of our era in which it begins
    std::int64_t mois, jour; // Gregorian date of its first day
    std::uint32_t longueurs; // bit i set: the month of rank i + 1 has 30 days
    std::int64_t intercalaire;
};

constexpr std::size_t nombreAnnees =
    CalendrierChinois::derniereAnnee - CalendrierChinois::premiereAnnee + 1;

constexpr std::array<AnneeChinoise, nombreAnnees> table = {{
#include "engine/chinois_table.inc"
}};

constexpr std::int64_t moisDe(const AnneeChinoise& a)
{
    return a.intercalaire == 0 ? 12 : 13;
}

// Days of the year before the month of rank rang (1 to 14).
constexpr std::int64_t avantMois(const AnneeChinoise& a, std::int64_t rang)
{
    const std::uint32_t longs = a.longueurs & ((std::uint32_t{1} << (rang - 1)) - 1);
    return 29 * (rang - 1) + std::popcount(longs);
}

// Day number of the first day of each year, and of the year after the last.
constexpr std::array<std::int64_t, nombreAnnees + 1> nouvelsAns = [] {
    std::array<std::int64_t, nombreAnnees + 1> t{};
    for (std::size_t i = 0; i < nombreAnnees; ++i)
        t[i] = numeroJourGregorien(table[i].annee, table[i].mois, table[i].jour);
    t[nombreAnnees] = t[nombreAnnees - 1] + avantMois(table.back(), moisDe(table.back()) + 1);
    return t;
}();

// Each row follows the one before: its year, its new year where the months
// of the year before end, a leap month only in a 13-month year.
constexpr bool tableCoherente()
{
    for (std::size_t i = 0; i < nombreAnnees; ++i) {
        const AnneeChinoise& a = table[i];
        if (a.annee != CalendrierChinois::premiereAnnee + static_cast<std::int64_t>(i) ||
            a.intercalaire < 0 || a.intercalaire > 12 || (a.longueurs >> moisDe(a)) != 0)
            return false;
        if (i + 1 < nombreAnnees &&
            nouvelsAns[i] + avantMois(a, moisDe(a) + 1) != nouvelsAns[i + 1])
            return false;
    }
    return true;
}
static_assert(tableCoherente());

const AnneeChinoise* annee(std::int64_t a)
{
    if (!CalendrierChinois::anneeDansLaPlage(a))
        return nullptr;
    return &table[static_cast<std::size_t>(a - CalendrierChinois::premiereAnnee)];
}

} // namespace

Plage CalendrierChinois::plage()
{
    return {nouvelsAns.front(), nouvelsAns.back() - 1};
}

std::int64_t CalendrierChinois::nouvelAn(std::int64_t a)
{
    return anneeDansLaPlage(a) ? nouvelsAns[static_cast<std::size_t>(a - premiereAnnee)]
                               : jourHorsPlage;
}

std::int64_t CalendrierChinois::moisIntercalaire(std::int64_t a)
{
    const AnneeChinoise* ligne = annee(a);
    return ligne ? ligne->intercalaire : 0;
}

std::int64_t CalendrierChinois::moisDansAnnee(std::int64_t a)
{
    const AnneeChinoise* ligne = annee(a);
    return ligne ? moisDe(*ligne) : 0;
}

std::int64_t CalendrierChinois::joursDuMois(std::int64_t a, std::int64_t rang)
{
    const AnneeChinoise* ligne = annee(a);
    if (!ligne || rang < 1 || rang > moisDe(*ligne))
        return 0;
    return (ligne->longueurs >> (rang - 1)) & 1 ? 30 : 29;
}

MoisChinois CalendrierChinois::numeroMois(std::int64_t a, std::int64_t rang)
{
    const AnneeChinoise* ligne = annee(a);
    if (!ligne || rang < 1 || rang > moisDe(*ligne))
        return {};
    const std::int64_t l = ligne->intercalaire;
    if (l == 0 || rang <= l)
        return {rang, false};
    if (rang == l + 1)
        return {l, true};
    return {rang - 1, false};
}

std::int64_t CalendrierChinois::rangMois(std::int64_t a, MoisChinois mois)
{
    const AnneeChinoise* ligne = annee(a);
    if (!ligne || mois.numero < 1 || mois.numero > 12)
        return 0;
    const std::int64_t l = ligne->intercalaire;
    if (mois.intercalaire)
        return l != 0 && mois.numero == l ? l + 1 : 0;
    return l != 0 && mois.numero > l ? mois.numero + 1 : mois.numero;
}

std::int64_t CalendrierChinois::rangCycle(std::int64_t a)
{
    // 1984 is jiazi; floorMod first, so that no year overflows.
    return floorMod(floorMod(a, 60) - 4, 60) + 1;
}

DateHeure CalendrierChinois::versChinois(std::int64_t numeroJour)
{
    if (!plage().contient(numeroJour))
        return DateHeure();
    // The year from the mean tropical year, then at most a step either way.
    const std::int64_t ecart = numeroJour - nouvelsAns.front(); // in [0, 74000)
    std::size_t i =
        std::min<std::size_t>(static_cast<std::size_t>(ecart * 10000 / 3652422), nombreAnnees - 1);
    while (nouvelsAns[i + 1] <= numeroJour)
        ++i;
    while (nouvelsAns[i] > numeroJour)
        --i;
    const AnneeChinoise& a = table[i];
    const std::int64_t r = numeroJour - nouvelsAns[i]; // day of the year from 0, in [0, 385)
    // The month from the mean lunation, then the exact lengths.
    std::int64_t rang = std::min<std::int64_t>(r * 1000 / 29531 + 1, moisDe(a));
    while (rang < moisDe(a) && avantMois(a, rang + 1) <= r)
        ++rang;
    while (avantMois(a, rang) > r)
        --rang;
    DateHeure date(a.annee, rang, r - avantMois(a, rang) + 1);
    date.setEmbolismique(a.intercalaire != 0);
    return date;
}

std::int64_t CalendrierChinois::depuisChinois(const DateHeure& date)
{
    const AnneeChinoise* ligne = annee(date.annee());
    if (!ligne)
        return jourHorsPlage;
    // Rank 13 of a 12-month year begins the next year.
    const std::int64_t rang = std::clamp<std::int64_t>(date.mois(), 1, 13);
    return nouvelAn(date.annee()) + avantMois(*ligne, rang) + jourBorne(date.jour()) - 1;
}

} // namespace chronastre
