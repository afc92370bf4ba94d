#pragma once

#include "engine/typecalendrier.h"
#include "main/sortie.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace chronastre {

// The calendar named by a command-line keyword (exact, case-sensitive), or
// CALENDRIER_INCONNU.
TypeCalendrier typeDepuisMot(std::string_view mot);

// A decimal integer read the way the command line reads numbers: leading
// white space skipped, an optional sign, digits up to the first non-digit.
// Values beyond the 32-bit range saturate at its limits; an argument that
// holds no integer reads as 0.
std::int32_t lireNombre(std::string_view texte);

// Writes the usage text.
void afficherUsage(Sortie& sortie);

// Runs the command selected by the arguments (the program name left out, at
// least one argument) and writes its output. Always returns 0: the command
// line has no error path.
int executerCommande(std::span<const std::string_view> arguments, Sortie& sortie);

} // namespace chronastre
