#include "main/lignecommande.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "engine/comput.h"
#include "engine/dateheure.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "main/gedcom.h"
#include "main/lot.h"
#include "main/messages.h"
#include "main/resultat.h"
#include "names/noms.h"
#include "texte/rapport.h"
#include "texte/rendu.h"
#include "texte/textefetes.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace chronastre {

namespace {

using Arguments = std::span<const std::string_view>;

// The options of the command line: those of a batch and a conversion, and
// those of a GEDCOM listing.
struct Options
{
    OptionsLot lot;
    OptionsListe gedcom;
};

constexpr std::array<std::string_view, 40> usage = {
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
    " IRANIEN, UMM_AL_QURA, CHINOIS, BAHAI_TEHERAN",
    "",
    "Retour :",
    " Annee Mois Jour (dans le calendrier d'arrivee)",
    " CHINOIS : Mois est le numero du mois, suivi de i pour un mois intercalaire (2023 2i 1)",
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

// The calendar of a region's documents (--reforme), as departure or
// arrival: Julian before the region's reform, Gregorian from it.
constexpr std::string_view motCivil = "CIVIL";

// The command that lists the movable feasts of a year (the whole word).
constexpr std::string_view motFetes = "FETES";

bool estCommande(std::string_view argument)
{
    return selectionne(argument, "PAQUES") || selectionne(argument, "COMPUT") ||
           selectionne(argument, "JOUR");
}

bool arriveeConnue(std::string_view mot)
{
    return mot == motTous || mot == motCivil || typeDepuisMot(mot) != CALENDRIER_INCONNU;
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
    if (typeDepuisMot(depart) == CALENDRIER_INCONNU && depart != motCivil)
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
int usageSeul(Arguments arguments, Canaux& canaux, const Options&)
{
    afficherUsage(canaux.sortie);
    return incompris(canaux, nombreArguments(arguments.size()));
}

// A GEDCOM file on standard input, its dates listed in calendar arrivee.
int gedcom(TypeCalendrier arrivee, Canaux& canaux, const Options& options)
{
    if (canaux.entreeTerminal)
        signaler(canaux, "chronastre : un fichier GEDCOM sur l'entrée standard (chronastre "
                         "GEDCOM < arbre.ged) ; Ctrl+D pour terminer.");
    return listerGedcom(arrivee, canaux, options.gedcom);
}

// One argument: help, the version, or a word missing its arguments.
int unSeulMot(Arguments arguments, Canaux& canaux, const Options& options)
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
        return gedcom(GREGORIEN, canaux, options);
    if (estCommande(mot) || arriveeConnue(mot) || mot == motFetes)
        return incompris(canaux, nombreArguments(1));
    return incompris(canaux, premierMotIncompris(mot));
}

// The first year whose Easter is computed.
constexpr std::int32_t premiereAnneePaques = 31;

int paques(Arguments arguments, Canaux& canaux, const Options& options)
{
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee < premiereAnneePaques) {
        signaler(canaux, "chronastre : pas de dimanche de Pâques pour l'an " + nombre(annee) +
                             " : le calcul commence en l'an 31.");
        return codeEchec;
    }
    if (options.lot.region) {
        // The region's computus, the day in its calendar.
        const auto date =
            dateCivile(*options.lot.region, jourPaques(*options.lot.region, annee).value_or(0));
        canaux.sortie.ligne(nombre(date->jour) + " " + nombre(date->mois));
        return 0;
    }
    Paques paques;
    paques.calculer(annee);
    canaux.sortie.ligne(nombre(paques.jour()) + " " + nombre(paques.mois()));
    return 0;
}

int comput(Arguments arguments, Canaux& canaux, const Options& options)
{
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee <= 0) {
        signaler(canaux, "chronastre : pas de comput pour l'an " + nombre(annee) +
                             " : le comput commence en l'an 1.");
        return codeEchec;
    }
    Sortie& sortie = canaux.sortie;
    Comput comput;
    if (options.lot.region)
        comput.calculerSelon(annee, paquesGregoriennes(*options.lot.region, annee));
    else
        comput.calculer(annee);
    sortie.ligne("Nombre d'or       : " + nombre(comput.nombreOr()));
    sortie.ligne("Epacte            : " + nombre(comput.epacte()));
    sortie.ligne("Cycle solaire     : " + nombre(comput.cycleSolaire()));
    sortie.ligne("Indiction romaine : " + nombre(comput.indictionRomaine()));
    sortie.ligne("Lettre dominicale : " + comput.lettreDominicale());
    return 0;
}

int jour(Arguments arguments, Canaux& canaux, const Options&)
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

