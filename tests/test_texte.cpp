// The French texts of a result, outside the window.

#include "texte/rendu.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>
#include <string>
#include <vector>

using namespace chronastre;

// Whatever a result holds, no table is read outside its bounds: a number
// outside a table is written in figures.
TEST(Texte, BornesDesTables)
{
    struct Cas
    {
        TypeCalendrier type;
        DateHeure date;
        std::int64_t semaine;
        const char* attendu;
    };
    const Cas cas[] = {
        {GREGORIEN, {2000, 13, 1}, 9, "9 1er 13 2000"},
        {ARMENIEN, {2000, 99, 40}, 7, "7 40 99 2000"},
        {EGYPTIEN, {2000, 0, 1}, 0, "1 0 2000"},
        {PERSE, {2000, 13, 40}, -1, "-1 40 Andargah 2000"},
        {BAHAI, {2000, 21, 1}, 1000, "1000 1 21 2000"},
        {REPUBLICAIN, {2000, 14, 0}, 0, "Décadi 0 14 MM (2000)"},
        {SYRIEN, {2000, 99, 40}, 0, "2000 / 99 / 40"},
        {ROMAIN_I, {2000, 99, 40}, 0, "Ante diem -VII Kalendas Apriles MM (2000)"},
        {ISLAMIQUE_A, DateHeure(), -1, "-1 -1 -1 -9999"},
        {HEBREU, {5784, 14, 1}, 0, "Yom rishon 1 14 5784"},
        {MAYA, {5, 25, 3, 40, 0, 0, 0, 0, 0, 0, 0}, 0, "0.0.0.0.0.0, 5 25 3 40"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(texte::texteCalendrier(c.type, c.date, c.semaine, false), c.attendu);
    DateHeure moment(2000, 13, 1, 0, 0, 0);
    moment.calculerJourJulien();
    moment.calculerJourSemaine();
    EXPECT_EQ(texte::ligneDate(moment), "Lundi 1er 13 2000  00:00:00");
    EXPECT_EQ(texte::nombreComplete(-43, 4), "-043");
    EXPECT_EQ(texte::nombreComplete(7, 4), "0007");
    EXPECT_EQ(texte::nombreComplete(12345, 4), "12345");
    EXPECT_EQ(texte::nombreComplete(-9223372036854775807 - 1, 4), "-9223372036854775808");
}

// Under a French locale (a comma for the decimal point) numbers keep their
// point: the C library's printf in the C locale is the reference.
TEST(Texte, NombresSansLocale)
{
    const double valeurs[] = {2451545.0,      2451544.515625, -0.484375,
                              784354016999.5, 0.999995,       5373484.49999};
    std::vector<std::string> attendus;
    for (const double v : valeurs) {
        char c[64];
        std::snprintf(c, sizeof c, "%.5f", v);
        attendus.emplace_back(c);
    }
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr)
        << "fr_FR.UTF-8 is missing: apt-get install locales, then locale-gen it";
    std::locale::global(std::locale("fr_FR.UTF-8"));
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    for (std::size_t i = 0; i < std::size(valeurs); ++i)
        EXPECT_EQ(texte::decimalesFixes(valeurs[i], 5), attendus[i]);
    // The window's form: a tie away from zero, as Qt writes it.
    EXPECT_EQ(texte::texteJourJulien(2451544.515625), "2451544.51563");
    EXPECT_EQ(texte::texteJourJulien(2451545.0), "2451545.00000");
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
}
