#pragma once

namespace chronastre {

// The calendars, in the order in which the window converts them: the
// nineteen historical and arithmetic ones, then the four in use today, exact
// over the range of their tables. The enumerators are also the command-line
// keywords.
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
    IRANIEN,
    UMM_AL_QURA,
    CHINOIS,
    BAHAI_TEHERAN,
    CALENDRIER_INCONNU = 999, // a keyword that names no calendar
};

inline constexpr int nombreCalendriers = 23;
inline constexpr int premierCalendrierEnUsage = IRANIEN;  // IRANIEN .. BAHAI_TEHERAN
inline constexpr int nombreCalendriersParametriques = 17; // ARMENIEN .. ROMAIN_II

} // namespace chronastre
