#include "texte/validation.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendrierchinois.h"
#include "engine/calendriermaya.h"
#include "engine/reforme.h"
#include "names/noms.h"
#include "texte/lecture.h"
#include "texte/lecturecivile.h"
#include "texte/rendu.h"
#include "texte/vocabulaire.h"

#include <array>

namespace chronastre::texte {

namespace {

// Hebrew months are named by their place in a common year, Tishri 1 to
// Ellul 12; Veadar (Adar II) is 13.
constexpr std::int64_t veadar = 13;

// The weekday names of a calendar's own language.
const std::array<noms::Nom, 7>* joursPropres(TypeCalendrier type)
{
    switch (type) {
    case ARMENIEN:
        return &noms::joursArmeniens;
    case KHWARIZMIEN:
    case PERSE:
    case IRANIEN:
        return &noms::joursPerses;
    case COPTE:
        return &noms::joursCoptes;
    case ETHIOPIEN:
        return &noms::joursEthiopiens;
    case BAHAI:
    case BAHAI_TEHERAN:
        return &noms::joursBahais;
    case SAKA:
        return &noms::joursSaka;
    case ISLAMIQUE_A:
    case ISLAMIQUE_B:
    case UMM_AL_QURA:
        return &noms::joursIslamiques;
    case HEBREU:
        return &noms::joursHebreux;
    default:
        return nullptr;
    }
}

// The warning for a weekday written that is not the date's, in the table it
// was named from; empty when it agrees.
std::string verifierSemaine(const Champs& c, const Mots& mots, std::int64_t numeroJour,
                            const DateHeure& date)
{
    if (c.jourSemaine < 0)
        return {};
    const int table = c.jourSemaine >= semainePropre   ? semainePropre
                      : c.jourSemaine >= semaineDecade ? semaineDecade
                                                       : semaineFrancaise;
    const auto jour = static_cast<std::size_t>(
        table == semaineDecade ? floorMod(date.jour() - 1, 10) : jourSemaine(numeroJour));
    if (c.jourSemaine == table + static_cast<int>(jour))
        return {};
    const auto* propres = joursPropres(c.calendrier);
    const noms::Nom nom = table == semainePropre && propres != nullptr ? (*propres)[jour]
                          : table == semaineDecade                     ? noms::joursDecade[jour]
                                                                       : noms::joursFrancais[jour];
    return semaineDiscordante(nom, mots.ecrits(c.semaineDebut, c.semaineFin));
}

// The tzolkin and haab written after a long count must be the day's.
std::string verifierCalendaire(const Champs& c, const Mots& mots, const DateHeure& d)
{
    if (!c.calendaire)
        return {};
    const std::int64_t juste[4] = {d.nombreTzolkin(), d.jourTzolkin(), d.jourHaab(), d.moisHaab()};
    bool egal = true;
    for (std::size_t k = 0; k < 4; ++k)
        egal = egal && juste[k] == c.calendrierRituel[k];
    if (egal)
        return {};
    return mayaDiscordant(texteCalendrier(MAYA, d, 0, false)
                              .substr(texteCalendrier(MAYA, d, 0, false).find(", ") + 2),
                          mots.ecrits(c.calendaireDebut, c.calendaireFin));
}

// The Nones and the Ides of a Julian-style month: the 7th and 15th in March,
// May, July and October, the 5th and 13th otherwise.
std::int64_t nones(std::int64_t mois)
{
    return mois == 3 || mois == 5 || mois == 7 || mois == 10 ? 7 : 5;
}

// The month and day a Roman day's name gives in year annee, or a reason.
Refus jourRomain(const Champs& c, const Mots& mots, std::int64_t& mois, std::int64_t& jour)
{
    Refus refus;
    refus.calendrier = c.calendrier;
    refus.mot = mots.ecrits(c.romainDebut, c.romainFin);
    refus.motif = Motif::CompteRomain;
    mois = c.mois;
    const std::int64_t n = nones(c.mois);
    const std::int64_t ides = n + 8;
    if (c.compte == 0) {
        jour = c.repere == 1 ? 1 : c.repere == 2 ? n : ides;
        return {};
    }
    if (c.repere == 2 || c.repere == 3) {
        // Counted back from the Nones (days 2 to the Nones) or the Ides
        // (after the Nones).
        const std::int64_t repere = c.repere == 2 ? n : ides;
        jour = repere + 1 - c.compte;
        const std::int64_t premier = c.repere == 2 ? 2 : n + 1;
        return c.bis || jour < premier || jour >= repere ? refus : Refus{};
    }
    // Counted back from the Kalends: a day of the month before, after its
    // Ides (the Kalends of January close the December of the same year).
    mois = c.mois == 1 ? 12 : c.mois - 1;
    const std::int64_t longueur = joursDuMois(c.calendrier, c.annee, mois);
    const bool bissextile = mois == 2 && longueur == 29;
    if (c.bis) {
        if (mois != 2 || c.compte != 6)
            return refus;
        if (!bissextile) {
            refus.motif = Motif::BisCommune;
            refus.n1 = c.annee;
            return refus;
        }
        jour = 25;
        return {};
    }
    // In a leap year the sixth day is doubled: the days before it keep their
    // common-year count.
    jour = bissextile && c.compte >= 6 ? 30 - c.compte : longueur + 2 - c.compte;
    return jour <= nones(mois) + 8 || jour > longueur ? refus : Refus{};
}

// A Chinese year's stem and branch, and its animal, as written must be its
// own.
Refus verifierCycle(const Champs& c)
{
    Refus r;
    r.calendrier = c.calendrier;
    if (c.calendrier != CHINOIS || (c.cycle == 0 && c.animal == 0) ||
        !CalendrierChinois::anneeDansLaPlage(c.annee))
        return r;
    const std::int64_t rang = CalendrierChinois::rangCycle(c.annee);
    if (c.cycle != 0 && c.cycle != rang) {
        r.motif = Motif::CycleDiscordant;
        r.n1 = c.annee;
        r.n2 = c.cycle;
        return r;
    }
    if (c.animal != 0 && c.animal != (rang - 1) % 12 + 1) {
        r.motif = Motif::AnimalDiscordant;
        r.n1 = c.annee;
        r.n2 = c.animal;
    }
    return r;
}

// Why a date of whole fields does not exist; none when it does.
Refus raison(const Champs& c, std::int64_t mois, bool partiel)
{
    const TypeCalendrier type = c.calendrier;
    Refus r;
    r.calendrier = type;
    if (estEnUsage(type) && moisDansAnnee(type, c.annee) == 0) {
        r.motif = Motif::AnneeHorsPlage;
        r.n1 = c.annee;
        return r;
    }
    if (type == CHINOIS && mois == 0) {
        // A number no month has, or a leap month the year lacks.
        r.motif =
            c.mois < 1 || c.mois > 12 ? Motif::NumeroMoisChinois : Motif::MoisIntercalaireAbsent;
        r.n1 = c.mois;
        r.n2 = c.annee;
        r.n3 = CalendrierChinois::moisIntercalaire(c.annee);
        return r;
    }
    if (type == HEBREU && c.annee < 1) {
        r.motif = Motif::HebreuAvantUn;
        return r;
    }
    if (type == HEBREU && c.moisNomme && mois == 0) {
        r.motif = Motif::VeadarAnneeCommune;
        r.n1 = c.annee;
        return r;
    }
    const std::int64_t moisDansLAnnee = moisDansAnnee(type, c.annee);
    if (mois < 1 || mois > moisDansLAnnee) {
        r.motif = Motif::MoisInexistant;
        r.n1 = mois;
        r.n2 = c.annee;
        r.n3 = moisDansLAnnee;
        return r;
    }
    if (partiel && !c.aJour)
        return r;
    const std::int64_t jours = joursDuMois(type, c.annee, mois);
    if (c.jour >= 1 && c.jour <= jours)
        return r;
    r.motif = Motif::JourInexistant;
    r.n1 = c.jour;
    r.n2 = c.annee;
    r.n3 = jours;
    r.moisNomme = c.moisNomme || c.repere != 0;
    r.mois = mois;
    r.embolismique = type == HEBREU && moisDansLAnnee == 13;
    return r;
}

// A date of a region's documents: its day, or its two days in the Easter
// style, through the engine's reform, styles and feasts. A weekday written
// before it chooses between two days, or is checked against the one.
Verdict validerCivil(const Champs& c, const Mots& mots)
{
    Verdict v;
    v.refus.calendrier = c.calendrier;
    const ContexteCivil& contexte = *c.civil;
    Style style = c.style < 0                   ? contexte.style()
                  : c.style == styleAncienEcrit ? contexte.styleAncien()
                                                : static_cast<Style>(c.style);
    // A double year ("1700/01") already gives the year from 1 January.
    if (c.doubleAnnee)
        style = Style::CIRCONCISION;
    const auto refuser = [&](Motif motif, chronastre::Refus raison) {
        v.refus.motif = motif;
        v.refus.raisonCivile = raison;
        v.refus.region = contexte.region();
        v.refus.style = style;
        v.refus.partie = c.partie;
        return v;
    };
    Resolution r;
    if (c.jourJulien) {
        r.jours[0] = c.numeroJour;
        r.nombre = 1;
    } else if (c.fete) {
        FormeFete forme = c.forme;
        forme.annee = c.annee;
        forme.partie = c.partie;
        r = resoudre(forme, contexte.fetes(), style);
        if (r.refus != chronastre::Refus::Aucun) {
            v.refus.forme = forme;
            return refuser(Motif::FeteCivile, r.refus);
        }
    } else {
        if (!c.aJour && c.repere == 0) {
            v.refus.motif = c.aMois ? Motif::ManqueJour : Motif::AucuneDate;
            return v;
        }
        std::int64_t mois = c.mois;
        std::int64_t jour = c.jour;
        if (c.repere != 0) {
            if (Refus romain = jourRomain(c, mots, mois, jour)) {
                v.refus = std::move(romain);
                return v;
            }
        }
        r = jourEnStyle(style, contexte.region(), c.annee, mois, jour, c.partie);
        if (r.refus != chronastre::Refus::Aucun) {
            v.refus.n1 = c.annee;
            v.refus.n2 = mois;
            v.refus.n3 = jour;
            return refuser(Motif::DateCivile, r.refus);
        }
    }
    if (c.jourSemaine >= 0 && c.jourSemaine < semaineDecade) {
        const std::int64_t ecrit = c.jourSemaine - semaineFrancaise;
        if (r.nombre == 2 &&
            (jourSemaine(r.jours[0]) == ecrit) != (jourSemaine(r.jours[1]) == ecrit)) {
            if (jourSemaine(r.jours[0]) != ecrit)
                r.jours[0] = r.jours[1];
            r.nombre = 1;
        }
        const auto juste = static_cast<std::size_t>(jourSemaine(r.jours[0]));
        const auto autre = static_cast<std::size_t>(jourSemaine(r.jours[1]));
        if (r.nombre == 1 && juste != static_cast<std::size_t>(ecrit))
            v.avertissement = semaineDiscordante(noms::joursFrancais[juste],
                                                 mots.ecrits(c.semaineDebut, c.semaineFin));
        else if (r.nombre == 2 && juste != static_cast<std::size_t>(ecrit) &&
                 autre != static_cast<std::size_t>(ecrit))
            v.avertissement =
                semaineDiscordante(std::string(noms::joursFrancais[juste]) + " ou un " +
                                       std::string(noms::joursFrancais[autre]),
                                   mots.ecrits(c.semaineDebut, c.semaineFin));
    }
    v.premier = r.jours[0];
    v.dernier = r.jours[static_cast<std::size_t>(r.nombre - 1)];
    v.deuxJours = r.nombre == 2;
    if (const auto date = dateCivile(contexte.region(), v.premier))
        v.date = DateHeure(date->annee, date->mois, date->jour);
    return v;
}

} // namespace

std::int64_t placerMois(TypeCalendrier type, std::int64_t annee, std::int64_t nom,
                        bool intercalaire)
{
    if (type == CHINOIS)
        return CalendrierChinois::rangMois(annee, {nom, intercalaire});
    if (type != HEBREU)
        return nom;
    const bool treize = moisDansAnnee(HEBREU, annee) == 13;
    if (nom == veadar)
        return treize ? 7 : 0;
    return treize && nom >= 7 ? nom + 1 : nom;
}

Verdict valider(const Champs& c, const Mots& mots, bool partiel)
{
    if (c.civil != nullptr)
        return validerCivil(c, mots);
    Verdict v;
    v.refus.calendrier = c.calendrier;
    const TypeCalendrier type = c.calendrier;
    Calendrier calendrier(type);

    if (c.jourJulien) {
        v.date = calendrier.versCalendrier(c.numeroJour);
        if ((type == HEBREU && v.date.annee() < 1) || (type == MAYA && v.date.nombreTzolkin() < 1))
            v.refus.motif = Motif::HorsCalendrier;
        if (!plageDuCalendrier(type).contient(c.numeroJour))
            v.refus.motif = Motif::JourHorsPlage;
        v.premier = v.dernier = c.numeroJour;
        return v;
    }

    if (c.maya) {
        const std::int32_t* l = c.compteLong;
        v.date = CalendrierMaya::compteLong(l[0], l[1], l[2], l[3], l[4], l[5]);
        const std::int64_t n = calendrier.depuisCalendrier(v.date);
        const DateHeure retour = calendrier.versCalendrier(n);
        if (!memeDate(MAYA, retour, v.date)) {
            v.refus.motif = CalendrierMaya::depuisMaya(v.date) < CalendrierMaya::epoque
                                ? Motif::MayaAvantEpoque
                                : Motif::MayaPlaces;
            return v;
        }
        v.premier = v.dernier = n;
        v.avertissement = verifierCalendaire(c, mots, retour);
        return v;
    }

    if (!c.aJour && !partiel && c.repere == 0) {
        v.refus.motif = c.aMois ? Motif::ManqueJour : Motif::AucuneDate;
        return v;
    }
    if (Refus r = verifierCycle(c)) {
        v.refus = std::move(r);
        return v;
    }
    // A Chinese month is always its number, which the year places.
    std::int64_t mois =
        c.moisNomme || type == CHINOIS ? placerMois(type, c.annee, c.mois, c.intercalaire) : c.mois;
    Champs lu = c;
    if (c.repere != 0) {
        if (Refus r = jourRomain(c, mots, mois, lu.jour)) {
            v.refus = std::move(r);
            return v;
        }
        lu.aJour = true;
    }
    if (!lu.aMois) {
        // A year alone.
        if (type == HEBREU && c.annee < 1) {
            v.refus.motif = Motif::HebreuAvantUn;
            return v;
        }
        v.premier = calendrier.depuisCalendrier(DateHeure(c.annee, 1, 1));
        v.dernier = c.doubleAnnee ? calendrier.depuisCalendrier(DateHeure(c.annee, 3, 24))
                                  : calendrier.depuisCalendrier(DateHeure(c.annee + 1, 1, 1)) - 1;
        return v;
    }
    if (lu.aJour) {
        // Most dates exist: one round trip says so, and gives the day
        // number; the reason is looked for only when it fails.
        v.date = DateHeure(c.annee, mois, lu.jour);
        const std::int64_t n = calendrier.depuisCalendrier(v.date);
        if (memeDate(type, calendrier.versCalendrier(n), v.date) &&
            !(type == HEBREU && c.moisNomme && mois == 0) && plageDuCalendrier(type).contient(n)) {
            v.premier = v.dernier = n;
            v.avertissement = verifierSemaine(c, mots, n, v.date);
            return v;
        }
    }
    if (Refus r = raison(lu, mois, partiel)) {
        v.refus = std::move(r);
        return v;
    }
    if (!lu.aJour) {
        // A month and its year.
        v.premier = calendrier.depuisCalendrier(DateHeure(c.annee, mois, 1));
        const std::int64_t dernier =
            c.doubleAnnee && mois == 3 ? 24 : joursDuMois(type, c.annee, mois);
        v.dernier = calendrier.depuisCalendrier(DateHeure(c.annee, mois, dernier));
        return v;
    }
    // Within its month's bounds yet not itself: a day the arithmetic cannot
    // reach (kept as a reason, never seen in practice).
    v.refus.motif = Motif::JourInexistant;
    v.refus.n1 = lu.jour;
    v.refus.n2 = c.annee;
    v.refus.n3 = joursDuMois(type, c.annee, mois);
    v.refus.mois = mois;
    return v;
}

} // namespace chronastre::texte
