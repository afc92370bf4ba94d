// Roman naming of days and Roman numerals.

#include "engine/romain.h"

#include <gtest/gtest.h>

#include <string>

using namespace chronastre;

namespace {

struct Cas
{
    std::int64_t annee, mois, jour;
    bool bissextile;
    const char* texte;
};

const Cas cas[] = {
    {2024, 1, 1, false, "Kalendis Januariis MMXXIV (2024)"},
    {2024, 1, 2, false, "Ante diem IV Nonas Januarias MMXXIV (2024)"},
    {2024, 1, 4, false, "Pridie Nonas Januarias MMXXIV (2024)"},
    {2024, 1, 5, false, "Nonis Januariis MMXXIV (2024)"},
    {2024, 1, 6, false, "Ante diem VIII Idus Januarias MMXXIV (2024)"},
    {2024, 1, 13, false, "Idibus Januariis MMXXIV (2024)"},
    {2024, 1, 14, false, "Ante diem XIX Kalendas Februarias MMXXIV (2024)"},
    {2024, 1, 31, false, "Pridie Kalendas Februarias MMXXIV (2024)"},
    {2024, 2, 14, false, "Ante diem XVI Kalendas Martias MMXXIV (2024)"},
    {2024, 2, 24, false, "Ante diem VI Kalendas Martias MMXXIV (2024)"},
    {2024, 2, 28, false, "Pridie Kalendas Martias MMXXIV (2024)"},
    {2024, 2, 14, true, "Ante diem XVI Kalendas Martias MMXXIV (2024)"},
    {2024, 2, 24, true, "Ante diem VI Kalendas Martias MMXXIV (2024)"},
    {2024, 2, 25, true, "Ante diem bis VI Kalendas Martias MMXXIV (2024)"},
    {2024, 2, 26, true, "Ante diem V Kalendas Martias MMXXIV (2024)"},
    {2024, 2, 29, true, "Pridie Kalendas Martias MMXXIV (2024)"},
    {2024, 3, 6, false, "Pridie Nonas Martias MMXXIV (2024)"},
    {2024, 3, 7, false, "Nonis Martiis MMXXIV (2024)"},
    {2024, 3, 15, false, "Idibus Martiis MMXXIV (2024)"},
    {2024, 3, 16, false, "Ante diem XVII Kalendas Apriles MMXXIV (2024)"},
    {2024, 4, 1, false, "Kalendis Aprilibus MMXXIV (2024)"},
    {2024, 4, 14, false, "Ante diem XVIII Kalendas Maias MMXXIV (2024)"},
    {2024, 8, 15, false, "Ante diem XVIII Kalendas Septembres MMXXIV (2024)"},
    {2024, 10, 14, false, "Pridie Idus Octobres MMXXIV (2024)"},
    {2024, 11, 30, false, "Pridie Kalendas Decembres MMXXIV (2024)"},
    {2024, 9, 29, false, "Ante diem III Kalendas Octobres MMXXIV (2024)"},
    {2024, 12, 31, false, "Pridie Kalendas Januarias MMXXIV (2024)"},
    {0, 1, 1, false, "Kalendis Januariis 0 (0)"},
    {-43, 1, 1, false, "Kalendis Januariis -XLIII (-43)"},
    {-43, 3, 15, false, "Idibus Martiis -XLIII (-43)"},
    // A month outside 1..12 is read modulo 12.
    {2024, 13, 1, false, "Kalendis Januariis MMXXIV (2024)"},
    {2024, 0, 31, false, "Pridie Kalendas Januarias MMXXIV (2024)"},
};

} // namespace

TEST(Romain, NomsDesJours)
{
    for (const Cas& c : cas) {
        EXPECT_EQ(nommerJourRomain({c.annee, c.mois, c.jour}, c.bissextile), c.texte)
            << c.annee << "-" << c.mois << "-" << c.jour;
    }
}

// Every day of every month gets a name, and only the three fixed days and the
// days just before them lose the "Ante diem" count.
TEST(Romain, ChaqueJourDeLAnnee)
{
    const int longueurs[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int mois = 1; mois <= 12; ++mois) {
        for (int jour = 1; jour <= longueurs[mois - 1]; ++jour) {
            const std::string nom = nommerJourRomain({2024, mois, jour}, true);
            const bool fixe = nom.starts_with("Kalendis") || nom.starts_with("Nonis") ||
                              nom.starts_with("Idibus");
            const bool veille = nom.starts_with("Pridie ");
            const bool compte = nom.starts_with("Ante diem ");
            EXPECT_TRUE(fixe || veille || compte) << nom;
            EXPECT_EQ(fixe,
                      jour == 1 ||
                          jour == (mois == 3 || mois == 5 || mois == 7 || mois == 10 ? 7 : 5) ||
                          jour == (mois == 3 || mois == 5 || mois == 7 || mois == 10 ? 15 : 13))
                << nom;
            EXPECT_TRUE(nom.ends_with(" MMXXIV (2024)")) << nom;
        }
    }
}

// Days outside the month give some text, never a fault.
TEST(Romain, JoursHorsLimites)
{
    for (const std::int64_t jour : {-2147483648LL, -1LL, 0LL, 32LL, 2147483647LL})
        EXPECT_FALSE(nommerJourRomain({2024, 2, jour}, true).empty()) << jour;
}

TEST(Romain, ChiffresRomains)
{
    const std::pair<std::int32_t, const char*> cas[] = {
        {0, "0"},
        {1, "I"},
        {4, "IV"},
        {9, "IX"},
        {14, "XIV"},
        {40, "XL"},
        {90, "XC"},
        {400, "CD"},
        {1999, "MCMXCIX"},
        {2024, "MMXXIV"},
        {3888, "MMMDCCCLXXXVIII"},
        {4000, "MMMM"},
        {-1, "-I"},
        {-43, "-XLIII"},
    };
    for (const auto& [n, texte] : cas)
        EXPECT_EQ(chiffresRomains(n), texte) << n;
}

// The most negative 32-bit value has no 32-bit opposite: its numeral is still
// exact, 2147483 M followed by the numeral of 648.
TEST(Romain, EntierLePlusNegatif)
{
    const std::string texte = chiffresRomains(-2147483647 - 1);
    ASSERT_EQ(texte.size(), 1 + 2147483 + 8);
    EXPECT_EQ(texte.substr(0, 3), "-MM");
    EXPECT_EQ(texte.substr(texte.size() - 9), "MDCXLVIII");
}
