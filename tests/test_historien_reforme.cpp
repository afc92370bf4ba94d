// The Gregorian reform region by region: the table, the civil dates of each
// region and the day numbers they mean, Sweden's own calendar, the Easter of
// each region; checked against dated events and Debian's ncal.

#include "engine/calendrier.h"
#include "engine/comput.h"
#include "engine/reforme.h"
#include "historien.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>

using namespace chronastre;
using historien::gregorien;
using historien::julien;

namespace {

// Every day of a region's documents comes back to itself, and the written
// dates follow each other day by day except at the reform.
TEST(Reforme, TableCoherente)
{
    std::set<std::string_view> identifiants;
    for (const Reforme& r : reformes) {
        SCOPED_TRACE(r.identifiant);
        // The first Gregorian day is the day after the last Julian one: a
        // slip in either date breaks this (Grotefend's "10 Nov/12 Dec 1700"
        // for Utrecht does).
        EXPECT_EQ(
            julien(r.dernierJulien.annee, r.dernierJulien.mois, r.dernierJulien.jour) + 1,
            gregorien(r.premierGregorien.annee, r.premierGregorien.mois, r.premierGregorien.jour));
        EXPECT_EQ(
            premierJourGregorienDe(r.region),
            gregorien(r.premierGregorien.annee, r.premierGregorien.mois, r.premierGregorien.jour));
        EXPECT_TRUE(identifiants.insert(r.identifiant).second);
        for (const char c : r.identifiant)
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || c == '_') << c;
        EXPECT_EQ(regionParIdentifiant(r.identifiant), r.region);
        std::string minuscules(r.identifiant);
        for (char& c : minuscules)
            c = static_cast<char>(c == '_' ? c : c - 'A' + 'a');
        EXPECT_EQ(regionParIdentifiant(minuscules), r.region);
        EXPECT_TRUE(historien::dansLatin1(r.nom));
        EXPECT_TRUE(historien::dansLatin1(r.lieu));
        EXPECT_FALSE(r.source.empty());
    }
    EXPECT_EQ(regionParIdentifiant("FRANC"), std::nullopt);
    EXPECT_EQ(regionParIdentifiant(""), std::nullopt);
    EXPECT_EQ(regionParIdentifiant("FRANCE "), std::nullopt);
}

struct CasDate
{
    const char* tag;
    Region region;
    std::int64_t annee, mois, jour;
    std::int64_t numero; // from scripts/oracle.py, or the published day
    Regime regime;
};

