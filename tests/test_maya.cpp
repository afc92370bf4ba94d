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
};

const Cas cas[] = {
    {"epoch 4 Ahau 8 Cumku", 584285, 0, 0, 0, 0, 0, 4, 20, 8, 17, 0},
    {"next day 5 Imix", 584286, 0, 0, 0, 0, 1, 5, 1, 9, 17, 0},
    {"0 Pop", 584302, 0, 0, 0, 0, 17, 8, 17, 0, 0, 0},
    {"last day of the first round", 603264, 0, 2, 12, 12, 19, 3, 19, 7, 17, 0},
    {"second calendar round", 603265, 0, 2, 12, 13, 0, 4, 20, 8, 17, 1},
    {"2000-01-01", 2451545, 12, 19, 6, 15, 0, 9, 20, 8, 13, 98},
    {"2012-12-23 13 baktun", 2456285, 13, 0, 0, 0, 0, 4, 20, 3, 13, 98},
};

} // namespace

TEST(Maya, DatesConnuesDansLesDeuxSens)
{
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const DateHeure d = CalendrierMaya::versMaya(c.numeroJour);
        EXPECT_EQ(d.pictun(), 0);
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

        const DateHeure compteLong(0, 0, 0, 0, 0, c.kin, c.uinal, c.tun, c.katun, c.baktun, 0);
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
    EXPECT_EQ(j, 584285 + 2147483647LL * (1 + 20 + 360 + 7200 + 144000 + 2880000));
    const DateHeure gregorien = Calendrier(MAYA).convertir(GREGORIEN, maximum);
    EXPECT_EQ(Calendrier(GREGORIEN).depuisCalendrier(gregorien), j);
}
