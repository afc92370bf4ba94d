#pragma once

#include "engine/typecalendrier.h"
#include "texte/lecture.h"
#include "texte/mots.h"
#include "texte/refus.h"
#include "texte/validation.h"
#include "texte/vocabulaire.h"

#include <cstddef>

// The third stage of the reader of written dates: the grammar that reads
// the classified words of one date into a record of fields. A word that
// reads several ways keeps its readings ("dix" is ten or the Roman DIX;
// "dix sept." is the tenth of September or seventeen): each reading is
// tried in turn, the most usual first, and the first that the validator
// finds to be a date of its calendar is kept.
namespace chronastre::texte {

// The outcome of reading words [debut, fin) of a text as a date of one
// calendar.
struct Analyse
{
    bool lue = false; // a reading made a date: champs and verdict hold it
    Champs champs;
    Verdict verdict;
    Refus refus; // otherwise why: a date that does not exist, or what was not understood
};

// partiel: a month and year, or a year alone, is a date (GEDCOM). civil: the
// words are a date of a region's documents (lireDateCivile), read with the
// civil months (type JULIEN), a style and a feast; without it, a feast or a
// style is refused as belonging to such a date.
Analyse analyser(const Mots& mots, const Lexique& lexique, std::size_t debut, std::size_t fin,
                 TypeCalendrier type, Ordre ordre, bool partiel,
                 const ContexteCivil* civil = nullptr);

// A GEDCOM value read by the general reader alone, without the quick one.
ValeurGedcom lireValeurGedcomGenerale(std::string_view valeur, const OptionsGedcom& options);

// A canonical Roman numeral (VIII, not IIX) of any length: its value, or -1.
std::int64_t valeurRomaine(std::string_view cle);

} // namespace chronastre::texte
