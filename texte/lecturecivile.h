#pragma once

#include "engine/fetes.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "texte/lecture.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The reader of written dates, for the dates of old documents (the keyword
// CIVIL): a date of the calendar of a region's documents (Julian before its
// reform, Gregorian from it, Sweden's of 1700-1712), its year in a style of
// the year's beginning, or a day written from a feast. lecture.cpp puts the
// reader's stages together for it, as for the other dates.
namespace chronastre::texte {

// What such a date is read in: the region, the style of a date that names
// none (--style), and the feasts of the years read, kept from one date to
// the next.
class ContexteCivil
{
public:
    explicit ContexteCivil(Region region = Region::ROME, std::optional<Style> style = {})
        : style_(style), fetes_(region)
    {}

    Region region() const { return fetes_.region(); }
    // The style a date is read in when it names none: the Circumcision's
    // (the year from 1 January) unless one is given.
    Style style() const { return style_.value_or(Style::CIRCONCISION); }
    // The style "ancien style" ("a. s.", "v. st.") names: the one given,
    // when it is not the Circumcision's, otherwise the region's
    // (styleAncien).
    Style styleAncien() const
    {
        return style_ && *style_ != Style::CIRCONCISION ? *style_
                                                        : chronastre::styleAncien(region());
    }
    FetesDeRegion& fetes() const { return fetes_; }

private:
    std::optional<Style> style_;
    mutable FetesDeRegion fetes_;
};

struct LectureCivile
{
    // The day read, or the two days of a date that occurs twice in its
    // year (the Easter style), in increasing order; meaningful when erreur
    // is empty.
    std::array<std::int64_t, 2> jours{};
    int nombre = 0;
    // Why the text names no day, in French; empty when it names one.
    std::string erreur;
    // A weekday that disagrees with the day; the day is read all the same.
    std::string avertissement;
    // The text reads as a date that does not exist (a day the reform
    // skipped, "15 avril 1500" in the Easter style).
    bool inexistante = false;
    // Something in the text belongs to a written date (as Lecture::reconnu).
    bool reconnu = false;
    // The text names a feast, a style of the year's beginning or a part of
    // an Easter-style year: it is a historian's date, not a plain one.
    bool historique = false;
};

// Reads one date of a region's documents: a date as lireDateEcrite reads
// it ("10 mars 1500", "1500 3 10", "jour julien 2299226"), in the calendar
// of the region's documents, followed by its style ("style de Pâques",
// "style de l'Annonciation", "style florentin", "style pisan", "style de
// Noël", "style de la Circoncision", "n. st.", "(a. s.)", "v. st.") and the
// part of an Easter-style year ("avant Pâques", "après Pâques"); or a day
// written from a feast: "la Toussaint 1350", "la veille de la Toussaint",
// "le lendemain de l'Ascension 1422", "l'octave de la Saint-Jean-Baptiste",
// "le jeudi après la Saint-Martin d'hiver 1350", "le dimanche de Laetare",
// "le lundi de Pâques", "le 3e jour après la Saint-Michel 1600", with a year
// and the same style and part. The year is the style's (the context's when
// the text names none); the day is counted from 1 January.
LectureCivile lireDateCivile(std::string_view texte, const ContexteCivil& contexte,
                             Ordre ordre = Ordre::AnneeMoisJour);

// The same by the general reader alone, without the quick reading of the
// usual feast dates (raccourcicivil.h).
LectureCivile lireDateCivileGenerale(std::string_view texte, const ContexteCivil& contexte,
                                     Ordre ordre = Ordre::AnneeMoisJour);

} // namespace chronastre::texte