// Dated events and reform days; day numbers from scripts/oracle.py, the
// weekdays checked against the published ones.
const CasDate casDates[] = {
    {"France: dimanche 9 décembre 1582, JD 2299226", Region::FRANCE, 1582, 12, 9, 2299226,
     Regime::JULIEN},
    {"France: lundi 20 décembre 1582, JD 2299227", Region::FRANCE, 1582, 12, 20, 2299227,
     Regime::GREGORIEN},
    {"Lorraine: 9 décembre 1582", Region::LORRAINE, 1582, 12, 9, 2299226, Regime::JULIEN},
    {"Rome: jeudi 4 octobre 1582", Region::ROME, 1582, 10, 4, 2299160, Regime::JULIEN},
    {"Rome: vendredi 15 octobre 1582", Region::ROME, 1582, 10, 15, 2299161, Regime::GREGORIEN},
    {"France: 15 octobre 1582 encore julien", Region::FRANCE, 1582, 10, 15, 2299171,
     Regime::JULIEN},
    {"Pays-Bas espagnols: 21 décembre 1582", Region::PAYS_BAS_ESPAGNOLS, 1582, 12, 21, 2299238,
     Regime::JULIEN},
    {"Pays-Bas espagnols: 1er janvier 1583", Region::PAYS_BAS_ESPAGNOLS, 1583, 1, 1, 2299239,
     Regime::GREGORIEN},
    {"Strasbourg: registre du 3 mars 1680, julien", Region::STRASBOURG, 1680, 3, 3, 2334740,
     Regime::JULIEN},
    {"Rome: 13 mars 1680, le même jour", Region::ROME, 1680, 3, 13, 2334740, Regime::GREGORIEN},
    {"Grande-Bretagne: mercredi 2 septembre 1752", Region::GRANDE_BRETAGNE, 1752, 9, 2, 2361221,
     Regime::JULIEN},
    {"Grande-Bretagne: jeudi 14 septembre 1752", Region::GRANDE_BRETAGNE, 1752, 9, 14, 2361222,
     Regime::GREGORIEN},
    {"Grande-Bretagne: naissance de Newton, 25 décembre 1642", Region::GRANDE_BRETAGNE, 1642, 12,
     25, 2321157, Regime::JULIEN},
    {"Grande-Bretagne: mort de Shakespeare, 23 avril 1616", Region::GRANDE_BRETAGNE, 1616, 4, 23,
     2311415, Regime::JULIEN},
    {"Grande-Bretagne: 29 février 1700 julien", Region::GRANDE_BRETAGNE, 1700, 2, 29,
     julien(1700, 2, 29), Regime::JULIEN},
    {"Russie: 25 octobre 1917, la révolution d'Octobre", Region::RUSSIE, 1917, 10, 25, 2421540,
     Regime::JULIEN},
    {"Russie: mercredi 31 janvier 1918", Region::RUSSIE, 1918, 1, 31, 2421638, Regime::JULIEN},
    {"Russie: jeudi 14 février 1918", Region::RUSSIE, 1918, 2, 14, 2421639, Regime::GREGORIEN},
    {"Grèce: 15 février 1923", Region::GRECE, 1923, 2, 15, 2423479, Regime::JULIEN},
    {"Grèce: 1er mars 1923", Region::GRECE, 1923, 3, 1, 2423480, Regime::GREGORIEN},
    {"Suède: mercredi 17 février 1753", Region::SUEDE, 1753, 2, 17, 2361389, Regime::JULIEN},
    {"Suède: jeudi 1er mars 1753", Region::SUEDE, 1753, 3, 1, 2361390, Regime::GREGORIEN},
    {"Suède: Narva, 20 novembre 1700 (19 julien, 30 grégorien)", Region::SUEDE, 1700, 11, 20,
     2342306, Regime::SUEDOIS},
    {"Suède: Poltava, 28 juin 1709 (27 julien, 8 juillet grégorien)", Region::SUEDE, 1709, 6, 28,
     2345448, Regime::SUEDOIS},
    {"Russie: Poltava, 27 juin 1709", Region::RUSSIE, 1709, 6, 27, 2345448, Regime::JULIEN},
    {"Suède: 28 février 1700, encore julien", Region::SUEDE, 1700, 2, 28, julien(1700, 2, 28),
     Regime::JULIEN},
    {"Suède: 1er mars 1700, le lendemain", Region::SUEDE, 1700, 3, 1, julien(1700, 2, 28) + 1,
     Regime::SUEDOIS},
    {"Suède: 29 février 1704 existe", Region::SUEDE, 1704, 2, 29, julien(1704, 2, 28),
     Regime::SUEDOIS},
    {"Suède: 30 février 1712 (29 julien, 11 mars grégorien)", Region::SUEDE, 1712, 2, 30, 2346425,
     Regime::SUEDOIS},
    {"Suède: 1er mars 1712, de nouveau julien", Region::SUEDE, 1712, 3, 1, 2346426, Regime::JULIEN},
    {"Allemagne protestante: dimanche 18 février 1700", Region::ALLEMAGNE_PROTESTANTE, 1700, 2, 18,
     julien(1700, 2, 18), Regime::JULIEN},
    {"Allemagne protestante: lundi 1er mars 1700", Region::ALLEMAGNE_PROTESTANTE, 1700, 3, 1,
     julien(1700, 2, 18) + 1, Regime::GREGORIEN},
    {"Mulhouse: 31 décembre 1700", Region::MULHOUSE, 1700, 12, 31, julien(1700, 12, 31),
     Regime::JULIEN},
    {"Mulhouse: 12 janvier 1701", Region::MULHOUSE, 1701, 1, 12, julien(1700, 12, 31) + 1,
     Regime::GREGORIEN},
};

TEST(Reforme, DatesDesRegions)
{
    for (const CasDate& c : casDates) {
        SCOPED_TRACE(c.tag);
        const JourCivil j = jourCivil(c.region, c.annee, c.mois, c.jour);
        EXPECT_EQ(j.refus, Refus::Aucun);
        EXPECT_EQ(j.jour, c.numero);
        EXPECT_EQ(j.regime, c.regime);
        const auto date = dateCivile(c.region, c.numero);
        ASSERT_TRUE(date);
        EXPECT_EQ(date->annee, c.annee);
        EXPECT_EQ(date->mois, c.mois);
        EXPECT_EQ(date->jour, c.jour);
        EXPECT_EQ(date->regime, c.regime);
        EXPECT_EQ(regimeDuJour(c.region, c.numero), c.regime);
    }
}

