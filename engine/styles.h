#pragma once

#include "engine/reforme.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The styles of the year's beginning: a written date names its day and month
// as we do, but its year may begin on another day than 1 January, so that
// part of the year bears another number than ours.
namespace chronastre {

enum class Style : std::uint8_t
{
    CIRCONCISION, // 1 January, the Roman year
    NOEL,         // 25 December before our 1 January (style of the Nativity)
    ANNONCIATION, // 25 March after our 1 January (Florence, England)
    PISAN,        // 25 March before our 1 January (Pisa)
    PAQUES,       // Easter Sunday (France before 1567): 11 to 13 months
};
inline constexpr int nombreStyles = 5;

struct DescriptionStyle
{
    Style style;
    std::string_view identifiant; // the keyword, "PAQUES"
    std::string_view nom;         // "style de Pâques", UTF-8 within Latin-1
    std::string_view source;
};

// clang-format off
inline constexpr std::array<DescriptionStyle, nombreStyles> styles = {{
    {Style::CIRCONCISION, "CIRCONCISION", "style de la Circoncision",
     "1er janvier : usage romain ; en France par l'édit de Roussillon (1564), appliqué en 1567 ; Giry 1894"},
    {Style::NOEL, "NOEL", "style de Noël",
     "25 décembre (style de la Nativité) : Giry 1894 ; Grotefend 1898"},
    {Style::ANNONCIATION, "ANNONCIATION", "style de l'Annonciation",
     "25 mars suivant le 1er janvier (calcul florentin) : Florence jusqu'en 1749, Angleterre jusqu'en 1751 ; Giry 1894 ; Cappelli"},
    {Style::PISAN, "PISAN", "style pisan",
     "25 mars précédant le 1er janvier (calcul pisan) : Pise jusqu'en 1749 ; Giry 1894 ; Cappelli"},
    {Style::PAQUES, "PAQUES", "style de Pâques",
     "Dimanche de Pâques (mos gallicanus) : la plupart des pays de France avant 1567 ; Giry 1894"},
}};
// clang-format on

static_assert(
    [] {
        for (std::size_t k = 0; k < styles.size(); ++k) {
            if (styles[k].style != static_cast<Style>(k))
                return false;
        }
        return true;
    }(),
    "styles is read at the style's enumerator");

constexpr const DescriptionStyle& descriptionStyle(Style style)
{
    return styles[static_cast<std::size_t>(style)];
}

// The style a keyword names, in any case; none for another word.
std::optional<Style> styleParIdentifiant(std::string_view mot);

// The style that "ancien style" ("a. s.", "v. st.") names in a region's
// documents when nothing else says which: the Annunciation's in Great
// Britain, whose year began on 25 March until the Calendar (New Style) Act
// 1750; the Easter style elsewhere, the "ancien style" of French diplomatic
// usage (Giry 1894). docs/reformes.md says so.
Style styleAncien(Region region);

// In the Easter style a day and month can occur twice in one year: after
// the Easter that opens it (in our year of the same number) and before the
// Easter that closes it (in our next year). "après Pâques" and "avant
// Pâques" say which.
enum class PartiePaques : std::uint8_t
{
    Indifferente,
    ApresPaques,
    AvantPaques,
};

// What a written date or a feast names: one day, two (a day that occurs
// twice in an Easter-style year), or none and why. jours holds nombre day
// numbers in increasing order.
struct Resolution
{
    std::array<std::int64_t, 2> jours{};
    int nombre = 0;
    Refus refus = Refus::Aucun;
};

// The day (or the two days) that a date written in a style and a region
// means: year as written, month and day of the region's calendar (Julian
// before its reform, Gregorian from it), Easter by the region's computus.
// A part other than Indifferente applies the Easter style whatever style
// says, since "avant Pâques" is only written in it.
Resolution jourEnStyle(Style style, Region region, std::int64_t annee, std::int64_t mois,
                       std::int64_t jour, PartiePaques partie = PartiePaques::Indifferente);

// The year that day numeroJour bears in a style and a region; none beyond
// jourLimite.
std::optional<std::int64_t> anneeEnStyle(Style style, Region region, std::int64_t numeroJour);

// The same from what the caller already knows: the day's civil date in the
// region and the day number of Easter of that date's year (read only in the
// Easter style).
std::int64_t anneeEnStyle(Style style, const DateCivile& date, std::int64_t numeroJour,
                          std::int64_t paquesDeLAnnee);

// Day numeroJour as a date of a style and a region: its year in the style,
// the region's month and day, and in the Easter style the part that tells it
// from the other day of the same date, when there is one.
struct DateEnStyle
{
    std::int64_t annee = 0;
    std::int64_t mois = 0;
    std::int64_t jour = 0;
    PartiePaques partie = PartiePaques::Indifferente;
    Regime regime = Regime::JULIEN;
};
std::optional<DateEnStyle> dateEnStyle(Style style, Region region, std::int64_t numeroJour);

} // namespace chronastre
