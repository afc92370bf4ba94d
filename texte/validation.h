#pragma once

#include "engine/dateheure.h"
#include "engine/fetes.h"
#include "engine/styles.h"
#include "engine/typecalendrier.h"
#include "texte/mots.h"
#include "texte/refus.h"

#include <cstdint>
#include <string>

// The third stage's record and the fourth stage: the fields a reading of a
// text gives, and the one validator that says, through the engine's own
// queries, whether they make a date of their calendar.
namespace chronastre::texte {

class ContexteCivil;

// The fields of one reading of a text. Word places are indices into its
// Mots, for the messages.
struct Champs
{
    TypeCalendrier calendrier = GREGORIEN;
    std::int64_t annee = 0;
    std::int64_t mois = 0;
    std::int64_t jour = 0;
    bool aAnnee = false;
    bool aMois = false;
    bool aJour = false;
    // The month was written by its name: a Hebrew one is placed in its year
    // (Nisan is 7 or 8, Veadar 7 or nothing).
    bool moisNomme = false;
    // A Chinese month is its number, and whether the leap month of that
    // number was written ("2e mois intercalaire", "2i"); the year places it.
    bool intercalaire = false;
    // A Chinese year's stem and branch (1 to 60) and animal (1 to 12), as
    // written; 0 when not written.
    std::int32_t cycle = 0;
    std::int32_t animal = 0;
    // The year is the second of a double year ("1741/42"): a date of 1
    // January to 24 March.
    bool doubleAnnee = false;
    // The weekday written, as the vocabulary values it, and its words.
    std::int32_t jourSemaine = -1;
    std::uint8_t semaineDebut = 0, semaineFin = 0;
    // A Roman day's name: its Kalends (1), Nones (2) or Ides (3), the days
    // counted back to it (0: that day itself; 2: pridie), a "bis", its words.
    std::uint8_t anneeDebut = 0, anneeFin = 0; // the year's words
    std::int8_t repere = 0;
    std::int64_t compte = 0;
    bool bis = false;
    std::uint8_t romainDebut = 0, romainFin = 0;
    // A Maya long count, pictun first, and the tzolkin and haab after it.
    bool maya = false;
    std::int32_t compteLong[6] = {};
    bool calendaire = false;
    std::int32_t calendrierRituel[4] = {}; // tzolkin number and day, haab day and month
    std::uint8_t calendaireDebut = 0, calendaireFin = 0;
    // A Julian Day given as such.
    bool jourJulien = false;
    std::int64_t numeroJour = 0;
    // A date of a region's documents (lireDateCivile): what it is read in,
    // its style as written (-1: none; styleAncienEcrit: "a. s."), the part
    // of an Easter-style year, and the feast it is written from (its year
    // is annee).
    const ContexteCivil* civil = nullptr;
    std::int8_t style = -1;
    PartiePaques partie = PartiePaques::Indifferente;
    bool fete = false;
    FormeFete forme;
};

// What the validator says of a record.
struct Verdict
{
    Refus refus;                           // why it is no date, or none
    DateHeure date;                        // a whole date
    std::int64_t premier = 0, dernier = 0; // its first and last day numbers
    std::string avertissement;             // a weekday or a ritual calendar that disagrees
    bool deuxJours = false; // a date of a region's documents names premier and dernier
};

// Whether the fields make a date of their calendar (a whole one, or for
// partiel a month and year, or a year), its day numbers, and the warnings.
Verdict valider(const Champs& champs, const Mots& mots, bool partiel);

// The month number of a month named nom in year annee of calendar type:
// Hebrew months move after Adar in a 13-month year; a Chinese month number
// (the leap month of that number with intercalaire) gives its rank in the
// year; 0 when that month does not exist that year (Veadar in a 12-month
// year, a leap month the Chinese year lacks).
std::int64_t placerMois(TypeCalendrier type, std::int64_t annee, std::int64_t nom,
                        bool intercalaire = false);

} // namespace chronastre::texte
