#include "main/lignecommande.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "engine/comput.h"
#include "engine/dateheure.h"
#include "main/lot.h"
#include "main/messages.h"
#include "names/noms.h"
#include "texte/rapport.h"
#include "texte/rendu.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string>

namespace chronastre {

namespace {

using Arguments = std::span<const std::string_view>;

constexpr std::array<std::string_view, nombreCalendriers> motsCalendriers = {
    "ARMENIEN",  "EGYPTIEN",    "KHWARIZMIEN", "PERSE",       "COPTE",
    "ETHIOPIEN", "JULIEN",      "MACEDONIEN",  "SYRIEN",      "BAHAI",
    "GREGORIEN", "REPUBLICAIN", "SAKA",        "ISLAMIQUE_A", "ISLAMIQUE_B",
    "ROMAIN_I",  "ROMAIN_II",   "HEBREU",      "MAYA"};

constexpr std::array<std::string_view, 38> usage = {
    "Usage :",
    "Chronastre TypeCalendrierDepart TypeCalendrierArrivee Annee Mois Jour",
    "",
    "TypeCalendrier :",
    " ARMENIEN, EGYPTIEN, KHWARIZMIEN, PERSE",
    " COPTE, ETHIOPIEN",
    " JULIEN, MACEDONIEN, SYRIEN",
    " BAHAI, GREGORIEN, REPUBLICAIN, SAKA",
    " ISLAMIQUE_A, ISLAMIQUE_B",
    " ROMAIN_I, ROMAIN_II",
    " HEBREU",
    " MAYA",
    "",
    "Retour :",
    " Annee Mois Jour (dans le calendrier d'arrivee)",
    "",
    "",
    "Chronastre PAQUES Annee",
    "Retour :",
    " Jour Mois du dimanche de Paques",
    "",
    "",
    "Chronastre COMPUT Annee",
    "Retour :",
    " Nombre d'or : rang de l'année dans le cycle de Méton (19 ans).",
    " Epacte : âge de la Lune à la veille du 1er janvier.",
    " Cycle solaire : rang de l'année dans un cycle de 28 ans.",
    " Indiction romaine : rang de l'année dans un cycle de 15 ans.",
    " Lettre dominicale : lettre correspondant au premier dimanche de l'année. Pour les années "
    "bissextiles, 2 lettres dominicales sont attribuées.",
    "",
    "",
    "Chronastre JOUR Annee Mois Jour [Heure Minutes Secondes]",
    "Retour :",
    " Jour julien",
    " Jour de la semaine",
    " Jour de l'annee",
    "",
    "",
};

// A command word is selected by any beginning of it, the empty one included.
bool selectionne(std::string_view argument, std::string_view mot)
{
    return mot.starts_with(argument);
}

std::string nombre(std::int64_t n)
{
    return std::to_string(n);
}

void signaler(const Canaux& canaux, const std::string& message)
{
    if (canaux.signaler)
        canaux.signaler(message);
}

// What was not understood, told on standard error with where to look: the
// usage error.
int incompris(const Canaux& canaux, const std::string& quoi)
{
    signaler(canaux, "chronastre : " + quoi + " ; voir chronastre -h ou man chronastre.");
    return codeUsage;
}

std::string entreGuillemets(std::string_view argument)
{
    return "« " + texte::montrer(argument) + " »";
}

bool estCommande(std::string_view argument)
{
    return selectionne(argument, "PAQUES") || selectionne(argument, "COMPUT") ||
           selectionne(argument, "JOUR");
}

bool arriveeConnue(std::string_view mot)
{
    return mot == motTous || typeDepuisMot(mot) != CALENDRIER_INCONNU;
}

// The keyword a word would be in capitals, when it is one.
std::string enMajuscules(std::string_view mot)
{
    std::string majuscules(mot);
    for (char& c : majuscules) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return arriveeConnue(majuscules) && majuscules != mot ? majuscules : std::string();
}

std::string calendrierInconnu(std::string_view mot)
{
    const std::string majuscules = enMajuscules(mot);
    return "calendrier inconnu " + entreGuillemets(mot) +
           (majuscules.empty() ? ""
                               : " (les mots-clés s'écrivent en majuscules : " + majuscules + ")");
}

// Why a departure and an arrival keyword were not understood; empty when
// they were.
std::string motsIncompris(std::string_view depart, std::string_view arrivee)
{
    if (depart.starts_with('-'))
        return "option inconnue " + entreGuillemets(depart);
    if (depart == motTous)
        return "« TOUS » ne peut être que le calendrier d'arrivée";
    if (typeDepuisMot(depart) == CALENDRIER_INCONNU)
        return calendrierInconnu(depart);
    if (!arriveeConnue(arrivee))
        return calendrierInconnu(arrivee);
    return {};
}

// A first word that no command of this argument count takes.
std::string premierMotIncompris(std::string_view mot)
{
    return mot.starts_with('-') ? "option inconnue " + entreGuillemets(mot)
                                : "commande inconnue " + entreGuillemets(mot);
}

std::string nombreArguments(std::size_t nombre)
{
    return "nombre d'arguments incorrect (" + std::to_string(nombre) + ")";
}

// Three, six, nine or more arguments: the usage text, and the error.
int usageSeul(Arguments arguments, Canaux& canaux)
{
    afficherUsage(canaux.sortie);
    return incompris(canaux, nombreArguments(arguments.size()));
}

// One argument: help, the version, or a word missing its arguments.
int unSeulMot(Arguments arguments, Canaux& canaux)
{
    const std::string_view mot = arguments[0];
    // Any beginning of "--help" or of "-h": the empty word, "-", "--he"...
    if (selectionne(mot, "--help") || selectionne(mot, "-h")) {
        afficherUsage(canaux.sortie);
        return 0;
    }
    if (mot == "--version") {
        canaux.sortie.ligne("chronastre " CHRONASTRE_VERSION);
        return 0;
    }
    if (estCommande(mot) || arriveeConnue(mot))
        return incompris(canaux, nombreArguments(1));
    return incompris(canaux, premierMotIncompris(mot));
}

int paques(Arguments arguments, Canaux& canaux)
{
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee <= 30) {
        signaler(canaux, "chronastre : pas de dimanche de Pâques pour l'an " + nombre(annee) +
                             " : le calcul commence en l'an 31.");
        return codeEchec;
    }
    Paques paques;
    paques.calculer(annee);
    canaux.sortie.ligne(nombre(paques.jour()) + " " + nombre(paques.mois()));
    return 0;
}

int comput(Arguments arguments, Canaux& canaux)
{
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee <= 0) {
        signaler(canaux, "chronastre : pas de comput pour l'an " + nombre(annee) +
                             " : le comput commence en l'an 1.");
        return codeEchec;
    }
    Sortie& sortie = canaux.sortie;
    Comput comput;
    comput.calculer(annee);
    sortie.ligne("Nombre d'or       : " + nombre(comput.nombreOr()));
    sortie.ligne("Epacte            : " + nombre(comput.epacte()));
    sortie.ligne("Cycle solaire     : " + nombre(comput.cycleSolaire()));
    sortie.ligne("Indiction romaine : " + nombre(comput.indictionRomaine()));
    sortie.ligne("Lettre dominicale : " + comput.lettreDominicale());
    return 0;
}