struct CasRefus
{
    const char* tag;
    Region region;
    std::int64_t annee, mois, jour;
    Refus refus;
};

const CasRefus casRefus[] = {
    {"France: 10 décembre 1582", Region::FRANCE, 1582, 12, 10, Refus::SupprimeeParReforme},
    {"France: 19 décembre 1582", Region::FRANCE, 1582, 12, 19, Refus::SupprimeeParReforme},
    {"Rome: 5 octobre 1582", Region::ROME, 1582, 10, 5, Refus::SupprimeeParReforme},
    {"Rome: 14 octobre 1582", Region::ROME, 1582, 10, 14, Refus::SupprimeeParReforme},
    {"Pays-Bas espagnols: Noël 1582", Region::PAYS_BAS_ESPAGNOLS, 1582, 12, 25,
     Refus::SupprimeeParReforme},
    {"Grande-Bretagne: 3 septembre 1752", Region::GRANDE_BRETAGNE, 1752, 9, 3,
     Refus::SupprimeeParReforme},
    {"Grande-Bretagne: 13 septembre 1752", Region::GRANDE_BRETAGNE, 1752, 9, 13,
     Refus::SupprimeeParReforme},
    {"Russie: 1er février 1918", Region::RUSSIE, 1918, 2, 1, Refus::SupprimeeParReforme},
    {"Russie: 13 février 1918", Region::RUSSIE, 1918, 2, 13, Refus::SupprimeeParReforme},
    {"Suède: 29 février 1700", Region::SUEDE, 1700, 2, 29, Refus::SupprimeeParReforme},
    {"Suède: 18 février 1753", Region::SUEDE, 1753, 2, 18, Refus::SupprimeeParReforme},
    {"Allemagne protestante: 29 février 1700", Region::ALLEMAGNE_PROTESTANTE, 1700, 2, 29,
     Refus::SupprimeeParReforme},
    {"Mulhouse: 1er janvier 1701", Region::MULHOUSE, 1701, 1, 1, Refus::SupprimeeParReforme},
    {"Suède: 30 février 1711", Region::SUEDE, 1711, 2, 30, Refus::DateInvalide},
    {"Suède: 30 février 1753", Region::SUEDE, 1753, 2, 30, Refus::DateInvalide},
    {"Rome: 29 février 1700 grégorien", Region::ROME, 1700, 2, 29, Refus::DateInvalide},
    {"Rome: 31 avril", Region::ROME, 1500, 4, 31, Refus::DateInvalide},
    {"France: 31 novembre 1582", Region::FRANCE, 1582, 11, 31, Refus::DateInvalide},
    {"France: 31 décembre 1582 existe", Region::FRANCE, 1582, 12, 31, Refus::Aucun},
    {"mois 13", Region::ROME, 1500, 13, 1, Refus::DateInvalide},
    {"mois 0", Region::ROME, 1500, 0, 1, Refus::DateInvalide},
    {"jour 0", Region::ROME, 1500, 1, 0, Refus::DateInvalide},
    {"jour 32", Region::ROME, 1500, 1, 32, Refus::DateInvalide},
    {"année trop grande", Region::ROME, anneeLimite + 1, 1, 1, Refus::HorsLimites},
    {"année trop petite", Region::ROME, -anneeLimite - 1, 1, 1, Refus::HorsLimites},
    {"année minimale", Region::FRANCE, std::numeric_limits<std::int64_t>::min(), 1, 1,
     Refus::HorsLimites},
    {"mois maximal", Region::FRANCE, 1500, std::numeric_limits<std::int64_t>::max(), 1,
     Refus::DateInvalide},
};

TEST(Reforme, JoursRefuses)
{
    for (const CasRefus& c : casRefus) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(jourCivil(c.region, c.annee, c.mois, c.jour).refus, c.refus);
    }
}

