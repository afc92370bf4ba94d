#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"

#include <cstdint>
#include <string>

// How a result reads: a date of each calendar in numeric and literal form,
// the date line of a moment, its Julian Day. UTF-8 text, shared by the
// window and the command line.
namespace chronastre::texte {

// n in decimal, zeros inserted after the sign up to largeur characters, the
// sign included: -43 at width 4 is "-043".
std::string nombreComplete(std::int64_t n, int largeur);

// "Samedi 1er Janvier 2000  12:00:00": weekday, day, month and year of the
// moment, then its time.
std::string ligneDate(const DateHeure& moment);
// The same with the weekday given: a date of another calendar than the
// Roman rule's (a region's, Julian after 1582).
std::string ligneDate(const DateHeure& moment, std::int64_t jourSemaine);

// valeur with exactly decimales decimals (at most 80) after a point, whatever
// the locale: rounded to nearest as printf's "%.*f" does, a tie of the exact
// binary value to even. "inf" or "nan" for those values.
std::string decimalesFixes(double valeur, int decimales);

// The Julian Date with exactly five decimals, a tie rounded away from zero
// (2451544.515625 gives 2451544.51563).
std::string texteJourJulien(double jourJulien);

// A civil date with its era, as the window's fields read it: "Samedi 9
// Novembre 1799 après J. C.", "Mercredi 15 Mars 44 avant J. C." (the year of
// civile is astronomical: 0 is 1 before Christ).
std::string texteDateCivile(const DateHeure& civile, std::int64_t jourSemaine);

// Easter Sunday as the window shows it: "23 Avril" (no ordinal suffix).
std::string texteDimanchePaques(int jour, int mois);

// The result of a conversion into calendar type, in numeric or literal form.
// jourSemaine is the weekday of the converted day (0 = Sunday), used by every
// literal form.
std::string texteCalendrier(TypeCalendrier type, const DateHeure& resultat,
                            std::int64_t jourSemaine, bool numerique);

// The name of month mois of calendar type, in that calendar's language; for
// HEBREU, embolismique says whether the year has 13 months (Veadar is then
// month 7). A calendar without names (SYRIEN) and a month outside the table
// give the number.
std::string nomDuMois(TypeCalendrier type, std::int64_t mois, bool embolismique);

// Whether year annee of the first Roman calendar has a leap day (years 1, 4,
// 7 ... and -2, -5 ...).
bool bissextileRomainI(std::int64_t annee);

} // namespace chronastre::texte
