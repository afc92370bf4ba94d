#include "main/lignecommande.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "engine/comput.h"
#include "engine/dateheure.h"
#include "main/lot.h"
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

void usageSeul(Arguments, Canaux& canaux)
{
    afficherUsage(canaux.sortie);
}

void paques(Arguments arguments, Canaux& canaux)
{
    Sortie& sortie = canaux.sortie;
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee <= 30)
        return;
    Paques paques;
    paques.calculer(annee);
    sortie.ligne(nombre(paques.jour()) + " " + nombre(paques.mois()));
}

void comput(Arguments arguments, Canaux& canaux)
{
    Sortie& sortie = canaux.sortie;
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee <= 0)
        return;
    Comput comput;
    comput.calculer(annee);
    sortie.ligne("Nombre d'or       : " + nombre(comput.nombreOr()));
    sortie.ligne("Epacte            : " + nombre(comput.epacte()));
    sortie.ligne("Cycle solaire     : " + nombre(comput.cycleSolaire()));
    sortie.ligne("Indiction romaine : " + nombre(comput.indictionRomaine()));
    sortie.ligne("Lettre dominicale : " + comput.lettreDominicale());
}

void jour(Arguments arguments, Canaux& canaux)
{
    Sortie& sortie = canaux.sortie;
    sortie.ligne("coucou");
    if (!selectionne(arguments[0], "JOUR"))
        return;
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
}

// The result of one conversion: one line, or with TOUS as arrival the
// nineteen calendars as the window's report writes them (its lines 13 to 36,
// captions and literal forms).
void ecrireConversion(TypeCalendrier depart, std::string_view motArrivee, const DateHeure& source,
                      Sortie& sortie)
{
    Calendrier calendrierDepart(depart);
    const std::int64_t numeroJour = calendrierDepart.depuisCalendrier(source);
    if (motArrivee != motTous) {
        const TypeCalendrier arrivee = typeDepuisMot(motArrivee);
        char ligne[longueurResultatMax];
        const char* fin =
            ecrireResultat(arrivee, Calendrier(arrivee).versCalendrier(numeroJour), ligne);
        sortie.ligne(std::string_view(ligne, static_cast<std::size_t>(fin - ligne)));
        return;
    }
    const std::int64_t jourSemaine = floorMod(numeroJour + 1, 7);
    std::array<texte::Legende, nombreCalendriers> calendriers;
    for (int k = 0; k < nombreCalendriers; ++k) {
        const auto type = static_cast<TypeCalendrier>(k);
        calendriers[static_cast<std::size_t>(k)] = {
            std::string(texte::legendesCalendriers[static_cast<std::size_t>(k)]),
            texte::texteCalendrier(type, Calendrier(type).versCalendrier(numeroJour), jourSemaine,
                                   false)};
    }
    for (const std::string& ligne : texte::lignesCalendriers(calendriers))
        sortie.ligne(ligne);
}

bool arriveeConnue(std::string_view mot)
{
    return mot == motTous || typeDepuisMot(mot) != CALENDRIER_INCONNU;
}

// Year, month and day: any departure but MAYA, whose date is a long count.
void conversion(Arguments arguments, Canaux& canaux)
{
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    if (depart == CALENDRIER_INCONNU || depart == MAYA || !arriveeConnue(arguments[1]))
        return;
    const DateHeure source(lireNombre(arguments[2]), lireNombre(arguments[3]),
                           lireNombre(arguments[4]));
    ecrireConversion(depart, arguments[1], source, canaux.sortie);
}

// A Maya long count, most significant place first: departure MAYA only.
void conversionMaya(Arguments arguments, Canaux& canaux)
{
    if (typeDepuisMot(arguments[0]) != MAYA || !arriveeConnue(arguments[1]))
        return;
    const DateHeure source = CalendrierMaya::compteLong(
        lireNombre(arguments[2]), lireNombre(arguments[3]), lireNombre(arguments[4]),
        lireNombre(arguments[5]), lireNombre(arguments[6]), lireNombre(arguments[7]));
    ecrireConversion(MAYA, arguments[1], source, canaux.sortie);
}

// Two calendar keywords and nothing else: the dates come from standard input.
// Two other words print nothing and read nothing.
int lot(Arguments arguments, Canaux& canaux)
{
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    if (depart == CALENDRIER_INCONNU || !arriveeConnue(arguments[1]))
        return 0;
    return convertirLot(depart,
                        arguments[1] == motTous
                            ? std::nullopt
                            : std::optional<TypeCalendrier>(typeDepuisMot(arguments[1])),
                        canaux);
}

// A command: its output goes through canaux; a batch command also answers
// with the exit code.
using Executer = int (*)(Arguments, Canaux&);

template <void (*F)(Arguments, Canaux&)>
int sansEchec(Arguments arguments, Canaux& canaux)
{
    F(arguments, canaux);
    return 0;
}

struct Commande
{
    std::size_t minimum; // argument counts served, bounds included
    std::size_t maximum;
    std::string_view mot; // command word selected by prefix; empty: any first argument
    Executer executer;
};

constexpr std::size_t sansLimite = std::numeric_limits<std::size_t>::max();

constexpr std::array<Commande, 12> commandes = {{
    {1, 1, "--help", sansEchec<usageSeul>},
    {1, 1, "-h", sansEchec<usageSeul>},
    {2, 2, "PAQUES", sansEchec<paques>},
    {2, 2, "COMPUT", sansEchec<comput>},
    {2, 2, {}, lot},
    {3, 3, {}, sansEchec<usageSeul>},
    {4, 4, {}, sansEchec<jour>},
    {5, 5, {}, sansEchec<conversion>},
    {6, 6, {}, sansEchec<usageSeul>},
    {7, 7, {}, sansEchec<jour>},
    {8, 8, {}, sansEchec<conversionMaya>},
    {9, sansLimite, {}, sansEchec<usageSeul>},
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
    return 0;
}

} // namespace chronastre
