// The styles of the year's beginning: dates of known events written in
// their style, the bounds of each style, the Easter style's years of 11 to
// 13 months, and every day of five centuries read back in every style.

#include "engine/reforme.h"
#include "engine/styles.h"
#include "historien.h"

#include <gtest/gtest.h>

#include <limits>

using namespace chronastre;
using historien::gregorien;
using historien::julien;

namespace {

TEST(Styles, Identifiants)
{
    for (const DescriptionStyle& s : styles) {
        EXPECT_EQ(styleParIdentifiant(s.identifiant), s.style);
        EXPECT_TRUE(historien::dansLatin1(s.nom));
        EXPECT_FALSE(s.source.empty());
    }
    EXPECT_EQ(styleParIdentifiant("paques"), Style::PAQUES);
    EXPECT_EQ(styleParIdentifiant("Noel"), Style::NOEL);
    EXPECT_EQ(styleParIdentifiant("PAQUE"), std::nullopt);
}

struct CasStyle
{
    const char* tag;
    Style style;
    Region region;
    std::int64_t annee, mois, jour;
    PartiePaques partie;
    int nombre;
    std::int64_t premier, second; // day numbers, from scripts/oracle.py
    Refus refus;
};

constexpr auto I = PartiePaques::Indifferente;
constexpr auto AP = PartiePaques::ApresPaques;
constexpr auto AV = PartiePaques::AvantPaques;

// Easter dates from python3-dateutil: 1347 1 April, 1348 20 April, 1500 19
// April, 1501 11 April, 1502 27 March, 1503 16 April (Julian).
const CasStyle casStyles[] = {
    // The example of the issue and of Giry: a deed of "10 mars 1500" in the
    // Easter style is of March 1501 by our count.
    {"Pâques: 10 mars 1500 -> 10 mars 1501", Style::PAQUES, Region::FRANCE, 1500, 3, 10, I, 1,
     julien(1501, 3, 10), 0, Refus::Aucun},
    {"Pâques: 10 mars 1500 avant Pâques", Style::PAQUES, Region::FRANCE, 1500, 3, 10, AV, 1,
     julien(1501, 3, 10), 0, Refus::Aucun},
    {"Pâques: 10 mars 1500 après Pâques, contraire", Style::PAQUES, Region::FRANCE, 1500, 3, 10, AP,
     0, 0, 0, Refus::PartieContraire},
    {"Pâques: « avant Pâques » suffit à donner le style", Style::CIRCONCISION, Region::FRANCE, 1500,
     3, 10, AV, 1, julien(1501, 3, 10), 0, Refus::Aucun},
    {"Pâques: le jour de Pâques ouvre l'année", Style::PAQUES, Region::FRANCE, 1500, 4, 19, I, 1,
     julien(1500, 4, 19), 0, Refus::Aucun},
    {"Pâques: la veille de Pâques 1500 est de 1499", Style::PAQUES, Region::FRANCE, 1500, 4, 18, I,
     0, 0, 0, Refus::HorsAnnee},
    {"Pâques: 18 avril 1499, deux fois (Pâques 1499 le 31 mars)", Style::PAQUES, Region::FRANCE,
     1499, 4, 18, I, 2, julien(1499, 4, 18), julien(1500, 4, 18), Refus::Aucun},
    {"Pâques: 1500 n'a pas de 15 avril", Style::PAQUES, Region::FRANCE, 1500, 4, 15, I, 0, 0, 0,
     Refus::HorsAnnee},
    {"Pâques: 10 avril 1500 = 10 avril 1501, la veille de Pâques", Style::PAQUES, Region::FRANCE,
     1500, 4, 10, I, 1, julien(1501, 4, 10), 0, Refus::Aucun},
    {"Pâques: 1501 n'a pas de 27 mars à 10 avril", Style::PAQUES, Region::FRANCE, 1501, 4, 1, I, 0,
     0, 0, Refus::HorsAnnee},
    {"Pâques: 1502 a deux 1er avril", Style::PAQUES, Region::FRANCE, 1502, 4, 1, I, 2,
     julien(1502, 4, 1), julien(1503, 4, 1), Refus::Aucun},
    {"Pâques: 1er avril 1502 après Pâques", Style::PAQUES, Region::FRANCE, 1502, 4, 1, AP, 1,
     julien(1502, 4, 1), 0, Refus::Aucun},
    {"Pâques: 1er avril 1502 avant Pâques", Style::PAQUES, Region::FRANCE, 1502, 4, 1, AV, 1,
     julien(1503, 4, 1), 0, Refus::Aucun},
    {"Pâques: 27 mars 1502, deux fois", Style::PAQUES, Region::FRANCE, 1502, 3, 27, I, 2,
     julien(1502, 3, 27), julien(1503, 3, 27), Refus::Aucun},
    {"Pâques: 15 avril 1502, deux fois", Style::PAQUES, Region::FRANCE, 1502, 4, 15, I, 2,
     julien(1502, 4, 15), julien(1503, 4, 15), Refus::Aucun},
    {"Pâques: 16 avril 1502, une fois (Pâques 1503)", Style::PAQUES, Region::FRANCE, 1502, 4, 16, I,
     1, julien(1502, 4, 16), 0, Refus::Aucun},
    {"Pâques: 26 mars 1502, une fois", Style::PAQUES, Region::FRANCE, 1502, 3, 26, I, 1,
     julien(1503, 3, 26), 0, Refus::Aucun},
    {"Pâques: 1347 a deux 1er avril", Style::PAQUES, Region::FRANCE, 1347, 4, 1, I, 2,
     julien(1347, 4, 1), julien(1348, 4, 1), Refus::Aucun},
    {"Pâques: 1347 a deux 19 avril", Style::PAQUES, Region::FRANCE, 1347, 4, 19, I, 2,
     julien(1347, 4, 19), julien(1348, 4, 19), Refus::Aucun},
    {"Pâques: 29 février 1500 tomberait en 1501", Style::PAQUES, Region::FRANCE, 1500, 2, 29, I, 0,
     0, 0, Refus::DateInvalide},
    {"Pâques: 15 décembre 1582 supprimé", Style::PAQUES, Region::FRANCE, 1582, 12, 15, I, 0, 0, 0,
     Refus::SupprimeeParReforme},
    {"Pâques: 5 avril 1582 = 5 avril 1583 grégorien", Style::PAQUES, Region::FRANCE, 1582, 4, 5, I,
     1, gregorien(1583, 4, 5), 0, Refus::Aucun},
    // Florence (and England to 1751): the year begins on the 25 March after
    // our 1 January. Michelangelo, born 6 March 1474 ab incarnatione, that
    // is 6 March 1475.
    {"Annonciation: Michel-Ange, 6 mars 1474", Style::ANNONCIATION, Region::ROME, 1474, 3, 6, I, 1,
     julien(1475, 3, 6), 0, Refus::Aucun},
    {"Annonciation: 24 mars 1474 -> 1475", Style::ANNONCIATION, Region::ROME, 1474, 3, 24, I, 1,
     julien(1475, 3, 24), 0, Refus::Aucun},
    {"Annonciation: 25 mars 1474 ouvre 1474", Style::ANNONCIATION, Region::ROME, 1474, 3, 25, I, 1,
     julien(1474, 3, 25), 0, Refus::Aucun},
    {"Annonciation: Washington, 11 février 1731 (22 février 1732 n. st.)", Style::ANNONCIATION,
     Region::GRANDE_BRETAGNE, 1731, 2, 11, I, 1, gregorien(1732, 2, 22), 0, Refus::Aucun},
    {"Annonciation: Charles Ier, 30 janvier 1648 (9 février 1649 n. st.)", Style::ANNONCIATION,
     Region::GRANDE_BRETAGNE, 1648, 1, 30, I, 1, gregorien(1649, 2, 9), 0, Refus::Aucun},
    {"Annonciation: mort de Newton, 20 mars 1726 (31 mars 1727 n. st.)", Style::ANNONCIATION,
     Region::GRANDE_BRETAGNE, 1726, 3, 20, I, 1, gregorien(1727, 3, 31), 0, Refus::Aucun},
    // Pisa: the 25 March before ours.
    {"Pisan: 25 mars 1475 = 25 mars 1474", Style::PISAN, Region::ROME, 1475, 3, 25, I, 1,
     julien(1474, 3, 25), 0, Refus::Aucun},
    {"Pisan: 24 mars 1475 = 24 mars 1475", Style::PISAN, Region::ROME, 1475, 3, 24, I, 1,
     julien(1475, 3, 24), 0, Refus::Aucun},
    {"Pisan: 31 décembre 1400 = 31 décembre 1399", Style::PISAN, Region::ROME, 1400, 12, 31, I, 1,
     julien(1399, 12, 31), 0, Refus::Aucun},
    // Christmas: Charlemagne crowned on Christmas Day 800, dated 801.
    {"Noël: couronnement de Charlemagne, 25 décembre 801", Style::NOEL, Region::ROME, 801, 12, 25,
     I, 1, julien(800, 12, 25), 0, Refus::Aucun},
    {"Noël: 24 décembre 801 = 24 décembre 801", Style::NOEL, Region::ROME, 801, 12, 24, I, 1,
     julien(801, 12, 24), 0, Refus::Aucun},
    {"Noël: 1er janvier 801", Style::NOEL, Region::ROME, 801, 1, 1, I, 1, julien(801, 1, 1), 0,
     Refus::Aucun},
    {"Noël: 26 décembre 1583 aux Pays-Bas = 1582, supprimé", Style::NOEL,
     Region::PAYS_BAS_ESPAGNOLS, 1583, 12, 26, I, 0, 0, 0, Refus::SupprimeeParReforme},
    {"Circoncision: 31 décembre 1500", Style::CIRCONCISION, Region::FRANCE, 1500, 12, 31, I, 1,
     julien(1500, 12, 31), 0, Refus::Aucun},
    {"Circoncision: 31 juin", Style::CIRCONCISION, Region::FRANCE, 1500, 6, 31, I, 0, 0, 0,
     Refus::DateInvalide},
    {"mois 13", Style::PAQUES, Region::FRANCE, 1500, 13, 1, I, 0, 0, 0, Refus::DateInvalide},
    {"année hors limites", Style::PAQUES, Region::FRANCE, anneeLimite, 1, 1, I, 0, 0, 0,
     Refus::HorsLimites},
    {"année minimale", Style::NOEL, Region::FRANCE, std::numeric_limits<std::int64_t>::min(), 1, 1,
     I, 0, 0, 0, Refus::HorsLimites},
};

TEST(Styles, DatesEcrites)
{
    for (const CasStyle& c : casStyles) {
        SCOPED_TRACE(c.tag);
        const Resolution r = jourEnStyle(c.style, c.region, c.annee, c.mois, c.jour, c.partie);
        EXPECT_EQ(r.nombre, c.nombre);
        EXPECT_EQ(r.refus, c.refus);
        if (c.nombre >= 1) {
            EXPECT_EQ(r.jours[0], c.premier);
        }
        if (c.nombre == 2) {
            EXPECT_EQ(r.jours[1], c.second);
        }
    }
}

struct CasAnnee
{
    const char* tag;
    Region region;
    std::int64_t numero;
    std::int64_t paques, annonciation, pisan, noel;
};

const CasAnnee casAnnees[] = {
    {"10 mars 1501 (France)", Region::FRANCE, julien(1501, 3, 10), 1500, 1500, 1501, 1501},
    {"19 avril 1500, Pâques", Region::FRANCE, julien(1500, 4, 19), 1500, 1500, 1501, 1500},
    {"18 avril 1500, veille de Pâques", Region::FRANCE, julien(1500, 4, 18), 1499, 1500, 1501,
     1500},
    {"24 mars 1500", Region::FRANCE, julien(1500, 3, 24), 1499, 1499, 1500, 1500},
    {"25 mars 1500", Region::FRANCE, julien(1500, 3, 25), 1499, 1500, 1501, 1500},
    {"24 décembre 1500", Region::FRANCE, julien(1500, 12, 24), 1500, 1500, 1501, 1500},
    {"25 décembre 1500", Region::FRANCE, julien(1500, 12, 25), 1500, 1500, 1501, 1501},
    {"1er janvier 1751, Grande-Bretagne", Region::GRANDE_BRETAGNE, julien(1751, 1, 1), 1750, 1750,
     1751, 1751},
};

TEST(Styles, AnneeDUnJour)
{
    for (const CasAnnee& c : casAnnees) {
        SCOPED_TRACE(c.tag);
        const auto date = dateCivile(c.region, c.numero);
        EXPECT_EQ(anneeEnStyle(Style::CIRCONCISION, c.region, c.numero), date->annee);
        EXPECT_EQ(anneeEnStyle(Style::PAQUES, c.region, c.numero), c.paques);
        EXPECT_EQ(anneeEnStyle(Style::ANNONCIATION, c.region, c.numero), c.annonciation);
        EXPECT_EQ(anneeEnStyle(Style::PISAN, c.region, c.numero), c.pisan);
        EXPECT_EQ(anneeEnStyle(Style::NOEL, c.region, c.numero), c.noel);
    }
    EXPECT_EQ(anneeEnStyle(Style::PAQUES, Region::FRANCE, std::numeric_limits<std::int64_t>::max()),
              std::nullopt);
    EXPECT_EQ(dateEnStyle(Style::NOEL, Region::FRANCE, std::numeric_limits<std::int64_t>::min()),
              std::nullopt);
}

// An Easter-style year runs from one Easter to the eve of the next: 11 to 13
// months, as many days as lie between the two Easters.
TEST(Styles, AnneesDePaques)
{
    for (const Region region : {Region::FRANCE, Region::GRANDE_BRETAGNE, Region::RUSSIE}) {
        for (std::int64_t annee = 1200; annee <= 1800; ++annee) {
            const std::int64_t debut = *jourPaques(region, annee);
            const std::int64_t fin = *jourPaques(region, annee + 1);
            ASSERT_GE(fin - debut, 330);
            ASSERT_LE(fin - debut, 401);
            ASSERT_EQ(anneeEnStyle(Style::PAQUES, region, debut), annee);
            ASSERT_EQ(anneeEnStyle(Style::PAQUES, region, debut - 1), annee - 1);
            ASSERT_EQ(anneeEnStyle(Style::PAQUES, region, fin - 1), annee);
        }
    }
}

// Every day of five centuries, in every style, for several regions: its
// date in the style reads back to it alone, and a date read twice is
// exactly one that the Easter style repeats.
TEST(Styles, AllerRetour)
{
    const std::int64_t debut = julien(1300, 1, 1);
    const std::int64_t fin = gregorien(1800, 12, 31);
    for (const Region region : {Region::ROME, Region::FRANCE, Region::PAYS_BAS_ESPAGNOLS,
                                Region::GRANDE_BRETAGNE, Region::SUEDE, Region::RUSSIE}) {
        for (const DescriptionStyle& s : styles) {
            SCOPED_TRACE(std::string(reforme(region).identifiant) + " " +
                         std::string(s.identifiant));
            int doubles = 0;
            for (std::int64_t n = debut; n <= fin; ++n) {
                const auto date = dateEnStyle(s.style, region, n);
                ASSERT_TRUE(date);
                const Resolution r =
                    jourEnStyle(s.style, region, date->annee, date->mois, date->jour, date->partie);
                ASSERT_EQ(r.nombre, 1) << n;
                ASSERT_EQ(r.jours[0], n);
                if (date->partie != PartiePaques::Indifferente) {
                    ++doubles;
                    const Resolution deux =
                        jourEnStyle(s.style, region, date->annee, date->mois, date->jour);
                    ASSERT_EQ(deux.nombre, 2) << n;
                    ASSERT_TRUE(deux.jours[0] == n || deux.jours[1] == n);
                }
            }
            EXPECT_EQ(doubles > 0, s.style == Style::PAQUES);
        }
    }
}

} // namespace
