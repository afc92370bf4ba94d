// The arithmetic Hebrew calendar.

#include "engine/calendrier.h"
#include "engine/calendrierhebreu.h"

#include <gtest/gtest.h>

using namespace chronastre;

namespace {

struct Cas
{
    const char* nom;
    std::int64_t numeroJour;
    std::int64_t annee, mois, jour;
    int type;
};

const Cas cas[] = {
    {"1-01-01 epoch", 347998, 1, 1, 1, 3},
    {"5760-04-23 (2000-01-01)", 2451545, 5760, 4, 23, 6},
    {"5784-01-01 (2023-09-16)", 2460204, 5784, 1, 1, 4},
    {"5784-07-01 Veadar (2024-03-11)", 2460381, 5784, 7, 1, 4},
    {"5785-07-14 Nisan (2025-04-12)", 2460778, 5785, 7, 14, 3},
    {"5785-12-29 (2025-09-22)", 2460941, 5785, 12, 29, 3},
    {"5786-01-01 18-hour rule (2025-09-23)", 2460942, 5786, 1, 1, 2},
    {"23133-12-29 last day the first estimate reached", 8797231, 23133, 12, 29, 0},
    // 1 Tishri of each year length, and feasts that fall after the months
    // whose length the year type decides (dates of the civil calendars).
    {"5781-01-01 353 days (2020-09-19)", 2459112, 5781, 1, 1, 1},
    {"5781-03-29 Kislev of 29 days (2020-12-15)", 2459199, 5781, 3, 29, 1},
    {"5781-06-14 Purim (2021-02-26)", 2459272, 5781, 6, 14, 1},
    {"5781-07-15 Pesach (2021-03-28)", 2459302, 5781, 7, 15, 1},
    {"5782-01-01 384 days (2021-09-07)", 2459465, 5782, 1, 1, 5},
    {"5785-01-01 355 days (2024-10-03)", 2460587, 5785, 1, 1, 3},
    {"5785-01-10 Yom Kippur (2024-10-12)", 2460596, 5785, 1, 10, 3},
    {"5785-03-25 Hanukkah (2024-12-26)", 2460671, 5785, 3, 25, 3},
    {"5786-07-15 Pesach (2026-04-02)", 2461133, 5786, 7, 15, 2},
    {"5787-01-01 385 days (2026-09-12)", 2461296, 5787, 1, 1, 6},
    {"5787-02-30 Heshvan of 30 days (2026-11-10)", 2461355, 5787, 2, 30, 6},
    {"5787-06-30 Adar I of 30 days (2027-03-09)", 2461474, 5787, 6, 30, 6},
    {"5787-07-29 Veadar (2027-04-07)", 2461503, 5787, 7, 29, 6},
    {"5787-08-15 Pesach of a leap year (2027-04-22)", 2461518, 5787, 8, 15, 6},
};

} // namespace

TEST(Hebreu, DatesConnues)
{
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        CalendrierHebreu h;
        const DateHeure d = h.versHebreu(c.numeroJour);
        EXPECT_EQ(d.annee(), c.annee);
        EXPECT_EQ(d.mois(), c.mois);
        EXPECT_EQ(d.jour(), c.jour);
        const std::int64_t debut = CalendrierHebreu::nouvelAn(c.annee);
        const int type =
            CalendrierHebreu::typeAnnee(c.annee, debut, CalendrierHebreu::nouvelAn(c.annee + 1));
        if (c.type != 0) {
            EXPECT_EQ(type, c.type);
        }
        EXPECT_EQ(h.embolismique(), type >= 4);
        CalendrierHebreu inverse;
        EXPECT_EQ(inverse.depuisHebreu(d), c.numeroJour);
        EXPECT_EQ(inverse.embolismique(), type >= 4);
    }
}

TEST(Hebreu, AvantLaCreationDuMonde)
{
    CalendrierHebreu h;
    h.versHebreu(2460204); // sets the flag (5784 has 13 months)
    const DateHeure d = h.versHebreu(347997);
    EXPECT_EQ(d.annee(), -9999);
    EXPECT_EQ(d.mois(), -1);
    EXPECT_EQ(d.jour(), -1);
    EXPECT_TRUE(h.embolismique()); // left unchanged
}