// The region of CIVIL.
Region regionDe(const Options& options)
{
    return options.lot.region.value_or(Region::ROME);
}

// Day numeroJour in the arrival: one line, or with TOUS as arrival the
// nineteen calendars as the window's report writes them (its lines 13 to 36,
// captions and literal forms), then the four in use today; CIVIL writes the
// date of the region's documents. A day outside the range of a calendar in
// use today is refused with that range.
int ecrireJour(std::int64_t numeroJour, std::string_view motArrivee, Canaux& canaux,
               const Options& options)
{
    Sortie& sortie = canaux.sortie;
    if (motArrivee == motCivil) {
        // Beyond the reform table's limits (a Maya long count of millions
        // of years), the default record, as other calendars write a day they
        // cannot.
        const DateCivile date = dateCivile(regionDe(options), numeroJour)
                                    .value_or(DateCivile{-9999, -1, -1, Regime::JULIEN});
        sortie.ligne(nombre(date.annee) + " " + nombre(date.mois) + " " + nombre(date.jour));
        return 0;
    }
    if (motArrivee != motTous) {
        const TypeCalendrier arrivee = typeDepuisMot(motArrivee);
        if (!plageDuCalendrier(arrivee).contient(numeroJour)) {
            signaler(canaux, "chronastre : " + arriveeHorsPlage(arrivee, numeroJour));
            return codeEchec;
        }
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
    for (const std::string& ligne : texte::lignesTous(calendriers))
        sortie.ligne(ligne);
    return 0;
}

// The result of one conversion (ecrireJour). A date that does not exist in
// its calendar is converted as the arithmetic reads it, and the user is
// told how; a day outside the range of a calendar in use today, as
// departure, is refused with that range.
int ecrireConversion(TypeCalendrier depart, std::string_view motArrivee, const DateHeure& source,
                     Canaux& canaux, const Options& options)
{
    const std::int64_t numeroJour = Calendrier(depart).depuisCalendrier(source);
    if (!plageDuCalendrier(depart).contient(numeroJour)) {
        signaler(canaux, "chronastre : " + dateHorsPlage(depart, source));
        return codeEchec;
    }
    if (const std::string avertissement = avertissementDate(depart, source, numeroJour);
        !avertissement.empty()) {
        if (options.lot.strict) {
            signaler(canaux, "chronastre : " + dateInexistante(depart, source));
            return codeEchec;
        }
        signaler(canaux, "chronastre : " + avertissement);
    }
    return ecrireJour(numeroJour, motArrivee, canaux, options);
}

// A date of the region's documents (CIVIL), read by lireDateCivile: its
// day, or its two days, one result after the other; the user is told why
// there are two, and --strict refuses them.
int conversionCivile(std::string_view texte, std::string_view motArrivee, Canaux& canaux,
                     const Options& options, texte::Ordre ordre)
{
    const texte::ContexteCivil contexte(regionDe(options), options.lot.style);
    const texte::LectureCivile lue = texte::lireDateCivile(texte, contexte, ordre);
    if (!lue.erreur.empty()) {
        signaler(canaux, "chronastre : " + lue.erreur);
        return codeEchec;
    }
    if (!lue.avertissement.empty())
        signaler(canaux, "chronastre : " + lue.avertissement);
    if (lue.nombre == 2) {
        const std::string deux =
            texte::texteDeuxJours(contexte.region(), lue.jours[0], lue.jours[1]);
        if (options.lot.strict) {
            signaler(canaux, "chronastre : " + deux + " (--strict)");
            return codeEchec;
        }
        signaler(canaux,
                 "chronastre : attention, " + deux +
                     " : les deux sont écrits, dans cet ordre ; « avant Pâques » ou « après "
                     "Pâques » n'en garde qu'un");
    }
    int code = 0;
    for (int k = 0; k < lue.nombre; ++k)
        code = std::max(
            code, ecrireJour(lue.jours[static_cast<std::size_t>(k)], motArrivee, canaux, options));
    return code;
}

// A date as the reader reads it, converted: a written one, or a Chinese one
// in numbers, whose month number the year places.
int convertirTexte(TypeCalendrier depart, std::string_view motArrivee, std::string_view texte,
                   Canaux& canaux, const Options& options)
{
    const texte::Lecture lecture = texte::lireDateEcrite(depart, texte, options.lot.ordre);
    if (!lecture.erreur.empty()) {
        signaler(canaux, "chronastre : " + lecture.erreur);
        return codeEchec;
    }
    if (!lecture.avertissement.empty())
        signaler(canaux, "chronastre : " + lecture.avertissement);
    return ecrireConversion(depart, motArrivee, lecture.date, canaux, options);
}

// Year, month and day, in the order of the options: any departure but MAYA,
// whose date is a long count.
int conversion(Arguments arguments, Canaux& canaux, const Options& options)
{
    if (const std::string quoi = motsIncompris(arguments[0], arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    if (depart == MAYA)
        return incompris(canaux, nombreArguments(arguments.size()) +
                                     " : une date MAYA est un compte long de six nombres");
    if (depart == CHINOIS) {
        // A month by its number, "2i" for a leap month: the year says which
        // month of it that is, and a month it lacks is refused.
        const std::string texte = std::string(arguments[2]) + ' ' + std::string(arguments[3]) +
                                  ' ' + std::string(arguments[4]);
        return convertirTexte(depart, arguments[1], texte, canaux, options);
    }
    const std::int64_t n[3] = {lireNombre(arguments[2]), lireNombre(arguments[3]),
                               lireNombre(arguments[4])};
    if (arguments[0] == motCivil) {
        // Read as the year, month and day of a written date.
        const auto [annee, mois, jour] = texte::anneeMoisJour(options.lot.ordre, n);
        return conversionCivile(nombre(annee) + " " + nombre(mois) + " " + nombre(jour),
                                arguments[1], canaux, options, texte::Ordre::AnneeMoisJour);
    }
    return ecrireConversion(depart, arguments[1], dansLOrdre(options.lot.ordre, n), canaux,
                            options);
}

// One written date: "18 brumaire an VIII", "@#DHEBREW@ 15 NSN 5786".
int conversionEcrite(Arguments arguments, Canaux& canaux, const Options& options)
{
    if (!motsIncompris(arguments[0], arguments[1]).empty()) {
        // Three words that are no conversion: the usage text, as always.
        afficherUsage(canaux.sortie);
        return incompris(canaux, nombreArguments(arguments.size()));
    }
    if (arguments[0] == motCivil)
        return conversionCivile(arguments[2], arguments[1], canaux, options, options.lot.ordre);
    return convertirTexte(typeDepuisMot(arguments[0]), arguments[1], arguments[2], canaux, options);
}

// A Maya long count, most significant place first: departure MAYA only.
int conversionMaya(Arguments arguments, Canaux& canaux, const Options& options)
{
    if (const std::string quoi = motsIncompris(arguments[0], arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    if (typeDepuisMot(arguments[0]) != MAYA)
        return incompris(canaux, nombreArguments(arguments.size()) +
                                     " : six nombres ne forment une date que pour MAYA");
    const DateHeure source = CalendrierMaya::compteLong(
        lireNombre(arguments[2]), lireNombre(arguments[3]), lireNombre(arguments[4]),
        lireNombre(arguments[5]), lireNombre(arguments[6]), lireNombre(arguments[7]));
    return ecrireConversion(MAYA, arguments[1], source, canaux, options);
}

// The movable feasts of a year, one line each (name, date, calendar), by
// the computus of the region's Easter.
int fetes(Arguments arguments, Canaux& canaux, const Options& options)
{
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee < premiereAnneePaques) {
        signaler(canaux, "chronastre : pas de fêtes mobiles pour l'an " + nombre(annee) +
                             " : le calcul de Pâques commence en l'an 31.");
        return codeEchec;
    }
    const std::string liste = texte::listeFetesMobiles(regionDe(options), annee);
    for (std::size_t debut = 0; debut < liste.size();) {
        const std::size_t fin = liste.find('\n', debut);
        canaux.sortie.ligne(std::string_view(liste).substr(debut, fin - debut));
        debut = fin + 1;
    }
    return 0;
}

// Two calendar keywords and nothing else: the dates come from standard input.
// Two other words read nothing.
int lot(Arguments arguments, Canaux& canaux, const Options& options)
{
    const std::string_view premier = arguments[0];
    if (premier == motFetes)
        return fetes(arguments, canaux, options);
    if (premier == motGedcom) {
        const TypeCalendrier arrivee = typeDepuisMot(arguments[1]);
        if (arrivee == CALENDRIER_INCONNU)
            return incompris(canaux, calendrierInconnu(arguments[1]));
        return gedcom(arrivee, canaux, options);
    }
    if (!premier.starts_with('-') && typeDepuisMot(premier) == CALENDRIER_INCONNU &&
        premier != motTous && premier != motCivil && enMajuscules(premier).empty() &&
        !arriveeConnue(arguments[1]))
        return incompris(canaux, premierMotIncompris(premier));
    if (const std::string quoi = motsIncompris(premier, arguments[1]); !quoi.empty())
        return incompris(canaux, quoi);
    if (premier == motCivil || arguments[1] == motCivil) {
        OptionsLot civil = options.lot;
        civil.departCivil = premier == motCivil;
        civil.arriveeCivile = arguments[1] == motCivil;
        const TypeCalendrier depart = civil.departCivil ? JULIEN : typeDepuisMot(premier);
        return convertirLot(depart,
                            arguments[1] == motTous || civil.arriveeCivile
                                ? std::nullopt
                                : std::optional<TypeCalendrier>(typeDepuisMot(arguments[1])),
                            canaux, civil);
    }
    return convertirLot(typeDepuisMot(premier),
                        arguments[1] == motTous
                            ? std::nullopt
                            : std::optional<TypeCalendrier>(typeDepuisMot(arguments[1])),
                        canaux, options.lot);
}

// A command: its output goes through canaux, its exit code comes back.
using Executer = int (*)(Arguments, Canaux&, const Options&);

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

// What an option goes with.
enum class Famille
{
    Lot,        // a batch only: the filter of a file's lines
    Conversion, // a batch or a conversion
    Gedcom,     // a GEDCOM listing
    Region,     // CIVIL, FETES, PAQUES, COMPUT or a GEDCOM listing
    Style,      // the departure CIVIL or a GEDCOM listing
};

struct Option
{
    std::string_view nom;
    bool avecValeur;
    Famille famille;
};

constexpr std::array<Option, 9> optionsConnues = {{
    {"--colonne", true, Famille::Lot},
    {"--separateur", true, Famille::Lot},
    {"--entete", false, Famille::Lot},
    {"--ordre", true, Famille::Conversion},
    {"--strict", false, Famille::Conversion},
    {"--modifications", false, Famille::Gedcom},
    {"--doubles-juliennes", false, Famille::Gedcom},
    {"--reforme", true, Famille::Region},
    {"--style", true, Famille::Style},
}};

// "ROME, ESPAGNE, ... et GRECE": the keywords a value takes.
template <std::size_t N, typename T>
std::string motsClefs(const std::array<T, N>& table)
{
    std::string mots;
    for (std::size_t k = 0; k < N; ++k) {
        if (k > 0)
            mots += k + 1 == N ? " ou " : ", ";
        mots += table[k].identifiant;
    }
    return mots;
}

// Sets option o to valeur; the error says what was wrong with the value.
std::string appliquer(const Option& o, std::string_view valeur, Options& options)
{
    if (o.nom == "--colonne") {
        const std::int32_t n = lireNombre(valeur);
        if (n < 1 || valeur != std::to_string(n))
            return "--colonne attend un numéro de champ à partir de 1, pas " +
                   texte::entreGuillemets(valeur);
        options.lot.colonne = n;
    } else if (o.nom == "--separateur") {
        if (valeur == "tab" || valeur == "tabulation" || valeur == "\\t")
            options.lot.separateur = '\t';
        else if (valeur.size() == 1 && valeur[0] != '"' && valeur[0] != '\n')
            options.lot.separateur = valeur[0];
        else
            return "--separateur attend un caractère, pas " + texte::entreGuillemets(valeur);
    } else if (o.nom == "--ordre") {
        if (valeur == "JMA")
            options.lot.ordre = texte::Ordre::JourMoisAnnee;
        else if (valeur == "MJA")
            options.lot.ordre = texte::Ordre::MoisJourAnnee;
        else if (valeur == "AMJ")
            options.lot.ordre = texte::Ordre::AnneeMoisJour;
        else
            return "--ordre attend JMA, MJA ou AMJ, pas " + texte::entreGuillemets(valeur);
    } else if (o.nom == "--entete") {
        options.lot.entete = true;
    } else if (o.nom == "--strict") {
        options.lot.strict = true;
    } else if (o.nom == "--modifications") {
        options.gedcom.modifications = true;
    } else if (o.nom == "--reforme") {
        const auto region = regionParIdentifiant(valeur);
        if (!region)
            return "--reforme attend une région, " + motsClefs(reformes) + ", pas " +
                   texte::entreGuillemets(valeur);
        options.lot.region = region;
        options.gedcom.region = *region;
    } else if (o.nom == "--style") {
        const auto style = styleParIdentifiant(valeur);
        if (!style)
            return "--style attend " + motsClefs(styles) + ", pas " +
                   texte::entreGuillemets(valeur);
        options.lot.style = style;
        options.gedcom.style = style;
    } else {
        options.gedcom.lecture.doublesJuliennes = true;
    }
    return {};
}

// The options, wherever they stand among the arguments: --colonne N,
// --separateur C, --entete, --ordre JMA|MJA|AMJ, --strict, --modifications,
// --doubles-juliennes, each value after a blank or an "=". The other
// arguments go to positionnels, the families of the options given to
// familles; the error says what was wrong.
std::string lireOptions(Arguments arguments, Options& options,
                        std::vector<std::string_view>& positionnels, std::vector<Famille>& familles)
{
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string_view argument = arguments[k];
        if (!argument.starts_with("--") || argument.size() <= 2) {
            positionnels.push_back(argument);
            continue;
        }
        std::string_view nom = argument;
        std::optional<std::string_view> valeur;
        if (const std::size_t egal = nom.find('='); egal != std::string_view::npos) {
            valeur = nom.substr(egal + 1);
            nom = nom.substr(0, egal);
        }
        const auto o = std::find_if(optionsConnues.begin(), optionsConnues.end(),
                                    [nom](const Option& connue) { return connue.nom == nom; });
        if (o == optionsConnues.end()) {
            // Help and the version are commands of their own.
            if (k == 0 && (selectionne(nom, "--help") || nom == "--version")) {
                positionnels.push_back(argument);
                continue;
            }
            return "option inconnue " + texte::entreGuillemets(argument);
        }
        if (!o->avecValeur && valeur)
            return "l'option " + std::string(nom) + " ne prend pas de valeur (" +
                   texte::entreGuillemets(argument) + ")";
        if (o->avecValeur && !valeur) {
            if (k + 1 == arguments.size())
                return "l'option " + std::string(nom) + " attend une valeur";
            valeur = arguments[++k];
        }
        if (std::string erreur = appliquer(*o, valeur.value_or(""), options); !erreur.empty())
            return erreur;
        familles.push_back(o->famille);
    }
    return {};
}

// Whether options of familles go with the command of positionnels; the
// error says why not.
std::string optionsALeurPlace(const std::vector<std::string_view>& positionnels,
                              const std::vector<Famille>& familles)
{
    const std::size_t n = positionnels.size();
    const bool liste = n >= 1 && n <= 2 && positionnels[0] == motGedcom;
    const bool fetes = n == 2 && positionnels[0] == motFetes;
    const bool annuelle = n == 2 && (fetes || selectionne(positionnels[0], "PAQUES") ||
                                     selectionne(positionnels[0], "COMPUT"));
    // Two words that PAQUES or COMPUT do not take are a batch's keywords.
    const bool lot = n == 2 && !liste && !annuelle;
    const bool conversion = lot || n == 3 || n == 5 || n == 8;
    const bool departCivil = conversion && positionnels[0] == motCivil;
    const bool civil = departCivil || (conversion && positionnels[1] == motCivil);
    for (const Famille f : familles) {
        if (f == Famille::Lot && !lot)
            return liste ? "les options --colonne, --separateur et --entete ne s'emploient pas "
                           "avec GEDCOM"
                         : "les options --colonne, --separateur et --entete ne s'emploient "
                           "qu'avec une conversion par lots (deux mots-clés)";
        if (f == Famille::Conversion && !conversion)
            return liste ? "les options --ordre et --strict ne s'emploient pas avec GEDCOM"
                         : "les options --ordre et --strict ne s'emploient qu'avec une conversion";
        if (f == Famille::Gedcom && !liste)
            return "les options --modifications et --doubles-juliennes ne s'emploient qu'avec "
                   "GEDCOM";
        if (f == Famille::Region && !civil && !annuelle && !liste)
            return "l'option --reforme ne s'emploie qu'avec CIVIL (au départ ou à l'arrivée), "
                   "FETES, PAQUES, COMPUT ou GEDCOM";
        if (f == Famille::Style && !departCivil && !liste)
            return "l'option --style ne s'emploie qu'avec le départ CIVIL ou GEDCOM";
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
    Options options;
    std::vector<std::string_view> positionnels;
    std::vector<Famille> familles;
    if (std::string erreur = lireOptions(arguments, options, positionnels, familles);
        !erreur.empty())
        return incompris(canaux, erreur);
    if (std::string erreur = optionsALeurPlace(positionnels, familles); !erreur.empty())
        return incompris(canaux, erreur);
    const Arguments reste(positionnels);
    if (reste.empty())
        return incompris(canaux, "aucune commande après les options");
    for (const Commande& commande : commandes) {
        if (reste.size() >= commande.minimum && reste.size() <= commande.maximum &&
            (commande.mot.empty() || selectionne(reste[0], commande.mot)))
            return commande.executer(reste, canaux, options);
    }
    return codeUsage;
}

} // namespace chronastre
