#include "texte/lecture.h"
#include "texte/lecturecivile.h"

#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "texte/grammaire.h"
#include "texte/mots.h"
#include "texte/raccourci.h"
#include "texte/raccourcicivil.h"
#include "texte/refus.h"
#include "texte/vocabulaire.h"

#include <array>

// The reader's stages, from a text to a date: mots (words and their keys),
// vocabulaire (what each word can mean), grammaire (the readings of the
// words as fields), validation (which reading is a date), refus (why none
// is). This file puts them together for a date, a GEDCOM value and the
// choice of a calendar.
namespace chronastre::texte {

namespace {

// Whether something in the text belongs to a written date: a name of a
// month or a weekday, a number in words, "an", an era, a calendar's caption
// or escape, an ordinal in figures. Figures and punctuation alone are not.
bool reconnu(const Mots& mots, const Lexique& lexique)
{
    for (std::size_t i = 0; i < mots.taille(); ++i) {
        const Mot& m = mots[i];
        if (m.echappement() || m.cle.starts_with('_'))
            return true;
        if (m.chiffres > 0 && m.chiffres < m.cle.size() && m.chiffres <= 2)
            return true; // 1er, 5e, 7bre
        for (const Sens& s : lexique.sens(i)) {
            switch (s.genre) {
            case Genre::Liaison:
            case Genre::Et:
            case Genre::Qualificatif:
            case Genre::Bis:
            case Genre::RelationFete:
            case Genre::LiaisonFete:
                break;
            default:
                return true;
            }
        }
    }
    return false;
}

// Whether the text names a feast, a style of the year's beginning or a part
// of an Easter-style year.
bool historique(const Mots& mots, const Lexique& lexique)
{
    for (std::size_t i = 0; i < mots.taille(); ++i) {
        for (const Sens& s : lexique.sens(i)) {
            if (s.genre == Genre::Fete || s.genre == Genre::StyleAnnee || s.genre == Genre::Partie)
                return true;
        }
    }
    return false;
}

void refuser(Lecture& lecture, const Refus& refus)
{
    lecture.erreur = texteRefus(refus);
    lecture.inexistante = refus.inexistante();
    lecture.horsPlage = refus.motif == Motif::AnneeHorsPlage || refus.motif == Motif::JourHorsPlage;
    if (refus.motif == Motif::AutreCalendrier || refus.motif == Motif::CalendrierInconnu)
        lecture.reconnu = true;
}

Lecture lire(TypeCalendrier type, const Mots& mots, const Lexique& lexique, Ordre ordre,
             bool estReconnu)
{
    Lecture lecture;
    lecture.reconnu = estReconnu;
    const Analyse a = analyser(mots, lexique, 0, mots.taille(), type, ordre, false);
    if (!a.lue) {
        refuser(lecture, a.refus);
        return lecture;
    }
    lecture.date = a.verdict.date;
    lecture.numeroJour = a.verdict.premier;
    lecture.avertissement = a.verdict.avertissement;
    return lecture;
}

// The calendars, in the order a text that reads in several is given to
// one: the civil ones first, then by how often documents use them; the
// calendars in use today last, so that a name they share with an older
// calendar keeps choosing it.
constexpr std::array<TypeCalendrier, nombreCalendriers> preferes = {
    GREGORIEN, JULIEN,    REPUBLICAIN, HEBREU,   ISLAMIQUE_B,  ISLAMIQUE_A,
    COPTE,     ETHIOPIEN, ARMENIEN,    EGYPTIEN, PERSE,        KHWARIZMIEN,
    BAHAI,     SAKA,      MACEDONIEN,  ROMAIN_I, ROMAIN_II,    SYRIEN,
    MAYA,      IRANIEN,   UMM_AL_QURA, CHINOIS,  BAHAI_TEHERAN};

[[gnu::always_inline]] inline std::string_view sansBlancs(std::string_view texte)
{
    const auto blanc = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!texte.empty() && blanc(texte.front()))
        texte.remove_prefix(1);
    while (!texte.empty() && blanc(texte.back()))
        texte.remove_suffix(1);
    return texte;
}

// One GEDCOM date, whole or partial, of words [debut, fin): in the calendar
// of its escape, Gregorian without one (Julian for a double year with
// doublesJuliennes).
struct DateGedcom
{
    DatePartielle date;
    Refus refus;
    std::string avertissement;
};

DateGedcom dateGedcom(const Mots& mots, const Lexique& lexique, std::size_t debut, std::size_t fin,
                      const OptionsGedcom& options)
{
    DateGedcom d;
    TypeCalendrier type = GREGORIEN;
    bool echappe = false;
    for (const Sens& s : lexique.sens(debut)) {
        if (s.genre == Genre::Echappement && s.valeur >= 0) {
            type = static_cast<TypeCalendrier>(s.valeur);
            echappe = true;
        }
    }
    if (!echappe && options.doublesJuliennes) {
        for (std::size_t i = debut + 1; i < fin; ++i) {
            if (mots[i].avant == "/" && mots[i - 1].nombre())
                type = JULIEN;
        }
    }
    const Analyse a = analyser(mots, lexique, debut, fin, type, Ordre::AnneeMoisJour, true);
    if (!a.lue) {
        d.refus = a.refus;
        return d;
    }
    const Champs& c = a.champs;
    d.date.calendrier = type;
    d.date.annee = c.annee;
    if (c.maya) {
        for (std::size_t k = 0; k < 6; ++k)
            d.date.compteLong[k] = c.compteLong[k];
    } else if (c.jourJulien) {
        d.date.annee = a.verdict.date.annee();
        d.date.mois = a.verdict.date.mois();
        d.date.jour = a.verdict.date.jour();
    } else if (c.aJour || c.repere != 0) {
        d.date.mois = a.verdict.date.mois();
        d.date.jour = a.verdict.date.jour();
    } else if (c.aMois) {
        d.date.mois = c.moisNomme ? placerMois(type, c.annee, c.mois) : c.mois;
    }
    d.date.premier = a.verdict.premier;
    d.date.dernier = a.verdict.dernier;
    d.avertissement = a.verdict.avertissement;
    return d;
}

DateHeure versDateHeure(const DatePartielle& d)
{
    if (d.calendrier == MAYA)
        return CalendrierMaya::compteLong(d.compteLong[0], d.compteLong[1], d.compteLong[2],
                                          d.compteLong[3], d.compteLong[4], d.compteLong[5]);
    return DateHeure(d.annee, d.mois.value_or(1), d.jour.value_or(1));
}

} // namespace

