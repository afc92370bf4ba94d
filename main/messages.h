#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"
#include "texte/utf8.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the command line tells a person on standard error about its input;
// the input itself is shown through texte::montrer and texte::citer.
namespace chronastre {

// The refusal of a date that does not exist in calendar depart: "la date
// 2023 2 30 n'existe pas dans le calendrier GREGORIEN".
std::string dateInexistante(TypeCalendrier depart, const DateHeure& source);

// The warning for a date that does not exist in calendar depart (source,
// read as day number numeroJour): "attention, " and the refusal, then
// " ; elle est lue comme 2023 3 2". Empty when the date exists.
std::string avertissementDate(TypeCalendrier depart, const DateHeure& source,
                              std::int64_t numeroJour);

} // namespace chronastre
