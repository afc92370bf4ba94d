// The parametric conversion of the seventeen calendars and the converter's cache.

#include "engine/calendrier.h"
#include "engine/calendriermaya.h"

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

namespace {

struct Reference
{
    TypeCalendrier type;
    const char* fait;
    std::int64_t numeroJour;
    Date date;
};

// Dated facts, each checked both ways. The day numbers are those of the civil
// dates in the tags (Julian before 15 October 1582), recomputed by
// scripts/oracle.py, which reckons each calendar from its published rules.
// Where the program's arithmetic rule and the fact part, the row holds the
// program's value and its tag says why.
const Reference references[] = {
    {ARMENIEN, "1 Navasart 1 = 11 July 552, Armenian era", 1922868, {1, 1, 1}},
    {ARMENIEN, "5 Havelouatz 1: 365-day year, no leap day", 1923232, {1, 13, 5}},
    {ARMENIEN, "1 Navasart 2 = 11 July 553", 1923233, {2, 1, 1}},

    {EGYPTIEN, "1 Thot 1 = 26 February 747 BC, era of Nabonassar", 1448638, {1, 1, 1}},
    {EGYPTIEN, "5 epagomenal 1 = 25 February 746 BC", 1449002, {1, 13, 5}},

    {KHWARIZMIEN,
     "1 Favardin 1 = 21 June 632: the row counts from 5 days after Yazdegerd's era",
     1952068,
     {1, 1, 1}},
    {PERSE,
     "1 Favardin 1 = 16 February 633: the row's constants start 245 days after "
     "Yazdegerd's era (16 June 632, day 1952063)",
     1952308,
     {1, 1, 1}},
    {PERSE, "5 Andargah 1368 = 23 March 2000", 2451627, {1368, 13, 5}},

    {COPTE, "1 Tout 1 = 29 August 284, era of the Martyrs", 1825030, {1, 1, 1}},
    {COPTE, "6 Al-nasi 1739 = 11 September 2023 (leap year)", 2460199, {1739, 13, 6}},
    {COPTE, "1 Tout 1740 = 12 September 2023, Nayrouz", 2460200, {1740, 1, 1}},
    {COPTE, "29 Kyahn 1741 = 7 January 2025, Coptic Christmas", 2460683, {1741, 4, 29}},

    {ETHIOPIEN, "1 Meskerem 1 = 29 August 8", 1724221, {1, 1, 1}},
    {ETHIOPIEN,
     "1 Meskerem 2016 = 12 September 2023, Enkutatash after a leap year",
     2460200,
     {2016, 1, 1}},
    {ETHIOPIEN, "1 Meskerem 2017 = 11 September 2024", 2460565, {2017, 1, 1}},
    {ETHIOPIEN, "29 Tahesas 2017 = 7 January 2025, Genna", 2460683, {2017, 4, 29}},

    {JULIEN, "1 January 4713 BC, Julian Day 0", 0, {-4712, 1, 1}},
    {JULIEN, "4 October 1582, last day before the reform", 2299160, {1582, 10, 4}},
    {JULIEN, "29 February 1700 = 11 March 1700 Gregorian", 2342042, {1700, 2, 29}},

    {MACEDONIEN,
     "1 Dios 1 = 1 September 312 BC: Seleucid era, the row opens the year on 1 "
     "September",
     1607709,
     {1, 1, 1}},
    {MACEDONIEN, "29 Xanthikos 2311 = 29 February 2000 Julian", 2451617, {2311, 6, 29}},
    {SYRIEN, "1 Tishri I 1 = 1 October 312 BC, Seleucid era", 1607739, {1, 1, 1}},
    {SYRIEN, "29 Shebat 2311 = 29 February 2000 Julian", 2451617, {2311, 5, 29}},

    {BAHAI, "1 Baha 1 = 21 March 1844", 2394647, {1, 1, 1}},
    {BAHAI, "Naw-Ruz 171 = 21 March 2014, fixed on 21 March before 2015", 2456738, {171, 1, 1}},
    {BAHAI, "5 Ayyam-i-Ha 168 = 1 March 2012 (February 29 in 2012)", 2455988, {168, 19, 5}},
    {BAHAI, "1 'Ala 168 = 2 March 2012", 2455989, {168, 20, 1}},
    {BAHAI,
     "20 March 2016 is 19 'Ala 172: since 2015 Naw-Ruz follows the equinox (173 began "
     "that day), the program keeps 21 March",
     2457468,
     {172, 20, 19}},
    {BAHAI, "4 Ayyam-i-Ha 256 = 1 March 2100, a common year", 2488129, {256, 19, 4}},

    {GREGORIEN, "24 November 4714 BC, Julian Day 0", 0, {-4713, 11, 24}},
    {GREGORIEN, "15 October 1582, first day of the reform", 2299161, {1582, 10, 15}},
    {GREGORIEN, "29 February 2000, a leap century", 2451604, {2000, 2, 29}},
    {GREGORIEN, "1 March 1900 follows 28 February", 2415080, {1900, 3, 1}},

    {REPUBLICAIN, "1 Vendemiaire I = 22 September 1792", 2375840, {1, 1, 1}},
    {REPUBLICAIN, "9 Thermidor II = 27 July 1794", 2376513, {2, 11, 9}},
    {REPUBLICAIN, "6 Sansculotides III = 22 September 1795, sextile year III", 2376935, {3, 13, 6}},
    {REPUBLICAIN, "13 Vendemiaire IV = 5 October 1795", 2376948, {4, 1, 13}},
    {REPUBLICAIN, "18 Fructidor V = 4 September 1797", 2377648, {5, 12, 18}},
    {REPUBLICAIN, "1 Vendemiaire VIII = 23 September 1799, after sextile VII", 2378397, {8, 1, 1}},
    {REPUBLICAIN, "18 Brumaire VIII = 9 November 1799", 2378444, {8, 2, 18}},
    {REPUBLICAIN, "6 Sansculotides XI = 23 September 1803, sextile year XI", 2379857, {11, 13, 6}},
    {REPUBLICAIN,
     "11 Nivose XIV = 1 January 1806, return to the Gregorian calendar",
     2380688,
     {14, 4, 11}},
    {REPUBLICAIN,
     "5 Sansculotides 100 = 21 September 1892: the arithmetic rule makes 100 common",
     2412363,
     {100, 13, 5}},

    {SAKA, "1 Chaitra 1 = 22 March 79 (proleptic Gregorian), Saka era", 1749995, {1, 1, 1}},
    {SAKA,
     "1 Chaitra 1879 = 22 March 1957, the national calendar's first day",
     2435920,
     {1879, 1, 1}},
    {SAKA, "1 Chaitra 1946 = 21 March 2024, leap year", 2460391, {1946, 1, 1}},
    {SAKA, "31 Chaitra 1946 = 20 April 2024", 2460421, {1946, 1, 31}},
    {SAKA, "1 Vaisakha 1946 = 21 April 2024", 2460422, {1946, 2, 1}},
    {SAKA, "1 Chaitra 1947 = 22 March 2025", 2460757, {1947, 1, 1}},
    {SAKA, "1 Phalguna 1945 = 20 February 2024", 2460361, {1945, 12, 1}},
    {SAKA, "1 Chaitra 2022 = 22 March 2100, 2100 is common", 2488150, {2022, 1, 1}},

    {ISLAMIQUE_B, "1 Muharram 1 = 16 July 622, the Hegira (civil epoch)", 1948440, {1, 1, 1}},
    {ISLAMIQUE_B, "29 Dhu al-Hijjah 1, a common year", 1948793, {1, 12, 29}},
    {ISLAMIQUE_B, "30 Dhu al-Hijjah 2, leap year 2 of 30", 1949148, {2, 12, 30}},
    {ISLAMIQUE_B, "29 Dhu al-Hijjah 3", 1949502, {3, 12, 29}},
    {ISLAMIQUE_B, "1 Muharram 1445 = 19 July 2023", 2460145, {1445, 1, 1}},
    {ISLAMIQUE_B, "30 Dhu al-Hijjah 1445 = 7 July 2024, leap year", 2460499, {1445, 12, 30}},
    // The same dates one day earlier: the astronomical epoch of 15 July 622.
    {ISLAMIQUE_A,
     "1 Muharram 1 = 15 July 622, the Hegira (astronomical epoch)",
     1948439,
     {1, 1, 1}},
    {ISLAMIQUE_A, "29 Dhu al-Hijjah 1, a common year", 1948792, {1, 12, 29}},
    {ISLAMIQUE_A, "30 Dhu al-Hijjah 2, leap year 2 of 30", 1949147, {2, 12, 30}},
    {ISLAMIQUE_A, "29 Dhu al-Hijjah 3", 1949501, {3, 12, 29}},
    {ISLAMIQUE_A, "1 Muharram 1445 = 18 July 2023", 2460144, {1445, 1, 1}},
    {ISLAMIQUE_A, "30 Dhu al-Hijjah 1445 = 6 July 2024, leap year", 2460498, {1445, 12, 30}},

    {ROMAIN_I, "1 January 709 AUC = 1 January 45 BC, first Julian year", 1704987, {709, 1, 1}},
    {ROMAIN_I, "29 February 709: triennial leap years of the pontiffs", 1705046, {709, 2, 29}},
    {ROMAIN_I, "1 March 710 follows 28 February", 1705412, {710, 3, 1}},
    {ROMAIN_I, "29 February 712", 1706142, {712, 2, 29}},
    {ROMAIN_II, "1 January 761 AUC = 1 January AD 8, leap years restored", 1723980, {761, 1, 1}},
    {ROMAIN_II, "28 February 764: no leap day in this reckoning", 1725133, {764, 2, 28}},
    {ROMAIN_II, "1 March 764", 1725134, {764, 3, 1}},
};

} // namespace

