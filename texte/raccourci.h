#pragma once

#include "engine/calendrier.h"
#include "engine/dateheure.h"
#include "engine/typecalendrier.h"
#include "texte/lecture.h"

#include <cstdint>
#include <string_view>

// A quick reading of the written date that files hold most, "12 décembre
// 1047": a day in figures, one word, a year in figures, blanks between. It
// is the general reader's grammar for that form (a day, a month of the
// calendar by one of its one-word names, a year), read without building
// the words of the text: a test proves it gives what the general reader
// gives. Any other text, or a date that does not exist, gives false, and
// goes to the general reader.
namespace chronastre::texte {

struct LectureRapide
{
    std::int64_t annee, mois, jour; // the date (its month placed in its year)
    std::int64_t numeroJour;
};

bool lireRapidement(TypeCalendrier type, std::string_view texte, LectureRapide& lue);
// The same, with the calendar of the date at hand (a batch keeps one).
bool lireRapidement(const Calendrier& calendrier, std::string_view texte, LectureRapide& lue);

// The GEDCOM values genealogy files hold most, read the same way: "12 MAR
// 1700", "1750", after a qualifier in capitals (ABT, CAL, EST, BEF, AFT) and
// a calendar escape or keyword ("@#DJULIAN@", "HEBREW"). False for any other
// value, which goes to the general reader.
bool lireValeurRapidement(std::string_view valeur, ValeurGedcom& v);

} // namespace chronastre::texte