TEST(Reforme, JoursDuMois)
{
    EXPECT_EQ(joursDuMoisCivil(Region::ROME, 1582, 10), 31);
    EXPECT_EQ(joursDuMoisCivil(Region::FRANCE, 1582, 12), 31);
    EXPECT_EQ(joursDuMoisCivil(Region::PAYS_BAS_ESPAGNOLS, 1582, 12), 21);
    EXPECT_EQ(joursDuMoisCivil(Region::ALLEMAGNE_PROTESTANTE, 1700, 2), 18);
    EXPECT_EQ(joursDuMoisCivil(Region::GRANDE_BRETAGNE, 1700, 2), 29);
    EXPECT_EQ(joursDuMoisCivil(Region::ROME, 1700, 2), 28);
    EXPECT_EQ(joursDuMoisCivil(Region::SUEDE, 1700, 2), 28);
    EXPECT_EQ(joursDuMoisCivil(Region::SUEDE, 1704, 2), 29);
    EXPECT_EQ(joursDuMoisCivil(Region::SUEDE, 1712, 2), 30);
    EXPECT_EQ(joursDuMoisCivil(Region::SUEDE, 1753, 2), 17);
    EXPECT_EQ(joursDuMoisCivil(Region::RUSSIE, 1918, 2), 28);
    EXPECT_EQ(joursDuMoisCivil(Region::ROME, 2024, 0), 0);
    EXPECT_EQ(joursDuMoisCivil(Region::ROME, anneeLimite + 1, 1), 0);
}

// ROME is the rule the program has always followed: the same calendar and
// the same date for every day, the same Easter for every year.
TEST(Reforme, RomeCommeLaRegleCivile)
{
    for (std::int64_t n = -1'000'000; n <= 4'000'000; ++n) {
        const TypeCalendrier civil = calendrierCivil(n);
        ASSERT_EQ(regimeDuJour(Region::ROME, n) == Regime::GREGORIEN, civil == GREGORIEN) << n;
        if (n % 97 != 0 && (n < 2299000 || n > 2299300))
            continue; // every 97th day, and every day around the reform
        const DateHeure attendu = Calendrier(civil).versCalendrier(n);
        const auto date = dateCivile(Region::ROME, n);
        ASSERT_TRUE(date);
        ASSERT_EQ(date->annee, attendu.annee()) << n;
        ASSERT_EQ(date->mois, attendu.mois()) << n;
        ASSERT_EQ(date->jour, attendu.jour()) << n;
    }
    for (std::int64_t annee = 1; annee <= 5000; ++annee) {
        Paques paques;
        paques.calculer(annee);
        const TypeCalendrier civil = annee <= 1582 ? JULIEN : GREGORIEN;
        ASSERT_EQ(jourPaques(Region::ROME, annee),
                  Calendrier(civil).depuisCalendrier({annee, paques.mois(), paques.jour()}))
            << annee;
        ASSERT_EQ(paquesGregoriennes(Region::ROME, annee), annee > 1582) << annee;
    }
}

// Every day of five centuries, in every region: its date reads back to it,
// and the dates follow each other except once, at the reform.
TEST(Reforme, AllerRetourDesRegions)
{
    const std::int64_t debut = julien(1500, 1, 1);
    const std::int64_t fin = gregorien(1950, 12, 31);
    for (const Reforme& r : reformes) {
        SCOPED_TRACE(r.identifiant);
        int sauts = 0;
        auto precedente = dateCivile(r.region, debut - 1);
        for (std::int64_t n = debut; n <= fin; ++n) {
            const auto date = dateCivile(r.region, n);
            ASSERT_TRUE(date);
            const JourCivil j = jourCivil(r.region, date->annee, date->mois, date->jour);
            ASSERT_EQ(j.refus, Refus::Aucun) << n;
            ASSERT_EQ(j.jour, n);
            ASSERT_EQ(j.regime, date->regime);
            // The next date of the previous day's calendar (Julian or
            // Gregorian months, Sweden's February 1712 of 30 days; Sweden
            // left out 29 February 1700, a jump of its own).
            const bool fevrierSuedois1712 = precedente->regime == Regime::SUEDOIS &&
                                            precedente->annee == 1712 && precedente->mois == 2;
            const std::int64_t longueur =
                fevrierSuedois1712
                    ? 30
                    : joursDuMois(precedente->regime == Regime::GREGORIEN ? GREGORIEN : JULIEN,
                                  precedente->annee, precedente->mois);
            const bool suivante =
                (date->annee == precedente->annee && date->mois == precedente->mois &&
                 date->jour == precedente->jour + 1) ||
                (precedente->jour == longueur && date->jour == 1 &&
                 ((date->annee == precedente->annee && date->mois == precedente->mois + 1) ||
                  (date->annee == precedente->annee + 1 && date->mois == 1 &&
                   precedente->mois == 12)));
            if (!suivante) {
                ++sauts;
                EXPECT_TRUE(n == premierJourGregorienDe(r.region) ||
                            (r.region == Region::SUEDE && n == julien(1700, 2, 29)))
                    << n;
            }
            precedente = date;
        }
        EXPECT_EQ(sauts, r.region == Region::SUEDE ? 2 : 1);
    }
}

