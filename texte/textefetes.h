#pragma once

#include "engine/fetes.h"
#include "engine/reforme.h"
#include "engine/styles.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The French text of the historian's dates: a feast with its article, a date
// written from a feast or in a style, the movable feasts of a year, the year
// of a day in the other styles, and why a date names no day. UTF-8 within
// Latin-1, as everything the program prints.
namespace chronastre::texte {

// "la Saint-Martin d'hiver", "l'Ascension", "Pâques", "les Rameaux", "le
// dimanche de Laetare".
std::string feteAvecArticle(Fete fete);

// The feast after "de": "de la Toussaint", "de l'Ascension", "de Pâques",
// "des Rameaux", "du dimanche de Laetare".
std::string deLaFete(Fete fete);

// A form as a historian writes it: "la Toussaint 1350", "la veille de la
// Toussaint 1350", "le lendemain de l'Ascension 1422", "l'octave de la
// Saint-Jean-Baptiste 1350", "le jeudi après la Saint-Martin d'hiver 1350",
// "le 3e jour après Pâques 1350"; then " avant Pâques" or " après Pâques"
// when the form gives its part, otherwise ", style de Noël" for a style
// other than the Circumcision's.
std::string texteForme(const FormeFete& forme, Style style);

// A date in a style, the same way: "10 mars 1500 avant Pâques", "6 mars
// 1474, style de l'Annonciation", "1er janvier 1500".
std::string texteDateEnStyle(const DateEnStyle& date, Style style);

// The movable feasts and the Sundays of Advent of our year annee in a
// region, one line each: short name, tab, the date as the region writes it
// ("Dimanche 28 Mars 1350"), tab, its calendar ("julien", "grégorien",
// "suédois"). Empty beyond anneeLimite.
std::string listeFetesMobiles(Region region, std::int64_t annee);

// The year of day numeroJour in each style whose year differs from ours
// there, for a tooltip: "Style de Pâques : 1500 ; style de l'Annonciation :
// 1500". Empty when every style gives our year.
std::string anneesSelonStyles(Region region, std::int64_t numeroJour);

// What a date that names two days (an Easter-style year holds its day and
// month twice) is told: "cette date désigne deux jours, le 1er avril 1502 et
// le 1er avril 1503", the days as the region writes them.
std::string texteDeuxJours(Region region, std::int64_t premier, std::int64_t second);

// A region's reform in a sentence: "France : le 9 décembre 1582 y fut suivi
// du 20 décembre 1582".
std::string texteReforme(Region region);

// Why a date written in a style names no day in the region.
std::string motifDate(chronastre::Refus refus, Region region, Style style, std::int64_t annee,
                      std::int64_t mois, std::int64_t jour,
                      PartiePaques partie = PartiePaques::Indifferente);

// Why a form names no day in the region.
std::string motifForme(chronastre::Refus refus, Region region, Style style, const FormeFete& forme);

// Feast names as the reader of written dates sees them: words of lower-case
// ASCII letters and digits, accents removed, apostrophes dropped (joining
// "d'hiver" into "dhiver"), every other sign a separator.

// The words of a text, joined by single spaces: "Saint-Martin d'hiver"
// gives "saint martin dhiver".
std::string cleDeNom(std::string_view texte);

// The longest feast name or variant that the words at the start of cles
// spell, and how many words it takes. The first word may carry an elided
// article ("lascension" for "l'Ascension").
struct FeteLue
{
    Fete fete;
    std::size_t mots;
};
std::optional<FeteLue> lireFete(std::span<const std::string_view> cles);

// The feast a whole text names, with or without its article, in any case,
// with or without accents: "la Saint-Martin d'hiver", "SAINT MARTIN D'HIVER",
// "Lætare", "l'Ascension".
std::optional<Fete> feteParNom(std::string_view texte);

} // namespace chronastre::texte
