// Julian Date, weekday and day of the year of a civil moment.

#include "engine/dateheure.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using chronastre::DateHeure;
using chronastre::estBissextile;

namespace {

struct Moment
{
    const char* nom;
    DateHeure date;
    double jourJulien;
    int jourSemaine;
    int jourAnnee;
};

DateHeure calcule(DateHeure date)
{
    date.calculerJourJulien();
    date.calculerJourSemaine();
    date.calculerJourAnnee();
    return date;
}

const Moment moments[] = {
    {"2000-01-01 12:00", {2000, 1, 1, 12, 0, 0}, 2451545.0, 6, 1},
    {"1582-10-15 first Gregorian day", {1582, 10, 15, 0, 0, 0}, 2299160.5, 5, 288},
    {"1582-10-04 last Julian day", {1582, 10, 4, 0, 0, 0}, 2299159.5, 4, 277},
    {"1582-10-10 inside the gap reads as Julian", {1582, 10, 10, 0, 0, 0}, 2299165.5, 3, 283},
    {"-4712-01-01 12:00 day zero", {-4712, 1, 1, 12, 0, 0}, 0.0, 1, 1},
    {"0001-01-01", {1, 1, 1, 0, 0, 0}, 1721423.5, 6, 1},
    {"0000-02-29 leap 1 BC", {0, 2, 29, 0, 0, 0}, 1721116.5, 0, 60},
    {"1900-02-29 is 1 March", {1900, 2, 29, 0, 0, 0}, 2415079.5, 4, 60},
    {"1900-03-01", {1900, 3, 1, 0, 0, 0}, 2415079.5, 4, 60},
    {"1582-12-31 full common year", {1582, 12, 31, 0, 0, 0}, 2299237.5, 5, 365},
    {"2000-12-31 leap", {2000, 12, 31, 0, 0, 0}, 2451909.5, 0, 366},
    {"24:00 is next midnight", {2000, 1, 1, 24, 0, 0}, 2451545.5, 0, 1},
    // Before 1 March -4716 the year term takes the floor: day numbers keep
    // falling by one per day (31 December -4713 is day -1).
    {"-4713-12-31", {-4713, 12, 31, 0, 0, 0}, -1.5, 0, 365},
    {"-4716-03-01", {-4716, 3, 1, 0, 0, 0}, -1401.5, 0, 61},
    {"-4716-02-29", {-4716, 2, 29, 0, 0, 0}, -1402.5, 6, 60},
    {"-4717-01-01", {-4717, 1, 1, 0, 0, 0}, -1826.5, 2, 1},
    {"-10000-01-01", {-10000, 1, 1, 0, 0, 0}, -1931442.5, 6, 1},
};

} // namespace

TEST(DateHeure, JourJulienSemaineEtAnnee)
{
    for (const Moment& m : moments) {
        SCOPED_TRACE(m.nom);
        const DateHeure d = calcule(m.date);
        EXPECT_DOUBLE_EQ(d.jourJulien(), m.jourJulien);
        EXPECT_EQ(d.jourSemaine(), m.jourSemaine);
        EXPECT_EQ(d.jourAnnee(), m.jourAnnee);
    }
}

TEST(DateHeure, FractionDuJourAvecCinqDecimales)
{
    const DateHeure d = calcule({2011, 10, 1, 18, 30, 15});
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.5f", d.jourJulien());
    EXPECT_STREQ(texte, "2455836.27101");
}

TEST(DateHeure, LeJourSemaineChangeAMinuit)
{
    const DateHeure soir = calcule({2000, 1, 1, 23, 59, 59});
    const DateHeure minuit = calcule({2000, 1, 2, 0, 0, 0});
    EXPECT_EQ(soir.jourSemaine(), 6);
    EXPECT_EQ(minuit.jourSemaine(), 0);
}

// Each midnight is one day after the previous one and one weekday further,
// across the proleptic range, the reform and the era boundary.
TEST(DateHeure, JoursSuccessifs)
{
    auto longueur = [](std::int64_t a, std::int64_t m) -> std::int64_t {
        constexpr int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return m == 2 && estBissextile(a) ? 29 : jours[m - 1];
    };
    DateHeure precedent = calcule({-6000, 1, 1, 0, 0, 0});
    for (std::int64_t a = -6000; a <= 3000; ++a) {
        for (std::int64_t m = 1; m <= 12; ++m) {
            for (std::int64_t j = 1; j <= longueur(a, m); ++j) {
                if (a == 1582 && m == 10 && j > 4 && j < 15)
                    continue;
                if (a == -6000 && m == 1 && j == 1)
                    continue;
                const DateHeure d = calcule({a, m, j, 0, 0, 0});
                ASSERT_EQ(d.jourJulien(), precedent.jourJulien() + 1) << a << "-" << m << "-" << j;
                ASSERT_EQ(d.jourSemaine(), (precedent.jourSemaine() + 1) % 7)
                    << a << "-" << m << "-" << j;
                precedent = d;
            }
        }
    }
}

TEST(DateHeure, AnneesBissextiles)
{
    const std::pair<std::int64_t, bool> annees[] = {
        {1500, true}, {1582, false}, {1600, true}, {1700, false}, {1900, false}, {2000, true},
        {2024, true}, {0, true},     {-1, false},  {-4, true},    {-100, true},  {-3, false},
    };
    for (const auto& [annee, bissextile] : annees)
        EXPECT_EQ(estBissextile(annee), bissextile) << annee;
}

// The weekday of a day number: day 0 (1 January 4713 BC) was a Monday, the
// reform's first Gregorian day (2299161) a Friday and the day before it a
// Thursday, 1 January 2000 (2451545) a Saturday; the days before day 0 keep
// the cycle.
TEST(DateHeure, JourDeLaSemaineDUnNumeroDeJour)
{
    const std::pair<std::int64_t, std::int64_t> jours[] = {
        {0, 1}, {-1, 0}, {-7, 1}, {2299161, 5}, {2451545, 6}, {2299160, 4},
    };
    for (const auto& [numeroJour, semaine] : jours)
        EXPECT_EQ(chronastre::jourSemaine(numeroJour), semaine) << numeroJour;
}
