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

// The refusal of a date of calendar depart (one in use today) that falls
// outside its range: "la date 1000 1 1 est hors de la plage du calendrier
// IRANIEN, qui va du 21 mars 1799 au 20 mars 2201".
std::string dateHorsPlage(TypeCalendrier depart, const DateHeure& source);

// The refusal of a day that calendar arrivee (one in use today) does not
// write: "le 1er janvier 1900 est hors de la plage du calendrier
// UMM_AL_QURA, qui va du 1er août 1924 au 16 novembre 2077".
std::string arriveeHorsPlage(TypeCalendrier arrivee, std::int64_t numeroJour);

// The warning for a date that does not exist in calendar depart (source,
// read as day number numeroJour): "attention, " and the refusal, then
// " ; elle est lue comme 2023 3 2". Empty when the date exists.
std::string avertissementDate(TypeCalendrier depart, const DateHeure& source,
                              std::int64_t numeroJour);

} // namespace chronastre