// Debian's ncal (tests/donnees/reformes_ncal.txt, scripts/generer_reformes.py)
// as an independent check: where the table follows the same sources, the
// same two days with the same weekdays; where it follows other ones
// (docs/reformes.md), ncal's own days are still consistent with the engine's
// calendars, and the difference is the documented one.
TEST(Reforme, CommeNcal)
{
    struct Correspondance
    {
        Region region;
        bool memeDate;
    };
    const std::map<std::string, Correspondance> correspondances = {
        {"IT", {Region::ROME, true}},
        {"ES", {Region::ESPAGNE, true}},
        {"PT", {Region::PORTUGAL, true}},
        {"PL", {Region::POLOGNE, true}},
        {"FR", {Region::FRANCE, true}},
        {"CZ", {Region::BOHEME, true}},
        {"HU", {Region::HONGRIE, true}},
        {"DE", {Region::ALLEMAGNE_PROTESTANTE, true}},
        {"DK", {Region::DANEMARK_NORVEGE, true}},
        {"NO", {Region::DANEMARK_NORVEGE, true}},
        {"GB", {Region::GRANDE_BRETAGNE, true}},
        {"SE", {Region::SUEDE, true}},
        {"FI", {Region::SUEDE, true}},
        {"BG", {Region::BULGARIE, true}},
        {"RU", {Region::RUSSIE, true}},
        // Grotefend 1891/1898's 14/25 December 1582, not his 1941 edition's.
        {"BE", {Region::PAYS_BAS_ESPAGNOLS, false}},
        {"NL", {Region::HOLLANDE, false}},
        {"LU", {Region::PAYS_BAS_ESPAGNOLS, false}},
        // Bavaria's date (Grotefend 1898), not Austria's of January 1584.
        {"AT", {Region::AUTRICHE, false}},
        // Valais's 1655, not the Catholic cantons' 1584.
        {"CH", {Region::SUISSE_CATHOLIQUE, false}},
        // The Church of Greece's change of 1924, not the civil one of 1923.
        {"GR", {Region::GRECE, false}},
    };
    int vus = 0;
    for (const std::string& ligne : historien::lignes("reformes_ncal.txt")) {
        std::istringstream flux(ligne);
        std::string code, dernier, premier;
        int semaineDernier = 0, semainePremier = 0;
        flux >> code >> dernier >> semaineDernier >> premier >> semainePremier;
        SCOPED_TRACE(ligne);
        const auto date = [](const std::string& t) {
            return DateCalendaire{std::stoll(t.substr(0, 4)), std::stoll(t.substr(5, 2)),
                                  std::stoll(t.substr(8, 2))};
        };
        const DateCalendaire d = date(dernier);
        const DateCalendaire p = date(premier);
        // ncal's days, through the engine's plain calendars.
        const std::int64_t nDernier = julien(d.annee, d.mois, d.jour);
        ASSERT_EQ(gregorien(p.annee, p.mois, p.jour), nDernier + 1);
        EXPECT_EQ(jourSemaine(nDernier), semaineDernier);
        EXPECT_EQ(jourSemaine(nDernier + 1), semainePremier);
        const auto it = correspondances.find(code);
        if (it == correspondances.end())
            continue;
        ++vus;
        const Region region = it->second.region;
        if (it->second.memeDate) {
            EXPECT_EQ(premierJourGregorienDe(region), nDernier + 1);
            const auto avant = dateCivile(region, nDernier);
            const auto apres = dateCivile(region, nDernier + 1);
            EXPECT_EQ(avant->annee * 10000 + avant->mois * 100 + avant->jour,
                      d.annee * 10000 + d.mois * 100 + d.jour);
            EXPECT_EQ(apres->annee * 10000 + apres->mois * 100 + apres->jour,
                      p.annee * 10000 + p.mois * 100 + p.jour);
        } else {
            EXPECT_NE(premierJourGregorienDe(region), nDernier + 1);
        }
    }
    EXPECT_EQ(vus, static_cast<int>(correspondances.size()));
    // The documented differences, in days.
    EXPECT_EQ(premierJourGregorienDe(Region::PAYS_BAS_ESPAGNOLS) - gregorien(1582, 12, 25), 7);
    EXPECT_EQ(gregorien(1924, 3, 23) - premierJourGregorienDe(Region::GRECE), 388);
}

