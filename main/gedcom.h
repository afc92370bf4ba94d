#pragma once

#include "engine/typecalendrier.h"
#include "texte/lecture.h"
#include "texte/lecturecivile.h"

#include <cstdint>
#include <string>

namespace chronastre {

struct Canaux;

// How a GEDCOM file is listed.
struct OptionsListe
{
    // The dates of CHAN, when a program last changed a record, are listed
    // too.
    bool modifications = false;
    texte::OptionsGedcom lecture;
    // A date phrase that names a feast or a style ("la Toussaint 1350",
    // "10 mars 1500, style de Pâques") is read in the calendar of the
    // region's documents, in that style by default (lireDateCivile).
    Region region = Region::ROME;
    std::optional<Style> style;
};

// Lists the dates of a GEDCOM file (5.5.1 or 7) read from canaux.lire, in
// any character set a GEDCOM file declares or has (UTF-8, UTF-16 of either
// order with or without a byte-order mark, ANSEL, ANSI, IBMPC, MACINTOSH,
// ASCII; where the bytes contradict the declaration, the bytes win and one
// warning says so): one tab-separated UTF-8 line for each DATE or SDATE with
// a date outside calendar arrivee, or a date phrase (its line number, the
// record's identifier, the event or attribute the date belongs to, the value
// as written, the value in arrivee, whom the record is about). The dates of
// CHAN and CREA are left out unless options.modifications. A date that
// cannot be read or does not exist is told through canaux.signaler with its
// line number, and a last line counts the dates listed and refused. Returns
// 0, or 1 when a date was refused, the file is not text, or the input or
// output failed. The file is only read.
int listerGedcom(TypeCalendrier arrivee, const Canaux& canaux, const OptionsListe& options = {});

} // namespace chronastre