int jour(Arguments arguments, Canaux& canaux)
{
    Sortie& sortie = canaux.sortie;
    sortie.ligne("coucou");
    if (!selectionne(arguments[0], "JOUR"))
        return incompris(canaux, premierMotIncompris(arguments[0]));
    std::int32_t temps[3] = {0, 0, 0};
    if (arguments.size() == 7) {
        for (std::size_t i = 0; i < 3; ++i)
            temps[i] = lireNombre(arguments[4 + i]);
    }
    DateHeure moment(lireNombre(arguments[1]), lireNombre(arguments[2]), lireNombre(arguments[3]),
                     temps[0], temps[1], temps[2]);
    moment.calculerJourJulien();
    moment.calculerJourSemaine();
    moment.calculerJourAnnee();

    sortie.ligne("Jour julien        : " + texte::decimalesFixes(moment.jourJulien(), 5));
    sortie.ligne("Jour de la semaine : " +
                 std::string(noms::nomA(noms::joursFrancais, moment.jourSemaine())));
    sortie.ligne("Jour de l'année    : " + nombre(moment.jourAnnee()));
    return 0;
}

// The result of one conversion: one line, or with TOUS as arrival the
// nineteen calendars as the window's report writes them (its lines 13 to 36,
// captions and literal forms). A date that does not exist in its calendar is
// converted as the arithmetic reads it, and the user is told how.
void ecrireConversion(TypeCalendrier depart, std::string_view motArrivee, const DateHeure& source,
                      Canaux& canaux)
{
    Sortie& sortie = canaux.sortie;
    const std::int64_t numeroJour = Calendrier(depart).depuisCalendrier(source);
    const std::string avertissement = avertissementDate(depart, source, numeroJour);
    if (!avertissement.empty())
        signaler(canaux, "chronastre : " + avertissement);
    if (motArrivee != motTous) {
        const TypeCalendrier arrivee = typeDepuisMot(motArrivee);
        char ligne[longueurResultatMax];
        const char* fin =
            ecrireResultat(arrivee, Calendrier(arrivee).versCalendrier(numeroJour), ligne);
        sortie.ligne(std::string_view(ligne, static_cast<std::size_t>(fin - ligne)));
        return;
    }
    const std::int64_t semaine = jourSemaine(numeroJour);
    std::array<texte::Legende, nombreCalendriers> calendriers;
    for (int k = 0; k < nombreCalendriers; ++k) {
        const auto type = static_cast<TypeCalendrier>(k);
        calendriers[static_cast<std::size_t>(k)] = {
            std::string(texte::legendesCalendriers[static_cast<std::size_t>(k)]),
            texte::texteCalendrier(type, Calendrier(type).versCalendrier(numeroJour), semaine,
                                   false)};
    }
    for (const std::string& ligne : texte::lignesCalendriers(calendriers))
        sortie.ligne(ligne);
}

