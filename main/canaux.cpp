#include "main/canaux.h"

#include <array>

namespace chronastre {

namespace {

constexpr std::array<std::string_view, nombreCalendriers> motsCalendriers = {
    "ARMENIEN", "EGYPTIEN",    "KHWARIZMIEN", "PERSE",    "COPTE",        "ETHIOPIEN",
    "JULIEN",   "MACEDONIEN",  "SYRIEN",      "BAHAI",    "GREGORIEN",    "REPUBLICAIN",
    "SAKA",     "ISLAMIQUE_A", "ISLAMIQUE_B", "ROMAIN_I", "ROMAIN_II",    "HEBREU",
    "MAYA",     "IRANIEN",     "UMM_AL_QURA", "CHINOIS",  "BAHAI_TEHERAN"};

} // namespace

TypeCalendrier typeDepuisMot(std::string_view mot)
{
    for (std::size_t i = 0; i < motsCalendriers.size(); ++i) {
        if (motsCalendriers[i] == mot)
            return static_cast<TypeCalendrier>(i);
    }
    return CALENDRIER_INCONNU;
}

std::string_view motDuType(TypeCalendrier type)
{
    return type >= 0 && type < nombreCalendriers ? motsCalendriers[static_cast<std::size_t>(type)]
                                                 : std::string_view();
}

} // namespace chronastre
