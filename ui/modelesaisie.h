#pragma once

#include "engine/dateheure.h"
#include "engine/reforme.h"
#include "engine/typecalendrier.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace chronastre {

// A date of one of the calendars being entered: the months that calendar has
// in the year, the days of the chosen month, the civil date the entry falls
// on and whether the window can show it. Month lengths come from
// the engine: a day exists when it converts to a day number and back to
// itself. A Maya date is a long count (pictun, baktun, katun, tun, uinal,
// kin); a negative pictun counts back from the epoch.
// The years the window's fields take: 4713 before Christ (typed with the
// era "avant J. C.", astronomical year -4712) to 9999 after.
inline constexpr int anneeMaximaleAvantJC = 4713;
inline constexpr int anneeMaximaleApresJC = 9999;

// The days the window shows: 1 January 4713 BC (Julian) and 31 December 9999.
std::int64_t premierJourFenetre();
std::int64_t dernierJourFenetre();

class ModeleSaisie
{
public:
    // The day numeroJour in calendar type (GREGORIEN for a kind that names
    // no calendar).
    ModeleSaisie(TypeCalendrier type, std::int64_t numeroJour);

    // Another calendar, on the same day. Where that calendar cannot write the
    // day (before its first day, outside the table of a calendar in use
    // today), the fields show its first day (the nearest end of the table),
    // the day is kept for the next change of calendar, and the entry cannot
    // be confirmed until a date is entered. A kind that names no calendar is
    // refused: false, nothing changes.
    bool setType(TypeCalendrier type);
    // The month and the day are brought within what the year has; a Hebrew
    // month keeps its name across a change between a 12- and a 13-month
    // year (Nisan stays Nisan, Veadar becomes Adar, Adar stays Adar), a
    // Chinese month its number (the leap 2nd month becomes the 2nd month).
    void setAnnee(std::int64_t annee);
    void setMois(int mois);
    void setJour(int jour);
    // place 0 is the pictun, 5 the kin.
    void setCompteLong(std::size_t place, std::int64_t valeur);

    TypeCalendrier type() const { return type_; }
    std::int64_t annee() const { return annee_; }
    int mois() const { return mois_; }
    int jour() const { return jour_; }
    const std::array<std::int64_t, 6>& compteLong() const { return compteLong_; }

    // The months of the calendar in the year, in order (13 in a Hebrew leap
    // year, with Veadar; a Chinese year's leap month after the month of its
    // number); empty for the Maya long count and a year outside a table.
    std::vector<std::string> nomsMois() const;
    // Days in the chosen month of the year; 0 when none exists (a Hebrew year
    // before the first).
    int joursDuMois() const;

    std::int64_t numeroJour() const;
    // Whether the fields hold the entry: false while they stand for a day
    // the calendar cannot write and nothing has been entered since.
    bool ecrit() const { return !jourNonEcrit_; }
    // The window shows days premierJourFenetre() to dernierJourFenetre(), and
    // no Hebrew date before its year 1, Maya one before 0.0.0.0.0.0, nor date
    // outside the table of a calendar in use today.
    bool confirmable() const;
    // Why the entry cannot be confirmed, in French; empty when it can.
    std::string raison() const;

    // The civil date of the entry, in astronomical years: Julian up to
    // 4 October 1582, Gregorian from 15 October 1582, as the window reads it.
    DateHeure dateCivile() const;
    // "Samedi 9 Novembre 1799 après J. C."; in the calendar of the region's
    // documents when one is given (setRegion).
    std::string texteCivil() const;
    void setRegion(Region region) { region_ = region; }
    // The entry in its own calendar's literal form: "Octidi 18 Brumaire VIII (8)".
    std::string texteEntree() const;

private:
    void placer(std::int64_t numeroJour);
    int nombreMois() const;
    void ramener();

    TypeCalendrier type_;
    std::int64_t annee_ = 1;
    int mois_ = 1;
    int jour_ = 1;
    std::array<std::int64_t, 6> compteLong_{};
    // The day the fields cannot write, while nothing has been entered.
    std::optional<std::int64_t> jourNonEcrit_;
    Region region_ = Region::ROME;
};

} // namespace chronastre
