#pragma once

#include "engine/fetes.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "engine/typecalendrier.h"
#include "texte/vocabulaire.h"

#include <cstdint>
#include <string>
#include <string_view>

// The last stage of the reader of written dates: the one place that words
// why a text is not a date, or why the date it gives does not exist. The
// stages before only say which case it is and with what.
namespace chronastre::texte {

enum class Motif : std::uint8_t
{
    Aucun,
    AucuneDate,
    TexteTropLong,
    PasUnMois,        // mot: not a month of calendrier (autres: whose months it names)
    SansNomsDeMois,   // calendrier writes its months in figures
    AnneeAttendue,    // mot
    AnneeDiscordante, // mot (the year as written) is not n1
    ManqueAnnee,
    ManqueJour,
    ManqueMoisEtAnnee,
    MotsEnTrop,        // mot: the words left
    AutreCalendrier,   // the text is of autre, not of calendrier
    CalendrierInconnu, // mot: an escape or keyword of a calendar the program lacks
    DoubleAnneeSuite,  // mot does not follow n1 in a double year
    DoubleAnneeHorsPeriode,
    PlacesCompteLong,     // n1 places
    NombreAttendu,        // mot
    NombreHorsLimites,    // mot: digits beyond 32 bits
    EreHorsCalendrier,    // mot: an era written after a year of calendrier
    PhraseSansParenthese, // GEDCOM: INT without its phrase
    EntreSansEt,          // GEDCOM: BET without AND
    SecondeAvantPremiere, // GEDCOM: the second date before the first
    QualificatifSeul,     // GEDCOM: a qualifier and no date
    CycleDiscordant,      // a Chinese year (n1) written with another stem and branch (n2)
    AnimalDiscordant,     // a Chinese year (n1) written with another animal (n2)
    FeteAttendue,         // mot: a relation ("la veille de") and no feast after it
    FeteHorsCivil,        // mot: a feast, read with a calendar that is not a region's
    StyleHorsCivil,       // mot: a style of the year's beginning, the same
    // Dates that read but do not exist.
    HebreuAvantUn,
    VeadarAnneeCommune, // n1: the year
    MoisInexistant,     // n1 month, n2 year, n3 months in it
    JourInexistant,     // n1 day, n2 year, n3 days of month mois; moisNomme: the month
                        // was written by its name
    MayaAvantEpoque,
    MayaPlaces,
    HorsCalendrier,   // a day before the calendar's first
    CompteRomain,     // mot: a Roman day's name that names no day of its month
    BisCommune,       // "bis VI" in a year without a leap day (n1)
    AnZeroEre,        // mot: "0 av. J.-C."
    AnneeNegativeEre, // n1 written with the era mot

    // The calendars in use today: year n1 outside the range of calendrier, a
    // Julian Day outside it, a Chinese month number n1 outside 1 to 12, the
    // leap month n1 of Chinese year n2, whose leap month is n3 (0: none).
    AnneeHorsPlage,
    JourHorsPlage,
    NumeroMoisChinois,
    MoisIntercalaireAbsent,
    // A date of a region's documents that names no day (raisonCivile, region,
    // style, partie; n1, n2, n3 the year, month and day as written), a day
    // written from a feast that names none (forme).
    DateCivile,
    FeteCivile,
};

struct Refus
{
    Motif motif = Motif::Aucun;
    TypeCalendrier calendrier = GREGORIEN;
    TypeCalendrier autre = GREGORIEN;
    Masque autres = 0;
    std::string_view mot;
    std::int64_t n1 = 0, n2 = 0, n3 = 0;
    bool moisNomme = false;
    // For JourInexistant: the month (numbered in its year) and whether its
    // Hebrew year has 13 months, to name it.
    std::int64_t mois = 0;
    bool embolismique = false;
    // For DateCivile and FeteCivile.
    chronastre::Refus raisonCivile = chronastre::Refus::Aucun;
    Region region = Region::ROME;
    Style style = Style::CIRCONCISION;
    PartiePaques partie = PartiePaques::Indifferente;
    FormeFete forme;

    explicit operator bool() const { return motif != Motif::Aucun; }
    // Whether the text read as a date, which does not exist.
    bool inexistante() const { return motif >= Motif::HebreuAvantUn; }
};

inline Refus refusDe(Motif motif)
{
    Refus r;
    r.motif = motif;
    return r;
}

// Why, in French: "le 31 Brumaire 8 n'existe pas : Brumaire a 30 jours en
// l'an 8". Words of the text are shown through montrer.
std::string texteRefus(const Refus& refus);

// "calendrier républicain": the caption of calendar type, without its colon.
std::string nomDuCalendrier(TypeCalendrier type);

// The warning for a weekday that disagrees with its date: "attention, cette
// date est un Lundi, pas un Mardi".
std::string semaineDiscordante(std::string_view juste, std::string_view ecrit);

// The warning for a tzolkin and haab that disagree with their long count.
std::string mayaDiscordant(std::string_view juste, std::string_view ecrit);

} // namespace chronastre::texte