TEST(Calendrier, DatesDeReference)
{
    for (const Reference& r : references) {
        SCOPED_TRACE(r.fait);
        Calendrier c(r.type);
        EXPECT_EQ(texte(c.versCalendrier(r.numeroJour)), texte(r.date));
        EXPECT_EQ(c.depuisCalendrier({r.date.annee, r.date.mois, r.date.jour}), r.numeroJour);
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

namespace {

struct Regle
{
    const char* fait;
    TypeCalendrier type;
    std::int64_t annee, mois;
    std::int64_t mois_dans_annee, jours_du_mois;
};

// Month and year lengths as the calendars publish them.
const Regle regles[] = {
    {"February 1900: a Gregorian common year", GREGORIEN, 1900, 2, 12, 28},
    {"February 2000: a Gregorian leap year", GREGORIEN, 2000, 2, 12, 29},
    {"February 1900 in the Julian calendar: leap", JULIEN, 1900, 2, 12, 29},
    {"September: 30 days", GREGORIEN, 2023, 9, 12, 30},
    {"December: 31 days", JULIEN, -43, 12, 12, 31},
    {"5784: 13 months, 383 days, Heshvan of 29", HEBREU, 5784, 2, 13, 29},
    {"5784: Kislev of 29", HEBREU, 5784, 3, 13, 29},
    {"5784: Adar I of 30", HEBREU, 5784, 6, 13, 30},
    {"5784: Adar II (Veadar) of 29", HEBREU, 5784, 7, 13, 29},
    {"5785: 12 months, 355 days, Heshvan of 30", HEBREU, 5785, 2, 12, 30},
    {"5785: Kislev of 30", HEBREU, 5785, 3, 12, 30},
    {"5785: no month 13", HEBREU, 5785, 13, 12, 0},
    {"Hebrew year 0, a 19th year of the cycle, has no days", HEBREU, 0, 1, 13, 0},
    {"Republican year II: 5 complementary days", REPUBLICAIN, 2, 13, 13, 5},
    {"Republican year III, sextile: 6", REPUBLICAIN, 3, 13, 13, 6},
    {"Republican months: 30 days", REPUBLICAIN, 8, 2, 13, 30},
    {"Coptic 1739: 6 days of Nasie", COPTE, 1739, 13, 13, 6},
    {"Coptic 1740: 5 days of Nasie", COPTE, 1740, 13, 13, 5},
    {"Baha'i 180: Ayyam-i-Ha of 5 days (26 February to 1 March 2024)", BAHAI, 180, 19, 20, 5},
    {"Baha'i months: 19 days", BAHAI, 180, 20, 20, 19},
    {"Saka 1946: Chaitra of 31 days (a Gregorian leap year)", SAKA, 1946, 1, 12, 31},
    {"Saka 1945: Chaitra of 30 days", SAKA, 1945, 1, 12, 30},
    {"Islamic 1445: a leap year, Dhu al-Hijja of 30", ISLAMIQUE_B, 1445, 12, 12, 30},
    {"Islamic 1446: Dhu al-Hijja of 29", ISLAMIQUE_B, 1446, 12, 12, 29},
    {"Egyptian: 5 epagomenal days, always", EGYPTIEN, 2748, 13, 13, 5},
    // The triennial leap years kept after Caesar's reform: 45, 42 ... 9 BC,
    // years 709, 712 ... 745 of Rome.
    {"Roman 709 (45 BC): leap", ROMAIN_I, 709, 2, 12, 29},
    {"Roman 710 (44 BC): common", ROMAIN_I, 710, 2, 12, 28},
    {"Roman 711 (43 BC): common", ROMAIN_I, 711, 2, 12, 28},
    {"Roman 712 (42 BC): leap", ROMAIN_I, 712, 2, 12, 29},
    {"Roman 745 (9 BC): leap", ROMAIN_I, 745, 2, 12, 29},
    {"Roman II: no leap day", ROMAIN_II, 764, 2, 12, 28},
    {"a month beyond the year", GREGORIEN, 2000, 13, 12, 0},
    {"the Maya long count has no months", MAYA, 0, 1, 0, 0},
};

} // namespace

TEST(Calendrier, LongueursDesMoisEtDesAnnees)
{
    for (const Regle& r : regles) {
        SCOPED_TRACE(r.fait);
        EXPECT_EQ(moisDansAnnee(r.type, r.annee), r.mois_dans_annee);
        EXPECT_EQ(joursDuMois(r.type, r.annee, r.mois), r.jours_du_mois);
        if (r.jours_du_mois > 0) {
            EXPECT_TRUE(existe(r.type, DateHeure(r.annee, r.mois, r.jours_du_mois)));
            EXPECT_FALSE(existe(r.type, DateHeure(r.annee, r.mois, r.jours_du_mois + 1)));
        }
    }
    // A long count exists when each place is within its count.
    EXPECT_TRUE(existe(MAYA, CalendrierMaya::compteLong(0, 13, 0, 0, 17, 19)));
    EXPECT_FALSE(existe(MAYA, CalendrierMaya::compteLong(0, 13, 0, 0, 18, 0)));
    // Roman I counts from 709 (45 BC, the first Julian year), Roman II from
    // 761 (AD 8, when the leap days resumed).
    EXPECT_EQ(texte(Calendrier(JULIEN).convertir(ROMAIN_I, {-44, 1, 1})), "709-1-1");
    EXPECT_EQ(texte(Calendrier(JULIEN).convertir(ROMAIN_II, {8, 1, 1})), "761-1-1");
}

// A Julian or Gregorian date exists when it comes back to itself through its
// day number; existe tells it from the month lengths without converting
// back. Both agree on every month and day around the limits of the years
// 4800 BC to AD 4800 and at both 32-bit ends, and the Gregorian verdict is
// std::chrono's.
TEST(Calendrier, ExisteSansConvertirEnRetour)
{
    for (const TypeCalendrier type : {JULIEN, GREGORIEN}) {
        Calendrier c(type);
        const auto verifier = [&](std::int64_t annee, std::int64_t mois, std::int64_t jour) {
            const DateHeure d(annee, mois, jour);
            const std::int64_t n = c.numeroJour(d);
            const bool revient = memeDate(type, c.versCalendrier(n), d);
            EXPECT_EQ(c.existe(d, n), revient) << type << " " << texte(d);
            EXPECT_EQ(existe(type, d), revient) << type << " " << texte(d);
            return revient;
        };
        for (std::int64_t annee = -4800; annee <= 4800; ++annee) {
            for (std::int64_t mois = -1; mois <= 14; ++mois) {
                for (std::int64_t jour = -1; jour <= 33; ++jour)
                    verifier(annee, mois, jour);
            }
        }
        const std::int64_t limites[] = {-2147483648LL, -2147483647LL, -2147483644LL, -2147483600LL,
                                        2147483600LL,  2147483644LL,  2147483647LL};
        for (const std::int64_t annee : limites) {
            for (const std::int64_t mois : {-2147483648LL, 0LL, 1LL, 2LL, 12LL, 2147483647LL}) {
                for (const std::int64_t jour :
                     {-2147483648LL, 0LL, 1LL, 28LL, 29LL, 31LL, 32LL, 2147483647LL})
                    verifier(annee, mois, jour);
            }
        }
    }
    using namespace std::chrono;
    const Calendrier gregorien(GREGORIEN);
    for (int annee = -32767; annee <= 32767; ++annee) {
        for (unsigned mois = 0; mois <= 13; ++mois) {
            for (const unsigned jour : {0U, 1U, 28U, 29U, 30U, 31U, 32U}) {
                const DateHeure d(annee, mois, jour);
                ASSERT_EQ(gregorien.existe(d, gregorien.numeroJour(d)),
                          year_month_day(year(annee), month(mois), day(jour)).ok())
                    << texte(d);
            }
        }
    }
}

// The cache holds a date with its own day number: a day number computed by
// depuisCalendrier is not taken for that of the date converted before.
TEST(Calendrier, LeCacheSuitDepuisCalendrier)
{
    Calendrier gregorien(GREGORIEN);
    EXPECT_EQ(texte(gregorien.convertir(JULIEN, {2000, 1, 1})), "1999-12-19");
    gregorien.depuisCalendrier({1900, 1, 1});
    EXPECT_EQ(texte(gregorien.convertir(JULIEN, {2000, 1, 1})), "1999-12-19");
    EXPECT_EQ(texte(gregorien.convertir(JULIEN, {1900, 1, 1})), "1899-12-20");
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
