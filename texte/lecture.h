#pragma once

#include "engine/dateheure.h"
#include "engine/typecalendrier.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Dates as people write them: "18 brumaire an VIII", "le dix-huit brumaire
// an huit", "Samedi 1er Janvier 2000", "15 nisan 5786", the GEDCOM forms
// "@#DFRENCH R@ 18 BRUM 8" and "JULIAN 12 MAR 1700/01". UTF-8 text, read
// without the process locale, never beyond the text given.
namespace chronastre::texte {

// The order of three bare numbers: year first (2024 3 11), day first
// (11/03/2024) or month first (03/11/2024).
enum class Ordre
{
    AnneeMoisJour,
    JourMoisAnnee,
    MoisJourAnnee,
};

// Year, month and day of three numbers n written in order ordre.
constexpr std::array<std::int64_t, 3> anneeMoisJour(Ordre ordre, const std::int64_t* n)
{
    switch (ordre) {
    case Ordre::JourMoisAnnee:
        return {n[2], n[1], n[0]};
    case Ordre::MoisJourAnnee:
        return {n[2], n[0], n[1]};
    case Ordre::AnneeMoisJour:
        break;
    }
    return {n[0], n[1], n[2]};
}

// A date of one calendar, whole or partial: a GEDCOM date may give only a
// month and a year ("BRUM 8") or a year ("8").
struct DatePartielle
{
    TypeCalendrier calendrier = GREGORIEN;
    std::int64_t annee = 0;
    std::optional<std::int64_t> mois;
    std::optional<std::int64_t> jour;
    // For MAYA: the long count, pictun first.
    std::int64_t compteLong[6] = {};
    // Its first and last day numbers, once known.
    std::optional<std::int64_t> premier, dernier;
};

// What a text gives.
struct Lecture
{
    // The date read, and its day number; meaningful when erreur is empty.
    DateHeure date;
    std::int64_t numeroJour = 0;
    // Why the text is not a date of the calendar, or why that date does not
    // exist ("Brumaire a 30 jours"); empty when the date was read.
    std::string erreur;
    // A weekday that disagrees with the date; the date is read all the same.
    std::string avertissement;
    // The text reads as a date of the calendar, which does not exist there
    // ("31 brumaire an VIII").
    bool inexistante = false;
    // Such a date lies outside the table of a calendar in use today
    // ("1 Ramadan 1501" in Umm al-Qura).
    bool horsPlage = false;
    // Something in the text belongs to a written date (a month's or a
    // weekday's name, "an", a number in words, a calendar escape): a text
    // with none of these was not meant as one.
    bool reconnu = false;
};

// Reads one whole date of calendar type, as documents and the program write
// it: [caption or GEDCOM escape] [weekday] day month year, the month by any
// of its names (the program's, GEDCOM codes, abbreviations such as "sept."
// or "7bre", the usual French transliterations), in any case, with or
// without accents; "1er", "1ᵉʳ", "premier"; "an", "l'an", "de la
// République"; a year in figures, in Roman numerals (of any size, with its
// sign) or in words ("mil sept cent quatre-vingt-neuf"), the day in words;
// "av. J.-C." and "ap. J.-C." after a Julian or Gregorian year; a double
// year; the Republican complementary days by number or name; a Roman day's
// name ("Ante diem IV Nonas Januarias MMXXIV"); three bare numbers in the
// order given; a Maya long count with its tzolkin and haab; a Julian Day
// ("jour julien 2451545", or "2451545.00000" alone). A date that does not
// exist in its calendar is refused, saying why.
Lecture lireDateEcrite(TypeCalendrier type, std::string_view texte,
                       Ordre ordre = Ordre::AnneeMoisJour);

// The calendar a written date belongs to: the one its caption or GEDCOM
// escape names; otherwise actuel when it reads there (or reads as a date
// outside actuel's table, which a year still being typed may be); otherwise
// the first calendar it reads in (the Gregorian before the Julian); a reading
// whose weekday disagrees only when no other reads; otherwise the first where
// it reads as a date that does not exist. None when it reads nowhere.
std::optional<TypeCalendrier> calendrierDuTexte(std::string_view texte, TypeCalendrier actuel);

// GEDCOM date values.

// The qualifier of a GEDCOM date value.
enum class Qualificatif
{
    Aucun,
    Vers,        // ABT
    Calculee,    // CAL
    Estimee,     // EST
    Avant,       // BEF
    Apres,       // AFT
    Entre,       // BET ... AND ...
    De,          // FROM ... [TO ...]
    A,           // TO ...
    Interpretee, // INT ... (...)
    Et,          // AND, between the dates of BET: never the qualifier of a value
};

struct ValeurGedcom
{
    Qualificatif qualificatif = Qualificatif::Aucun;
    // The date, or the first of two (BET, FROM ... TO).
    std::optional<DatePartielle> premiere;
    // The second of BET ... AND and FROM ... TO.
    std::optional<DatePartielle> seconde;
    // A date phrase, between brackets (INT ... (phrase), or alone).
    std::string phrase;
    // Why the value cannot be read, or why a date does not exist; empty
    // when read.
    std::string erreur;
    // A weekday that disagrees with its date ("Tuesday, 20th January 1988");
    // the value is read all the same.
    std::string avertissement;
};

struct OptionsGedcom
{
    // A double year without a calendar escape ("12 MAR 1700/01") is read
    // in the Julian calendar, as English records before 1752 meant it.
    bool doublesJuliennes = false;
};

// Reads a GEDCOM 5.5.1 or 7 date value as genealogy programs write it: the
// qualifiers in any case, with or without a dot ("Abt.", "bef", "Bet ...
// and ...", "from ... to ..."), calendar escapes (@#DJULIAN@, @#DFRENCH R@,
// @#DHEBREW@, @#DGREGORIAN@ or JULIAN, FRENCH_R, HEBREW, GREGORIAN), month
// codes, partial dates, a year alone with its era ("510 BC", "44 B.C.",
// "480 BCE"), double years ("12 MAR 1700/01", "1741/42": a year counted
// from 1 January, the second), date phrases.
ValeurGedcom lireValeurGedcom(std::string_view valeur, const OptionsGedcom& options = {});
// The same into v, whose strings keep their room: for a caller that reads
// many values.
void lireValeurGedcom(std::string_view valeur, const OptionsGedcom& options, ValeurGedcom& v);

// The first and last day numbers of a date, whole or partial.
std::int64_t premierJour(const DatePartielle& date);
std::int64_t dernierJour(const DatePartielle& date);

} // namespace chronastre::texte
