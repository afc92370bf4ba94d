// The command-line dispatcher fed any argument vector: the input split on NUL
// bytes into 0 to 9 arguments. It must write only what the command line can
// write, return 0, 1 or 2, tell every usage error (2) with where to look,
// and never pass a raw control, C1, bidirectional or malformed byte of its
// input into a message; a batch reads an empty standard input.

#include "main/lignecommande.h"
#include "main/messages.h"
#include "main/sortie.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> lignes(const std::string& octets)
{
    std::vector<std::string> resultat;
    std::size_t debut = 0;
    while (debut < octets.size()) {
        const std::size_t fin = octets.find('\n', debut);
        if (fin == std::string::npos) {
            resultat.push_back(octets.substr(debut) + "<no newline>");
            break;
        }
        resultat.push_back(octets.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return resultat;
}

bool correspond(const std::string& ligne, const std::regex& motif)
{
    return std::regex_match(ligne, motif);
}

const std::regex paques("(2[2-9]|3[01]) 3|([1-9]|1[0-9]|2[0-5]) 4");
const std::regex nombreOr("Nombre d'or       : ([1-9]|1[0-9])");
const std::regex epacte("Epacte            : ([0-9]|[12][0-9])");
const std::regex cycleSolaire("Cycle solaire     : ([1-9]|1[0-9]|2[0-8])");
const std::regex indiction("Indiction romaine : ([1-9]|1[0-5])");
const std::regex lettres("Lettre dominicale : ([A-G]|AG|BA|CB|DC|ED|FE|GF)");
const std::regex jourJulien("Jour julien        : -?[0-9]+\\.[0-9]{5}");
const std::regex
    semaine("Jour de la semaine : (Dimanche|Lundi|Mardi|Mercredi|Jeudi|Vendredi|Samedi)");
const std::regex jourAnnee("Jour de l'ann\xE9"
                           "e    : -?[0-9]+");
const std::regex date("-?[0-9]+ -?[0-9]+i? -?[0-9]+");
// PAQUES in a region's calendar (--reforme): the Julian Easter written as a
// Gregorian date drifts with the centuries.
const std::regex paquesRegion("([1-9]|[12][0-9]|3[01]) ([1-9]|1[0-2])");
// A line of FETES: the feast, its date, its calendar (Latin-1).
const std::regex fete("[^\t]+\t(Dimanche|Lundi|Mardi|Mercredi|Jeudi|Vendredi|Samedi) "
                      "([1-9]|[12][0-9]|3[01]|1er) [^ \t]+ -?[0-9]+\t"
                      "(julien|gr\xE9gorien|su\xE9"
                      "dois)");
const std::regex maya("-?[0-9]+(\\.-?[0-9]+){5}, -?[0-9]+ -?[0-9]+ -?[0-9]+ -?[0-9]+");

// Whether lines [debut, debut + 29) are the report's calendar lines, those
// in use today included.
bool lignesTous(const std::vector<std::string>& l, std::size_t debut)
{
    for (std::size_t i = 0; i < 29; ++i) {
        const bool vide = i == 2 || i == 7 || i == 12 || i == 15 || i == 19 || i == 24;
        const std::string& ligne = l[debut + i];
        if (vide != ligne.empty() || (!vide && ligne.rfind("Calendrier ", 0) != 0))
            return false;
    }
    return true;
}

// Checks the whole output against the forms the command line can write.
// region: --reforme was given.
bool sortieValide(std::size_t nombreArguments, const std::string& octets, bool region)
{
    if (octets.empty())
        return true;
    chronastre::Sortie usage;
    chronastre::afficherUsage(usage);
    if (octets == usage.octets())
        return nombreArguments == 1 || nombreArguments == 3 || nombreArguments == 6 ||
               nombreArguments >= 9;

    const std::vector<std::string> l = lignes(octets);
    switch (nombreArguments) {
    case 1:
        return l.size() == 1 && l[0] == "chronastre " CHRONASTRE_VERSION;
    case 2:
        if (l.size() == 1) // PAQUES: 22 March .. 25 April
            return correspond(l[0], paques) || (region && correspond(l[0], paquesRegion));
        if (l.size() == 5 && correspond(l[0], nombreOr))
            return correspond(l[1], epacte) && correspond(l[2], cycleSolaire) &&
                   correspond(l[3], indiction) && correspond(l[4], lettres);
        // FETES: the movable feasts and the Sundays of Advent.
        return l.size() >= 20 && l.size() <= 29 &&
               std::all_of(l.begin(), l.end(),
                           [](const std::string& ligne) { return correspond(ligne, fete); });
    case 4:
    case 7:
        if (l.empty() || l[0] != "coucou")
            return false;
        return l.size() == 1 || (l.size() == 4 && correspond(l[1], jourJulien) &&
                                 correspond(l[2], semaine) && correspond(l[3], jourAnnee));
    case 3: // a written date: DEPART ARRIVEE "texte"
    case 5:
    case 8:
        if (l.size() == 29) // TOUS: the report's calendar lines, those in use today
            return lignesTous(l, 0);
        // A date of CIVIL that names two days: both, one after the other.
        if (l.size() == 58)
            return lignesTous(l, 0) && lignesTous(l, 29);
        if (l.size() == 2)
            return correspond(l[0], date) && correspond(l[1], date);
        return l.size() == 1 && (correspond(l[0], date) || correspond(l[0], maya));
    default:
        return false;
    }
}

// How many arguments the options (--ordre JMA, --strict, ...) take,
// wherever they stand: the command is read from the rest.
std::size_t argumentsDesOptions(const std::vector<std::string_view>& arguments)
{
    std::size_t options = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!argument.starts_with("--") || argument.size() <= 2)
            continue;
        const std::string_view nom = argument.substr(0, argument.find('='));
        const bool avecValeur = nom == "--colonne" || nom == "--separateur" || nom == "--ordre" ||
                                nom == "--reforme" || nom == "--style";
        if (!avecValeur && nom != "--entete" && nom != "--strict" && nom != "--modifications" &&
            nom != "--doubles-juliennes")
            continue; // help, the version, or not understood
        ++options;
        if (avecValeur && nom.size() == argument.size() && i + 1 < arguments.size()) {
            ++options;
            ++i;
        }
    }
    return options;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    std::vector<std::string_view> arguments;
    std::size_t debut = 0;
    while (debut <= entree.size() && arguments.size() < 9) {
        const std::size_t fin = std::min(entree.find('\0', debut), entree.size());
        arguments.push_back(entree.substr(debut, fin - debut));
        debut = fin + 1;
    }
    if (taille == 0)
        return 0; // no argument: the window, not the command line

    chronastre::Sortie sortie;
    chronastre::Canaux canaux{sortie};
    std::vector<std::string> messages;
    canaux.signaler = [&messages](std::string_view message) {
        messages.emplace_back(message);
    };
    const int code = chronastre::executerCommande(arguments, canaux);
    if (code < 0 || code > 2)
        std::abort();
    const bool region = std::any_of(arguments.begin(), arguments.end(),
                                    [](std::string_view a) { return a.starts_with("--reforme"); });
    if (!sortieValide(arguments.size() - argumentsDesOptions(arguments), sortie.octets(), region))
        std::abort();
    bool renvoi = false;
    for (const std::string& message : messages) {
        if (!message.starts_with("chronastre : ") || chronastre::texte::montrer(message) != message)
            std::abort();
        renvoi = renvoi || message.ends_with(" ; voir chronastre -h ou man chronastre.");
    }
    if (renvoi != (code == chronastre::codeUsage))
        std::abort();
    return 0;
}
