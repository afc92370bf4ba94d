#include "main/gedcom.h"

#include "engine/calendrier.h"
#include "main/lignecommande.h"
#include "main/lignes.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

#include <array>
#include <string_view>

namespace chronastre {

namespace {

// GEDCOM lines are short (255 bytes in 5.5.1); longer ones are passed over
// unless they are dates.
constexpr std::size_t longueurLigneMax = 1 << 16;
// Deeper structures than this are passed over.
constexpr std::size_t niveauMax = 100;

// A day in calendar arrivee, in its literal form.
std::string jour(TypeCalendrier arrivee, std::int64_t numeroJour)
{
    return texte::texteCalendrier(arrivee, Calendrier(arrivee).versCalendrier(numeroJour),
                                  jourSemaine(numeroJour), false);
}

// A date, whole ("Samedi 9 Novembre 1799") or partial ("entre ... et ...").
std::string date(const texte::DatePartielle& d, TypeCalendrier arrivee)
{
    const std::int64_t premier = texte::premierJour(d);
    const std::int64_t dernier = texte::dernierJour(d);
    if (premier == dernier)
        return jour(arrivee, premier);
    return "entre " + jour(arrivee, premier) + " et " + jour(arrivee, dernier);
}

// What a GEDCOM line holds: its level, the identifier it opens (a record's
// @I12@), its tag and its value.
struct LigneGedcom
{
    std::size_t niveau;
    std::string_view identifiant;
    std::string_view etiquette;
    std::string_view valeur;
};

std::optional<LigneGedcom> decouper(std::string_view ligne)
{
    while (!ligne.empty() && (ligne.front() == ' ' || ligne.front() == '\t'))
        ligne.remove_prefix(1);
    std::size_t niveau = 0;
    std::size_t i = 0;
    for (; i < ligne.size() && ligne[i] >= '0' && ligne[i] <= '9' && i < 3; ++i)
        niveau = niveau * 10 + static_cast<std::size_t>(ligne[i] - '0');
    if (i == 0 || i >= ligne.size() || ligne[i] != ' ')
        return std::nullopt;
    ligne.remove_prefix(i + 1);
    const auto mot = [&ligne] {
        const std::size_t fin = std::min(ligne.find(' '), ligne.size());
        const std::string_view m = ligne.substr(0, fin);
        ligne.remove_prefix(std::min(fin + 1, ligne.size()));
        return m;
    };
    LigneGedcom l{niveau, {}, {}, {}};
    if (ligne.starts_with('@'))
        l.identifiant = mot();
    l.etiquette = mot();
    l.valeur = ligne;
    return l;
}

// The output, in blocks; false once it has failed.
class Flux
{
public:
    explicit Flux(const Canaux& canaux) : canaux_(canaux) { tampon_.reserve(tailleBloc + 4096); }

    void ajouter(std::string_view texte) { tampon_ += texte; }

    bool vider()
    {
        if (ok_ && !tampon_.empty() && canaux_.ecrire)
            ok_ = canaux_.ecrire(tampon_);
        tampon_.clear();
        return ok_;
    }

