// The Maya long count, tzolkin, haab and calendar round.

#include "engine/calendrier.h"
#include "engine/calendriermaya.h"

#include <gtest/gtest.h>

using namespace chronastre;

namespace {

struct Cas
{
    const char* nom;
    std::int64_t numeroJour;
    std::int64_t baktun, katun, tun, uinal, kin;
    std::int64_t nombreTzolkin, jourTzolkin, jourHaab, moisHaab, compte;
    std::int64_t pictun = 0;
};

const Cas cas[] = {
    {"epoch 4 Ahau 8 Cumku", 584285, 0, 0, 0, 0, 0, 4, 20, 8, 17, 0},
    {"next day 5 Imix", 584286, 0, 0, 0, 0, 1, 5, 1, 9, 17, 0},
    {"0 Pop", 584302, 0, 0, 0, 0, 17, 8, 17, 0, 0, 0},
    {"last day of the first round", 603264, 0, 2, 12, 12, 19, 3, 19, 7, 17, 0},
    {"second calendar round", 603265, 0, 2, 12, 13, 0, 4, 20, 8, 17, 1},
    {"2000-01-01", 2451545, 12, 19, 6, 15, 0, 9, 20, 8, 13, 98},
    {"2012-12-23 13 baktun", 2456285, 13, 0, 0, 0, 0, 4, 20, 3, 13, 98},
    // 13.0.0.0.0 is often dated 21 December 2012: that is the GMT correlation
    // (584283); with the program's 584285 that day is two days earlier.
    {"2012-12-21 two days before 13 baktun", 2456283, 12, 19, 19, 17, 18, 2, 18, 1, 13, 98},
    {"1.0.0.0.0.0 first pictun, 2 880 000 days", 3464285, 0, 0, 0, 0, 0, 10, 20, 13, 6, 151, 1},
    {"19.19.19.19.17.19 last day before the pictun wraps", 58184284, 19, 19, 19, 17, 19, 6, 19, 2,
     3, 3034, 19},
};

} // namespace

TEST(Maya, DatesConnuesDansLesDeuxSens)
{
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const DateHeure d = CalendrierMaya::versMaya(c.numeroJour);
        EXPECT_EQ(d.pictun(), c.pictun);
        EXPECT_EQ(d.baktun(), c.baktun);
        EXPECT_EQ(d.katun(), c.katun);
        EXPECT_EQ(d.tun(), c.tun);
        EXPECT_EQ(d.uinal(), c.uinal);
        EXPECT_EQ(d.kin(), c.kin);
        EXPECT_EQ(d.nombreTzolkin(), c.nombreTzolkin);
        EXPECT_EQ(d.jourTzolkin(), c.jourTzolkin);
        EXPECT_EQ(d.jourHaab(), c.jourHaab);
        EXPECT_EQ(d.moisHaab(), c.moisHaab);
        EXPECT_EQ(d.compteCalendaire(), c.compte);

        const DateHeure compteLong(0, 0, 0, 0, 0, c.kin, c.uinal, c.tun, c.katun, c.baktun,
                                   c.pictun);
        EXPECT_EQ(CalendrierMaya::depuisMaya(compteLong), c.numeroJour);
        const DateHeure rondeCalendaire(c.nombreTzolkin, c.jourTzolkin, c.jourHaab, c.moisHaab,
                                        c.compte, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(CalendrierMaya::depuisMaya(rondeCalendaire), c.numeroJour);
    }
}

TEST(Maya, AncienneEpoque)
{
    const DateHeure d = CalendrierMaya::versMaya(584284);
    EXPECT_EQ(d.nombreTzolkin(), -1);
    EXPECT_EQ(d.kin(), -1);
    EXPECT_EQ(d.pictun(), -1);
    EXPECT_EQ(d.compteCalendaire(), -1);
}

// Twenty pictun later the long count starts again from 0.0.0.0.0.0, with the
// tzolkin and haab of that day (7 Ahau 3 Zotz); 20 written as pictun finds it.
TEST(Maya, LePictunRepartDeZero)
{
    const DateHeure d = CalendrierMaya::versMaya(58184285);
    EXPECT_EQ(d.pictun() + d.baktun() + d.katun() + d.tun() + d.uinal() + d.kin(), 0);
    EXPECT_EQ(d.nombreTzolkin(), 7);
    EXPECT_EQ(d.jourTzolkin(), 20);
    EXPECT_EQ(d.jourHaab(), 3);
    EXPECT_EQ(d.moisHaab(), 3);
    EXPECT_EQ(CalendrierMaya::depuisMaya({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20}), 58184285);
}

// Both forms invert over several pictun, the wrap of pictun at 20 aside.
TEST(Maya, AllerRetourChaqueJour)
{
    for (std::int64_t j = 584285; j <= 6000000; ++j) {
        const DateHeure d = CalendrierMaya::versMaya(j);
        const DateHeure compteLong(0, 0, 0, 0, 0, d.kin(), d.uinal(), d.tun(), d.katun(),
                                   d.baktun(), d.pictun());
        ASSERT_EQ(CalendrierMaya::depuisMaya(compteLong), j);
        const DateHeure ronde(d.nombreTzolkin(), d.jourTzolkin(), d.jourHaab(), d.moisHaab(),
                              d.compteCalendaire(), 0, 0, 0, 0, 0, 0);
        ASSERT_EQ(CalendrierMaya::depuisMaya(ronde), j);
        ASSERT_LE(d.moisHaab() == 18 ? d.jourHaab() : 0, 4);
    }
}

// A 32-bit long count reaches day numbers far beyond 32 bits without wrapping.
TEST(Maya, CompteLongExtreme)
{
    const DateHeure maximum(0, 0, 0, 0, 0, 2147483647, 2147483647, 2147483647, 2147483647,
                            2147483647, 2147483647);
    const std::int64_t j = CalendrierMaya::depuisMaya(maximum);
    // Computed in Python with unbounded integers from the published place
    // values (a tun of 360 days, 20 of each larger place).
    EXPECT_EQ(j, 6510270622640192);
    const DateHeure gregorien = Calendrier(MAYA).convertir(GREGORIEN, maximum);
    EXPECT_EQ(Calendrier(GREGORIEN).depuisCalendrier(gregorien), j);
}
