#pragma once

#include "engine/typecalendrier.h"
#include "main/canaux.h"
#include "main/sortie.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace chronastre {

// A decimal integer read the way the command line reads numbers: leading
// white space skipped, an optional sign, digits up to the first non-digit.
// Values beyond the 32-bit range saturate at its limits; an argument that
// holds no integer reads as 0.
std::int32_t lireNombre(std::string_view texte);

// Writes the usage text.
void afficherUsage(Sortie& sortie);

// Runs the command selected by the arguments (the program name left out, at
// least one argument) and returns its exit code. What standard output gets
// is kept as it always was; what was not understood, or why there is no
// answer, goes to canaux.signaler.
int executerCommande(std::span<const std::string_view> arguments, Canaux& canaux);

} // namespace chronastre
