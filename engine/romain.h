#pragma once

#include "engine/dateheure.h"

#include <cstdint>
#include <string>

namespace chronastre {

// An integer in Roman numerals: "0" for zero, a leading "-" for a negative
// number, no upper limit (4000 is MMMM).
std::string chiffresRomains(std::int32_t n);

// The Roman name of a day of a Julian-style month, counted inclusively back
// from the next Kalends, Nones or Ides, then the year in Roman and decimal
// numerals: "Ante diem IV Nonas Januarias MMXXIV (2024)". bissextile says
// whether February has its extra day. A month outside 1..12 is read modulo 12;
// a day outside the month gives no meaningful name.
std::string nommerJourRomain(const DateHeure& date, bool bissextile);

} // namespace chronastre
