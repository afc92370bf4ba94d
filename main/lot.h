#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"

#include <cstddef>
#include <optional>

namespace chronastre {

struct Canaux;

// Room enough for any result line: nineteen fields of at most the Maya
// line's ten 64-bit numbers, their separators and the newline.
inline constexpr std::size_t longueurResultatMax = 19 * 256;

// Writes the result of a conversion into calendar arrivee as the command line
// prints it, "Y M D" or the Maya line, with no newline; returns the end.
char* ecrireResultat(TypeCalendrier arrivee, const DateHeure& date, char* tampon);

// Converts the dates read from canaux.lire, one per line, from calendar
// depart into arrivee, or into every calendar when there is none, and writes
// exactly one line per line read: the result, or an empty line for a blank or
// rejected line. Rejected lines, and dates that do not exist in depart, are
// told through canaux.signaler with their line number. Returns 0 when every
// line converted, 1 when one was rejected or the input or output failed.
int convertirLot(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee,
                 const Canaux& canaux);

} // namespace chronastre
