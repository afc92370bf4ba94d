// The parametric conversion of the seventeen calendars and the converter's cache.

#include "engine/calendrier.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace chronastre;

namespace {

struct Date
{
    std::int64_t annee, mois, jour;
};

std::string texte(const DateHeure& d)
{
    return std::to_string(d.annee()) + "-" + std::to_string(d.mois()) + "-" +
           std::to_string(d.jour());
}

std::string texte(const Date& d)
{
    return texte(DateHeure(d.annee, d.mois, d.jour));
}

} // namespace

// 1 January 2000 (day 2451545) in every parametric calendar.
TEST(Calendrier, PremierJanvier2000)
{
    const Date attendues[nombreCalendriersParametriques] = {
        {1449, 6, 8},   {2748, 9, 13}, {1369, 6, 8},  {1368, 10, 13}, {1716, 4, 22}, {1992, 4, 22},
        {1999, 12, 19}, {2311, 4, 19}, {2311, 3, 19}, {156, 16, 2},   {2000, 1, 1},  {208, 4, 11},
        {1921, 10, 11}, {1420, 9, 25}, {1420, 9, 24}, {2752, 7, 1},   {2754, 5, 1},
    };
    for (int k = 0; k < nombreCalendriersParametriques; ++k) {
        Calendrier c(static_cast<TypeCalendrier>(k));
        EXPECT_EQ(texte(c.versCalendrier(2451545)), texte(attendues[k])) << "kind " << k;
    }
}

// Day number of 1/1/1 of each calendar: checks the epoch of every row.
TEST(Calendrier, EpoqueDeChaqueCalendrier)
{
    const std::int64_t epoques[nombreCalendriersParametriques] = {
        1922868, 1448638, 1952068, 1952308, 1825030, 1724221, 1721424, 1607709, 1607739,
        2394647, 1721426, 2375840, 1749995, 1948439, 1948440, 1446331, 1446580,
    };
    for (int k = 0; k < nombreCalendriersParametriques; ++k) {
        Calendrier c(static_cast<TypeCalendrier>(k));
        EXPECT_EQ(c.depuisCalendrier(DateHeure(1, 1, 1)), epoques[k]) << "kind " << k;
        EXPECT_EQ(c.dernierJour(), epoques[k]);
    }
}

TEST(Calendrier, ReformeEtJourZero)
{
    struct Cas
    {
        std::int64_t numeroJour;
        TypeCalendrier type;
        Date date;
    };
    const Cas cas[] = {
        {2299161, JULIEN, {1582, 10, 5}},    {2299161, GREGORIEN, {1582, 10, 15}},
        {0, JULIEN, {-4712, 1, 1}},          {0, GREGORIEN, {-4713, 11, 24}},
        {2415079, GREGORIEN, {1900, 2, 28}}, {-1, JULIEN, {-4713, 12, 31}},
        {-1, GREGORIEN, {-4713, 11, 23}},    {-1000000, GREGORIEN, {-7451, 12, 28}},
    };
    for (const Cas& c : cas) {
        Calendrier calendrier(c.type);
        EXPECT_EQ(texte(calendrier.versCalendrier(c.numeroJour)), texte(c.date)) << c.numeroJour;
        EXPECT_EQ(calendrier.depuisCalendrier({c.date.annee, c.date.mois, c.date.jour}),
                  c.numeroJour);
    }
    EXPECT_EQ(texte(Calendrier(GREGORIEN).convertir(JULIEN, {2100, 2, 28})), "2100-2-15");
}

// Impossible dates enter the formulas as numbers.
TEST(Calendrier, DatesHorsLimites)
{
    Calendrier julien(JULIEN);
    EXPECT_EQ(julien.depuisCalendrier({2001, 2, 30}), julien.depuisCalendrier({2001, 3, 2}));
    EXPECT_EQ(julien.depuisCalendrier({2000, 13, 1}), julien.depuisCalendrier({2001, 1, 1}));
}

// Roman I has a leap day every third year (709, 712, ...); Roman II never.
TEST(Calendrier, AnneesRomaines)
{
    Calendrier romainI(ROMAIN_I);
    for (std::int64_t annee = 700; annee < 730; ++annee) {
        const std::int64_t fevrier29 = romainI.depuisCalendrier({annee, 2, 29});
        const bool bissextile = romainI.versCalendrier(fevrier29).mois() == 2;
        EXPECT_EQ(bissextile, (annee - 1) % 3 == 0) << annee;
    }
    EXPECT_EQ(texte(Calendrier(JULIEN).convertir(ROMAIN_I, {-44, 1, 1})), "709-1-1");
    EXPECT_EQ(texte(Calendrier(JULIEN).convertir(ROMAIN_II, {8, 1, 1})), "761-1-1");

    Calendrier romainII(ROMAIN_II);
    for (std::int64_t annee = 700; annee < 800; ++annee) {
        const std::int64_t fevrier28 = romainII.depuisCalendrier({annee, 2, 28});
        EXPECT_EQ(texte(romainII.versCalendrier(fevrier28 + 1)), texte(Date{annee, 3, 1}));
    }
}

TEST(Calendrier, LeCacheCalculeLeJourUneFois)
{
    Calendrier source(GREGORIEN);
    const DateHeure moment(2000, 1, 1, 12, 0, 0);
    for (int k = 0; k < nombreCalendriers; ++k)
        source.convertir(static_cast<TypeCalendrier>(k), moment);
    EXPECT_EQ(source.calculsJour(), 1);
    source.convertir(JULIEN, DateHeure(2000, 1, 1, 12, 0, 1));
    EXPECT_EQ(source.calculsJour(), 2);
}

