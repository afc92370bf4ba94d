#include "texte/textefetes.h"

#include "engine/dateheure.h"
#include "names/noms.h"
#include "names/noms_fetes.h"
#include "texte/utf8.h"

#include <algorithm>
#include <array>
#include <vector>

namespace chronastre::texte {

namespace {

using noms::Article;

// The first letter in capitals, when it is an ASCII letter.
std::string capitale(std::string texte)
{
    if (!texte.empty() && texte[0] >= 'a' && texte[0] <= 'z')
        texte[0] = static_cast<char>(texte[0] - 'a' + 'A');
    return texte;
}

// The first letter in lower case (every month and weekday name begins with
// an ASCII capital).
std::string minuscule(std::string_view nom)
{
    std::string texte(nom);
    if (!texte.empty() && texte[0] >= 'A' && texte[0] <= 'Z')
        texte[0] = static_cast<char>(texte[0] - 'A' + 'a');
    return texte;
}

std::string nomDuMois(std::int64_t mois)
{
    const noms::Nom nom = noms::nomA(noms::moisFrancais, mois - 1);
    return nom.empty() ? std::to_string(mois) : std::string(nom);
}

std::string jourDuMois(std::int64_t jour)
{
    return jour == 1 ? std::string("1er") : std::to_string(jour);
}

// "9 décembre 1582".
std::string dateEnClair(std::int64_t annee, std::int64_t mois, std::int64_t jour)
{
    return jourDuMois(jour) + ' ' + minuscule(nomDuMois(mois)) + ' ' + std::to_string(annee);
}

std::string dateEnClair(const DateCalendaire& date)
{
    return dateEnClair(date.annee, date.mois, date.jour);
}

// The date a region writes on a day, "9 décembre 1582"; the number when
// the day is beyond the engine's limits.
std::string dateDuJour(Region region, std::int64_t numeroJour)
{
    const auto date = dateCivile(region, numeroJour);
    if (!date)
        return std::to_string(numeroJour);
    return dateEnClair(date->annee, date->mois, date->jour);
}

std::string_view nomRegime(Regime regime)
{
    switch (regime) {
    case Regime::GREGORIEN:
        return "grégorien";
    case Regime::SUEDOIS:
        return "suédois";
    case Regime::JULIEN:
        break;
    }
    return "julien";
}

// "le 9 décembre 1582 y fut suivi du 20 décembre 1582".
std::string passage(Region region)
{
    const Reforme& r = reforme(region);
    return "le " + dateEnClair(r.dernierJulien) + " y fut suivi du " +
           dateEnClair(r.premierGregorien);
}

// The Easter-style year annee: "du 19 avril 1500 au 10 avril 1501".
std::string anneePaques(Region region, std::int64_t annee)
{
    const auto debut = jourPaques(region, annee);
    const auto fin = jourPaques(region, annee + 1);
    if (!debut || !fin)
        return {};
    return "du " + dateDuJour(region, *debut) + " au " + dateDuJour(region, *fin - 1);
}

std::string_view nomPartie(PartiePaques partie)
{
    return partie == PartiePaques::AvantPaques ? "avant Pâques" : "après Pâques";
}

// What follows a year: its part, or the style when it is not ours.
std::string suiteAnnee(Style style, PartiePaques partie)
{
    if (partie != PartiePaques::Indifferente)
        return ' ' + std::string(nomPartie(partie));
    if (style != Style::CIRCONCISION)
        return ", " + std::string(descriptionStyle(style).nom);
    return {};
}

// The same within a sentence, between brackets: " (style de Pâques)".
std::string precision(Style style, PartiePaques partie)
{
    if (partie != PartiePaques::Indifferente)
        return " (" + std::string(nomPartie(partie)) + ')';
    if (style != Style::CIRCONCISION)
        return " (" + std::string(descriptionStyle(style).nom) + ')';
    return {};
}

// The Latin-1 letters U+00C0 to U+00FF without their accents, as the reader
// of written dates keys them ("" for the signs × and ÷).
constexpr std::array<std::string_view, 64> sansAccent = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// The words of a text as the reader keys them.
std::vector<std::string> mots(std::string_view texte)
{
    std::vector<std::string> resultat;
    std::string mot;
    const auto terminer = [&] {
        if (!mot.empty())
            resultat.push_back(std::move(mot));
        mot.clear();
    };
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    while (p < fin) {
        const Caractere c = lireUtf8(p, fin);
        if (c.longueur == 0) {
            mot += '?'; // not UTF-8: a letter no name has
            ++p;
            continue;
        }
        const char32_t point = c.point;
        p += c.longueur;
        if ((point >= U'a' && point <= U'z') || (point >= U'0' && point <= U'9'))
            mot += static_cast<char>(point);
        else if (point >= U'A' && point <= U'Z')
            mot += static_cast<char>(point - U'A' + U'a');
        else if (point == U'\'' || point == U'\u2019' || point == U'\u02BC')
            continue; // joins the word
        else if (point >= 0xC0 && point <= 0xFF && !sansAccent[point - 0xC0].empty())
            mot += sansAccent[point - 0xC0];
        else if (point == 0x152 || point == 0x153)
            mot += "oe";
        else
            terminer();
    }
    terminer();
    return resultat;
}

// Every name and variant of every feast, as words, sorted by first word.
struct Entree
{
    std::vector<std::string> mots;
    Fete fete;
};

const std::vector<Entree>& index()
{
    static const std::vector<Entree> entrees = [] {
        std::vector<Entree> t;
        for (const noms::NomFete& n : noms::nomsFetes) {
            t.push_back({mots(n.nom), n.fete});
            t.push_back({mots(n.court), n.fete});
            for (const noms::Nom variante : n.variantes) {
                if (!variante.empty())
                    t.push_back({mots(variante), n.fete});
            }
        }
        std::stable_sort(t.begin(), t.end(), [](const Entree& a, const Entree& b) {
            return a.mots.front() < b.mots.front();
        });
        return t;
    }();
    return entrees;
}

// The longest entry whose words begin cles, its first word being premier.
void chercher(std::string_view premier, std::span<const std::string_view> cles,
              std::optional<FeteLue>& meilleure)
{
    const std::vector<Entree>& entrees = index();
    auto it =
        std::lower_bound(entrees.begin(), entrees.end(), premier,
                         [](const Entree& e, std::string_view m) { return e.mots.front() < m; });
    for (; it != entrees.end() && it->mots.front() == premier; ++it) {
        const std::size_t n = it->mots.size();
        if (n > cles.size() || (meilleure && meilleure->mots >= n))
            continue;
        bool egal = true;
        for (std::size_t k = 1; k < n && egal; ++k)
            egal = it->mots[k] == cles[k];
        if (egal)
            meilleure = FeteLue{it->fete, n};
    }
}

} // namespace

std::string feteAvecArticle(Fete fete)
{
    const noms::NomFete& n = noms::nomFete(fete);
    switch (n.article) {
    case Article::LE:
        return "le " + std::string(n.nom);
    case Article::LA:
        return "la " + std::string(n.nom);
    case Article::L:
        return "l'" + std::string(n.nom);
    case Article::LES:
        return "les " + std::string(n.nom);
    case Article::AUCUN:
        break;
    }
    return std::string(n.nom);
}

std::string deLaFete(Fete fete)
{
    const noms::NomFete& n = noms::nomFete(fete);
    switch (n.article) {
    case Article::LE:
        return "du " + std::string(n.nom);
    case Article::LA:
        return "de la " + std::string(n.nom);
    case Article::L:
        return "de l'" + std::string(n.nom);
    case Article::LES:
        return "des " + std::string(n.nom);
    case Article::AUCUN:
        break;
    }
    return "de " + std::string(n.nom);
}

std::string texteForme(const FormeFete& forme, Style style)
{
    std::string texte;
    switch (forme.relation) {
    case Relation::JOUR:
        texte = feteAvecArticle(forme.fete);
        break;
    case Relation::VEILLE:
        texte = "la veille " + deLaFete(forme.fete);
        break;
    case Relation::LENDEMAIN:
        texte = "le lendemain " + deLaFete(forme.fete);
        break;
    case Relation::OCTAVE:
        texte = "l'octave " + deLaFete(forme.fete);
        break;
    case Relation::JOUR_SEMAINE_AVANT:
    case Relation::JOUR_SEMAINE_APRES:
        texte = "le " + minuscule(noms::nomA(noms::joursFrancais, forme.jourSemaine)) +
                (forme.relation == Relation::JOUR_SEMAINE_AVANT ? " avant " : " après ") +
                feteAvecArticle(forme.fete);
        break;
    case Relation::NIEME_JOUR_APRES:
        texte = "le " + std::to_string(forme.rang) + (forme.rang == 1 ? "er" : "e") +
                " jour après " + feteAvecArticle(forme.fete);
        break;
    }
    return texte + ' ' + std::to_string(forme.annee) + suiteAnnee(style, forme.partie);
}

std::string texteDateEnStyle(const DateEnStyle& date, Style style)
{
    return dateEnClair(date.annee, date.mois, date.jour) + suiteAnnee(style, date.partie);
}

std::string listeFetesMobiles(Region region, std::int64_t annee)
{
    std::string texte;
    for (const FeteDatee& f : fetesMobiles(region, annee)) {
        const auto date = dateCivile(region, f.jour);
        if (!date)
            continue;
        texte += noms::nomFete(f.fete).court;
        texte += '\t';
        texte += noms::nomA(noms::joursFrancais, jourSemaine(f.jour));
        texte += ' ' + jourDuMois(date->jour) + ' ' + nomDuMois(date->mois) + ' ' +
                 std::to_string(date->annee) + '\t';
        texte += nomRegime(date->regime);
        texte += '\n';
    }
    return texte;
}

std::string anneesSelonStyles(Region region, std::int64_t numeroJour)
{
    const auto date = dateCivile(region, numeroJour);
    if (!date)
        return {};
    std::string texte;
    for (const DescriptionStyle& s : styles) {
        const auto annee = anneeEnStyle(s.style, region, numeroJour);
        if (!annee || *annee == date->annee)
            continue;
        texte += texte.empty() ? capitale(std::string(s.nom)) : " ; " + std::string(s.nom);
        texte += " : " + std::to_string(*annee);
    }
    return texte;
}

std::string texteDeuxJours(Region region, std::int64_t premier, std::int64_t second)
{
    return "cette date désigne deux jours, le " + dateDuJour(region, premier) + " et le " +
           dateDuJour(region, second);
}

std::string texteReforme(Region region)
{
    return std::string(reforme(region).nom) + " : " + passage(region);
}

std::string motifDate(chronastre::Refus refus, Region region, Style style, std::int64_t annee,
                      std::int64_t mois, std::int64_t jour, PartiePaques partie)
{
    if (partie != PartiePaques::Indifferente)
        style = Style::PAQUES;
    const std::string ecrite = dateEnClair(annee, mois, jour) + precision(style, partie);
    switch (refus) {
    case Refus::Aucun:
        return {};
    case Refus::HorsLimites:
        return "L'année " + std::to_string(annee) + " est hors des limites du calcul.";
    case Refus::DateInvalide:
        if (mois < 1 || mois > 12)
            return "Il n'y a pas de mois " + std::to_string(mois) + '.';
        return "Le " + ecrite + " n'existe pas : ce mois n'a pas de " + std::to_string(jour) +
               (jour == 1 ? "er" : "e") + " jour cette année-là.";
    case Refus::SupprimeeParReforme:
        if (region == Region::SUEDE && mois == 2 && jour == 29)
            return "Le " + ecrite +
                   " n'a pas existé en Suède, qui omit le jour bissextile de 1700.";
        return "Le " + ecrite + " n'a pas existé " + std::string(reforme(region).lieu) + " : " +
               passage(region) + '.';
    case Refus::HorsAnnee:
        return "Le " + ecrite + " n'existe pas : au style de Pâques, l'année " +
               std::to_string(annee) + " va " + anneePaques(region, annee) + '.';
    case Refus::PartieContraire:
        return "Le " + dateEnClair(annee, mois, jour) + " ne tombe pas " +
               std::string(nomPartie(partie)) + " : au style de Pâques, l'année " +
               std::to_string(annee) + " va " + anneePaques(region, annee) + '.';
    case Refus::FeteAbsente:
    case Refus::FormeInvalide:
        break;
    }
    return "Le " + ecrite + " ne désigne aucun jour.";
}

std::string motifForme(chronastre::Refus refus, Region region, Style style, const FormeFete& forme)
{
    if (forme.partie != PartiePaques::Indifferente)
        style = Style::PAQUES;
    const std::string nom = capitale(feteAvecArticle(forme.fete)) + ' ' +
                            std::to_string(forme.annee) + precision(style, forme.partie);
    switch (refus) {
    case Refus::Aucun:
        return {};
    case Refus::HorsLimites:
        return "L'année " + std::to_string(forme.annee) + " est hors des limites du calcul.";
    case Refus::FeteAbsente:
        return nom + " n'a pas eu lieu " + std::string(reforme(region).lieu) +
               " : la réforme a supprimé ce jour (" + passage(region) + ").";
    case Refus::HorsAnnee:
        return nom + " ne tombe pas dans cette année : au style de Pâques, elle va " +
               anneePaques(region, forme.annee) + '.';
    case Refus::PartieContraire:
        return capitale(feteAvecArticle(forme.fete)) + ' ' + std::to_string(forme.annee) +
               " ne tombe pas " + std::string(nomPartie(forme.partie)) +
               " : au style de Pâques, l'année " + std::to_string(forme.annee) + " va " +
               anneePaques(region, forme.annee) + '.';
    case Refus::FormeInvalide:
        return forme.relation == Relation::NIEME_JOUR_APRES
                   ? "Le rang d'un jour après une fête va de 1 à 366."
                   : "Ce jour de la semaine n'existe pas.";
    case Refus::DateInvalide:
    case Refus::SupprimeeParReforme:
        break;
    }
    return nom + " ne désigne aucun jour.";
}

std::string cleDeNom(std::string_view texte)
{
    std::string cle;
    for (const std::string& mot : mots(texte)) {
        if (!cle.empty())
            cle += ' ';
        cle += mot;
    }
    return cle;
}

std::optional<FeteLue> lireFete(std::span<const std::string_view> cles)
{
    std::optional<FeteLue> meilleure;
    if (cles.empty())
        return meilleure;
    chercher(cles[0], cles, meilleure);
    // An elided article glued to the name: "lascension", "doculi".
    const std::string_view premier = cles[0];
    if (premier.size() > 1 && (premier[0] == 'l' || premier[0] == 'd'))
        chercher(premier.substr(1), cles, meilleure);
    return meilleure;
}

std::optional<Fete> feteParNom(std::string_view texte)
{
    const std::vector<std::string> m = mots(texte);
    std::vector<std::string_view> cles(m.begin(), m.end());
    std::span<const std::string_view> reste(cles);
    for (int essai = 0; essai < 2; ++essai) {
        const auto lue = lireFete(reste);
        if (lue && lue->mots == reste.size())
            return lue->fete;
        // A separate article: "la", "le", "les".
        if (reste.empty() || (reste[0] != "la" && reste[0] != "le" && reste[0] != "les"))
            break;
        reste = reste.subspan(1);
    }
    return std::nullopt;
}

} // namespace chronastre::texte
