#include "ui/modelesaisie.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendrierchinois.h"
#include "engine/calendrierhebreu.h"
#include "engine/calendriermaya.h"
#include "texte/refus.h"
#include "texte/rendu.h"

#include <algorithm>

namespace chronastre {

namespace {

bool estCalendrier(TypeCalendrier type)
{
    return type >= 0 && type < nombreCalendriers;
}

} // namespace

std::int64_t premierJourFenetre()
{
    return Calendrier(JULIEN).depuisCalendrier(DateHeure(1 - anneeMaximaleAvantJC, 1, 1));
}

std::int64_t dernierJourFenetre()
{
    return Calendrier(GREGORIEN).depuisCalendrier(DateHeure(anneeMaximaleApresJC, 12, 31));
}

ModeleSaisie::ModeleSaisie(TypeCalendrier type, std::int64_t numeroJour)
    : type_(estCalendrier(type) ? type : GREGORIEN)
{
    placer(numeroJour);
}

void ModeleSaisie::placer(std::int64_t numeroJour)
{
    const DateHeure d = Calendrier(type_).versCalendrier(numeroJour);
    jourNonEcrit_.reset();
    if (type_ == MAYA) {
        if (d.nombreTzolkin() < 1) {
            jourNonEcrit_ = numeroJour;
            compteLong_ = {};
        } else {
            compteLong_ = {d.pictun(), d.baktun(), d.katun(), d.tun(), d.uinal(), d.kin()};
        }
        return;
    }
    if (type_ == HEBREU && d.annee() < 1) {
        // The fields show 1 Tishri of year 1.
        jourNonEcrit_ = numeroJour;
        annee_ = 1;
        mois_ = 1;
        jour_ = 1;
        return;
    }
    if (const Plage plage = plageDuCalendrier(type_); !plage.contient(numeroJour)) {
        // A calendar in use today, outside its table: the fields show the
        // end of the table nearest the day.
        jourNonEcrit_ = numeroJour;
        const DateHeure bord = Calendrier(type_).versCalendrier(
            numeroJour < plage.premierJour ? plage.premierJour : plage.dernierJour);
        annee_ = bord.annee();
        mois_ = static_cast<int>(bord.mois());
        jour_ = static_cast<int>(bord.jour());
        return;
    }
    annee_ = d.annee();
    mois_ = static_cast<int>(d.mois());
    jour_ = static_cast<int>(d.jour());
}

bool ModeleSaisie::setType(TypeCalendrier type)
{
    if (!estCalendrier(type))
        return false;
    const std::int64_t jour = numeroJour();
    type_ = type;
    placer(jour);
    return true;
}

void ModeleSaisie::setAnnee(std::int64_t annee)
{
    if (type_ == HEBREU) {
        // Months are numbered from Tishri, Veadar (7) inserted in a 13-month
        // year: the months after Adar move by one.
        const bool avant = CalendrierHebreu::estEmbolismique(annee_);
        const bool apres = CalendrierHebreu::estEmbolismique(annee);
        if (avant && !apres && mois_ >= 7)
            --mois_;
        else if (!avant && apres && mois_ >= 7)
            ++mois_;
    } else if (type_ == CHINOIS) {
        // A Chinese month keeps its number; a leap month becomes the month
        // of its number in a year without it.
        const MoisChinois m = CalendrierChinois::numeroMois(annee_, mois_);
        std::int64_t rang = CalendrierChinois::rangMois(annee, m);
        if (rang == 0)
            rang = CalendrierChinois::rangMois(annee, {m.numero, false});
        if (rang != 0)
            mois_ = static_cast<int>(rang);
    }
    jourNonEcrit_.reset();
    annee_ = annee;
    ramener();
}

void ModeleSaisie::setMois(int mois)
{
    jourNonEcrit_.reset();
    mois_ = mois;
    ramener();
}

void ModeleSaisie::setJour(int jour)
{
    jourNonEcrit_.reset();
    jour_ = jour;
    ramener();
}

void ModeleSaisie::setCompteLong(std::size_t place, std::int64_t valeur)
{
    if (place < compteLong_.size()) {
        jourNonEcrit_.reset();
        compteLong_[place] = valeur;
    }
}

int ModeleSaisie::nombreMois() const
{
    return static_cast<int>(moisDansAnnee(type_, annee_));
}

std::vector<std::string> ModeleSaisie::nomsMois() const
{
    std::vector<std::string> noms;
    const bool embolismique = type_ == HEBREU && CalendrierHebreu::estEmbolismique(annee_);
    for (int mois = 1; mois <= nombreMois(); ++mois)
        noms.push_back(type_ == CHINOIS ? texte::nomDuMoisChinois(annee_, mois)
                                        : texte::nomDuMois(type_, mois, embolismique));
    return noms;
}

int ModeleSaisie::joursDuMois() const
{
    return static_cast<int>(chronastre::joursDuMois(type_, annee_, mois_));
}

void ModeleSaisie::ramener()
{
    // A year outside a table has no months (a year being typed digit by
    // digit): the month and the day wait for one that has them.
    if (estEnUsage(type_) && nombreMois() == 0)
        return;
    mois_ = std::clamp(mois_, 1, std::max(nombreMois(), 1));
    jour_ = std::clamp(jour_, 1, std::max(joursDuMois(), 1));
}

std::int64_t ModeleSaisie::numeroJour() const
{
    if (jourNonEcrit_)
        return *jourNonEcrit_;
    const auto& c = compteLong_;
    return Calendrier(type_).depuisCalendrier(
        type_ == MAYA ? CalendrierMaya::compteLong(c[0], c[1], c[2], c[3], c[4], c[5])
                      : DateHeure(annee_, mois_, jour_));
}

std::string ModeleSaisie::raison() const
{
    if (jourNonEcrit_ && type_ == HEBREU)
        return "Ce jour précède le calendrier hébreu, qui commence en l'an 1, le 7 octobre 3761 "
               "avant J. C. : saisissez une date.";
    if (jourNonEcrit_ && estEnUsage(type_))
        return "Ce jour est hors de la plage du " + texte::nomDuCalendrier(type_) + ", qui va " +
               texte::textePlage(type_) + " : saisissez une date.";
    if (jourNonEcrit_)
        return "Ce jour précède le compte long, qui commence à 0.0.0.0.0.0, le 8 septembre 3114 "
               "avant J. C. : saisissez une date.";
    if (type_ == HEBREU && (annee_ < 1 || joursDuMois() == 0))
        return "Le calendrier hébreu commence en l'an 1, le 7 octobre 3761 avant J. C.";
    const std::int64_t jour = numeroJour();
    if (!plageDuCalendrier(type_).contient(jour))
        return "Cette date est hors de la plage du " + texte::nomDuCalendrier(type_) + ", qui va " +
               texte::textePlage(type_) + ".";
    if (type_ == MAYA && jour < CalendrierMaya::epoque)
        return "Le compte long commence à 0.0.0.0.0.0, le 8 septembre 3114 avant J. C.";
    if (jour < premierJourFenetre())
        return "Cette date précède le 1er janvier 4713 avant J. C., premier jour que la fenêtre "
               "montre.";
    if (jour > dernierJourFenetre())
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
    const std::int64_t jour = numeroJour();
    if (region_ != Region::ROME) {
        if (const auto date = chronastre::dateCivile(region_, jour))
            return texte::texteDateCivile(DateHeure(date->annee, date->mois, date->jour),
                                          jourSemaine(jour));
    }
    return texte::texteDateCivile(dateCivile(), jourSemaine(jour));
}

std::string ModeleSaisie::texteEntree() const
{
    const std::int64_t jour = numeroJour();
    return texte::texteCalendrier(type_, Calendrier(type_).versCalendrier(jour), jourSemaine(jour),
                                  false);
}

} // namespace chronastre
