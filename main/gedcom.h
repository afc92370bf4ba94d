#pragma once

#include "engine/typecalendrier.h"
#include "texte/lecture.h"

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
};

// A GEDCOM date value in calendar arrivee, in French, its qualifier
// included: "vers Samedi 9 Novembre 1799", "entre ... et ...", "de ... à
// ...". A partial date gives its first and last day.
std::string texteValeurGedcom(const texte::ValeurGedcom& valeur, TypeCalendrier arrivee);

// Lists the dates of a GEDCOM file (5.5.1 or 7, UTF-8 with or without a
// byte-order mark) read from canaux.lire: one tab-separated UTF-8 line for
// each DATE with a date outside calendar arrivee (its line number, the
// record's identifier, the event's tag, the value as written, the value in
// arrivee). A date that cannot be read or does not exist is told through
// canaux.signaler with its line number; a file declared in another
// character set is refused. Returns 0, or 1 when a date was told, the file
// refused, or the input or output failed. The file is only read.
int listerGedcom(TypeCalendrier arrivee, const Canaux& canaux, const OptionsListe& options = {});

} // namespace chronastre
