#include "main/lignecommande.h"

#include "engine/calendrier.h"
#include "engine/comput.h"
#include "engine/dateheure.h"
#include "names/noms.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
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

void usageSeul(Arguments, Sortie& sortie)
{
    afficherUsage(sortie);
}

void paques(Arguments arguments, Sortie& sortie)
{
    const std::int32_t annee = lireNombre(arguments[1]);
    if (annee <= 30)
        return;
    Paques paques;
    paques.calculer(annee);
    sortie.ligne(nombre(paques.jour()) + " " + nombre(paques.mois()));
}

void comput(Arguments arguments, Sortie& sortie)
{
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

void jour(Arguments arguments, Sortie& sortie)
{
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

    char jourJulien[64];
    std::snprintf(jourJulien, sizeof jourJulien, "%.5f", moment.jourJulien());
    sortie.ligne(std::string("Jour julien        : ") + jourJulien);
    sortie.ligne("Jour de la semaine : " +
                 std::string(noms::nomA(noms::joursFrancais, moment.jourSemaine())));
    sortie.ligne("Jour de l'année    : " + nombre(moment.jourAnnee()));
}

void ecrireDate(TypeCalendrier arrivee, const DateHeure& date, Sortie& sortie)
{
    if (arrivee == MAYA) {
        sortie.ligne(nombre(date.pictun()) + "." + nombre(date.baktun()) + "." +
                     nombre(date.katun()) + "." + nombre(date.tun()) + "." + nombre(date.uinal()) +
                     "." + nombre(date.kin()) + ", " + nombre(date.nombreTzolkin()) + " " +
                     nombre(date.jourTzolkin()) + " " + nombre(date.jourHaab()) + " " +
                     nombre(date.moisHaab()));
    } else {
        sortie.ligne(nombre(date.annee()) + " " + nombre(date.mois()) + " " + nombre(date.jour()));
    }
}

// Year, month and day: any departure but MAYA, whose date is a long count.
void conversion(Arguments arguments, Sortie& sortie)
{
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    const TypeCalendrier arrivee = typeDepuisMot(arguments[1]);
    if (depart == CALENDRIER_INCONNU || arrivee == CALENDRIER_INCONNU || depart == MAYA)
        return;
    const DateHeure source(lireNombre(arguments[2]), lireNombre(arguments[3]),
                           lireNombre(arguments[4]));
    ecrireDate(arrivee, Calendrier(depart).convertir(arrivee, source), sortie);
}

// A Maya long count, most significant place first: departure MAYA only.
void conversionMaya(Arguments arguments, Sortie& sortie)
{
    const TypeCalendrier depart = typeDepuisMot(arguments[0]);
    const TypeCalendrier arrivee = typeDepuisMot(arguments[1]);
    if (depart != MAYA || arrivee == CALENDRIER_INCONNU)
        return;
    std::int64_t places[6]; // pictun, baktun, katun, tun, uinal, kin
    for (std::size_t i = 0; i < 6; ++i)
        places[i] = lireNombre(arguments[2 + i]);
    // nombreTzolkin 0: the date is read from its long count.
    const DateHeure source(0, 0, 0, 0, 0, places[5], places[4], places[3], places[2], places[1],
                           places[0]);
    ecrireDate(arrivee, Calendrier(depart).convertir(arrivee, source), sortie);
}

struct Commande
{
    std::size_t minimum; // argument counts served, bounds included
    std::size_t maximum;
    std::string_view mot; // command word selected by prefix; empty: any first argument
    void (*executer)(Arguments, Sortie&);
};

constexpr std::size_t sansLimite = std::numeric_limits<std::size_t>::max();

constexpr std::array<Commande, 11> commandes = {{
    {1, 1, "--help", usageSeul},
    {1, 1, "-h", usageSeul},
    {2, 2, "PAQUES", paques},
    {2, 2, "COMPUT", comput},
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

int executerCommande(std::span<const std::string_view> arguments, Sortie& sortie)
{
    for (const Commande& commande : commandes) {
        if (arguments.size() >= commande.minimum && arguments.size() <= commande.maximum &&
            (commande.mot.empty() || selectionne(arguments[0], commande.mot))) {
            commande.executer(arguments, sortie);
            break;
        }
    }
    return 0;
}

} // namespace chronastre
