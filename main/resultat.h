#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"

#include <cstddef>

// How the command line writes a converted date: "Y M D", or the Maya line.
namespace chronastre {

// Room enough for any result line: nineteen fields of at most the Maya
// line's ten 64-bit numbers, their separators and the newline.
inline constexpr std::size_t longueurResultatMax = 19 * 256;

// Writes the result of a conversion into calendar arrivee as the command line
// prints it, "Y M D" or the Maya line, with no newline; returns the end.
char* ecrireResultat(TypeCalendrier arrivee, const DateHeure& date, char* tampon);

} // namespace chronastre