Lecture lireDateEcrite(TypeCalendrier type, std::string_view texte, Ordre ordre)
{
    if (type < 0 || type >= nombreCalendriers) {
        Lecture lecture;
        lecture.erreur = "calendrier inconnu";
        return lecture;
    }
    // The date that files hold most, read at once.
    Lecture lecture;
    if (LectureRapide rapide; lireRapidement(type, texte, rapide)) {
        lecture.date = DateHeure(rapide.annee, rapide.mois, rapide.jour);
        lecture.numeroJour = rapide.numeroJour;
        lecture.reconnu = true;
        return lecture;
    }
    const Mots mots(texte);
    if (mots.tropLong()) {
        lecture.erreur = texteRefus(refusDe(Motif::TexteTropLong));
        return lecture;
    }
    const Lexique lexique(mots);
    return lire(type, mots, lexique, ordre, reconnu(mots, lexique));
}

LectureCivile lireDateCivile(std::string_view texte, const ContexteCivil& contexte, Ordre ordre)
{
    // The feast dates that registers hold most, read at once.
    if (LectureCivile rapide; lireFeteRapidement(texte, contexte, rapide))
        return rapide;
    return lireDateCivileGenerale(texte, contexte, ordre);
}

LectureCivile lireDateCivileGenerale(std::string_view texte, const ContexteCivil& contexte,
                                     Ordre ordre)
{
    LectureCivile lecture;
    const Mots mots(texte);
    if (mots.tropLong()) {
        lecture.erreur = texteRefus(refusDe(Motif::TexteTropLong));
        return lecture;
    }
    const Lexique lexique(mots);
    lecture.reconnu = reconnu(mots, lexique);
    lecture.historique = historique(mots, lexique);
    // The civil months are the Julian calendar's.
    const Analyse a = analyser(mots, lexique, 0, mots.taille(), JULIEN, ordre, false, &contexte);
    if (!a.lue) {
        lecture.erreur = texteRefus(a.refus);
        lecture.inexistante = a.refus.inexistante();
        return lecture;
    }
    lecture.jours = {a.verdict.premier, a.verdict.dernier};
    lecture.nombre = a.verdict.deuxJours ? 2 : 1;
    lecture.avertissement = a.verdict.avertissement;
    return lecture;
}

