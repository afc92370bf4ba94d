#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The Gregorian reform region by region: the calendar in which the documents
// of a place are dated, Julian up to its own reform and Gregorian from it
// (with Sweden's calendar of 1700-1712 between), and the computus of its
// Easter. docs/reformes.md gives the sources of each row and where they
// disagree.
namespace chronastre {

// The largest year and day number, in magnitude, that the historical
// functions compute; beyond them they refuse (Refus::HorsLimites), so that
// no product ever leaves 64 bits.
inline constexpr std::int64_t anneeLimite = 1'000'000'000'000; // 10^12 years
inline constexpr std::int64_t jourLimite =
    300'000'000'000'000; // 3 * 10^14 days, within anneeLimite

// Why a written date, a date in a style or a feast names no day.
enum class Refus : std::uint8_t
{
    Aucun,
    HorsLimites,         // a year or day number beyond anneeLimite or jourLimite
    DateInvalide,        // a month outside 1..12, a day beyond its month ("31 avril")
    SupprimeeParReforme, // a day the region's reform skipped (Sweden's 29 February 1700 too)
    HorsAnnee,           // Easter style: that day does not occur in that year
    PartieContraire,     // Easter style: "avant Pâques" or "après Pâques" does not fit the day
    FeteAbsente,         // the feast fell on a day the reform skipped
    FormeInvalide,       // a weekday outside 0..6, a rank below 1 or beyond a year
};

// The regions, in the order of their reform. The enumerators are the
// keywords that name them.
enum class Region : std::uint8_t
{
    ROME,
    ESPAGNE,
    PORTUGAL,
    POLOGNE,
    FRANCE,
    LORRAINE,
    PAYS_BAS_ESPAGNOLS,
    ARTOIS,
    HOLLANDE,
    SAVOIE,
    LIEGE,
    BAVIERE,
    HAUTE_ALSACE,
    EVECHE_STRASBOURG,
    AUTRICHE,
    BOHEME,
    SUISSE_CATHOLIQUE,
    HONGRIE,
    PRUSSE,
    STRASBOURG,
    ALLEMAGNE_PROTESTANTE,
    DANEMARK_NORVEGE,
    GUELDRE,
    UTRECHT,
    FRISE_GRONINGUE,
    SUISSE_PROTESTANTE,
    MULHOUSE,
    GRANDE_BRETAGNE,
    SUEDE,
    BULGARIE,
    RUSSIE,
    GRECE,
};
inline constexpr int nombreRegions = 32;

// A date as written: year (astronomical), month 1..12, day.
struct DateCalendaire
{
    std::int64_t annee;
    std::int64_t mois;
    std::int64_t jour;
};

// One row of the table: the last day of the Julian calendar (a Julian date)
// and the day that followed it (a Gregorian date), with the source.
struct Reforme
{
    Region region;
    DateCalendaire dernierJulien;
    DateCalendaire premierGregorien;
    bool orthodoxe;               // its Church kept the Julian Easter after the civil reform
    std::string_view identifiant; // the keyword, "FRANCE"
    std::string_view nom;         // as a menu shows it, UTF-8 within Latin-1
    std::string_view lieu;        // as a sentence says it: "en France", "à Strasbourg"
    std::string_view source;
};

// clang-format off
inline constexpr std::array<Reforme, nombreRegions> reformes = {{
    {Region::ROME, {1582, 10, 4}, {1582, 10, 15}, false,
     "ROME", "Rome (règle de la bulle)", "à Rome",
     "Bulle Inter gravissimas (24 février 1582) ; Grotefend 1941"},
    {Region::ESPAGNE, {1582, 10, 4}, {1582, 10, 15}, false,
     "ESPAGNE", "Espagne", "en Espagne",
     "Pragmatique de Philippe II (1582) ; Grotefend 1941"},
    {Region::PORTUGAL, {1582, 10, 4}, {1582, 10, 15}, false,
     "PORTUGAL", "Portugal", "au Portugal",
     "Grotefend 1941"},
    {Region::POLOGNE, {1582, 10, 4}, {1582, 10, 15}, false,
     "POLOGNE", "Pologne", "en Pologne",
     "Grotefend 1941 (catholiques et Dantzig)"},
    {Region::FRANCE, {1582, 12, 9}, {1582, 12, 20}, false,
     "FRANCE", "France", "en France",
     "Lettres patentes d'Henri III (novembre 1582) ; Giry 1894 ; Grotefend 1941"},
    {Region::LORRAINE, {1582, 12, 9}, {1582, 12, 20}, false,
     "LORRAINE", "Lorraine (duché)", "en Lorraine",
     "Ordonnance de Charles III du 22 novembre 1582 (AD Meurthe-et-Moselle) ; Grotefend 1941"},
    {Region::PAYS_BAS_ESPAGNOLS, {1582, 12, 21}, {1583, 1, 1}, false,
     "PAYS_BAS_ESPAGNOLS", "Pays-Bas espagnols (Brabant, Flandre, Hainaut)", "aux Pays-Bas espagnols",
     "Grotefend 1941 ; Cappelli"},
    {Region::ARTOIS, {1582, 12, 21}, {1583, 1, 1}, false,
     "ARTOIS", "Artois", "en Artois",
     "Cappelli"},
    {Region::HOLLANDE, {1582, 12, 21}, {1583, 1, 1}, false,
     "HOLLANDE", "Hollande", "en Hollande",
     "Grotefend 1941"},
    {Region::SAVOIE, {1582, 12, 21}, {1583, 1, 1}, false,
     "SAVOIE", "Savoie (duché)", "en Savoie",
     "Non vérifiée : au passage de 1583, comme les terres espagnoles voisines"},
    {Region::LIEGE, {1583, 2, 10}, {1583, 2, 21}, false,
     "LIEGE", "Liège (principauté épiscopale)", "dans la principauté de Liège",
     "Grotefend 1941"},
    {Region::BAVIERE, {1583, 10, 5}, {1583, 10, 16}, false,
     "BAVIERE", "Bavière", "en Bavière",
     "Grotefend 1941"},
    {Region::HAUTE_ALSACE, {1583, 10, 13}, {1583, 10, 24}, false,
     "HAUTE_ALSACE", "Haute-Alsace autrichienne et Brisgau", "en Haute-Alsace",
     "Grotefend 1941"},
    {Region::EVECHE_STRASBOURG, {1583, 11, 16}, {1583, 11, 27}, false,
     "EVECHE_STRASBOURG", "Évêché de Strasbourg et margraviat de Bade", "dans l'évêché de Strasbourg",
     "Grotefend 1941"},
    {Region::AUTRICHE, {1584, 1, 6}, {1584, 1, 17}, false,
     "AUTRICHE", "Autriche", "en Autriche",
     "Grotefend 1941"},
    {Region::BOHEME, {1584, 1, 6}, {1584, 1, 17}, false,
     "BOHEME", "Bohême", "en Bohême",
     "Grotefend 1941"},
    {Region::SUISSE_CATHOLIQUE, {1584, 1, 11}, {1584, 1, 22}, false,
     "SUISSE_CATHOLIQUE", "Suisse catholique (Lucerne, Uri, Schwyz, Zoug, Fribourg, Soleure)", "dans les cantons catholiques suisses",
     "Grotefend 1941"},
    {Region::HONGRIE, {1587, 10, 21}, {1587, 11, 1}, false,
     "HONGRIE", "Hongrie", "en Hongrie",
     "Diète de 1587 ; Grotefend 1941"},
    {Region::PRUSSE, {1612, 8, 22}, {1612, 9, 2}, false,
     "PRUSSE", "Prusse (duché)", "dans le duché de Prusse",
     "Grotefend 1941"},
    {Region::STRASBOURG, {1682, 2, 5}, {1682, 2, 16}, false,
     "STRASBOURG", "Strasbourg (ville)", "à Strasbourg",
     "Grotefend 1941"},
    {Region::ALLEMAGNE_PROTESTANTE, {1700, 2, 18}, {1700, 3, 1}, false,
     "ALLEMAGNE_PROTESTANTE", "Allemagne protestante", "dans l'Allemagne protestante",
     "Corpus evangelicorum (1699) ; Grotefend 1941"},
    {Region::DANEMARK_NORVEGE, {1700, 2, 18}, {1700, 3, 1}, false,
     "DANEMARK_NORVEGE", "Danemark et Norvège", "au Danemark et en Norvège",
     "Grotefend 1941"},
    {Region::GUELDRE, {1700, 6, 30}, {1700, 7, 12}, false,
     "GUELDRE", "Gueldre et Zutphen", "en Gueldre",
     "Grotefend 1941"},
    {Region::UTRECHT, {1700, 11, 30}, {1700, 12, 12}, false,
     "UTRECHT", "Utrecht et Overijssel", "à Utrecht",
     "Grotefend 1941 (« 10 novembre » : coquille)"},
    {Region::FRISE_GRONINGUE, {1700, 12, 31}, {1701, 1, 12}, false,
     "FRISE_GRONINGUE", "Frise et Groningue", "en Frise et à Groningue",
     "Grotefend 1941"},
    {Region::SUISSE_PROTESTANTE, {1700, 12, 31}, {1701, 1, 12}, false,
     "SUISSE_PROTESTANTE", "Suisse protestante (Zurich, Berne, Bâle, Genève, Schaffhouse)", "dans les cantons protestants suisses",
     "Grotefend 1941"},
    {Region::MULHOUSE, {1700, 12, 31}, {1701, 1, 12}, false,
     "MULHOUSE", "Mulhouse (république alliée des Suisses)", "à Mulhouse",
     "Avec les cantons protestants suisses (Grotefend 1941)"},
    {Region::GRANDE_BRETAGNE, {1752, 9, 2}, {1752, 9, 14}, false,
     "GRANDE_BRETAGNE", "Grande-Bretagne et colonies", "en Grande-Bretagne",
     "Calendar (New Style) Act 1750 ; Grotefend 1941"},
    {Region::SUEDE, {1753, 2, 17}, {1753, 3, 1}, false,
     "SUEDE", "Suède et Finlande", "en Suède",
     "Grotefend 1941 ; calendrier suédois 1700-1712 : Beckman 1924, Lodén 1968"},
    {Region::BULGARIE, {1916, 3, 31}, {1916, 4, 14}, true,
     "BULGARIE", "Bulgarie", "en Bulgarie",
     "ncal (bsdmainutils), comme les listes d'adoption usuelles"},
    {Region::RUSSIE, {1918, 1, 31}, {1918, 2, 14}, true,
     "RUSSIE", "Russie", "en Russie",
     "Décret du Conseil des commissaires du peuple (janvier 1918) ; ncal"},
    {Region::GRECE, {1923, 2, 15}, {1923, 3, 1}, true,
     "GRECE", "Grèce", "en Grèce",
     "Réforme civile de 1923 (listes d'adoption usuelles) ; ncal : 1924, réforme de l'Église"},
}};
// clang-format on

static_assert(
    [] {
        for (std::size_t k = 0; k < reformes.size(); ++k) {
            if (reformes[k].region != static_cast<Region>(k))
                return false;
        }
        return true;
    }(),
    "reformes is read at the region's enumerator");

// The row of region.
constexpr const Reforme& reforme(Region region)
{
    return reformes[static_cast<std::size_t>(region)];
}

// Whether mot is the keyword identifiant (capitals, digits, underscores)
// written in any case.
bool estMotClef(std::string_view mot, std::string_view identifiant);

// The region a keyword names, in any case ("france", "FRANCE"); none for
// another word.
std::optional<Region> regionParIdentifiant(std::string_view mot);

// The day number of the region's first Gregorian day; the day before it is
// its last Julian one.
std::int64_t premierJourGregorienDe(Region region);

// Sweden's own calendar: from 1 March 1700 to 30 February 1712, one day
// ahead of the Julian (29 February 1700 was left out, and February 1712 had
// 30 days to return to the Julian).
inline constexpr DateCalendaire premierJourSuedois = {1700, 3, 1};
inline constexpr DateCalendaire dernierJourSuedois = {1712, 2, 30};

// The calendar of a written date.
enum class Regime : std::uint8_t
{
    JULIEN,
    GREGORIEN,
    SUEDOIS,
};

// A civil date of a region and the calendar it belongs to.
struct DateCivile
{
    std::int64_t annee = 0;
    std::int64_t mois = 0;
    std::int64_t jour = 0;
    Regime regime = Regime::JULIEN;
};

// The calendar a region's documents use on day numeroJour.
Regime regimeDuJour(Region region, std::int64_t numeroJour);

// The date a region's documents write on day numeroJour; none beyond
// jourLimite.
std::optional<DateCivile> dateCivile(Region region, std::int64_t numeroJour);

// The day a region's documents mean by a date, and its calendar; or why no
// day: a month or day out of range, a day the reform skipped ("15 décembre
// 1582" in France), a year beyond anneeLimite.
struct JourCivil
{
    std::int64_t jour = 0;
    Regime regime = Regime::JULIEN;
    Refus refus = Refus::Aucun;
};
JourCivil jourCivil(Region region, std::int64_t annee, std::int64_t mois, std::int64_t jour);

// The place of a region's date in its year, as the window counts it: the
// day of the year of its own calendar (Julian, Gregorian, or Sweden's, whose
// February had 28 days in 1700 and 30 in 1712), the days a reform skipped
// counted (20 December 1582 is day 354 in France, as 15 October is day 288
// by the Roman rule).
std::int64_t jourDeLAnneeCivil(Region region, const DateCivile& date);

// The last day of month mois of year annee that the region's documents can
// write: 28 to 31, 30 for the Swedish February 1712, less where the reform
// cut the month short (18 for February 1700 in Protestant Germany); 0 for a
// month outside 1..12 or a year beyond anneeLimite.
std::int64_t joursDuMoisCivil(Region region, std::int64_t annee, std::int64_t mois);

// Whether Easter of year annee in the region follows the Gregorian computus:
// from the first year whose Gregorian Easter falls on or after the region's
// reform, never where the Church kept the Julian Easter (Russia, Greece,
// Bulgaria). ROME gives the Julian computus up to 1582, the Gregorian from
// 1583, as Paques does.
bool paquesGregoriennes(Region region, std::int64_t annee);

// The day number of Easter Sunday of year annee (counted from 1 January) in
// the region: its computus, and the astronomical Easter of the Protestant
// states where it left the Gregorian one (1724, 1744). None beyond
// anneeLimite.
std::optional<std::int64_t> jourPaques(Region region, std::int64_t annee);

} // namespace chronastre
