#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the command line tells a person on standard error about its input.
// Input bytes never reach the terminal raw: they could move the cursor,
// reverse the text that follows or hide what they are.
namespace chronastre {

// octets as a message shows them: printable UTF-8 as it is; a control
// character, a C1 control (U+0080 to U+009F), a bidirectional embedding,
// override or isolate (U+202A to U+202E, U+2066 to U+2069) and a byte-order
// mark as their code point (<U+202E>); a byte that is not part of
// well-formed UTF-8 (a surrogate, a code point beyond U+10FFFF, an overlong
// form, a stray byte) as its value (<0x9B>).
std::string montrer(std::string_view octets);

// The character that starts at p, before fin, as a person would name it:
// "« x »" when it can be shown, "le caractère U+202E" or "l'octet 0x9B"
// otherwise.
std::string citer(const char* p, const char* fin);

// The warning for a date that does not exist in calendar depart (source,
// read as day number numeroJour): "attention, la date 2023 2 30 n'existe pas
// dans le calendrier GREGORIEN ; elle est lue comme 2023 3 2". Empty when the
// date exists.
std::string avertissementDate(TypeCalendrier depart, const DateHeure& source,
                              std::int64_t numeroJour);

} // namespace chronastre