struct CasListe
{
    Region region;
    DateCalendaire dernierJulien, premierGregorien;
};

// Grotefend 1941, pp. 26-28, as the tz database's file "calendars" quotes
// it ("05/16 Feb 1682 - city of Strassburg"); Utrecht's "10 Nov/12 Dec
// 1700" corrected to the 30th (eleven days apart then). Artois from
// Cappelli, Greece's civil reform, Mulhouse with the Protestant Swiss;
// Savoy is the table's unverified choice.
const CasListe casListe[] = {
    {Region::LORRAINE, {1582, 12, 9}, {1582, 12, 20}},
    {Region::PAYS_BAS_ESPAGNOLS, {1582, 12, 21}, {1583, 1, 1}},
    {Region::HOLLANDE, {1582, 12, 21}, {1583, 1, 1}},
    {Region::ARTOIS, {1582, 12, 21}, {1583, 1, 1}},
    {Region::SAVOIE, {1582, 12, 21}, {1583, 1, 1}},
    {Region::LIEGE, {1583, 2, 10}, {1583, 2, 21}},
    {Region::BAVIERE, {1583, 10, 5}, {1583, 10, 16}},
    {Region::HAUTE_ALSACE, {1583, 10, 13}, {1583, 10, 24}},
    {Region::EVECHE_STRASBOURG, {1583, 11, 16}, {1583, 11, 27}},
    {Region::AUTRICHE, {1584, 1, 6}, {1584, 1, 17}},
    {Region::SUISSE_CATHOLIQUE, {1584, 1, 11}, {1584, 1, 22}},
    {Region::PRUSSE, {1612, 8, 22}, {1612, 9, 2}},
    {Region::STRASBOURG, {1682, 2, 5}, {1682, 2, 16}},
    {Region::GUELDRE, {1700, 6, 30}, {1700, 7, 12}},
    {Region::UTRECHT, {1700, 11, 30}, {1700, 12, 12}},
    {Region::FRISE_GRONINGUE, {1700, 12, 31}, {1701, 1, 12}},
    {Region::SUISSE_PROTESTANTE, {1700, 12, 31}, {1701, 1, 12}},
    {Region::MULHOUSE, {1700, 12, 31}, {1701, 1, 12}},
    {Region::GRECE, {1923, 2, 15}, {1923, 3, 1}},
};

TEST(Reforme, CommeLesListesImprimees)
{
    for (const CasListe& c : casListe) {
        SCOPED_TRACE(reforme(c.region).identifiant);
        const std::int64_t premier = premierJourGregorienDe(c.region);
        const auto avant = dateCivile(c.region, premier - 1);
        const auto apres = dateCivile(c.region, premier);
        EXPECT_EQ(avant->regime, Regime::JULIEN);
        EXPECT_EQ(avant->annee, c.dernierJulien.annee);
        EXPECT_EQ(avant->mois, c.dernierJulien.mois);
        EXPECT_EQ(avant->jour, c.dernierJulien.jour);
        EXPECT_EQ(apres->regime, Regime::GREGORIEN);
        EXPECT_EQ(apres->annee, c.premierGregorien.annee);
        EXPECT_EQ(apres->mois, c.premierGregorien.mois);
        EXPECT_EQ(apres->jour, c.premierGregorien.jour);
    }
}

struct CasPaques
{
    const char* tag;
    Region region;
    std::int64_t annee;
    std::int64_t numero;
    bool gregoriennes;
};

