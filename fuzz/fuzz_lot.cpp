// The batch reader fed any bytes: the first byte picks the departure (23 is
// CIVIL) and a region, the second the arrival (23 is TOUS, 24 CIVIL) and a
// style, the third the options, the rest is
// standard input, handed over in pieces of varying size. One output line per
// input line (ended by LF, CR LF or a lone CR), each empty or of the form a
// conversion prints when no column is read; the exit code says whether a
// line was rejected; every message names a line that exists.

#include "fuzz/canaux.h"
#include "main/lignecommande.h"
#include "main/lot.h"
#include "main/sortie.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// An optional minus sign and at least one digit.
bool entier(std::string_view t)
{
    if (!t.empty() && t[0] == '-')
        t.remove_prefix(1);
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string_view> decouper(std::string_view t, char separateur)
{
    std::vector<std::string_view> parties;
    for (std::size_t fin; (fin = t.find(separateur)) != std::string_view::npos;) {
        parties.push_back(t.substr(0, fin));
        t.remove_prefix(fin + 1);
    }
    parties.push_back(t);
    return parties;
}

bool date(std::string_view t)
{
    const auto p = decouper(t, ' ');
    return p.size() == 3 && std::all_of(p.begin(), p.end(), entier);
}

// A Chinese date: its month may be a leap month, "2i".
bool dateChinoise(std::string_view t)
{
    const auto p = decouper(t, ' ');
    return p.size() == 3 && entier(p[0]) && entier(p[2]) &&
           (entier(p[1]) ||
            (p[1].size() > 1 && p[1].back() == 'i' && entier(p[1].substr(0, p[1].size() - 1))));
}

// "p.b.k.t.u.k, n j h m"
bool maya(std::string_view t)
{
    const std::size_t virgule = t.find(", ");
    if (virgule == std::string_view::npos)
        return false;
    const auto compteLong = decouper(t.substr(0, virgule), '.');
    const auto ronde = decouper(t.substr(virgule + 2), ' ');
    return compteLong.size() == 6 && ronde.size() == 4 &&
           std::all_of(compteLong.begin(), compteLong.end(), entier) &&
           std::all_of(ronde.begin(), ronde.end(), entier);
}

// A result, or with CIVIL as departure the two results of a date that names
// two days, joined by " ou ".
template <typename Forme>
bool unOuDeux(std::string_view t, Forme forme, bool civil)
{
    const std::size_t ou = civil ? t.find(" ou ") : std::string_view::npos;
    if (ou == std::string_view::npos)
        return forme(t);
    return forme(t.substr(0, ou)) && forme(t.substr(ou + 4));
}

// arrivee below nombreCalendriers a calendar, nombreCalendriers TOUS, the
// next CIVIL.
bool ligneValide(std::string_view ligne, int arrivee, bool civil)
{
    if (ligne.empty())
        return true;
    using chronastre::nombreCalendriers;
    if (arrivee == chronastre::MAYA)
        return unOuDeux(ligne, maya, civil);
    if (arrivee == chronastre::CHINOIS)
        return unOuDeux(ligne, dateChinoise, civil);
    if (arrivee < nombreCalendriers || arrivee == nombreCalendriers + 1)
        return unOuDeux(ligne, date, civil);
    // TOUS: every calendar, a calendar in use today empty outside its range.
    const auto champs = decouper(ligne, '\t');
    if (champs.size() != nombreCalendriers)
        return false;
    for (std::size_t k = 0; k < champs.size(); ++k) {
        const bool vide = k >= chronastre::premierCalendrierEnUsage && champs[k].empty();
        const bool valide = k == chronastre::MAYA      ? unOuDeux(champs[k], maya, civil)
                            : k == chronastre::CHINOIS ? unOuDeux(champs[k], dateChinoise, civil)
                                                       : unOuDeux(champs[k], date, civil);
        if (!vide && !valide)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille < 3)
        return 0;
    // Departure nombreCalendriers and arrival nombreCalendriers + 1 are
    // CIVIL, in the region and style the rest of the first two bytes pick.
    constexpr int n = chronastre::nombreCalendriers;
    const auto depart = static_cast<chronastre::TypeCalendrier>(donnees[0] % (n + 1));
    const int arrivee = donnees[1] % (n + 2);
    chronastre::OptionsLot options;
    options.departCivil = depart == n;
    options.arriveeCivile = arrivee == n + 1;
    options.region =
        static_cast<chronastre::Region>((donnees[0] / (n + 1)) % chronastre::nombreRegions);
    if ((donnees[1] / (n + 2)) % 6 < 5)
        options.style = static_cast<chronastre::Style>((donnees[1] / (n + 2)) % 6);
    options.strict = (donnees[2] & 1) != 0;
    options.ordre = static_cast<chronastre::texte::Ordre>((donnees[2] >> 1) % 3);
    if ((donnees[2] & 8) != 0)
        options.colonne = 1 + ((donnees[2] >> 4) & 3);
    options.entete = (donnees[2] & 64) != 0;
    if ((donnees[2] & 128) != 0)
        options.separateur = ';';
    const std::string_view entree(reinterpret_cast<const char*>(donnees) + 3, taille - 3);

    CanauxEssai essai(entree);
    const chronastre::Canaux& canaux = essai.canaux;
    const std::string& sortie = essai.sortie;
    const std::vector<std::string>& messages = essai.messages;

    const int code = chronastre::convertirLot(
        options.departCivil ? chronastre::JULIEN : depart,
        arrivee >= chronastre::nombreCalendriers
            ? std::nullopt
            : std::optional(static_cast<chronastre::TypeCalendrier>(arrivee)),
        canaux, options);

    std::size_t lignesEntree = 0;
    for (std::size_t i = 0; i < entree.size(); ++i) {
        if (entree[i] == '\n' ||
            (entree[i] == '\r' && (i + 1 == entree.size() || entree[i + 1] != '\n')))
            ++lignesEntree;
    }
    const char derniere = entree.empty() ? '\n' : entree.back();
    // A last line without its end (a lone byte-order mark is no line).
    if (derniere != '\n' && derniere != '\r' && entree != "\xEF\xBB\xBF")
        ++lignesEntree;
    if (!sortie.empty() && sortie.back() != '\n')
        std::abort();
    const auto lignesSortie =
        static_cast<std::size_t>(std::count(sortie.begin(), sortie.end(), '\n'));
    if (lignesSortie != lignesEntree)
        std::abort();
    std::size_t rang = 0;
    for (std::string_view ligne : decouper(
             std::string_view(sortie).substr(0, sortie.size() - (sortie.empty() ? 0 : 1)), '\n')) {
        // With --entete, a first line that holds no date is passed through.
        const bool entete = options.entete && rang++ == 0;
        if (!options.colonne && !entete && !ligneValide(ligne, arrivee, options.departCivil))
            std::abort();
    }
    bool rejet = false;
    for (const std::string& m : messages) {
        if (m.rfind("chronastre : ligne ", 0) != 0)
            std::abort();
        char* fin = nullptr;
        const long numero = std::strtol(m.c_str() + 19, &fin, 10);
        if (numero < 1 || static_cast<std::size_t>(numero) > lignesEntree)
            std::abort();
        // A warning opens with "attention, "; the rest of a message may quote
        // the line, whatever it holds.
        rejet = rejet || !std::string_view(fin).starts_with(" : attention, ");
    }
    if (code != (rejet ? 1 : 0))
        std::abort();
    return 0;
}
