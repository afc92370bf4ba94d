#pragma once

#include "engine/typecalendrier.h"
#include "main/sortie.h"

#include <cstddef>
#include <functional>
#include <string_view>

// What the commands of the command line share, below all of them: the exit
// codes, the channels a command reads and writes, the calendar keywords.
namespace chronastre {

// The exit codes: 0 for an answer (warnings aside), codeEchec when the answer
// does not exist or the input or output failed, codeUsage when the command
// line was not understood.
inline constexpr int codeEchec = 1;
inline constexpr int codeUsage = 2;

// The arrival keyword that asks for every calendar at once.
inline constexpr std::string_view motTous = "TOUS";

// What a command reads and writes. A single command writes its lines into
// sortie, which the caller writes out. A batch conversion streams instead:
// it reads standard input through lire (bytes read, 0 at the end, -1 on an
// error), writes standard output through ecrire (false when it failed) and
// tells the user through signaler (one UTF-8 line, no newline). A missing
// lire reads nothing; a missing ecrire or signaler drops what it is given.
struct Canaux
{
    Sortie& sortie;
    std::function<std::ptrdiff_t(char*, std::size_t)> lire = {};
    std::function<bool(std::string_view)> ecrire = {};
    std::function<void(std::string_view)> signaler = {};
    // Standard input is a terminal: the batch first says what it expects.
    bool entreeTerminal = false;
    // Standard output is a terminal: text copied from the input is shown
    // with its controls made visible.
    bool sortieTerminal = false;
};

// The calendar named by a command-line keyword (exact, case-sensitive), or
// CALENDRIER_INCONNU.
TypeCalendrier typeDepuisMot(std::string_view mot);

// The keyword of a calendar, the inverse of typeDepuisMot.
std::string_view motDuType(TypeCalendrier type);

} // namespace chronastre
