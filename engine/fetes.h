#pragma once

#include "engine/reforme.h"
#include "engine/styles.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The feasts by which medieval and early modern documents are dated: the
// fixed ones on a day of the region's calendar, the movable ones at a
// distance from its Easter, the Sundays of Advent before its Christmas; and
// the relations a date is written in ("la veille de la Toussaint", "le jeudi
// après la Saint-Martin d'hiver"). Their names are in names/noms_fetes.h;
// docs/reformes.md gives the sources.
namespace chronastre {

enum class Fete : std::uint8_t
{
    // Fixed, in the order of the year.
    CIRCONCISION,
    EPIPHANIE,
    SAINT_ANTOINE,
    SAINT_SEBASTIEN,
    SAINT_VINCENT,
    CONVERSION_SAINT_PAUL,
    CHANDELEUR,
    SAINT_MATHIAS,
    ANNONCIATION,
    SAINT_GEORGES,
    SAINT_MARC,
    PHILIPPE_JACQUES,
    INVENTION_CROIX,
    SAINT_BARNABE,
    SAINT_JEAN_BAPTISTE,
    PIERRE_PAUL,
    SAINT_MARTIN_ETE,
    SAINTE_MADELEINE,
    SAINT_JACQUES,
    SAINTE_ANNE,
    SAINT_PIERRE_LIENS,
    SAINT_LAURENT,
    ASSOMPTION,
    SAINT_BARTHELEMY,
    SAINT_LOUIS,
    DECOLLATION,
    SAINT_GILLES,
    NATIVITE_NOTRE_DAME,
    EXALTATION_CROIX,
    SAINT_MATTHIEU,
    SAINT_MICHEL,
    SAINT_REMI,
    SAINT_DENIS,
    SAINT_LUC,
    SAINT_CREPIN,
    SIMON_JUDE,
    TOUSSAINT,
    MORTS,
    SAINT_MARTIN_HIVER,
    SAINT_BRICE,
    SAINT_CLEMENT,
    SAINTE_CATHERINE,
    SAINT_ANDRE,
    SAINT_NICOLAS,
    CONCEPTION,
    SAINTE_LUCIE,
    SAINT_THOMAS,
    NOEL,
    SAINT_ETIENNE,
    SAINT_JEAN_EVANGELISTE,
    INNOCENTS,
    SAINT_SYLVESTRE,
    // Movable, from Easter.
    SEPTUAGESIME,
    SEXAGESIME,
    QUINQUAGESIME,
    CENDRES,
    INVOCAVIT,
    REMINISCERE,
    OCULI,
    LAETARE,
    JUDICA,
    RAMEAUX,
    JEUDI_SAINT,
    VENDREDI_SAINT,
    SAMEDI_SAINT,
    PAQUES,
    QUASIMODO,
    MISERICORDIA,
    JUBILATE,
    CANTATE,
    VOCEM_JUCUNDITATIS,
    ROGATIONS,
    ASCENSION,
    EXAUDI,
    PENTECOTE,
    TRINITE,
    FETE_DIEU,
    // The Sundays of Advent, from Christmas.
    AVENT_1,
    AVENT_2,
    AVENT_3,
    AVENT_4,
};
inline constexpr int nombreFetes = 81;

enum class GenreFete : std::uint8_t
{
    FIXE,   // on mois/jour of the region's calendar
    MOBILE, // decalage days after the region's Easter (before it when negative)
    AVENT,  // the decalage-th Sunday of Advent: the fourth is the last Sunday before Christmas
};

struct RegleFete
{
    Fete fete;
    GenreFete genre;
    std::int8_t mois;
    std::int8_t jour;
    std::int16_t decalage;
    bool bissexte; // a day later in a leap year (the feast after the doubled 24 February)
    std::string_view source;
};

// clang-format off
inline constexpr std::array<RegleFete, nombreFetes> reglesFetes = {{
    {Fete::CIRCONCISION,           GenreFete::FIXE,  1,  1, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::EPIPHANIE,              GenreFete::FIXE,  1,  6, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_ANTOINE,          GenreFete::FIXE,  1, 17, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_SEBASTIEN,        GenreFete::FIXE,  1, 20, 0, false, "Saints Fabien et Sébastien : calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_VINCENT,          GenreFete::FIXE,  1, 22, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::CONVERSION_SAINT_PAUL,  GenreFete::FIXE,  1, 25, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::CHANDELEUR,             GenreFete::FIXE,  2,  2, 0, false, "Purification : calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_MATHIAS,          GenreFete::FIXE,  2, 24, 0, true,  "24 février, 25 en année bissextile : Grotefend 1898 ; Giry 1894"},
    {Fete::ANNONCIATION,           GenreFete::FIXE,  3, 25, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_GEORGES,          GenreFete::FIXE,  4, 23, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_MARC,             GenreFete::FIXE,  4, 25, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::PHILIPPE_JACQUES,       GenreFete::FIXE,  5,  1, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::INVENTION_CROIX,        GenreFete::FIXE,  5,  3, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_BARNABE,          GenreFete::FIXE,  6, 11, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_JEAN_BAPTISTE,    GenreFete::FIXE,  6, 24, 0, false, "Nativité de saint Jean-Baptiste : calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::PIERRE_PAUL,            GenreFete::FIXE,  6, 29, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_MARTIN_ETE,       GenreFete::FIXE,  7,  4, 0, false, "Translation de saint Martin : Giry 1894 ; Grotefend 1898"},
    {Fete::SAINTE_MADELEINE,       GenreFete::FIXE,  7, 22, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_JACQUES,          GenreFete::FIXE,  7, 25, 0, false, "Saint Jacques le Majeur : calendrier romain ; Grotefend 1898"},
    {Fete::SAINTE_ANNE,            GenreFete::FIXE,  7, 26, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_PIERRE_LIENS,     GenreFete::FIXE,  8,  1, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_LAURENT,          GenreFete::FIXE,  8, 10, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::ASSOMPTION,             GenreFete::FIXE,  8, 15, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_BARTHELEMY,       GenreFete::FIXE,  8, 24, 0, false, "Calendrier romain (le 25 dans une partie de la France) ; Grotefend 1898"},
    {Fete::SAINT_LOUIS,            GenreFete::FIXE,  8, 25, 0, false, "Calendrier de France, depuis la canonisation de 1297"},
    {Fete::DECOLLATION,            GenreFete::FIXE,  8, 29, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_GILLES,           GenreFete::FIXE,  9,  1, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::NATIVITE_NOTRE_DAME,    GenreFete::FIXE,  9,  8, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::EXALTATION_CROIX,       GenreFete::FIXE,  9, 14, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_MATTHIEU,         GenreFete::FIXE,  9, 21, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_MICHEL,           GenreFete::FIXE,  9, 29, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_REMI,             GenreFete::FIXE, 10,  1, 0, false, "Translation de saint Remi : Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_DENIS,            GenreFete::FIXE, 10,  9, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_LUC,              GenreFete::FIXE, 10, 18, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_CREPIN,           GenreFete::FIXE, 10, 25, 0, false, "Saints Crépin et Crépinien : calendrier romain ; Grotefend 1898"},
    {Fete::SIMON_JUDE,             GenreFete::FIXE, 10, 28, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::TOUSSAINT,              GenreFete::FIXE, 11,  1, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::MORTS,                  GenreFete::FIXE, 11,  2, 0, false, "Commémoration des fidèles trépassés : Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_MARTIN_HIVER,     GenreFete::FIXE, 11, 11, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_BRICE,            GenreFete::FIXE, 11, 13, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_CLEMENT,          GenreFete::FIXE, 11, 23, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINTE_CATHERINE,       GenreFete::FIXE, 11, 25, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_ANDRE,            GenreFete::FIXE, 11, 30, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_NICOLAS,          GenreFete::FIXE, 12,  6, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::CONCEPTION,             GenreFete::FIXE, 12,  8, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINTE_LUCIE,           GenreFete::FIXE, 12, 13, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SAINT_THOMAS,           GenreFete::FIXE, 12, 21, 0, false, "Saint Thomas apôtre : calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::NOEL,                   GenreFete::FIXE, 12, 25, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_ETIENNE,          GenreFete::FIXE, 12, 26, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_JEAN_EVANGELISTE, GenreFete::FIXE, 12, 27, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::INNOCENTS,              GenreFete::FIXE, 12, 28, 0, false, "Calendrier romain ; Giry 1894 ; Grotefend 1898"},
    {Fete::SAINT_SYLVESTRE,        GenreFete::FIXE, 12, 31, 0, false, "Calendrier romain ; Grotefend 1898"},
    {Fete::SEPTUAGESIME,       GenreFete::MOBILE, 0, 0, -63, false, "Pâques - 63 : Grotefend 1898 ; Giry 1894"},
    {Fete::SEXAGESIME,         GenreFete::MOBILE, 0, 0, -56, false, "Pâques - 56 : Grotefend 1898 ; Giry 1894"},
    {Fete::QUINQUAGESIME,      GenreFete::MOBILE, 0, 0, -49, false, "Pâques - 49 (Esto mihi) : Grotefend 1898 ; Giry 1894"},
    {Fete::CENDRES,            GenreFete::MOBILE, 0, 0, -46, false, "Pâques - 46 : Grotefend 1898 ; Giry 1894"},
    {Fete::INVOCAVIT,          GenreFete::MOBILE, 0, 0, -42, false, "Pâques - 42 (Quadragésime) : Grotefend 1898"},
    {Fete::REMINISCERE,        GenreFete::MOBILE, 0, 0, -35, false, "Pâques - 35 : Grotefend 1898"},
    {Fete::OCULI,              GenreFete::MOBILE, 0, 0, -28, false, "Pâques - 28 : Grotefend 1898"},
    {Fete::LAETARE,            GenreFete::MOBILE, 0, 0, -21, false, "Pâques - 21 : Grotefend 1898 ; Giry 1894"},
    {Fete::JUDICA,             GenreFete::MOBILE, 0, 0, -14, false, "Pâques - 14 (dimanche de la Passion) : Grotefend 1898"},
    {Fete::RAMEAUX,            GenreFete::MOBILE, 0, 0,  -7, false, "Pâques - 7 : Grotefend 1898 ; Giry 1894"},
    {Fete::JEUDI_SAINT,        GenreFete::MOBILE, 0, 0,  -3, false, "Pâques - 3 : Grotefend 1898 ; Giry 1894"},
    {Fete::VENDREDI_SAINT,     GenreFete::MOBILE, 0, 0,  -2, false, "Pâques - 2 : Grotefend 1898 ; Giry 1894"},
    {Fete::SAMEDI_SAINT,       GenreFete::MOBILE, 0, 0,  -1, false, "Pâques - 1 : Grotefend 1898"},
    {Fete::PAQUES,             GenreFete::MOBILE, 0, 0,   0, false, "Comput de la région"},
    {Fete::QUASIMODO,          GenreFete::MOBILE, 0, 0,   7, false, "Pâques + 7 : Grotefend 1898 ; Giry 1894"},
    {Fete::MISERICORDIA,       GenreFete::MOBILE, 0, 0,  14, false, "Pâques + 14 : Grotefend 1898"},
    {Fete::JUBILATE,           GenreFete::MOBILE, 0, 0,  21, false, "Pâques + 21 : Grotefend 1898"},
    {Fete::CANTATE,            GenreFete::MOBILE, 0, 0,  28, false, "Pâques + 28 : Grotefend 1898"},
    {Fete::VOCEM_JUCUNDITATIS, GenreFete::MOBILE, 0, 0,  35, false, "Pâques + 35 (Rogate) : Grotefend 1898"},
    {Fete::ROGATIONS,          GenreFete::MOBILE, 0, 0,  36, false, "Lundi des Rogations, Pâques + 36 : Grotefend 1898 ; Giry 1894"},
    {Fete::ASCENSION,          GenreFete::MOBILE, 0, 0,  39, false, "Pâques + 39 : Grotefend 1898 ; Giry 1894"},
    {Fete::EXAUDI,             GenreFete::MOBILE, 0, 0,  42, false, "Pâques + 42 : Grotefend 1898"},
    {Fete::PENTECOTE,          GenreFete::MOBILE, 0, 0,  49, false, "Pâques + 49 : Grotefend 1898 ; Giry 1894"},
    {Fete::TRINITE,            GenreFete::MOBILE, 0, 0,  56, false, "Pâques + 56 : Grotefend 1898 ; Giry 1894"},
    {Fete::FETE_DIEU,          GenreFete::MOBILE, 0, 0,  60, false, "Pâques + 60 : Grotefend 1898 ; Giry 1894"},
    {Fete::AVENT_1, GenreFete::AVENT, 0, 0, 1, false, "Quatrième dimanche avant Noël : Grotefend 1898"},
    {Fete::AVENT_2, GenreFete::AVENT, 0, 0, 2, false, "Troisième dimanche avant Noël : Grotefend 1898"},
    {Fete::AVENT_3, GenreFete::AVENT, 0, 0, 3, false, "Deuxième dimanche avant Noël : Grotefend 1898"},
    {Fete::AVENT_4, GenreFete::AVENT, 0, 0, 4, false, "Dernier dimanche avant Noël : Grotefend 1898"},
}};
// clang-format on

static_assert(
    [] {
        for (std::size_t k = 0; k < reglesFetes.size(); ++k) {
            if (reglesFetes[k].fete != static_cast<Fete>(k))
                return false;
        }
        return true;
    }(),
    "reglesFetes is read at the feast's enumerator");

constexpr const RegleFete& regleFete(Fete fete)
{
    return reglesFetes[static_cast<std::size_t>(fete)];
}

// Whether a feast always falls on a Sunday (Easter, the Sundays named by
// their introits, Pentecost, the Sundays of Advent): the days of its week
// are written from it ("le lundi de Pâques").
constexpr bool feteDominicale(Fete fete)
{
    const RegleFete& r = regleFete(fete);
    return r.genre == GenreFete::AVENT || (r.genre == GenreFete::MOBILE && r.decalage % 7 == 0);
}

// The day of a feast in our year annee (counted from 1 January) in a region:
// a fixed feast on its date of the region's calendar (Saint Mathias a day
// later when that February has a 29th day), a movable one from the region's
// Easter, the Sundays of Advent before its Christmas. None when the reform
// skipped that day (or Christmas), or beyond anneeLimite.
std::optional<std::int64_t> jourDeFete(Fete fete, Region region, std::int64_t annee);

// The feasts of one region, a few years at a time: each year's days computed
// once, for the many questions a reader or a table asks of the same years.
class FetesDeRegion
{
public:
    explicit FetesDeRegion(Region region) : region_(region) {}

    Region region() const { return region_; }
    // jourDeFete(fete, region(), annee).
    std::optional<std::int64_t> jour(Fete fete, std::int64_t annee);
    // The year a day bears in a style (anneeEnStyle), from the cached Easter.
    std::optional<std::int64_t> anneeEnStyle(Style style, std::int64_t numeroJour);

private:
    // One year: its Easter and Christmas, each when a feast first needs it,
    // and each feast when first asked.
    struct Annee
    {
        std::int64_t annee = 0;
        bool rempli = false;
        bool paquesConnue = false;
        bool noelConnu = false;
        std::optional<std::int64_t> paques;
        std::optional<std::int64_t> noel;
        std::array<std::int64_t, nombreFetes> jours{};
        std::array<std::uint8_t, nombreFetes> etat{}; // 0 not computed, 1 a day, 2 none
    };
    Annee& annee(std::int64_t annee);

    Region region_;
    std::array<Annee, 6> annees_{}; // the years last asked, in turn
    std::size_t suivante_ = 0;
};

// How a date is written from a feast.
enum class Relation : std::uint8_t
{
    JOUR,               // "la Toussaint"
    VEILLE,             // "la veille de la Toussaint": one day before
    LENDEMAIN,          // "le lendemain de l'Ascension": one day after
    OCTAVE,             // "l'octave de la Saint-Jean-Baptiste": seven days after
    JOUR_SEMAINE_AVANT, // "le jeudi avant la Saint-Martin": the last such weekday strictly before
    JOUR_SEMAINE_APRES, // "le jeudi après la Saint-Martin": the first such weekday strictly after
    NIEME_JOUR_APRES,   // "le 3e jour après la Toussaint": rang days after
};

// A date written from a feast: the relation, the feast and its year as
// written (in the style the text is read in), and in the Easter style the
// part of that year when the feast occurs twice in it.
struct FormeFete
{
    Relation relation = Relation::JOUR;
    Fete fete = Fete::PAQUES;
    std::int64_t jourSemaine = 0; // 0 = Sunday .. 6, for the weekday relations
    std::int64_t rang = 0;        // 1 .. 366, for NIEME_JOUR_APRES
    std::int64_t annee = 0;
    PartiePaques partie = PartiePaques::Indifferente;
};

// The day (or the two days) a form names, read in a style: the occurrences
// of the feast whose year in that style is the form's year, then the
// relation from each. A part other than Indifferente applies the Easter
// style.
Resolution resoudre(const FormeFete& forme, FetesDeRegion& fetes, Style style);
Resolution resoudre(const FormeFete& forme, Region region, Style style);

// Every form that names day numeroJour, as it would be written in a style:
// each feast on that day, the eve, morrow and octave, the weekday before
// each feast of the next seven days and after each of the last seven, and
// the n-th day after the last feast at least two days before it. Each reads
// back, through resoudre, to that day alone: in the Easter style a feast
// that falls twice in its year gets its part, in the others (a movable feast
// can fall twice in a year that begins on 25 March) its forms are left out.
std::vector<FormeFete> formesDuJour(std::int64_t numeroJour, FetesDeRegion& fetes, Style style);

// The movable feasts and the Sundays of Advent of our year annee in a
// region, in the order of the table (the order of the year).
struct FeteDatee
{
    Fete fete;
    std::int64_t jour;
};
std::vector<FeteDatee> fetesMobiles(Region region, std::int64_t annee);

} // namespace chronastre
