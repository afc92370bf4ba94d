#pragma once

#include "engine/typecalendrier.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The text report of a moment: 36 lines, each result after its caption, in
// the layout of the window's panels. UTF-8, each line ending with "\n".
namespace chronastre::texte {

// A caption and the value written after it.
struct Legende
{
    std::string legende;
    std::string valeur;
};

// The caption of each calendar, by kind, as the window shows it.
extern const std::array<std::string_view, nombreCalendriers> legendesCalendriers;

// Lines 13 to 36 of the report: the nineteen historical calendars by group,
// an empty line between groups. calendriers is indexed by kind.
std::vector<std::string>
lignesCalendriers(const std::array<Legende, nombreCalendriers>& calendriers);

// What TOUS writes: the lines of the report, then an empty line and the four
// calendars in use today (Iranian, Umm al-Qura, Chinese, Baha'i at Tehran),
// in the same layout.
std::vector<std::string> lignesTous(const std::array<Legende, nombreCalendriers>& calendriers);

struct ContenuRapport
{
    // The region whose reform the date follows, when it is not Rome's: line
    // 2, empty otherwise.
    std::string region;
    std::string date;
    Legende jourJulien, jourAnnee;
    Legende dimanchePaques, cycleSolaire, nombreOr, indictionRomaine, epacte, lettreDominicale;
    std::array<Legende, nombreCalendriers> calendriers;
};

// The 36 lines.
std::string rapport(const ContenuRapport& contenu);

} // namespace chronastre::texte
