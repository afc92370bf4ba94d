#pragma once

// The calendar keywords of the command line, in the order of the calendar
// kinds: the order of TOUS's fields and of the entry's list.
inline constexpr const char* motsCalendriers[] = {
    "ARMENIEN", "EGYPTIEN",    "KHWARIZMIEN", "PERSE",    "COPTE",        "ETHIOPIEN",
    "JULIEN",   "MACEDONIEN",  "SYRIEN",      "BAHAI",    "GREGORIEN",    "REPUBLICAIN",
    "SAKA",     "ISLAMIQUE_A", "ISLAMIQUE_B", "ROMAIN_I", "ROMAIN_II",    "HEBREU",
    "MAYA",     "IRANIEN",     "UMM_AL_QURA", "CHINOIS",  "BAHAI_TEHERAN"};
