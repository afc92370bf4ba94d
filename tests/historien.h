#pragma once

// Helpers shared by the tests of the historian's dates: day numbers of
// Julian and Gregorian dates through the engine's plain calendars, feast
// forms, the golden files of tests/donnees, and the Latin-1 check of
// printed names.

#include "engine/calendrier.h"
#include "engine/fetes.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace historien {

inline std::int64_t julien(std::int64_t annee, std::int64_t mois, std::int64_t jour)
{
    return chronastre::Calendrier(chronastre::JULIEN).depuisCalendrier({annee, mois, jour});
}

inline std::int64_t gregorien(std::int64_t annee, std::int64_t mois, std::int64_t jour)
{
    return chronastre::Calendrier(chronastre::GREGORIEN).depuisCalendrier({annee, mois, jour});
}

// A feast form: a relation to a feast of a year.
inline chronastre::FormeFete
forme(chronastre::Relation relation, chronastre::Fete fete, std::int64_t annee,
      std::int64_t jourSemaine = 0, std::int64_t rang = 0,
      chronastre::PartiePaques partie = chronastre::PartiePaques::Indifferente)
{
    chronastre::FormeFete f;
    f.relation = relation;
    f.fete = fete;
    f.annee = annee;
    f.jourSemaine = jourSemaine;
    f.rang = rang;
    f.partie = partie;
    return f;
}

// The lines of a file of tests/donnees, comments (#) and blank lines left out.
inline std::vector<std::string> lignes(std::string_view nom)
{
    std::ifstream fichier(std::string(CHRONASTRE_DOSSIER_TESTS) + "/donnees/" + std::string(nom));
    std::vector<std::string> resultat;
    std::string ligne;
    while (std::getline(fichier, ligne)) {
        if (!ligne.empty() && ligne[0] != '#')
            resultat.push_back(ligne);
    }
    return resultat;
}

// Whether UTF-8 text stays within Latin-1 (what the command line can write).
inline bool dansLatin1(std::string_view texte)
{
    for (std::size_t k = 0; k < texte.size(); ++k) {
        const auto c = static_cast<unsigned char>(texte[k]);
        if (c < 0x80)
            continue;
        // Two-byte sequences C2 and C3 cover U+0080 to U+00FF.
        if ((c != 0xC2 && c != 0xC3) || k + 1 >= texte.size())
            return false;
        ++k;
    }
    return true;
}

} // namespace historien
