#include "main/lignecommande.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "engine/comput.h"
#include "engine/dateheure.h"
#include "main/gedcom.h"
#include "main/lot.h"
#include "main/messages.h"
#include "main/resultat.h"
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

// The command that lists the dates of a GEDCOM file (the whole word).
constexpr std::string_view motGedcom = "GEDCOM";

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
    return "calendrier inconnu " + texte::entreGuillemets(mot) +
           (majuscules.empty() ? ""
                               : " (les mots-clés s'écrivent en majuscules : " + majuscules + ")");
}

// Why a departure and an arrival keyword were not understood; empty when
// they were.
std::string motsIncompris(std::string_view depart, std::string_view arrivee)
{
    if (depart.starts_with('-'))
        return "option inconnue " + texte::entreGuillemets(depart);
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
    return mot.starts_with('-') ? "option inconnue " + texte::entreGuillemets(mot)
                                : "commande inconnue " + texte::entreGuillemets(mot);
}

std::string nombreArguments(std::size_t nombre)
{
    return "nombre d'arguments incorrect (" + std::to_string(nombre) + ")";
}

// Three, six, nine or more arguments: the usage text, and the error.
int usageSeul(Arguments arguments, Canaux& canaux, const OptionsLot&)
{
    afficherUsage(canaux.sortie);
    return incompris(canaux, nombreArguments(arguments.size()));
}

// A GEDCOM file on standard input, its dates listed in calendar arrivee.
int gedcom(TypeCalendrier arrivee, Canaux& canaux)
{
    if (canaux.entreeTerminal)
        signaler(canaux, "chronastre : un fichier GEDCOM sur l'entrée standard (chronastre "
                         "GEDCOM < arbre.ged) ; Ctrl+D pour terminer.");
    return listerGedcom(arrivee, canaux);
}

// One argument: help, the version, or a word missing its arguments.
int unSeulMot(Arguments arguments, Canaux& canaux, const OptionsLot&)
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
    if (mot == motGedcom)
        return gedcom(GREGORIEN, canaux);
    if (estCommande(mot) || arriveeConnue(mot))
        return incompris(canaux, nombreArguments(1));
    return incompris(canaux, premierMotIncompris(mot));
}

int paques(Arguments arguments, Canaux& canaux, const OptionsLot&)
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

int comput(Arguments arguments, Canaux& canaux, const OptionsLot&)
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