std::optional<TypeCalendrier> calendrierDuTexte(std::string_view texte, TypeCalendrier actuel)
{
    const Mots mots(texte);
    if (mots.tropLong() || mots.taille() == 0)
        return std::nullopt;
    const Lexique lexique(mots);
    // A caption or an escape names the calendar.
    for (std::size_t i = 0; i < mots.taille() && i < 2; ++i) {
        for (const Sens& s : lexique.sens(i)) {
            if (s.genre == Genre::Calendrier || s.genre == Genre::Echappement)
                return s.valeur >= 0 ? std::optional(static_cast<TypeCalendrier>(s.valeur))
                                     : std::nullopt;
        }
        if (mots[i].echappement() || mots[i].cle.starts_with('_'))
            return std::nullopt;
    }
    const bool estReconnu = reconnu(mots, lexique);
    // A reading whose weekday agrees comes first: "Samedi 9 Novembre 1799"
    // is Gregorian, though it reads in the Julian calendar too, on a
    // Wednesday. A year still being typed may read outside actuel's table.
    std::optional<TypeCalendrier> averti;
    if (actuel >= 0 && actuel < nombreCalendriers) {
        const Lecture lecture = lire(actuel, mots, lexique, Ordre::AnneeMoisJour, estReconnu);
        if ((lecture.erreur.empty() && lecture.avertissement.empty()) || lecture.horsPlage)
            return actuel;
        if (lecture.erreur.empty())
            averti = actuel;
    }
    // Bare numbers read in most calendars: only words choose one.
    if (!estReconnu)
        return averti;
    std::optional<TypeCalendrier> inexistante;
    for (const TypeCalendrier type : preferes) {
        const Lecture lecture = lire(type, mots, lexique, Ordre::AnneeMoisJour, estReconnu);
        if (lecture.erreur.empty() && lecture.avertissement.empty())
            return type;
        if (lecture.erreur.empty() && !averti)
            averti = type;
        if (lecture.inexistante && !inexistante)
            inexistante = type;
    }
    return averti ? averti : inexistante;
}

ValeurGedcom lireValeurGedcom(std::string_view valeur, const OptionsGedcom& options)
{
    ValeurGedcom v;
    lireValeurGedcom(valeur, options, v);
    return v;
}

void lireValeurGedcom(std::string_view valeur, const OptionsGedcom& options, ValeurGedcom& v)
{
    v.qualificatif = Qualificatif::Aucun;
    v.premiere.reset();
    v.seconde.reset();
    v.phrase.clear();
    v.erreur.clear();
    v.avertissement.clear();
    // The values files hold most, read at once (a double year aside, which
    // --doubles-juliennes may read otherwise).
    if (!lireValeurRapidement(sansBlancs(valeur), v))
        v = lireValeurGedcomGenerale(valeur, options);
}

