#pragma once

#include "engine/dateheure.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "engine/typecalendrier.h"
#include "texte/lecture.h"
#include "texte/lecturecivile.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace chronastre {

struct Canaux;

// How a batch reads its lines (the options of the command line).
struct OptionsLot
{
    // The order of a date's three numbers.
    texte::Ordre ordre = texte::Ordre::AnneeMoisJour;
    // A date that does not exist in its calendar is refused, not converted.
    bool strict = false;
    // The date is field colonne (from 1) of the line, the line is written
    // back with that field converted.
    std::optional<int> colonne;
    // The fields' separator; none: the first tab, ";" or "," of each line.
    std::optional<char> separateur;
    // A first line whose date field is not a date is written back as it is.
    bool entete = false;
    // The keyword CIVIL as departure or arrival: the calendar of the
    // documents of region (ROME when none is given: Julian up to 4 October
    // 1582, Gregorian from 15 October), a date of the departure read in
    // style, or in the style it names, with the feasts (lireDateCivile). A
    // date that names two days gives both, joined by " ou ".
    bool departCivil = false;
    bool arriveeCivile = false;
    std::optional<Region> region;
    std::optional<Style> style;
};

// The date of three numbers n written in order ordre.
inline DateHeure dansLOrdre(texte::Ordre ordre, const std::int64_t* n)
{
    const auto [annee, mois, jour] = texte::anneeMoisJour(ordre, n);
    return DateHeure(annee, mois, jour);
}

// Converts the dates read from canaux.lire, one per line, from calendar
// depart into arrivee, or into every calendar when there is none, and writes
// exactly one line per line read: the result, or an empty line for a blank or
// rejected line. A line is ended by LF, CR LF or a lone CR; a byte-order
// mark before the first line is skipped. A line holds numbers, as the
// single conversion reads them, or a written date. Rejected lines, and dates
// that do not exist in depart, are told through canaux.signaler with their
// line number. Returns 0 when every line converted, 1 when one was rejected
// or the input or output failed. With options.departCivil or
// options.arriveeCivile, depart or arrivee is not read.
int convertirLot(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee, const Canaux& canaux,
                 const OptionsLot& options = {});

} // namespace chronastre