// Easter dates from python3-dateutil (EASTER_JULIAN, EASTER_WESTERN,
// EASTER_ORTHODOX); the Protestant ones of 1724 and 1744 from Grotefend.
const CasPaques casPaques[] = {
    {"France 1582: julienne, 15 avril", Region::FRANCE, 1582, julien(1582, 4, 15), false},
    {"France 1583: grégorienne, 10 avril", Region::FRANCE, 1583, gregorien(1583, 4, 10), true},
    {"Pays-Bas espagnols 1583: grégorienne", Region::PAYS_BAS_ESPAGNOLS, 1583,
     gregorien(1583, 4, 10), true},
    {"Liège 1583: réforme en février, grégorienne", Region::LIEGE, 1583, gregorien(1583, 4, 10),
     true},
    {"Grande-Bretagne 1752: julienne, 29 mars", Region::GRANDE_BRETAGNE, 1752, julien(1752, 3, 29),
     false},
    {"Grande-Bretagne 1753: grégorienne, 22 avril", Region::GRANDE_BRETAGNE, 1753,
     gregorien(1753, 4, 22), true},
    {"Suède 1705: julienne, 8 avril", Region::SUEDE, 1705, julien(1705, 4, 8), false},
    {"Suède 1753: grégorienne", Region::SUEDE, 1753, gregorien(1753, 4, 22), true},
    {"Allemagne protestante 1700: grégorienne", Region::ALLEMAGNE_PROTESTANTE, 1700,
     gregorien(1700, 4, 11), true},
    {"Allemagne protestante 1724: astronomique, 9 avril", Region::ALLEMAGNE_PROTESTANTE, 1724,
     gregorien(1724, 4, 9), true},
    {"Allemagne protestante 1744: astronomique, 29 mars", Region::ALLEMAGNE_PROTESTANTE, 1744,
     gregorien(1744, 3, 29), true},
    {"Allemagne protestante 1725: grégorienne", Region::ALLEMAGNE_PROTESTANTE, 1725,
     gregorien(1725, 4, 1), true},
    {"Rome 1724: grégorienne, 16 avril", Region::ROME, 1724, gregorien(1724, 4, 16), true},
    {"Russie 1918: orthodoxe, 5 mai grégorien", Region::RUSSIE, 1918, gregorien(1918, 5, 5), false},
    {"Russie 2024: orthodoxe, 5 mai grégorien", Region::RUSSIE, 2024, gregorien(2024, 5, 5), false},
    {"Grèce 2024: orthodoxe", Region::GRECE, 2024, gregorien(2024, 5, 5), false},
};

TEST(Reforme, PaquesDesRegions)
{
    for (const CasPaques& c : casPaques) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(jourPaques(c.region, c.annee), c.numero);
        EXPECT_EQ(jourSemaine(c.numero), 0);
        EXPECT_EQ(paquesGregoriennes(c.region, c.annee), c.gregoriennes);
    }
    EXPECT_EQ(jourPaques(Region::ROME, anneeLimite + 1), std::nullopt);
    EXPECT_EQ(jourPaques(Region::ROME, std::numeric_limits<std::int64_t>::min()), std::nullopt);
    EXPECT_TRUE(jourPaques(Region::ROME, -anneeLimite));
}

TEST(Reforme, Limites)
{
    const std::int64_t extremes[] = {std::numeric_limits<std::int64_t>::min(),
                                     std::numeric_limits<std::int64_t>::max(), jourLimite + 1,
                                     -jourLimite - 1};
    for (const std::int64_t n : extremes) {
        EXPECT_EQ(dateCivile(Region::SUEDE, n), std::nullopt) << n;
        regimeDuJour(Region::SUEDE, n);
    }
    EXPECT_TRUE(dateCivile(Region::FRANCE, jourLimite));
    EXPECT_TRUE(dateCivile(Region::FRANCE, -jourLimite));
    EXPECT_EQ(paquesGregoriennes(Region::FRANCE, std::numeric_limits<std::int64_t>::max()), true);
    EXPECT_EQ(paquesGregoriennes(Region::RUSSIE, std::numeric_limits<std::int64_t>::max()), false);
}

