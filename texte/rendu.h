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

// A civil date in running text, as messages write it: "1er août 1924",
// "16 novembre 2077" (the year astronomical, as given).
std::string dateEnClair(const DateHeure& civile);

// Easter Sunday as the window shows it: "23 Avril" (no ordinal suffix).
std::string texteDimanchePaques(int jour, int mois);

// The result of a conversion into calendar type, in numeric or literal form.
// jourSemaine is the weekday of the converted day (0 = Sunday), used by every
// literal form.
std::string texteCalendrier(TypeCalendrier type, const DateHeure& resultat,
                            std::int64_t jourSemaine, bool numerique);
// Its literal form at the end of texte (a listing's line, written without a
// string of its own).
void ajouterTexteCalendrier(std::string& texte, TypeCalendrier type, const DateHeure& resultat,
                            std::int64_t jourSemaine);

// The name of month mois of calendar type, in that calendar's language; for
// HEBREU, embolismique says whether the year has 13 months (Veadar is then
// month 7). For CHINOIS, mois is the month's number (1 to 12) and
// embolismique whether it is the leap month of that number ("2e mois
// intercalaire"). A calendar without names (SYRIEN) and a month outside the
// table give the number.
std::string nomDuMois(TypeCalendrier type, std::int64_t mois, bool embolismique);

// The name of the month of rank rang of Chinese year annee ("2e mois
// intercalaire" for rank 3 of 2023); the rank in figures when the year has
// none.
std::string nomDuMoisChinois(std::int64_t annee, std::int64_t rang);

// The month of rank rang of Chinese year annee as the numeric forms write
// it: its number, followed by "i" for a leap month ("2i"); largeur pads the
// number with zeros ("02i"). The rank itself when the year has no such
// month.
std::string moisChinoisEnChiffres(std::int64_t annee, std::int64_t rang, int largeur);

// The days a calendar in use today writes, in civil dates: "du 1er août 1924
// au 16 novembre 2077"; "jusqu'au 20 mars 2201" for BAHAI_TEHERAN, whose
// first day lies a billion years back. Empty for the other calendars.
std::string textePlage(TypeCalendrier type);

// What a calendar in use today shows for a day outside its range: "Hors de
// la plage (du 1er août 1924 au 16 novembre 2077)".
std::string texteHorsPlage(TypeCalendrier type);

// Whether year annee of the first Roman calendar has a leap day (years 1, 4,
// 7 ... and -2, -5 ...).
bool bissextileRomainI(std::int64_t annee);

} // namespace chronastre::texte
