#pragma once

#include "engine/arithmetique.h"

#include <cstdint>

namespace chronastre {

// The reform of the civil calendar: Julian up to Thursday 4 October 1582,
// Gregorian from Friday 15 October 1582, day number 2299161. Whole years
// follow the Gregorian rules (leap years, computus, Easter) from 1583.
inline constexpr std::int64_t anneeReforme = 1582;
inline constexpr std::int64_t premierJourGregorien = 2299161;

// Whether the rules of year annee are Gregorian.
constexpr bool anneeGregorienne(std::int64_t annee)
{
    return annee > anneeReforme;
}

// Civil leap-year rule: Julian up to 1582 (negative years included, 0 and -4
// are leap), Gregorian from 1583.
constexpr bool estBissextile(std::int64_t annee)
{
    if (!anneeGregorienne(annee))
        return (annee & 3) == 0;
    return annee % 4 == 0 && (annee % 100 != 0 || annee % 400 == 0);
}

// Whether a civil date is read as Gregorian: from 15 October 1582. The days
// 5 to 14 October 1582, which the reform removed, count as Julian.
constexpr bool estDateGregorienne(std::int64_t annee, std::int64_t mois, std::int64_t jour)
{
    return annee > anneeReforme ||
           (annee == anneeReforme && (mois > 10 || (mois == 10 && jour > 14)));
}

// The days of month mois (1 to 12) of the Julian-type calendars: 30 in
// April, June, September and November, 28 or 29 in February, 31 otherwise.
constexpr std::int64_t joursMoisJulien(std::int64_t mois, bool bissextile)
{
    if (mois == 2)
        return bissextile ? 29 : 28;
    return mois == 4 || mois == 6 || mois == 9 || mois == 11 ? 30 : 31;
}

// The weekday of a day number: 0 = Sunday .. 6 = Saturday.
constexpr std::int64_t jourSemaine(std::int64_t numeroJour)
{
    return floorMod(numeroJour + 1, 7);
}

// The date record shared by every calendar. A date of the parametric and
// Hebrew calendars travels in annee/mois/jour, a Maya date in the eleven Maya
// fields. Every integer is 64-bit, so a conversion of any 32-bit input (whose
// day number and years can leave the 32-bit range) never wraps around.
class DateHeure
{
public:
    // What a converter returns for a day before its calendar's epoch.
    constexpr DateHeure() = default;
    constexpr DateHeure(std::int64_t annee, std::int64_t mois, std::int64_t jour)
        : annee_(annee), mois_(mois), jour_(jour), heure_(0), minutes_(0), secondes_(0),
          nombreTzolkin_(0), jourTzolkin_(0), jourHaab_(0), moisHaab_(0), compteCalendaire_(0),
          kin_(0), uinal_(0), tun_(0), katun_(0), baktun_(0), pictun_(0)
    {}
    constexpr DateHeure(std::int64_t annee, std::int64_t mois, std::int64_t jour,
                        std::int64_t heure, std::int64_t minutes, std::int64_t secondes)
        : DateHeure(annee, mois, jour)
    {
        heure_ = heure;
        minutes_ = minutes;
        secondes_ = secondes;
    }
    // The Maya reckoning, in record order.
    constexpr DateHeure(std::int64_t nombreTzolkin, std::int64_t jourTzolkin, std::int64_t jourHaab,
                        std::int64_t moisHaab, std::int64_t compteCalendaire, std::int64_t kin,
                        std::int64_t uinal, std::int64_t tun, std::int64_t katun,
                        std::int64_t baktun, std::int64_t pictun)
        : annee_(0), mois_(0), jour_(0), nombreTzolkin_(nombreTzolkin), jourTzolkin_(jourTzolkin),
          jourHaab_(jourHaab), moisHaab_(moisHaab), compteCalendaire_(compteCalendaire), kin_(kin),
          uinal_(uinal), tun_(tun), katun_(katun), baktun_(baktun), pictun_(pictun)
    {}

