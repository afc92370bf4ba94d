#pragma once

#include "engine/dateheure.h"
#include "engine/plage.h"
#include "engine/typecalendrier.h"

#include <array>
#include <cstdint>

namespace chronastre {

// One row of constants of the parametric conversion (Richards' scheme, with m
// one more than its published month parameter). b == 0 means no century
// correction.
struct ParametresCalendrier
{
    std::int64_t y; // years added to reach the internal year count
    std::int64_t j; // days added to the day number
    std::int64_t m; // month that opens the computational year
    std::int64_t n; // months in the year (epagomenal days count as one)
    std::int64_t r; // years in one intercalation cycle
    std::int64_t p; // days in one intercalation cycle
    std::int64_t q; // leap-year position, date to day number
    std::int64_t v; // leap-year position, day number to date
    std::int64_t u; // months in one month-length cycle
    std::int64_t s; // days in one month-length cycle
    std::int64_t t; // long-month position, date to day number
    std::int64_t w; // long-month position, day number to date
    std::int64_t b; // century correction: offset of the century count
    std::int64_t c; // century correction: constant term
    bool saka;      // month lengths computed per conversion (Saka)
};

inline constexpr std::int64_t jours400Ans = 146097;

// clang-format off
inline constexpr std::array<ParametresCalendrier, nombreCalendriersParametriques> parametres = {{
    //  y      j     m   n   r    p      q   v   u    s     t   w   b        c
    {5268,  317,  1, 13,  1,   365,  0,  0,   1,   30,  0,  0,      0,   0, false}, // ARMENIEN
    {3968,   47,  1, 13,  1,   365,  0,  0,   1,   30,  0,  0,      0,   0, false}, // EGYPTIEN
    {5348,  317,  1, 13,  1,   365,  0,  0,   1,   30,  0,  0,      0,   0, false}, // KHWARIZMIEN
    {5348,   77,  1, 13,  1,   365,  0,  0,   1,   30,  0,  0,      0,   0, false}, // PERSE
    {4996,  124,  1, 13,  4,  1461,  0,  3,   1,   30,  0,  0,      0,   0, false}, // COPTE
    {4720,  124,  1, 13,  4,  1461,  0,  3,   1,   30,  0,  0,      0,   0, false}, // ETHIOPIEN
    {4716, 1401,  3, 12,  4,  1461,  0,  3,   5,  153,  2,  2,      0,   0, false}, // JULIEN
    {4405, 1401,  7, 12,  4,  1461,  0,  3,   5,  153,  2,  2,      0,   0, false}, // MACEDONIEN
    {4405, 1401,  6, 12,  4,  1461,  0,  3,   5,  153,  2,  2,      0,   0, false}, // SYRIEN
    {6560, 1412, 20, 20,  4,  1461,  0,  3,   1,   19,  0,  0, 274273, -50, false}, // BAHAI
    {4716, 1401,  3, 12,  4,  1461,  0,  3,   5,  153,  2,  2, 274277, -38, false}, // GREGORIEN
    {6504,  111,  1, 13,  4,  1461,  0,  3,   1,   30,  0,  0, 578797, -51, false}, // REPUBLICAIN
    {4794, 1348,  2, 12,  4,  1461,  0,  3,   1,   31,  0,  0, 274073, -36, true},  // SAKA
    {5519, 7665,  1, 12, 30, 10631, 14, 15, 100, 2951, 51, 10,      0,   0, false}, // ISLAMIQUE_A
    {5519, 7664,  1, 12, 30, 10631, 14, 15, 100, 2951, 51, 10,      0,   0, false}, // ISLAMIQUE_B
    {3959,  329,  3, 12,  3,  1096,  0,  2,   5,  153,  2,  2,      0,   0, false}, // ROMAIN_I
    {3963,  221,  3, 12,  1,   365,  0,  0,   5,  153,  2,  2,      0,   0, false}, // ROMAIN_II
}};
// clang-format on

// Converter of one calendar kind. Every conversion goes through the integer
// Julian Day Number: date -> day number -> date. Kinds 0..16 run the two
// parametric formulas on their row of constants; HEBREU and MAYA hand over to
// CalendrierHebreu and CalendrierMaya, the calendars in use today to their
// tables (CalendrierIranien, CalendrierUmmAlQura, CalendrierChinois,
// CalendrierBahaiTeheran), which give the default record, or jourHorsPlage,
// outside their range.
//
// Day numbers are 64-bit. The formulas are exact for every day number whose
// magnitude stays below 10^16, which covers everything a date with 32-bit
// year, month and day (or a 32-bit Maya long count) can produce.
class Calendrier
{
public:
    Calendrier() = default;
    explicit Calendrier(TypeCalendrier type);

    TypeCalendrier type() const { return type_; }