ValeurGedcom lireValeurGedcomGenerale(std::string_view valeur, const OptionsGedcom& options)
{
    ValeurGedcom v;
    valeur = sansBlancs(valeur);
    const auto refuser = [&v](const Refus& refus) {
        v.erreur = texteRefus(refus);
        v.premiere.reset();
        v.seconde.reset();
        return v;
    };
    // A phrase between brackets: alone, or after the date of INT.
    std::string_view corps = valeur;
    if (valeur.size() >= 2 && valeur.back() == ')') {
        if (const std::size_t ouvrante = valeur.find('('); ouvrante != std::string_view::npos) {
            v.phrase = std::string(valeur.substr(ouvrante + 1, valeur.size() - ouvrante - 2));
            corps = sansBlancs(valeur.substr(0, ouvrante));
        }
    }
    if (corps.empty() && !v.phrase.empty())
        return v;
    const Mots mots(corps);
    if (mots.tropLong())
        return refuser(refusDe(Motif::TexteTropLong));
    const Lexique lexique(mots);
    const std::size_t n = mots.taille();

    // The qualifier: a keyword, in any case, with or without its dot.
    const auto qualificatif = [&](std::size_t i) {
        for (const Sens& s : lexique.sens(i)) {
            if (s.genre == Genre::Qualificatif)
                return static_cast<Qualificatif>(s.valeur);
        }
        return Qualificatif::Aucun;
    };
    std::size_t debut = 0;
    if (n > 0) {
        if (const Qualificatif q = qualificatif(0);
            q != Qualificatif::Aucun && q != Qualificatif::Et) {
            v.qualificatif = q;
            debut = 1;
        }
    }
    if (v.qualificatif == Qualificatif::Interpretee && v.phrase.empty())
        return refuser(refusDe(Motif::PhraseSansParenthese));
    std::size_t finPremiere = n;
    std::size_t debutSeconde = n;
    if (v.qualificatif == Qualificatif::Entre || v.qualificatif == Qualificatif::De) {
        const Qualificatif separe =
            v.qualificatif == Qualificatif::Entre ? Qualificatif::Et : Qualificatif::A;
        for (std::size_t i = debut; i < n; ++i) {
            if (qualificatif(i) == separe) {
                finPremiere = i;
                debutSeconde = i + 1;
                break;
            }
        }
        if (v.qualificatif == Qualificatif::Entre && finPremiere == n)
            return refuser(refusDe(Motif::EntreSansEt));
    }
    if (debut >= finPremiere)
        return refuser(refusDe(Motif::QualificatifSeul));

    DateGedcom d1 = dateGedcom(mots, lexique, debut, finPremiere, options);
    if (d1.refus)
        return refuser(d1.refus);
    v.premiere = d1.date;
    v.avertissement = d1.avertissement;
    if (debutSeconde < n || finPremiere < n) {
        if (debutSeconde >= n)
            return refuser(refusDe(Motif::QualificatifSeul));
        DateGedcom d2 = dateGedcom(mots, lexique, debutSeconde, n, options);
        if (d2.refus)
            return refuser(d2.refus);
        v.seconde = d2.date;
        if (v.avertissement.empty())
            v.avertissement = d2.avertissement;
        if (dernierJour(*v.seconde) < premierJour(*v.premiere))
            return refuser(refusDe(Motif::SecondeAvantPremiere));
    }
    return v;
}

std::int64_t premierJour(const DatePartielle& date)
{
    if (date.premier)
        return *date.premier;
    return Calendrier(date.calendrier).depuisCalendrier(versDateHeure(date));
}

std::int64_t dernierJour(const DatePartielle& date)
{
    if (date.dernier)
        return *date.dernier;
    Calendrier calendrier(date.calendrier);
    if (date.calendrier == MAYA || date.jour)
        return calendrier.depuisCalendrier(versDateHeure(date));
    if (date.mois)
        return calendrier.depuisCalendrier(DateHeure(
            date.annee, *date.mois, joursDuMois(date.calendrier, date.annee, *date.mois)));
    return calendrier.depuisCalendrier(DateHeure(date.annee + 1, 1, 1)) - 1;
}

} // namespace chronastre::texte