    // Julian Date of the moment (whole at noon), read as a Julian date up to
    // 14 October 1582 and a Gregorian one after.
    void calculerJourJulien();
    // Weekday 0 = Sunday .. 6 = Saturday, from the Julian Date.
    void calculerJourSemaine();
    // Day of the year; 1582 counts as a full common year.
    void calculerJourAnnee();

    constexpr std::int64_t annee() const { return annee_; }
    constexpr std::int64_t mois() const { return mois_; }
    constexpr std::int64_t jour() const { return jour_; }
    constexpr std::int64_t heure() const { return heure_; }
    constexpr std::int64_t minutes() const { return minutes_; }
    constexpr std::int64_t secondes() const { return secondes_; }
    constexpr double jourJulien() const { return jourJulien_; }
    constexpr std::int64_t jourSemaine() const { return jourSemaine_; }
    constexpr std::int64_t jourAnnee() const { return jourAnnee_; }
    constexpr bool embolismique() const { return embolismique_; }
    constexpr void setEmbolismique(bool embolismique) { embolismique_ = embolismique; }

    constexpr std::int64_t nombreTzolkin() const { return nombreTzolkin_; }
    constexpr std::int64_t jourTzolkin() const { return jourTzolkin_; }
    constexpr std::int64_t jourHaab() const { return jourHaab_; }
    constexpr std::int64_t moisHaab() const { return moisHaab_; }
    constexpr std::int64_t compteCalendaire() const { return compteCalendaire_; }
    constexpr std::int64_t kin() const { return kin_; }
    constexpr std::int64_t uinal() const { return uinal_; }
    constexpr std::int64_t tun() const { return tun_; }
    constexpr std::int64_t katun() const { return katun_; }
    constexpr std::int64_t baktun() const { return baktun_; }
    constexpr std::int64_t pictun() const { return pictun_; }

    // Same six date and time fields (what the converter's cache compares).
    constexpr bool memeMoment(const DateHeure& autre) const
    {
        return annee_ == autre.annee_ && mois_ == autre.mois_ && jour_ == autre.jour_ &&
               heure_ == autre.heure_ && minutes_ == autre.minutes_ && secondes_ == autre.secondes_;
    }
    // Same Maya fields.
    constexpr bool memeMaya(const DateHeure& autre) const
    {
        return nombreTzolkin_ == autre.nombreTzolkin_ && jourTzolkin_ == autre.jourTzolkin_ &&
               jourHaab_ == autre.jourHaab_ && moisHaab_ == autre.moisHaab_ &&
               compteCalendaire_ == autre.compteCalendaire_ && kin_ == autre.kin_ &&
               uinal_ == autre.uinal_ && tun_ == autre.tun_ && katun_ == autre.katun_ &&
               baktun_ == autre.baktun_ && pictun_ == autre.pictun_;
    }

private:
    std::int64_t annee_ = -9999;
    std::int64_t mois_ = -1;
    std::int64_t jour_ = -1;
    std::int64_t heure_ = 0;
    std::int64_t minutes_ = 0;
    std::int64_t secondes_ = 0;
    double jourJulien_ = 0.0;
    std::int64_t jourSemaine_ = 0;
    std::int64_t jourAnnee_ = 0;
    bool embolismique_ = false;
    std::int64_t nombreTzolkin_ = -1;
    std::int64_t jourTzolkin_ = -1;
    std::int64_t jourHaab_ = -1;
    std::int64_t moisHaab_ = -1;
    std::int64_t compteCalendaire_ = -1;
    std::int64_t kin_ = -1;
    std::int64_t uinal_ = -1;
    std::int64_t tun_ = -1;
    std::int64_t katun_ = -1;
    std::int64_t baktun_ = -1;
    std::int64_t pictun_ = -1;
};

} // namespace chronastre