// A fresh converter has nothing cached, not even the default record.
TEST(Calendrier, UnConvertisseurNeufCalcule)
{
    Calendrier julien(JULIEN);
    const DateHeure parDefaut;
    julien.convertir(JULIEN, parDefaut);
    EXPECT_EQ(julien.calculsJour(), 1);
    EXPECT_EQ(julien.dernierJour(), Calendrier(JULIEN).depuisCalendrier(parDefaut));
}

// A Maya converter compares the Maya fields too: two long counts differ there only.
TEST(Calendrier, LeCacheMayaCompareLeCompteLong)
{
    Calendrier maya(MAYA);
    const DateHeure a(0, 0, 0, 0, 0, 0, 0, 0, 0, 13, 0);
    const DateHeure b(0, 0, 0, 0, 0, 1, 0, 0, 0, 13, 0);
    EXPECT_EQ(maya.convertir(GREGORIEN, b).jour(), maya.convertir(GREGORIEN, a).jour() + 1);
}

namespace {

// Every day from -3 000 000 to 6 000 000: date -> day number -> date, each
// field in its calendar's bounds, and the next day is the next date.
class AllerRetour : public ::testing::TestWithParam<int>
{
};

} // namespace

TEST_P(AllerRetour, ChaqueJour)
{
    const auto type = static_cast<TypeCalendrier>(GetParam());
    Calendrier c(type);
    const std::int64_t mois = parametres[static_cast<std::size_t>(type)].n;
    DateHeure precedente = c.versCalendrier(-3000001);
    for (std::int64_t j = -3000000; j <= 6000000; ++j) {
        const DateHeure d = c.versCalendrier(j);
        ASSERT_EQ(c.depuisCalendrier(d), j) << texte(d);
        ASSERT_GE(d.mois(), 1) << j;
        ASSERT_LE(d.mois(), mois) << j;
        ASSERT_GE(d.jour(), 1) << j;
        ASSERT_LE(d.jour(), 31) << j;
        const bool memeMois = d.annee() == precedente.annee() && d.mois() == precedente.mois() &&
                              d.jour() == precedente.jour() + 1;
        const bool moisSuivant =
            d.jour() == 1 && d.annee() == precedente.annee() && d.mois() == precedente.mois() + 1;
        const bool anneeSuivante = d.jour() == 1 && d.mois() == 1 && precedente.mois() == mois &&
                                   d.annee() == precedente.annee() + 1;
        ASSERT_TRUE(memeMois || moisSuivant || anneeSuivante)
            << j << ": " << texte(precedente) << " then " << texte(d);
        precedente = d;
    }
}

INSTANTIATE_TEST_SUITE_P(Parametriques, AllerRetour,
                         ::testing::Range(0, nombreCalendriersParametriques));

// The Gregorian row against std::chrono over the same range.
TEST(Calendrier, GregorienContreStdChrono)
{
    using namespace std::chrono;
    Calendrier gregorien(GREGORIEN);
    constexpr std::int64_t unixEnJours = 2440588; // day number of 1970-01-01
    for (std::int64_t j = -3000000; j <= 6000000; ++j) {
        const year_month_day ymd{sys_days{days{j - unixEnJours}}};
        const DateHeure d = gregorien.versCalendrier(j);
        ASSERT_EQ(d.annee(), static_cast<int>(ymd.year())) << j;
        ASSERT_EQ(d.mois(), static_cast<unsigned>(ymd.month())) << j;
        ASSERT_EQ(d.jour(), static_cast<unsigned>(ymd.day())) << j;
    }
}

// 32-bit years at both ends convert and come back without wrapping around.
TEST(Calendrier, AnneesExtremes)
{
    for (int k = 0; k < nombreCalendriersParametriques; ++k) {
        for (const std::int64_t annee : {-2147483648LL, 2147483647LL}) {
            Calendrier c(static_cast<TypeCalendrier>(k));
            const std::int64_t j = c.depuisCalendrier({annee, 1, 1});
            EXPECT_EQ(texte(c.versCalendrier(j)), texte(Date{annee, 1, 1})) << "kind " << k;
        }
    }
    // Day numbers beyond 32 bits keep their proleptic Gregorian year.
    const std::int64_t j = Calendrier(GREGORIEN).depuisCalendrier({2147483647, 12, 31});
    EXPECT_EQ(j, 784354017364LL);
}

// Day numbers far beyond 32 bits (a 32-bit Maya long count reaches 6.5e15)
// still come back exactly, the century-corrected rows included.
TEST(Calendrier, TresGrandsNumerosDeJour)
{
    for (int k = 0; k < nombreCalendriersParametriques; ++k) {
        Calendrier c(static_cast<TypeCalendrier>(k));
        for (std::int64_t j = -6600000000000000LL; j <= 6600000000000000LL; j += 98765432109877LL) {
            for (std::int64_t pas = 0; pas < 40; ++pas)
                ASSERT_EQ(c.depuisCalendrier(c.versCalendrier(j + pas)), j + pas) << "kind " << k;
        }
    }
}

// Dates a Gregorian-type calendar skips keep the value the two first steps give.
TEST(Calendrier, DatesSauteesParLaCorrection)
{
    Calendrier gregorien(GREGORIEN);
    EXPECT_EQ(gregorien.depuisCalendrier({1900, 2, 29}), gregorien.depuisCalendrier({1900, 3, 1}));
    EXPECT_EQ(gregorien.depuisCalendrier({2100, 2, 29}), gregorien.depuisCalendrier({2100, 3, 1}));
}
