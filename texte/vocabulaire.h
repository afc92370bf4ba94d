#pragma once

#include "engine/typecalendrier.h"
#include "texte/mots.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The second stage of the reader of written dates: each word, or run of
// words, classified against one vocabulary per calendar. The vocabulary is
// data: the names the program prints (from the same tables the rendering
// uses), the GEDCOM codes, the variants, abbreviations and transliterations
// of usage, the French number words, the era and filler words. A new
// calendar or a new spelling is a row.
namespace chronastre::texte {

// What a row means.
enum class Genre : std::uint8_t
{
    Mois,         // a month: valeur is its number (Hebrew: its place in a common year, 13 Veadar)
    JourSemaine,  // a weekday: valeur is table * 100 + day (tables below)
    Nombre,       // a French number word ("dix", "vingts", "mil"); valeur its value
    Ordinal,      // "premier", "cinquième": valeur its value
    Et,           // "et", inside a number in words
    Ere,          // "av. J.-C." (valeur -1), "ap. J.-C." (valeur 1)
    Liaison,      // "le", "la", "de", "du", "en": words a date may hold anywhere
    MotAnnee,     // "an", "année", "anno": the word before a year
    SuiteAnnee,   // words after a year that name its era: "de la République", "de l'Hégire"
    JourNomme,    // a day named as a whole: valeur is month * 100 + day ("jour de la Vertu")
    Calendrier,   // a calendar by its caption ("Calendrier copte"): valeur is its kind
    Echappement,  // a GEDCOM calendar escape or keyword: valeur its kind, -1 one the program lacks
    Qualificatif, // a GEDCOM qualifier: valeur a Qualificatif (texte/lecture.h)
    RepereRomain, // Kalendis, Nonis, Idibus (valeur 1, 2, 3) and Kalendas, Nonas, Idus (11, 12, 13)
    MoisLatin,    // the month after a Roman day's name: valeur its month
    AnteDiem,     // "ante diem", "a. d."
    Pridie,       // "pridie"
    Bis,          // "bis", before the doubled sixth day before the Kalends of March
    Tzolkin,      // a tzolkin day name: valeur 1 to 20
    Haab,         // a haab month name: valeur 0 to 18
    JourJulien,   // "jour julien"
    Cycle,        // a Chinese year by its stem and branch ("gui-mao"): valeur its rank, 1 to 60
    Animal,       // the animal of a Chinese year ("Lapin"): valeur its branch, 1 to 12
    // The dates of old documents, read in a region's calendar (CIVIL).
    Fete,         // a feast by one of its names: valeur is its Fete
    RelationFete, // "veille", "lendemain", "octave", "avant", "après", "jour": valeur a Relation
    LiaisonFete,  // "des", "les": the articles before a feast's name
    StyleAnnee,   // "style de Pâques", "n. st.": valeur a Style, styleAncienEcrit for "a. s."
    Partie,       // "avant Pâques", "après Pâques": valeur a PartiePaques
};

// The value of Genre::StyleAnnee for "ancien style" ("a. s.", "v. st."),
// whose style the region says.
inline constexpr int styleAncienEcrit = 100;

// The weekday tables of Genre::JourSemaine: the French names, the
// Republican decade days, a calendar's own names.
inline constexpr int semaineFrancaise = 0;
inline constexpr int semaineDecade = 100;
inline constexpr int semainePropre = 200;

// The calendars a row holds in, one bit per kind.
using Masque = std::uint32_t;
inline constexpr Masque tousCalendriers = ~Masque{0};
constexpr Masque bit(TypeCalendrier type)
{
    return type >= 0 && type < 32 ? Masque{1} << type : 0;
}

// One reading of the words at a place of a text.
struct Sens
{
    Genre genre;
    std::uint8_t mots;  // the words it spans
    Masque calendriers; // where it holds
    std::int32_t valeur;
};

// The readings of the words of a text, computed once: every row that
// starts at each word, the longest first.
class Lexique
{
public:
    static constexpr std::size_t sensParMot = 10;

    explicit Lexique(const Mots& mots);
    Lexique(const Lexique&) = delete;
    Lexique& operator=(const Lexique&) = delete;

    std::span<const Sens> sens(std::size_t i) const
    {
        return i < n_ ? std::span<const Sens>(sens_[i].data(), nombre_[i])
                      : std::span<const Sens>();
    }
    // The first reading of genre at word i that holds in calendar type and
    // ends by fin, or none.
    const Sens* trouver(std::size_t i, Genre genre, TypeCalendrier type, std::size_t fin) const;
    // The calendars in which word i reads as genre (whatever its span).
    Masque calendriers(std::size_t i, Genre genre) const;

private:
    std::size_t n_;
    std::array<std::uint8_t, motsMax> nombre_;
    std::array<std::array<Sens, sensParMot>, motsMax> sens_;
};

// The month that the single word of key cle (hache its hash) names in
// calendar type, when that is its only one-word reading there but for a
// weekday or a number word; 0 otherwise. What a quick reading of "12
// décembre 1047" needs.
// cle holds the key's longueur bytes (at most 24), then zeros.
using CleRemplie = std::array<char, 32>;
std::int32_t moisDuMot(const CleRemplie& cle, std::size_t longueur, std::uint32_t hache,
                       TypeCalendrier type);

// How many rows the vocabulary has for calendar type (the rows of every
// calendar included), and in all.
std::size_t rangeesDuCalendrier(TypeCalendrier type);
std::size_t rangeesEnTout();

} // namespace chronastre::texte
