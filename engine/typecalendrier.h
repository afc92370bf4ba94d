#pragma once

namespace chronastre {

// The nineteen calendars, in the order in which the window converts them.
// The enumerators are also the command-line keywords.
enum TypeCalendrier : int
{
    ARMENIEN,
    EGYPTIEN,
    KHWARIZMIEN,
    PERSE,
    COPTE,
    ETHIOPIEN,
    JULIEN,
    MACEDONIEN,
    SYRIEN,
    BAHAI,
    GREGORIEN,
    REPUBLICAIN,
    SAKA,
    ISLAMIQUE_A,
    ISLAMIQUE_B,
    ROMAIN_I,
    ROMAIN_II,
    HEBREU,
    MAYA,
    CALENDRIER_INCONNU = 999, // a keyword that names no calendar
};

inline constexpr int nombreCalendriers = 19;
inline constexpr int nombreCalendriersParametriques = 17; // ARMENIEN .. ROMAIN_II

} // namespace chronastre
