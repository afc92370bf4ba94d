#include "main/messages.h"

#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "main/canaux.h"
#include "main/resultat.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

namespace chronastre {

namespace {

// A date as the user gave it: its long count for MAYA, year, month and day
// otherwise.
std::string ecrite(TypeCalendrier type, const DateHeure& d)
{
    if (type == MAYA) {
        return std::to_string(d.pictun()) + ' ' + std::to_string(d.baktun()) + ' ' +
               std::to_string(d.katun()) + ' ' + std::to_string(d.tun()) + ' ' +
               std::to_string(d.uinal()) + ' ' + std::to_string(d.kin());
    }
    if (type == CHINOIS)
        return std::to_string(d.annee()) + ' ' +
               texte::moisChinoisEnChiffres(d.annee(), d.mois(), 0) + ' ' +
               std::to_string(d.jour());
    return std::to_string(d.annee()) + ' ' + std::to_string(d.mois()) + ' ' +
           std::to_string(d.jour());
}

} // namespace

std::string dateInexistante(TypeCalendrier depart, const DateHeure& source)
{
    return "la date " + ecrite(depart, source) + " n'existe pas dans le calendrier " +
           std::string(motDuType(depart));
}

std::string dateHorsPlage(TypeCalendrier depart, const DateHeure& source)
{
    return "la date " + ecrite(depart, source) + " est hors de la plage du calendrier " +
           std::string(motDuType(depart)) + ", qui va " + texte::textePlage(depart);
}

std::string arriveeHorsPlage(TypeCalendrier arrivee, std::int64_t numeroJour)
{
    const DateHeure civile = Calendrier(calendrierCivil(numeroJour)).versCalendrier(numeroJour);
    return "le " + texte::dateEnClair(civile) + " est hors de la plage du calendrier " +
           std::string(motDuType(arrivee)) + ", qui va " + texte::textePlage(arrivee);
}

std::string avertissementDate(TypeCalendrier depart, const DateHeure& source,
                              std::int64_t numeroJour)
{
    const DateHeure retour = Calendrier(depart).versCalendrier(numeroJour);
    if (memeDate(depart, retour, source))
        return {};
    const bool avantDebut =
        depart == MAYA ? retour.nombreTzolkin() < 1 : depart == HEBREU && retour.annee() < 1;
    std::string lue;
    if (avantDebut) {
        lue = "antérieure à son début";
    } else if (depart == MAYA && CalendrierMaya::depuisMaya(CalendrierMaya::compteLong(
                                     retour.pictun(), retour.baktun(), retour.katun(), retour.tun(),
                                     retour.uinal(), retour.kin())) != numeroJour) {
        // The long count writes twenty pictun; this day lies beyond them.
        lue = "lue comme le jour julien " + std::to_string(numeroJour) +
              ", au-delà du dernier jour du compte long (19.19.19.19.17.19)";
    } else {
        char tampon[longueurResultatMax];
        lue = "lue comme " + std::string(tampon, ecrireResultat(depart, retour, tampon));
    }
    return "attention, " + dateInexistante(depart, source) + " ; elle est " + lue;
}

} // namespace chronastre
