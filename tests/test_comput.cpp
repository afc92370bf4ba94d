// Computus and Easter Sunday.

#include "engine/calendrier.h"
#include "engine/comput.h"

#include <gtest/gtest.h>

using namespace chronastre;

namespace {

struct Cas
{
    std::int64_t annee;
    int nombreOr, epacte, cycleSolaire, indiction;
    const char* lettres;
    int jourPaques, moisPaques;
};

const Cas cas[] = {
    {1, 2, 19, 10, 4, "B", 27, 3},      {313, 10, 17, 14, 1, "D", 29, 3},
    {1500, 19, 26, 25, 3, "ED", 19, 4}, {1582, 6, 3, 23, 10, "G", 15, 4},
    {1583, 7, 7, 24, 11, "B", 10, 4},   {1598, 3, 23, 11, 11, "D", 22, 3},
    {1600, 5, 15, 13, 13, "BA", 2, 4},  {1700, 10, 9, 1, 8, "C", 11, 4},
    {2000, 6, 24, 21, 8, "BA", 23, 4},  {2011, 17, 25, 4, 4, "B", 24, 4},
    {2012, 18, 6, 5, 5, "AG", 8, 4},    {2024, 11, 19, 17, 2, "GF", 31, 3},
    {2025, 12, 0, 18, 3, "E", 20, 4},
};

} // namespace

TEST(Comput, AnneesConnues)
{
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.annee);
        Comput comput;
        comput.calculer(c.annee);
        EXPECT_EQ(comput.nombreOr(), c.nombreOr);
        EXPECT_EQ(comput.epacte(), c.epacte);
        EXPECT_EQ(comput.cycleSolaire(), c.cycleSolaire);
        EXPECT_EQ(comput.indictionRomaine(), c.indiction);
        EXPECT_EQ(comput.lettreDominicale(), c.lettres);
        Paques paques;
        paques.calculer(c.annee);
        EXPECT_EQ(paques.jour(), c.jourPaques);
        EXPECT_EQ(paques.mois(), c.moisPaques);
    }
}

TEST(Comput, AnneeNulleOuNegativeNeChangeRien)
{
    for (const std::int64_t annee : {0LL, -1LL, -2147483648LL}) {
        Comput comput;
        comput.calculer(annee);
        EXPECT_EQ(comput.nombreOr(), -1);
        EXPECT_EQ(comput.epacte(), -1);
        EXPECT_EQ(comput.cycleSolaire(), -1);
        EXPECT_EQ(comput.indictionRomaine(), -1);
        EXPECT_EQ(comput.lettreDominicale(), "");
        Paques paques;
        paques.calculer(annee);
        EXPECT_EQ(paques.jour(), 0);
        EXPECT_EQ(paques.mois(), 0);
    }
}

// Easter is a Sunday between 22 March and 25 April of its year's calendar,
// the dominical letter names the weekday of 1 January, and from 1583 Easter
// is the Sunday after the Paschal full moon that the epact gives in the
// Gregorian tables (Clavius): 44 - epact March, 30 days later when that is
// before 21 March, 18 April for epact 24, 17 April for epact 25 with a golden
// number above 11; 4200 and beyond included.
TEST(Comput, CoherenceSurDesMillenaires)
{
    for (std::int64_t annee = 1; annee <= 20000; ++annee) {
        Paques paques;
        paques.calculer(annee);
        const int quantieme = paques.mois() == 3 ? paques.jour() : 31 + paques.jour();
        ASSERT_GE(quantieme, 22) << annee;
        ASSERT_LE(quantieme, 56) << annee;
        const auto civil = annee <= 1582 ? JULIEN : GREGORIEN;
        const std::int64_t jour =
            Calendrier(civil).depuisCalendrier({annee, paques.mois(), paques.jour()});
        ASSERT_EQ((jour + 1) % 7, 0) << annee; // Sunday

        Comput comput;
        comput.calculer(annee);
        const std::int64_t janvier = Calendrier(civil).depuisCalendrier({annee, 1, 1});
        const std::int64_t semaine = (janvier + 1) % 7;
        ASSERT_EQ(comput.lettreDominicale()[0], "AGFEDCB"[semaine]) << annee;
        if (annee > 1582) {
            const int e = comput.epacte();
            int pleineLune = 44 - e < 21 ? 74 - e : 44 - e; // days after the last of February
            if (e == 24)
                pleineLune = 49;
            else if (e == 25 && comput.nombreOr() > 11)
                pleineLune = 48;
            ASSERT_GT(quantieme, pleineLune) << annee;
            ASSERT_LE(quantieme, pleineLune + 7) << annee;
        }
    }
}

// The largest 32-bit year computes without overflow; the values are those of
// the anonymous Gregorian algorithm (Meeus) run with unbounded integers.
TEST(Comput, AnneeMaximale)
{
    Comput comput;
    comput.calculer(2147483647);
    EXPECT_EQ(comput.nombreOr(), 3);
    EXPECT_GE(comput.epacte(), 0);
    EXPECT_LE(comput.epacte(), 29);
    EXPECT_EQ(comput.cycleSolaire(), 24);
    EXPECT_EQ(comput.indictionRomaine(), 10);
    EXPECT_EQ(comput.lettreDominicale(), "F"); // 1 January is a Tuesday
    Paques paques;
    paques.calculer(2147483647);
    EXPECT_EQ(paques.jour(), 14);
    EXPECT_EQ(paques.mois(), 4);
}
