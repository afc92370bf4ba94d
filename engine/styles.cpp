#include "engine/styles.h"

namespace chronastre {

namespace {

// Month and day compared as a date of one year: (3, 25) before (4, 1).
constexpr bool avantDans(std::int64_t mois, std::int64_t jour, std::int64_t moisB,
                         std::int64_t jourB)
{
    return mois < moisB || (mois == moisB && jour < jourB);
}

Resolution refus(Refus motif)
{
    Resolution r;
    r.refus = motif;
    return r;
}

void ajouter(Resolution& r, std::int64_t jour)
{
    r.jours[static_cast<std::size_t>(r.nombre++)] = jour;
}

// The Easter style: our year annee from its Easter on, then our next year up
// to the eve of its Easter.
Resolution jourEnStylePaques(Region region, std::int64_t annee, std::int64_t mois,
                             std::int64_t jour, PartiePaques partie)
{
    const auto ouverture = jourPaques(region, annee);
    const auto cloture = jourPaques(region, annee + 1);
    if (!ouverture || !cloture)
        return refus(Refus::HorsLimites);
    const auto debut = dateCivile(region, *ouverture);
    const auto fin = dateCivile(region, *cloture);
    if (!debut || !fin)
        return refus(Refus::HorsLimites);
    bool apres = !avantDans(mois, jour, debut->mois, debut->jour);
    bool avantP = avantDans(mois, jour, fin->mois, fin->jour);
    if (!apres && !avantP)
        return refus(Refus::HorsAnnee);
    if (partie == PartiePaques::ApresPaques)
        avantP = false;
    else if (partie == PartiePaques::AvantPaques)
        apres = false;
    if (!apres && !avantP)
        return refus(Refus::PartieContraire);

    Resolution r;
    Refus premierRefus = Refus::Aucun;
    for (const std::int64_t notreAnnee : {annee, annee + 1}) {
        if ((notreAnnee == annee && !apres) || (notreAnnee != annee && !avantP))
            continue;
        const JourCivil j = jourCivil(region, notreAnnee, mois, jour);
        if (j.refus == Refus::Aucun)
            ajouter(r, j.jour);
        else if (premierRefus == Refus::Aucun)
            premierRefus = j.refus;
    }
    if (r.nombre == 0)
        r.refus = premierRefus;
    return r;
}

} // namespace

std::optional<Style> styleParIdentifiant(std::string_view mot)
{
    for (const DescriptionStyle& s : styles) {
        if (estMotClef(mot, s.identifiant))
            return s.style;
    }
    return std::nullopt;
}

Style styleAncien(Region region)
{
    return region == Region::GRANDE_BRETAGNE ? Style::ANNONCIATION : Style::PAQUES;
}

Resolution jourEnStyle(Style style, Region region, std::int64_t annee, std::int64_t mois,
                       std::int64_t jour, PartiePaques partie)
{
    if (annee <= -anneeLimite || annee >= anneeLimite)
        return refus(Refus::HorsLimites);
    if (mois < 1 || mois > 12 || jour < 1 || jour > 31)
        return refus(Refus::DateInvalide);
    if (partie != PartiePaques::Indifferente)
        style = Style::PAQUES;

    std::int64_t notreAnnee = annee;
    switch (style) {
    case Style::PAQUES:
        return jourEnStylePaques(region, annee, mois, jour, partie);
    case Style::NOEL:
        if (mois == 12 && jour >= 25)
            notreAnnee = annee - 1;
        break;
    case Style::ANNONCIATION:
        if (avantDans(mois, jour, 3, 25))
            notreAnnee = annee + 1;
        break;
    case Style::PISAN:
        if (!avantDans(mois, jour, 3, 25))
            notreAnnee = annee - 1;
        break;
    case Style::CIRCONCISION:
        break;
    }
    const JourCivil j = jourCivil(region, notreAnnee, mois, jour);
    if (j.refus != Refus::Aucun)
        return refus(j.refus);
    Resolution r;
    ajouter(r, j.jour);
    return r;
}

std::int64_t anneeEnStyle(Style style, const DateCivile& date, std::int64_t numeroJour,
                          std::int64_t paquesDeLAnnee)
{
    switch (style) {
    case Style::PAQUES:
        return numeroJour >= paquesDeLAnnee ? date.annee : date.annee - 1;
    case Style::NOEL:
        return date.mois == 12 && date.jour >= 25 ? date.annee + 1 : date.annee;
    case Style::ANNONCIATION:
        return avantDans(date.mois, date.jour, 3, 25) ? date.annee - 1 : date.annee;
    case Style::PISAN:
        return avantDans(date.mois, date.jour, 3, 25) ? date.annee : date.annee + 1;
    case Style::CIRCONCISION:
        break;
    }
    return date.annee;
}

std::optional<std::int64_t> anneeEnStyle(Style style, Region region, std::int64_t numeroJour)
{
    const auto date = dateCivile(region, numeroJour);
    if (!date)
        return std::nullopt;
    std::int64_t paques = 0;
    if (style == Style::PAQUES) {
        const auto jour = jourPaques(region, date->annee);
        if (!jour)
            return std::nullopt;
        paques = *jour;
    }
    return anneeEnStyle(style, *date, numeroJour, paques);
}

std::optional<DateEnStyle> dateEnStyle(Style style, Region region, std::int64_t numeroJour)
{
    const auto date = dateCivile(region, numeroJour);
    const auto annee = anneeEnStyle(style, region, numeroJour);
    if (!date || !annee)
        return std::nullopt;
    DateEnStyle resultat{*annee, date->mois, date->jour, PartiePaques::Indifferente, date->regime};
    if (style == Style::PAQUES &&
        jourEnStyle(style, region, *annee, date->mois, date->jour).nombre == 2)
        resultat.partie =
            date->annee == *annee ? PartiePaques::ApresPaques : PartiePaques::AvantPaques;
    return resultat;
}

} // namespace chronastre