    bool pleine() const { return tampon_.size() > tailleBloc; }
    bool ok() const { return ok_; }

private:
    const Canaux& canaux_;
    std::string tampon_;
    bool ok_ = true;
};

} // namespace

std::string texteValeurGedcom(const texte::ValeurGedcom& v, TypeCalendrier arrivee)
{
    using texte::Qualificatif;
    const texte::DatePartielle& d = *v.premiere;
    switch (v.qualificatif) {
    case Qualificatif::Aucun:
        return date(d, arrivee);
    case Qualificatif::Vers:
        return "vers " + date(d, arrivee);
    case Qualificatif::Calculee:
        return "vers " + date(d, arrivee) + " (calculée)";
    case Qualificatif::Estimee:
        return "vers " + date(d, arrivee) + " (estimée)";
    case Qualificatif::Avant:
        return "avant " + jour(arrivee, texte::premierJour(d));
    case Qualificatif::Apres:
        return "après " + jour(arrivee, texte::dernierJour(d));
    case Qualificatif::Entre:
        return "entre " + jour(arrivee, texte::premierJour(d)) + " et " +
               jour(arrivee, texte::dernierJour(*v.seconde));
    case Qualificatif::De:
        if (v.seconde)
            return "de " + jour(arrivee, texte::premierJour(d)) + " à " +
                   jour(arrivee, texte::dernierJour(*v.seconde));
        return "à partir de " + jour(arrivee, texte::premierJour(d));
    case Qualificatif::A:
        return "jusqu'à " + jour(arrivee, texte::dernierJour(d));
    case Qualificatif::Interpretee:
        return date(d, arrivee) + " (interprétée de « " + texte::montrer(v.phrase) + " »)";
    }
    return {};
}

int listerGedcom(TypeCalendrier arrivee, const Canaux& canaux)
{
    Flux sortie(canaux);
    bool signale = false;
    bool refuse = false;
    const auto signaler = [&canaux, &signale](std::int64_t numero, const std::string& message) {
        signale = true;
        if (canaux.signaler)
            canaux.signaler("chronastre : ligne " + std::to_string(numero) + " : " + message);
    };
    std::string identifiant; // of the record being read
    std::array<std::string, niveauMax> etiquettes;

    const auto ligne = [&](const char* debut, const char* fin, std::int64_t numero) {
        const std::string_view texte(debut, static_cast<std::size_t>(fin - debut));
        if (numero == 1 && (texte.starts_with("\xFF\xFE") || texte.starts_with("\xFE\xFF"))) {
            refuse = true;
            if (canaux.signaler)
                canaux.signaler("chronastre : ce fichier est en UTF-16 ; seul l'UTF-8 est lu "
                                "(iconv -f UTF-16 -t UTF-8 le convertit)");
            return false;
        }
        const auto l = decouper(texte);
        if (!l || l->niveau >= niveauMax)
            return true;
        if (l->niveau == 0)
            identifiant = l->identifiant;
        etiquettes[l->niveau] = l->etiquette;
        if (l->etiquette == "CHAR" && l->niveau == 1 && etiquettes[0] == "HEAD") {
            const std::string_view jeu = l->valeur;
            if (jeu != "UTF-8" && jeu != "UTF8" && jeu != "ASCII") {
                refuse = true;
                if (canaux.signaler)
                    canaux.signaler("chronastre : ligne " + std::to_string(numero) +
                                    " : le fichier se déclare en « " + texte::montrer(jeu) +
                                    " » ; seul l'UTF-8 est lu (un logiciel de généalogie "
                                    "exporte en UTF-8 sur demande)");
                return false;
            }
            return true;
        }
        if (l->etiquette != "DATE")
            return true;
        const texte::ValeurGedcom valeur = texte::lireValeurGedcom(l->valeur);
        if (!valeur.erreur.empty()) {
            signaler(numero, "date « " + texte::montrer(l->valeur) + " » : " + valeur.erreur);
            return true;
        }
        // A phrase alone, and dates of the arrival calendar, are not listed.
        if (!valeur.premiere || (valeur.premiere->calendrier == arrivee &&
                                 (!valeur.seconde || valeur.seconde->calendrier == arrivee)))
            return true;
        sortie.ajouter(std::to_string(numero));
        sortie.ajouter("\t");
        sortie.ajouter(texte::montrer(identifiant));
        sortie.ajouter("\t");
        sortie.ajouter(l->niveau > 0 ? texte::montrer(etiquettes[l->niveau - 1]) : "");
        sortie.ajouter("\t");
        sortie.ajouter(texte::montrer(l->valeur));
        sortie.ajouter("\t");
        sortie.ajouter(texteValeurGedcom(valeur, arrivee));
        sortie.ajouter("\n");
        return !sortie.pleine() || sortie.vider();
    };
    const bool lectureOk = parcourirLignes(
        canaux.lire ? canaux.lire : [](char*, std::size_t) -> std::ptrdiff_t { return 0; },
        longueurLigneMax, ligne,
        [&](std::int64_t numero) {
            signaler(numero,
                     "ligne de plus de " + std::to_string(longueurLigneMax) + " octets passée");
        },
        [&sortie] { return sortie.vider(); });
    if (!lectureOk && canaux.signaler)
        canaux.signaler("chronastre : lecture impossible de l'entrée standard");
    const bool ecrit = sortie.vider();
    return ecrit && lectureOk && !signale && !refuse ? 0 : codeEchec;
}

} // namespace chronastre