int jour(Arguments arguments, Canaux& canaux, const OptionsLot&)
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
int ecrireConversion(TypeCalendrier depart, std::string_view motArrivee, const DateHeure& source,
                     Canaux& canaux, bool strict)
{
    Sortie& sortie = canaux.sortie;
    const std::int64_t numeroJour = Calendrier(depart).depuisCalendrier(source);
    if (const std::string avertissement = avertissementDate(depart, source, numeroJour);
        !avertissement.empty()) {
        if (strict) {
            signaler(canaux, "chronastre : " + dateInexistante(depart, source));
            return codeEchec;
        }
        signaler(canaux, "chronastre : " + avertissement);
    }
    if (motArrivee != motTous) {
        const TypeCalendrier arrivee = typeDepuisMot(motArrivee);
        char ligne[longueurResultatMax];
        const char* fin =
            ecrireResultat(arrivee, Calendrier(arrivee).versCalendrier(numeroJour), ligne);
        sortie.ligne(std::string_view(ligne, static_cast<std::size_t>(fin - ligne)));
        return 0;
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
    return 0;
}

// Year, month and day, in the order of the options: any departure but MAYA,
// whose date is a long count.
int conversion(Arguments arguments, Canaux& canaux, const OptionsLot& options)
{
    if (const std::string quoi = motsIncompris(arguments[0], arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    if (depart == MAYA)
        return incompris(canaux, nombreArguments(arguments.size()) +
                                     " : une date MAYA est un compte long de six nombres");
    const std::int64_t n[3] = {lireNombre(arguments[2]), lireNombre(arguments[3]),
                               lireNombre(arguments[4])};
    return ecrireConversion(depart, arguments[1], dansLOrdre(options.ordre, n), canaux,
                            options.strict);
}

// One written date: "18 brumaire an VIII", "@#DHEBREW@ 15 NSN 5786".
int conversionEcrite(Arguments arguments, Canaux& canaux, const OptionsLot& options)
{
    if (!motsIncompris(arguments[0], arguments[1]).empty()) {
        // Three words that are no conversion: the usage text, as always.
        afficherUsage(canaux.sortie);
        return incompris(canaux, nombreArguments(arguments.size()));
    }
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    const texte::Lecture lecture = texte::lireDateEcrite(depart, arguments[2], options.ordre);
    if (!lecture.erreur.empty()) {
        signaler(canaux, "chronastre : " + lecture.erreur);
        return codeEchec;
    }
    if (!lecture.avertissement.empty())
        signaler(canaux, "chronastre : " + lecture.avertissement);
    return ecrireConversion(depart, arguments[1], lecture.date, canaux, options.strict);
}

// A Maya long count, most significant place first: departure MAYA only.
int conversionMaya(Arguments arguments, Canaux& canaux, const OptionsLot& options)
{
    if (const std::string quoi = motsIncompris(arguments[0], arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    if (typeDepuisMot(arguments[0]) != MAYA)
        return incompris(canaux, nombreArguments(arguments.size()) +
                                     " : six nombres ne forment une date que pour MAYA");
    const DateHeure source = CalendrierMaya::compteLong(
        lireNombre(arguments[2]), lireNombre(arguments[3]), lireNombre(arguments[4]),
        lireNombre(arguments[5]), lireNombre(arguments[6]), lireNombre(arguments[7]));
    return ecrireConversion(MAYA, arguments[1], source, canaux, options.strict);
}

// Two calendar keywords and nothing else: the dates come from standard input.
// Two other words read nothing.
int lot(Arguments arguments, Canaux& canaux, const OptionsLot& options)
{
    const std::string_view premier = arguments[0];
    if (premier == motGedcom) {
        const TypeCalendrier arrivee = typeDepuisMot(arguments[1]);
        if (arrivee == CALENDRIER_INCONNU)
            return incompris(canaux, calendrierInconnu(arguments[1]));
        return gedcom(arrivee, canaux);
    }
    if (!premier.starts_with('-') && typeDepuisMot(premier) == CALENDRIER_INCONNU &&
        premier != motTous && enMajuscules(premier).empty() && !arriveeConnue(arguments[1]))
        return incompris(canaux, premierMotIncompris(premier));
    if (const std::string quoi = motsIncompris(premier, arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    return convertirLot(typeDepuisMot(premier),
                        arguments[1] == motTous
                            ? std::nullopt
                            : std::optional<TypeCalendrier>(typeDepuisMot(arguments[1])),
                        canaux, options);
}

// A command: its output goes through canaux, its exit code comes back.
using Executer = int (*)(Arguments, Canaux&, const OptionsLot&);

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
    {3, 3, {}, conversionEcrite},
    {4, 4, {}, jour},
    {5, 5, {}, conversion},
    {6, 6, {}, usageSeul},
    {7, 7, {}, jour},
    {8, 8, {}, conversionMaya},
    {9, sansLimite, {}, usageSeul},
}};

// The options before the command: --colonne N, --separateur C, --entete,
// --ordre JMA|MJA|AMJ, --strict, each value after a blank or an "=".
// lues is how many arguments they took; the error says what was wrong.
std::string lireOptions(Arguments arguments, OptionsLot& options, std::size_t& lues)
{
    lues = 0;
    while (lues < arguments.size() && arguments[lues].starts_with("--") &&
           arguments[lues].size() > 2) {
        std::string_view nom = arguments[lues];
        std::optional<std::string_view> valeur;
        if (const std::size_t egal = nom.find('='); egal != std::string_view::npos) {
            valeur = nom.substr(egal + 1);
            nom = nom.substr(0, egal);
        }
        const bool avecValeur = nom == "--colonne" || nom == "--separateur" || nom == "--ordre";
        if (!avecValeur && nom != "--entete" && nom != "--strict") {
            // Help and the version are commands of their own.
            if (lues == 0 && (selectionne(nom, "--help") || nom == "--version"))
                return {};
            return "option inconnue " + texte::entreGuillemets(arguments[lues]);
        }
        ++lues;
        if (avecValeur && !valeur) {
            if (lues == arguments.size())
                return "l'option " + std::string(nom) + " attend une valeur";
            valeur = arguments[lues++];
        }
        if (nom == "--colonne") {
            const std::int32_t n = lireNombre(*valeur);
            if (n < 1 || *valeur != std::to_string(n))
                return "--colonne attend un numéro de champ à partir de 1, pas " +
                       texte::entreGuillemets(*valeur);
            options.colonne = n;
        } else if (nom == "--separateur") {
            if (*valeur == "tab" || *valeur == "tabulation" || *valeur == "\\t")
                options.separateur = '\t';
            else if (valeur->size() == 1 && (*valeur)[0] != '"' && (*valeur)[0] != '\n')
                options.separateur = (*valeur)[0];
            else
                return "--separateur attend un caractère, pas " + texte::entreGuillemets(*valeur);
        } else if (nom == "--ordre") {
            if (*valeur == "JMA")
                options.ordre = texte::Ordre::JourMoisAnnee;
            else if (*valeur == "MJA")
                options.ordre = texte::Ordre::MoisJourAnnee;
            else if (*valeur == "AMJ")
                options.ordre = texte::Ordre::AnneeMoisJour;
            else
                return "--ordre attend JMA, MJA ou AMJ, pas " + texte::entreGuillemets(*valeur);
        } else if (nom == "--entete") {
            options.entete = true;
        } else {
            options.strict = true;
        }
    }
    return {};
}

} // namespace

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
    OptionsLot options;
    std::size_t lues = 0;
    if (const std::string erreur = lireOptions(arguments, options, lues); !erreur.empty())
        return incompris(canaux, erreur);
    const Arguments reste = arguments.subspan(lues);
    if (lues > 0) {
        // The options go before two keywords (a batch) or a conversion; those
        // of the filter before a batch only.
        const bool lotSeul = options.colonne || options.separateur || options.entete;
        const std::size_t n = reste.size();
        if (!(n == 2 || (!lotSeul && (n == 3 || n == 5 || n == 8))))
            return incompris(canaux, std::string(lotSeul ? "les options --colonne, --separateur "
                                                           "et --entete vont avant les deux "
                                                           "mots-clés d'une conversion par lots"
                                                         : "les options --ordre et --strict "
                                                           "vont avant une conversion"));
    }
    for (const Commande& commande : commandes) {
        if (reste.size() >= commande.minimum && reste.size() <= commande.maximum &&
            (commande.mot.empty() || selectionne(reste[0], commande.mot)))
            return commande.executer(reste, canaux, options);
    }
    return codeUsage;
}

} // namespace chronastre
