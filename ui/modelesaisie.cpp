#include "ui/modelesaisie.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendrierhebreu.h"
#include "engine/calendriermaya.h"
#include "texte/rendu.h"

#include <algorithm>

namespace chronastre {

namespace {

// The days the window shows: 1 January 4713 BC (Julian) to 31 December 9999.
constexpr std::int64_t premierJourFenetre = 0;
constexpr std::int64_t dernierJourFenetre = 5373484;

} // namespace

ModeleSaisie::ModeleSaisie(TypeCalendrier type, std::int64_t numeroJour) : type_(type)
{
    placer(numeroJour);
}

void ModeleSaisie::placer(std::int64_t numeroJour)
{
    const DateHeure d = Calendrier(type_).versCalendrier(numeroJour);
    if (type_ == MAYA) {
        if (d.nombreTzolkin() < 1)
            compteLong_ = {};
        else
            compteLong_ = {d.pictun(), d.baktun(), d.katun(), d.tun(), d.uinal(), d.kin()};
        return;
    }
    if (type_ == HEBREU && d.annee() < 1) {
        // No Hebrew date before its year 1: the year before it, not confirmable.
        annee_ = 0;
        mois_ = 1;
        jour_ = 1;
        return;
    }
    annee_ = d.annee();
    mois_ = static_cast<int>(d.mois());
    jour_ = static_cast<int>(d.jour());
}

void ModeleSaisie::setType(TypeCalendrier type)
{
    const std::int64_t jour = numeroJour();
    type_ = type;
    placer(jour);
}

void ModeleSaisie::setAnnee(std::int64_t annee)
{
    annee_ = annee;
    ramener();
}

void ModeleSaisie::setMois(int mois)
{
    mois_ = mois;
    ramener();
}

void ModeleSaisie::setJour(int jour)
{
    jour_ = jour;
    ramener();
}

void ModeleSaisie::setCompteLong(std::size_t place, std::int64_t valeur)
{
    if (place < compteLong_.size())
        compteLong_[place] = valeur;
}

int ModeleSaisie::nombreMois() const
{
    if (type_ == MAYA)
        return 0;
    if (type_ == HEBREU)
        return CalendrierHebreu::estEmbolismique(annee_) ? 13 : 12;
    return static_cast<int>(parametres[static_cast<std::size_t>(type_)].n);
}

std::vector<std::string> ModeleSaisie::nomsMois() const
{
    std::vector<std::string> noms;
    const bool embolismique = type_ == HEBREU && CalendrierHebreu::estEmbolismique(annee_);
    for (int mois = 1; mois <= nombreMois(); ++mois)
        noms.push_back(texte::nomDuMois(type_, mois, embolismique));
    return noms;
}

bool ModeleSaisie::existe(int jour) const
{
    Calendrier calendrier(type_);
    const DateHeure date(annee_, mois_, jour);
    return memeDate(type_, calendrier.versCalendrier(calendrier.depuisCalendrier(date)), date);
}

int ModeleSaisie::joursDuMois() const
{
    if (type_ == MAYA)
        return 0;
    // No calendar has a month of more than 31 days.
    for (int jour = 31; jour >= 1; --jour) {
        if (existe(jour))
            return jour;
    }
    return 0;
}

void ModeleSaisie::ramener()
{
    mois_ = std::clamp(mois_, 1, std::max(nombreMois(), 1));
    jour_ = std::clamp(jour_, 1, std::max(joursDuMois(), 1));
}

std::int64_t ModeleSaisie::numeroJour() const
{
    const auto& c = compteLong_;
    return Calendrier(type_).depuisCalendrier(
        type_ == MAYA ? CalendrierMaya::compteLong(c[0], c[1], c[2], c[3], c[4], c[5])
                      : DateHeure(annee_, mois_, jour_));
}

std::string ModeleSaisie::raison() const
{
    if (type_ == HEBREU && (annee_ < 1 || joursDuMois() == 0))
        return "Le calendrier hébreu commence en l'an 1, le 7 octobre 3761 avant J. C.";
    const std::int64_t jour = numeroJour();
    if (type_ == MAYA && jour < CalendrierMaya::epoque)
        return "Le compte long commence à 0.0.0.0.0.0, le 8 septembre 3114 avant J. C.";
    if (jour < premierJourFenetre)
        return "Cette date précède le 1er janvier 4713 avant J. C., premier jour que la fenêtre "
               "montre.";
    if (jour > dernierJourFenetre)
        return "Cette date suit le 31 décembre 9999, dernier jour que la fenêtre montre.";
    return {};
}

bool ModeleSaisie::confirmable() const
{
    return raison().empty();
}

DateHeure ModeleSaisie::dateCivile() const
{
    const std::int64_t jour = numeroJour();
    return Calendrier(calendrierCivil(jour)).versCalendrier(jour);
}

std::string ModeleSaisie::texteCivil() const
{
    return texte::texteDateCivile(dateCivile(), floorMod(numeroJour() + 1, 7));
}

std::string ModeleSaisie::texteEntree() const
{
    const std::int64_t jour = numeroJour();
    return texte::texteCalendrier(type_, Calendrier(type_).versCalendrier(jour),
                                  floorMod(jour + 1, 7), false);
}

} // namespace chronastre