    // The date of this calendar on day number j.
    DateHeure versCalendrier(std::int64_t numeroJour);
    // The day number of a date of this calendar; remembered in dernierJour().
    std::int64_t depuisCalendrier(const DateHeure& date);
    // The same day number, not remembered: for a caller that converts many
    // dates one by one.
    std::int64_t numeroJour(const DateHeure& date) const;
    // The date of calendar arrivee for a date of this calendar. The day number
    // of the last source date is cached, so converting one moment into every
    // calendar computes it once.
    DateHeure convertir(TypeCalendrier arrivee, const DateHeure& date);
    // Whether date, whose day number numeroJour gave, exists in this
    // calendar: it comes back to itself through that number. The Julian and
    // Gregorian calendars tell it from their month lengths, without
    // converting back.
    bool existe(const DateHeure& date, std::int64_t numeroJour) const
    {
        if (type_ == JULIEN || type_ == GREGORIEN)
            return existeCivile(type_ == GREGORIEN, date.annee(), date.mois(), date.jour());
        return revient(date, numeroJour);
    }

    std::int64_t dernierJour() const { return dernierJour_; }
    // How many times convertir had to compute a day number (the cache missed).
    int calculsJour() const { return calculsJour_; }

    // Whether a date of the Julian calendar, or of the proleptic Gregorian
    // one, exists: its month within 1 to 12, its day within the month (0
    // and -4 are leap years; annee & 3 is annee's floor remainder by 4).
    static constexpr bool existeCivile(bool gregorien, std::int64_t annee, std::int64_t mois,
                                       std::int64_t jour)
    {
        if (mois < 1 || mois > 12 || jour < 1)
            return false;
        if (jour <= joursMoisJulien(mois, false))
            return true;
        return mois == 2 && jour == 29 && (annee & 3) == 0 &&
               (!gregorien || annee % 100 != 0 || annee % 400 == 0);
    }

private:
    // Whether date comes back to itself through its day number numeroJour.
    bool revient(const DateHeure& date, std::int64_t numeroJour) const;

    bool estParametrique() const { return type_ >= 0 && type_ < nombreCalendriersParametriques; }

    TypeCalendrier type_ = CALENDRIER_INCONNU;
    DateHeure derniereDate_;
    bool cacheValide_ = false;
    std::int64_t dernierJour_ = 0;
    int calculsJour_ = 0;
};

// Whether a and b are the same date of calendar type: the same long count
// (pictun to kin) for MAYA, the same year, month and day otherwise. A date
// exists in its calendar when it comes back to itself through its day number.
constexpr bool memeDate(TypeCalendrier type, const DateHeure& a, const DateHeure& b)
{
    if (type == MAYA)
        return a.pictun() == b.pictun() && a.baktun() == b.baktun() && a.katun() == b.katun() &&
               a.tun() == b.tun() && a.uinal() == b.uinal() && a.kin() == b.kin();
    return a.annee() == b.annee() && a.mois() == b.mois() && a.jour() == b.jour();
}

// The civil calendar of a day: Julian up to 4 October 1582, Gregorian from
// 15 October 1582.
constexpr TypeCalendrier calendrierCivil(std::int64_t numeroJour)
{
    return numeroJour >= premierJourGregorien ? GREGORIEN : JULIEN;
}

// The civil calendar a civil date is read in (the days 5 to 14 October 1582
// as Julian).
constexpr TypeCalendrier calendrierCivil(std::int64_t annee, std::int64_t mois, std::int64_t jour)
{
    return estDateGregorienne(annee, mois, jour) ? GREGORIEN : JULIEN;
}

// Whether type is one of the calendars in use today, kept by a table and
// exact over its range only.
constexpr bool estEnUsage(TypeCalendrier type)
{
    return type >= premierCalendrierEnUsage && type < nombreCalendriers;
}

// The days calendar type writes: its table's range for a calendar in use
// today, every day otherwise.
Plage plageDuCalendrier(TypeCalendrier type);

// Whether a date exists in calendar type: it comes back to itself through
// its day number (a Maya date is its long count), a day of the table of a
// calendar in use today.
bool existe(TypeCalendrier type, const DateHeure& date);

// The date of calendar type on a day number, and the day number of a date:
// what Calendrier computes, without its cache (a converter used once).
DateHeure dateDuJour(TypeCalendrier type, std::int64_t numeroJour);
std::int64_t jourDeLaDate(TypeCalendrier type, const DateHeure& date);

// The months of year annee of calendar type, the epagomenal days counted as
// one (13 in the Egyptian-type calendars, 13 in a Hebrew leap year, 20 in
// the Baha'i ones, 13 in a Chinese year with a leap month); 0 for the Maya
// long count, an unknown kind and a year outside a table's range.
std::int64_t moisDansAnnee(TypeCalendrier type, std::int64_t annee);

// The days of month mois of year annee in calendar type; 0 when that month
// does not exist (a Hebrew year before the first, a month beyond the year).
std::int64_t joursDuMois(TypeCalendrier type, std::int64_t annee, std::int64_t mois);

} // namespace chronastre
