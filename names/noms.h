#pragma once

// Names of months, weekdays and other units in each calendar's own language,
// as UTF-8 text. Month tables are read at month - 1, weekday tables at the
// weekday (0 = Sunday). Every name lies inside Latin-1, so the command line
// can write it as one byte per letter.

#include <array>
#include <cstdint>
#include <string_view>

namespace chronastre::noms {

using Nom = std::string_view;

// Latin word pieces of the Roman naming of days: a stem and its ablative or
// accusative plural ending (Kalendis Aprilibus, Kalendas Apriles).
inline constexpr std::array<Nom, 12> moisLatins = {"Januari",  "Februari", "Marti",   "April",
                                                   "Mai",      "Juni",     "Juli",    "August",
                                                   "Septembr", "Octobr",   "Novembr", "Decembr"};
// The Roman months by their own names, for choosing one.
inline constexpr std::array<Nom, 12> moisRomains = {
    "Januarius", "Februarius", "Martius",   "Aprilis", "Maius",    "Junius",
    "Julius",    "Augustus",   "September", "October", "November", "December"};
inline constexpr std::array<Nom, 12> ablatifsLatins = {"is", "is", "is",   "ibus", "is",   "is",
                                                       "is", "is", "ibus", "ibus", "ibus", "ibus"};
inline constexpr std::array<Nom, 12> accusatifsLatins = {"as", "as", "as", "es", "as", "as",
                                                         "as", "as", "es", "es", "es", "es"};

inline constexpr std::array<Nom, 13> moisArmeniens = {
    "Navasart", "Hori",   "Sahmi",  "Dreh",    "Kaghotz", "Aratz",     "Mehegan",
    "Arek",     "Ahegan", "Mareri", "Markatz", "Hroditz", "Havelouatz"};
inline constexpr std::array<Nom, 7> joursArmeniens = {
    "Garagi", "Yergooshapti", "Yerekshapti", "Chorekshapti", "Hinkshapti", "Ourpat", "Shapat"};

inline constexpr std::array<Nom, 20> moisBahais = {
    "Bahá",    "Jalál",  "Jamál",  "'Azamat",   "Núr",        "Rahmat", "Kalimát",
    "Kamál",   "Asmá'",  "'Izzat", "Mashíyyat", "'Ilm",       "Qudrat", "Qawl",
    "Masá'il", "Sharaf", "Sultán", "Mulk",      "Ayyám-i-Há", "'Alá"};
inline constexpr std::array<Nom, 7> joursBahais = {"Jamál",    "Kamál",    "Fidál", "'Idál",
                                                   "Istijlál", "Istiqlál", "Jalál"};

inline constexpr std::array<Nom, 13> moisCoptes = {
    "Tout",      "Bâbâ",    "Hâtour",   "Kyahn", "Toubah", "Amshîr", "Barmahât",
    "Barmoudah", "Bashans", "Ba'ounah", "Abîb",  "Misra",  "Al-nasi"};
inline constexpr std::array<Nom, 7> joursCoptes = {"Tkyriaka", "Pesnau", "Pshoment", "Peftoou",
                                                   "Ptiou",    "Psoou",  "Psabbaton"};

inline constexpr std::array<Nom, 13> moisEgyptiens = {
    "Thot",       "Paophi", "Athyr", "Khoiak", "Tybi",   "Mekhir",          "Phamenoth",
    "Pharmouthi", "Pakhon", "Payni", "Epiph",  "Mesorê", "(Mois épagomène)"};

inline constexpr std::array<Nom, 13> moisEthiopiens = {
    "Meskerem", "Tekemt", "Hedar", "Tahesas", "Ter",    "Yekatit", "Meggabit",
    "Miyazia",  "Genbot", "Sené",  "Hamlé",   "Nahasé", "Pagumé"};
inline constexpr std::array<Nom, 7> joursEthiopiens = {"Ehud",  "Segno", "Maksegno", "Rebu",
                                                       "Hamus", "Arb",   "Kidamie"};

inline constexpr std::array<Nom, 12> moisFrancais = {
    "Janvier", "Février", "Mars",      "Avril",   "Mai",      "Juin",
    "Juillet", "Août",    "Septembre", "Octobre", "Novembre", "Décembre"};
inline constexpr std::array<Nom, 7> joursFrancais = {"Dimanche", "Lundi",    "Mardi", "Mercredi",
                                                     "Jeudi",    "Vendredi", "Samedi"};

// The twelve months of a common year; a 13-month year inserts "Veadar" as
// month 7.
inline constexpr std::array<Nom, 12> moisHebreux = {"Tishri", "Heshvan", "Kislev", "Tebeth",
                                                    "Shebat", "Adar",    "Nisan",  "Iyyar",
                                                    "Sivan",  "Tammuz",  "Ab",     "Ellul"};
inline constexpr std::array<Nom, 7> joursHebreux = {
    "Yom rishon", "Yom sheni", "Yom shlishi", "Yom Revi'i", "Yom chamishi", "Yom shishi", "Sabbat"};
inline constexpr Nom veadar = "Veadar";

inline constexpr std::array<Nom, 12> moisIslamiques = {
    "Muharram", "Safar",   "Rabi' al-awwal", "Rabi' al-thani", "Jumada al-awwal", "Jumada al-thani",
    "Radjab",   "Sha'ban", "Ramadan",        "Chawwal",        "Dhu al-Qi'dah",   "Dhu al-Hijjah"};
inline constexpr std::array<Nom, 7> joursIslamiques = {
    "Youm el Ahad",   "Youm el Thani",  "Youm el Thaleth", "Youm el Arbaa",
    "Youm el Thamis", "Youm el Djouma", "Youm el Effabt"};

inline constexpr std::array<Nom, 12> moisMacedoniens = {
    "Dïos",       "Appellaios", "Audynaios", "Péritios", "Dystros",   "Xanthikos",
    "Artemisios", "Daisios",    "Panemos",   "Lôos",     "Gorpiaeos", "Hyperbérétaeos"};

// Haab months are read at moisHaab (0..18), tzolkin days at jourTzolkin - 1.
inline constexpr std::array<Nom, 19> nomsHaab = {
    "Pop", "Uo",  "Zip", "Zotz",   "Tzec", "Xul", "Yaxkin", "Mol",   "Chen", "Yax",
    "Zac", "Ceh", "Mac", "Kankin", "Muan", "Pax", "Kayab",  "Cumku", "Uayeb"};
inline constexpr std::array<Nom, 20> nomsTzolkin = {
    "Imix",  "Ik", "Akbal", "Kan", "Chicchan", "Cimi", "Manik", "Lamat", "Muluc", "Oc",
    "Chuen", "Eb", "Ben",   "Ix",  "Men",      "Cib",  "Caban", "Eznab", "Cauac", "Ahau"};

// Persian and Khwarizmian months; the five epagomenal days that close their
// year form month 13, named apart.
inline constexpr std::array<Nom, 12> moisPerses = {"Favardin", "Ordibehesht", "Khordad", "Tir",
                                                   "Mordad",   "Shahrevar",   "Mihr",    "Aban",
                                                   "Azar",     "Dei",         "Bahman",  "Esfand"};
inline constexpr Nom epagomenesPerses = "Andargah";
inline constexpr std::array<Nom, 7> joursPerses = {
    "Yekshanbeh", "Doshanbeh", "Sehshanbeh", "Chaharshanbeh", "Panjshanbeh", "Jomeh", "Shanbeh"};

// Republican months; month 13 holds the complementary days.
inline constexpr std::array<Nom, 12> moisRepublicains = {
    "Vendémiaire", "Brumaire", "Frimaire", "Nivôse",   "Pluviôse",  "Ventôse",
    "Germinal",    "Floréal",  "Prairial", "Messidor", "Thermidor", "Fructidor"};
inline constexpr Nom sansculotides = "Sansculotides";
// Days of the ten-day week, read at (day - 1) mod 10.
inline constexpr std::array<Nom, 10> joursDecade = {"Primidi",  "Duodi",   "Tridi",   "Quartidi",
                                                    "Quintidi", "Sextidi", "Septidi", "Octidi",
                                                    "Nonidi",   "Décadi"};

inline constexpr std::array<Nom, 12> moisSaka = {
    "Chaitra", "Vaisakha", "Jyaishtha",  "Ashadha", "Sravana", "Bhadrapada",
    "Asvina",  "Kartika",  "Agrahayana", "Pausha",  "Magha",   "Phalguna"};
inline constexpr std::array<Nom, 7> joursSaka = {
    "Ravivara", "Somavara", "Mangalavara", "Budhavara", "Vrihaspativara", "Sukravara", "Sanivara"};

// The entry at index i, or an empty name when i lies outside the table, so
// that no result, however odd, reads past a table.
template <std::size_t N>
constexpr Nom nomA(const std::array<Nom, N>& table, std::int64_t index)
{
    if (index < 0 || index >= static_cast<std::int64_t>(N))
        return {};
    return table[static_cast<std::size_t>(index)];
}

} // namespace chronastre::noms