// The converter copies the 13-month flag into the date it returns.
TEST(Hebreu, DrapeauDansLeResultat)
{
    Calendrier gregorien(GREGORIEN);
    EXPECT_TRUE(gregorien.convertir(HEBREU, {2024, 3, 11}).embolismique());
    EXPECT_FALSE(gregorien.convertir(HEBREU, {2025, 4, 12}).embolismique());
    EXPECT_EQ(Calendrier(HEBREU).convertir(GREGORIEN, {5784, 7, 1}).jour(), 11);
}

// Month 13 of a common year counts from the sentinel 999; a month outside
// 1..13 reads as the nearest of 1 and 13, never outside the table.
TEST(Hebreu, MoisHorsLimites)
{
    CalendrierHebreu h;
    const std::int64_t debut = CalendrierHebreu::nouvelAn(5785);
    EXPECT_EQ(h.depuisHebreu({5785, 13, 1}), debut + 999);
    EXPECT_EQ(h.depuisHebreu({5785, 0, 1}), h.depuisHebreu({5785, 1, 1}));
    EXPECT_EQ(h.depuisHebreu({5785, -2147483648LL, 1}), h.depuisHebreu({5785, 1, 1}));
    EXPECT_EQ(h.depuisHebreu({5784, 14, 1}), h.depuisHebreu({5784, 13, 1}));
    EXPECT_EQ(h.depuisHebreu({5784, 2147483647, 1}), h.depuisHebreu({5784, 13, 1}));
}

// Every year length is one of the six, for years before 1 too: 383 to 385
// days in the 3rd, 6th, 8th, 11th, 14th, 17th and 19th years of each cycle
// of 19, 353 to 355 in the others.
TEST(Hebreu, TypesDAnnee)
{
    for (std::int64_t annee = -20000; annee <= 30000; ++annee) {
        const std::int64_t longueur =
            CalendrierHebreu::nouvelAn(annee + 1) - CalendrierHebreu::nouvelAn(annee);
        const std::int64_t rang = floorMod(annee - 1, 19) + 1;
        const bool embolismique = rang == 3 || rang == 6 || rang == 8 || rang == 11 || rang == 14 ||
                                  rang == 17 || rang == 19;
        ASSERT_EQ(CalendrierHebreu::estEmbolismique(annee), embolismique) << annee;
        ASSERT_TRUE(embolismique ? (longueur >= 383 && longueur <= 385)
                                 : (longueur >= 353 && longueur <= 355))
            << annee << ": " << longueur;
    }
}

TEST(Hebreu, AllerRetourChaqueJour)
{
    CalendrierHebreu h;
    DateHeure precedente = h.versHebreu(347998);
    for (std::int64_t j = 347998; j <= 6000000; ++j) {
        const DateHeure d = h.versHebreu(j);
        ASSERT_EQ(h.depuisHebreu(d), j) << j;
        ASSERT_GE(d.mois(), 1);
        ASSERT_LE(d.mois(), h.embolismique() ? 13 : 12) << j;
        ASSERT_GE(d.jour(), 1);
        ASSERT_LE(d.jour(), 30);
        if (j > 347998) {
            const bool suivant =
                d.jour() == precedente.jour() + 1 ||
                (d.jour() == 1 && (d.mois() == precedente.mois() + 1 ||
                                   (d.mois() == 1 && d.annee() == precedente.annee() + 1)));
            ASSERT_TRUE(suivant) << j;
        }
        precedente = d;
    }
}

// Far beyond the years the first estimate handles: the year is still found.
TEST(Hebreu, TresGrandsNumerosDeJour)
{
    for (const std::int64_t annee :
         {23134LL, 100000LL, 5000000LL, 2147483647LL, 17000000000000LL}) {
        const std::int64_t debut = CalendrierHebreu::nouvelAn(annee);
        const std::int64_t suivant = CalendrierHebreu::nouvelAn(annee + 1);
        for (const std::int64_t j : {debut, debut + 1, suivant - 1}) {
            CalendrierHebreu h;
            const DateHeure d = h.versHebreu(j);
            EXPECT_EQ(d.annee(), annee) << j;
            EXPECT_EQ(h.depuisHebreu(d), j) << j;
        }
    }
}
