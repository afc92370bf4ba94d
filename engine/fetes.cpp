#include "engine/fetes.h"

#include "engine/arithmetique.h"
#include "engine/dateheure.h"

#include <algorithm>

namespace chronastre {

namespace {

// What every feast of a year hangs on: the region's Easter and Christmas of
// that year (none when beyond the limits, or when the reform skipped
// Christmas).
struct Ancres
{
    std::optional<std::int64_t> paques;
    std::optional<std::int64_t> noel;
};

Ancres ancres(Region region, std::int64_t annee)
{
    const JourCivil noel = jourCivil(region, annee, 12, 25);
    return {jourPaques(region, annee),
            noel.refus == Refus::Aucun ? std::optional(noel.jour) : std::nullopt};
}

std::optional<std::int64_t> jourSelonRegle(const RegleFete& regle, Region region,
                                           std::int64_t annee, const Ancres& a)
{
    switch (regle.genre) {
    case GenreFete::FIXE: {
        std::int64_t jour = regle.jour;
        if (regle.bissexte && jourCivil(region, annee, 2, 29).refus == Refus::Aucun)
            ++jour;
        const JourCivil j = jourCivil(region, annee, regle.mois, jour);
        if (j.refus != Refus::Aucun)
            return std::nullopt;
        return j.jour;
    }
    case GenreFete::MOBILE:
        if (!a.paques)
            return std::nullopt;
        return *a.paques + regle.decalage;
    case GenreFete::AVENT: {
        if (!a.noel)
            return std::nullopt;
        // The fourth Sunday is the last one before Christmas Day.
        const std::int64_t veille = *a.noel - 1;
        const std::int64_t quatrieme = veille - jourSemaine(veille);
        return quatrieme - 7 * (4 - regle.decalage);
    }
    }
    return std::nullopt;
}

bool dansLimites(std::int64_t annee)
{
    return annee >= -anneeLimite && annee <= anneeLimite;
}

} // namespace

std::optional<std::int64_t> jourDeFete(Fete fete, Region region, std::int64_t annee)
{
    if (!dansLimites(annee))
        return std::nullopt;
    const RegleFete& regle = regleFete(fete);
    Ancres a;
    if (regle.genre == GenreFete::MOBILE)
        a.paques = jourPaques(region, annee);
    else if (regle.genre == GenreFete::AVENT)
        a = ancres(region, annee);
    return jourSelonRegle(regle, region, annee, a);
}

FetesDeRegion::Annee& FetesDeRegion::annee(std::int64_t annee)
{
    for (Annee& a : annees_) {
        if (a.rempli && a.annee == annee)
            return a;
    }
    Annee& a = annees_[suivante_];
    suivante_ = (suivante_ + 1) % annees_.size();
    a.annee = annee;
    a.rempli = true;
    a.etat.fill(0);
    a.paquesConnue = false;
    a.noelConnu = false;
    a.paques.reset();
    a.noel.reset();
    return a;
}

std::optional<std::int64_t> FetesDeRegion::jour(Fete fete, std::int64_t annee)
{
    Annee& a = this->annee(annee);
    const auto k = static_cast<std::size_t>(fete);
    if (a.etat[k] == 0) {
        const RegleFete& regle = regleFete(fete);
        if (regle.genre == GenreFete::MOBILE && !a.paquesConnue && dansLimites(annee)) {
            a.paques = jourPaques(region_, annee);
            a.paquesConnue = true;
        } else if (regle.genre == GenreFete::AVENT && !a.noelConnu && dansLimites(annee)) {
            a.noel = ancres(region_, annee).noel;
            a.noelConnu = true;
        }
        const auto jour = dansLimites(annee)
                              ? jourSelonRegle(regle, region_, annee, Ancres{a.paques, a.noel})
                              : std::nullopt;
        a.etat[k] = jour ? 1 : 2;
        a.jours[k] = jour.value_or(0);
    }
    if (a.etat[k] == 2)
        return std::nullopt;
    return a.jours[k];
}

std::optional<std::int64_t> FetesDeRegion::anneeEnStyle(Style style, std::int64_t numeroJour)
{
    const auto date = dateCivile(region_, numeroJour);
    if (!date)
        return std::nullopt;
    std::int64_t paques = 0;
    if (style == Style::PAQUES) {
        const auto jour = this->jour(Fete::PAQUES, date->annee);
        if (!jour)
            return std::nullopt;
        paques = *jour;
    }
    return chronastre::anneeEnStyle(style, *date, numeroJour, paques);
}

Resolution resoudre(const FormeFete& forme, FetesDeRegion& fetes, Style style)
{
    Resolution r;
    if (forme.annee <= -anneeLimite || forme.annee >= anneeLimite) {
        r.refus = Refus::HorsLimites;
        return r;
    }
    const bool semaine = forme.relation == Relation::JOUR_SEMAINE_AVANT ||
                         forme.relation == Relation::JOUR_SEMAINE_APRES;
    if ((semaine && (forme.jourSemaine < 0 || forme.jourSemaine > 6)) ||
        (forme.relation == Relation::NIEME_JOUR_APRES && (forme.rang < 1 || forme.rang > 366))) {
        r.refus = Refus::FormeInvalide;
        return r;
    }
    if (forme.partie != PartiePaques::Indifferente)
        style = Style::PAQUES;

    // The occurrences of the feast whose year in the style is the form's:
    // the feast of our year before, of the same number, or after. A feast
    // of our year falls within it, so that a year beginning before ours
    // (Christmas, the Pisan 25 March) can only hold the feasts of our year
    // and the year before, one beginning after ours (the Florentine 25
    // March, Easter) those of our year and the year after, and the
    // Circumcision's those of our year.
    const bool avantLaNotre = style == Style::NOEL || style == Style::PISAN;
    const bool apresLaNotre = style == Style::ANNONCIATION || style == Style::PAQUES;
    const std::int64_t premiere = forme.annee - (avantLaNotre ? 1 : 0);
    const std::int64_t derniere = forme.annee + (apresLaNotre ? 1 : 0);
    bool absente = false;
    bool trouvee = false;
    for (std::int64_t notreAnnee = premiere; notreAnnee <= derniere; ++notreAnnee) {
        const auto jour = fetes.jour(forme.fete, notreAnnee);
        if (!jour) {
            absente = true;
            continue;
        }
        // In the Circumcision's style the year is ours, which holds its feasts.
        if (style != Style::CIRCONCISION && fetes.anneeEnStyle(style, *jour) != forme.annee)
            continue;
        trouvee = true;
        if ((forme.partie == PartiePaques::ApresPaques && notreAnnee != forme.annee) ||
            (forme.partie == PartiePaques::AvantPaques && notreAnnee != forme.annee + 1))
            continue;
        const std::int64_t d = *jour;
        std::int64_t resultat = d;
        switch (forme.relation) {
        case Relation::JOUR:
            break;
        case Relation::VEILLE:
            resultat = d - 1;
            break;
        case Relation::LENDEMAIN:
            resultat = d + 1;
            break;
        case Relation::OCTAVE:
            resultat = d + 7;
            break;
        case Relation::JOUR_SEMAINE_AVANT:
            resultat = d - 1 - floorMod(jourSemaine(d - 1) - forme.jourSemaine, 7);
            break;
        case Relation::JOUR_SEMAINE_APRES:
            resultat = d + 1 + floorMod(forme.jourSemaine - jourSemaine(d + 1), 7);
            break;
        case Relation::NIEME_JOUR_APRES:
            resultat = d + forme.rang;
            break;
        }
        if (r.nombre < static_cast<int>(r.jours.size()))
            r.jours[static_cast<std::size_t>(r.nombre++)] = resultat;
    }
    if (r.nombre == 0)
        r.refus =
            trouvee ? Refus::PartieContraire : (absente ? Refus::FeteAbsente : Refus::HorsAnnee);
    return r;
}

Resolution resoudre(const FormeFete& forme, Region region, Style style)
{
    FetesDeRegion fetes(region);
    return resoudre(forme, fetes, style);
}

std::vector<FormeFete> formesDuJour(std::int64_t numeroJour, FetesDeRegion& fetes, Style style)
{
    std::vector<FormeFete> formes;
    const auto date = dateCivile(fetes.region(), numeroJour);
    if (!date || date->annee <= -anneeLimite + 2 || date->annee >= anneeLimite - 2)
        return formes;

    // The feast days around it, with the year each belongs to.
    struct Voisine
    {
        Fete fete;
        std::int64_t jour;
        std::int64_t notreAnnee;
        Relation relation;
    };
    std::vector<Voisine> voisines;
    // The feasts two days or more before the day, the latest first: the
    // n-th day after the first of them that can be written (the morrow of a
    // feast is written as its lendemain).
    std::vector<Voisine> anterieures;
    for (std::int64_t annee = date->annee - 1; annee <= date->annee + 1; ++annee) {
        for (const RegleFete& regle : reglesFetes) {
            const auto jour = fetes.jour(regle.fete, annee);
            if (!jour)
                continue;
            const std::int64_t ecart = numeroJour - *jour;
            const auto ajouter = [&](Relation relation) {
                voisines.push_back({regle.fete, *jour, annee, relation});
            };
            if (ecart == 0)
                ajouter(Relation::JOUR);
            if (ecart == -1)
                ajouter(Relation::VEILLE);
            if (ecart == 1)
                ajouter(Relation::LENDEMAIN);
            if (ecart == 7)
                ajouter(Relation::OCTAVE);
            if (ecart >= 1 && ecart <= 7)
                ajouter(Relation::JOUR_SEMAINE_APRES);
            if (ecart >= -7 && ecart <= -1)
                ajouter(Relation::JOUR_SEMAINE_AVANT);
            if (ecart >= 2 && ecart <= 366)
                anterieures.push_back({regle.fete, *jour, annee, Relation::NIEME_JOUR_APRES});
        }
    }
    std::stable_sort(anterieures.begin(), anterieures.end(),
                     [](const Voisine& a, const Voisine& b) { return a.jour > b.jour; });

    // The form of a feast day, or none when it cannot be told from another
    // day: a feast that falls twice in the year of its style gets its part
    // in the Easter style; the other styles cannot tell the two apart
    // (Laetare before and after the 25 March of a Florentine year).
    const auto ecrire = [&](const Voisine& v) -> std::optional<FormeFete> {
        const auto annee = fetes.anneeEnStyle(style, v.jour);
        if (!annee)
            return std::nullopt;
        FormeFete forme;
        forme.relation = v.relation;
        forme.fete = v.fete;
        if (v.relation == Relation::JOUR_SEMAINE_AVANT ||
            v.relation == Relation::JOUR_SEMAINE_APRES)
            forme.jourSemaine = jourSemaine(numeroJour);
        forme.rang = v.relation == Relation::NIEME_JOUR_APRES ? numeroJour - v.jour : 0;
        forme.annee = *annee;
        FormeFete fete;
        fete.fete = v.fete;
        fete.annee = *annee;
        if (resoudre(fete, fetes, style).nombre == 2) {
            if (style != Style::PAQUES)
                return std::nullopt;
            forme.partie =
                v.notreAnnee == *annee ? PartiePaques::ApresPaques : PartiePaques::AvantPaques;
        }
        return forme;
    };
    for (const Voisine& v : voisines) {
        if (const auto forme = ecrire(v))
            formes.push_back(*forme);
    }
    for (const Voisine& v : anterieures) {
        if (const auto forme = ecrire(v)) {
            formes.push_back(*forme);
            break;
        }
    }
    return formes;
}

std::vector<FeteDatee> fetesMobiles(Region region, std::int64_t annee)
{
    std::vector<FeteDatee> fetes;
    if (!dansLimites(annee))
        return fetes;
    const Ancres ancresAnnee = ancres(region, annee);
    for (const RegleFete& regle : reglesFetes) {
        if (regle.genre == GenreFete::FIXE)
            continue;
        if (const auto jour = jourSelonRegle(regle, region, annee, ancresAnnee))
            fetes.push_back({regle.fete, *jour});
    }
    return fetes;
}

} // namespace chronastre
