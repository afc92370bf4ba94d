#pragma once

// Names of the calendars in use today (Iranian, Umm al-Qura, Chinese, Baha'i
// at Tehran), as UTF-8 text inside Latin-1, like names/noms.h. Umm al-Qura
// takes the Islamic names and the Baha'i calendar at Tehran the Baha'i names
// of names/noms.h; the Iranian calendar takes the Persian weekdays. Month
// tables are read at month - 1 (the Chinese one at the month's number, not
// its rank).

#include "names/noms.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace chronastre::noms {

// The Iranian months as French texts write them.
inline constexpr std::array<Nom, 12> moisIraniens = {
    "Farvardin", "Ordibehesht", "Khordad", "Tir", "Mordad", "Shahrivar",
    "Mehr",      "Aban",        "Azar",    "Dey", "Bahman", "Esfand"};

// The Chinese months by their number: "1er mois" .. "12e mois"; a leap month
// adds suffixeIntercalaire ("2e mois intercalaire").
inline constexpr std::array<Nom, 12> moisChinois = {"1er mois", "2e mois",  "3e mois",  "4e mois",
                                                    "5e mois",  "6e mois",  "7e mois",  "8e mois",
                                                    "9e mois",  "10e mois", "11e mois", "12e mois"};
inline constexpr Nom suffixeIntercalaire = " intercalaire";

// The sexagenary cycle in pinyin without tone marks: a year of rank r (1 to
// 60) has the stem (r - 1) mod 10 and the branch (r - 1) mod 12 ("jia-zi"),
// and the branch's animal.
inline constexpr std::array<Nom, 10> tigesCelestes = {"jia", "yi",   "bing", "ding", "wu",
                                                      "ji",  "geng", "xin",  "ren",  "gui"};
inline constexpr std::array<Nom, 12> branchesTerrestres = {
    "zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"};
inline constexpr std::array<Nom, 12> animauxChinois = {"Rat",    "Buffle",  "Tigre",  "Lapin",
                                                       "Dragon", "Serpent", "Cheval", "Chèvre",
                                                       "Singe",  "Coq",     "Chien",  "Cochon"};

// Other spellings French texts use, for the reader: each word and the month
// (or animal) it names, 1-based.
struct Variante
{
    Nom mot;
    std::int64_t numero;
};

inline constexpr std::array<Variante, 14> variantesIraniennes = {{
    {"Farvardine", 1},
    {"Ordibehecht", 2},
    {"Ordibehesht", 2},
    {"Khordâd", 3},
    {"Mordâd", 5},
    {"Chahrivar", 6},
    {"Shahrivar", 6},
    {"Mehr", 7},
    {"Âbân", 8},
    {"Âzar", 9},
    {"Dei", 10},
    {"Bahmane", 11},
    {"Esfande", 12},
    {"Esfend", 12},
}};

// Islamic month spellings of the calendars in use today that the written
// dates' own Islamic rows do not already hold.
inline constexpr std::array<Variante, 9> variantesIslamiques = {{
    {"Safar", 2},
    {"Rabi al-awwal", 3},
    {"Rabi al-thani", 4},
    {"Joumada al-awwal", 5},
    {"Joumada al-thani", 6},
    {"Rajjab", 7},
    {"Dhoul qi'da", 11},
    {"Dhoul hijja", 12},
    {"Dhou al hijja", 12},
}};

// Traditional names of three months, and other French names of three
// animals.
inline constexpr std::array<Variante, 3> variantesMoisChinois = {{
    {"zhengyue", 1},
    {"dongyue", 11},
    {"layue", 12},
}};
inline constexpr std::array<Variante, 5> variantesAnimaux = {{
    {"Boeuf", 2},
    {"Lièvre", 4},
    {"Chat", 4},
    {"Mouton", 8},
    {"Sanglier", 12},
}};

} // namespace chronastre::noms
