#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"

#include <QString>

#include <cstdint>

// The texts of the window: how a date of each calendar reads, in numeric and
// literal form, and the date line of the entered moment.
namespace chronastre::rendu {

// n in decimal, zeros inserted after the sign up to largeur characters, the
// sign included: -43 at width 4 is "-043".
QString nombreComplete(std::int64_t n, int largeur);

// "Samedi 1er Janvier 2000  12:00:00": weekday, day, month and year of the
// entered moment, then its time.
QString ligneDate(const DateHeure& moment);

// Julian Date with exactly five decimals.
QString texteJourJulien(double jourJulien);

// The result of converting the entered moment into calendar type, in numeric
// or literal form. jourSemaine is the entered moment's weekday (0 = Sunday),
// used by every literal form.
QString texteCalendrier(TypeCalendrier type, const DateHeure& resultat, std::int64_t jourSemaine,
                        bool numerique);

// Whether year annee of the first Roman calendar has a leap day (years 1, 4,
// 7 ... and -2, -5 ...).
bool bissextileRomainI(std::int64_t annee);

} // namespace chronastre::rendu