// Year, month and day: any departure but MAYA, whose date is a long count.
int conversion(Arguments arguments, Canaux& canaux)
{
    if (const std::string quoi = motsIncompris(arguments[0], arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    if (depart == MAYA)
        return incompris(canaux, nombreArguments(arguments.size()) +
                                     " : une date MAYA est un compte long de six nombres");
    const DateHeure source(lireNombre(arguments[2]), lireNombre(arguments[3]),
                           lireNombre(arguments[4]));
    ecrireConversion(depart, arguments[1], source, canaux);
    return 0;
}

// A Maya long count, most significant place first: departure MAYA only.
int conversionMaya(Arguments arguments, Canaux& canaux)
{
    if (const std::string quoi = motsIncompris(arguments[0], arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    if (typeDepuisMot(arguments[0]) != MAYA)
        return incompris(canaux, nombreArguments(arguments.size()) +
                                     " : six nombres ne forment une date que pour MAYA");
    const DateHeure source = CalendrierMaya::compteLong(
        lireNombre(arguments[2]), lireNombre(arguments[3]), lireNombre(arguments[4]),
        lireNombre(arguments[5]), lireNombre(arguments[6]), lireNombre(arguments[7]));
    ecrireConversion(MAYA, arguments[1], source, canaux);
    return 0;
}

// Two calendar keywords and nothing else: the dates come from standard input.
// Two other words read nothing.
int lot(Arguments arguments, Canaux& canaux)
{
    const std::string_view premier = arguments[0];
    if (!premier.starts_with('-') && typeDepuisMot(premier) == CALENDRIER_INCONNU &&
        premier != motTous && enMajuscules(premier).empty() && !arriveeConnue(arguments[1]))
        return incompris(canaux, premierMotIncompris(premier));
    if (const std::string quoi = motsIncompris(premier, arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    return convertirLot(typeDepuisMot(premier),
                        arguments[1] == motTous
                            ? std::nullopt
                            : std::optional<TypeCalendrier>(typeDepuisMot(arguments[1])),
                        canaux);
}

// A command: its output goes through canaux, its exit code comes back.
using Executer = int (*)(Arguments, Canaux&);

struct Commande
{
    std::size_t minimum; // argument counts served, bounds included
    std::size_t maximum;
    std::string_view mot; // command word selected by prefix; empty: any first argument
    Executer executer;
};

constexpr std::size_t sansLimite = std::numeric_limits<std::size_t>::max();

constexpr std::array<Commande, 11> commandes = {{
    {1, 1, {}, unSeulMot},
    {2, 2, "PAQUES", paques},
    {2, 2, "COMPUT", comput},
    {2, 2, {}, lot},
    {3, 3, {}, usageSeul},
    {4, 4, {}, jour},
    {5, 5, {}, conversion},
    {6, 6, {}, usageSeul},
    {7, 7, {}, jour},
    {8, 8, {}, conversionMaya},
    {9, sansLimite, {}, usageSeul},
}};

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

std::int32_t lireNombre(std::string_view texte)
{
    constexpr std::int64_t maximum = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t minimum = std::numeric_limits<std::int32_t>::min();
    std::size_t i = 0;
    while (i < texte.size() &&
           (texte[i] == ' ' || (texte[i] >= '\t' && texte[i] <= '\r'))) // C-locale isspace
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) {
        negatif = texte[i] == '-';
        ++i;
    }
    // Accumulate the magnitude, stopping once it is past every 32-bit value.
    std::int64_t valeur = 0;
    for (; i < texte.size() && texte[i] >= '0' && texte[i] <= '9'; ++i) {
        if (valeur <= maximum + 1)
            valeur = valeur * 10 + (texte[i] - '0');
    }
    if (negatif)
        return static_cast<std::int32_t>(std::max(-valeur, minimum));
    return static_cast<std::int32_t>(std::min(valeur, maximum));
}

void afficherUsage(Sortie& sortie)
{
    for (std::string_view ligne : usage)
        sortie.ligne(ligne);
}

int executerCommande(std::span<const std::string_view> arguments, Canaux& canaux)
{
    for (const Commande& commande : commandes) {
        if (arguments.size() >= commande.minimum && arguments.size() <= commande.maximum &&
            (commande.mot.empty() || selectionne(arguments[0], commande.mot)))
            return commande.executer(arguments, canaux);
    }
    return codeUsage;
}

} // namespace chronastre