// Easter, the epact and the dominical letters by each computus, against
// python3-dateutil (tests/donnees/paques.txt, scripts/generer_paques.py).
TEST(Comput, PaquesEtLettresSelonLeComput)
{
    int annees = 0;
    for (const std::string& ligne : historien::lignes("paques.txt")) {
        std::istringstream flux(ligne);
        std::int64_t annee = 0;
        int moisJ = 0, jourJ = 0, moisG = 0, jourG = 0;
        std::string lettresJ, lettresG;
        flux >> annee >> moisJ >> jourJ >> lettresJ;
        SCOPED_TRACE(ligne);
        const DatePaques j = paquesSelon(annee, false);
        EXPECT_EQ(j.mois, moisJ);
        EXPECT_EQ(j.jour, jourJ);
        EXPECT_EQ(lettresDominicales(annee, false), lettresJ);
        Comput comput;
        comput.calculerSelon(annee, false);
        EXPECT_EQ(comput.lettreDominicale(), lettresJ);
        EXPECT_EQ(comput.epacte(), epacteSelon(annee, false));
        if (flux >> moisG >> jourG >> lettresG) {
            const DatePaques g = paquesSelon(annee, true);
            EXPECT_EQ(g.mois, moisG);
            EXPECT_EQ(g.jour, jourG);
            EXPECT_EQ(lettresDominicales(annee, true), lettresG);
            comput.calculerSelon(annee, true);
            EXPECT_EQ(comput.lettreDominicale(), lettresG);
            EXPECT_EQ(comput.epacte(), epacteSelon(annee, true));
        }
        ++annees;
    }
    EXPECT_EQ(annees, 2600 - 326 + 1);
}

// With the year's own rule, calculerSelon is calculer; with the other one it
// changes only the epact and the letters.
TEST(Comput, CalculerSelonLaRegleDeLAnnee)
{
    for (std::int64_t annee = 1; annee <= 4000; annee += 7) {
        Comput civil, selon, autre;
        civil.calculer(annee);
        selon.calculerSelon(annee, anneeGregorienne(annee));
        autre.calculerSelon(annee, !anneeGregorienne(annee));
        EXPECT_EQ(selon.epacte(), civil.epacte());
        EXPECT_EQ(selon.lettreDominicale(), civil.lettreDominicale());
        EXPECT_EQ(autre.nombreOr(), civil.nombreOr());
        EXPECT_EQ(autre.cycleSolaire(), civil.cycleSolaire());
        EXPECT_EQ(autre.indictionRomaine(), civil.indictionRomaine());
    }
    // A year after 1582 by the Julian computus, as Russia kept it.
    Comput russie;
    russie.calculerSelon(1918, false);
    EXPECT_EQ(russie.lettreDominicale(), lettresDominicales(1918, false));
    // Negative and extreme years: no overflow, values in range.
    for (const std::int64_t annee : {std::numeric_limits<std::int64_t>::min(), std::int64_t{-1},
                                     std::int64_t{0}, std::numeric_limits<std::int64_t>::max()}) {
        for (const bool g : {false, true}) {
            const DatePaques p = paquesSelon(annee, g);
            EXPECT_TRUE((p.mois == 3 && p.jour >= 22) || (p.mois == 4 && p.jour <= 25)) << annee;
            const int e = epacteSelon(annee, g);
            EXPECT_TRUE(e >= 0 && e <= 29);
        }
    }
    EXPECT_EQ(lettresDominicales(std::numeric_limits<std::int64_t>::max(), true), "");
}

// The largest year: the solar cycle is taken from the year modulo 28 before
// anything is added to it (annee + 8 used to overflow there), and the letters
// are left empty where no day number is exact (the Julian Date of 1 January
// used to overflow there).
TEST(Comput, PlusGrandeAnnee)
{
    Comput comput;
    comput.calculer(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(comput.cycleSolaire(), 16); // (2^63 - 1) mod 28 = 7
    EXPECT_EQ(comput.nombreOr(), 18);     // (2^63 - 1) mod 19 = 17
    EXPECT_EQ(comput.lettreDominicale(), "");
    comput.calculer(2025);
    EXPECT_EQ(comput.cycleSolaire(), 18);
    EXPECT_EQ(comput.lettreDominicale(), "E");
    // The last year with letters: 20 000 000 000 000, Gregorian, leap.
    comput.calculer(20'000'000'000'000);
    EXPECT_EQ(comput.lettreDominicale().size(), 2u);
    comput.calculer(20'000'000'000'001);
    EXPECT_EQ(comput.lettreDominicale(), "");
}

} // namespace
