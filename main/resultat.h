#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"

#include <cstddef>

// How the command line writes a converted date: "Y M D", "2023 2i 1" for a
// Chinese leap month, or the Maya line.
namespace chronastre {

// Room enough for any result line: a field of each calendar of at most the
// Maya line's ten 64-bit numbers, their separators and the newline.
inline constexpr std::size_t longueurResultatMax = nombreCalendriers * 256;

// Writes the result of a conversion into calendar arrivee as the command line
// prints it, "Y M D" or the Maya line, with no newline; returns the end. A
// Chinese month is written by its number, a leap month followed by "i"
// ("2023 2i 1"). Nothing is written for a day outside the range of a
// calendar in use today (its default record).
char* ecrireResultat(TypeCalendrier arrivee, const DateHeure& date, char* tampon);

} // namespace chronastre
