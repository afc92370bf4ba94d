#include "main/gedcom.h"

#include "engine/calendrier.h"
#include "main/canaux.h"
#include "main/lignes.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

#include <algorithm>
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
        std::size_t fin = 0;
        while (fin < ligne.size() && ligne[fin] != ' ')
            ++fin;
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
    // Text from the file: shown safely.
    void citer(std::string_view texte) { texte::montrerDans(tampon_, texte); }

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
    case Qualificatif::Et:
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
        return date(d, arrivee) + " (interprétée de " + texte::entreGuillemets(v.phrase) + ")";
    }
    return {};
}

int listerGedcom(TypeCalendrier arrivee, const Canaux& canaux, const OptionsListe& options)
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
    // The tag of each level above the line read, kept in place: tags are
    // short (31 bytes at most in GEDCOM), and a longer one is kept cut.
    struct Etiquette
    {
        std::array<char, 32> texte;
        std::size_t longueur = 0;
        std::string_view vue() const { return std::string_view(texte.data(), longueur); }
    };
    std::array<Etiquette, niveauMax> etiquettes{};

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
        Etiquette& etiquette = etiquettes[l->niveau];
        etiquette.longueur = std::min(l->etiquette.size(), etiquette.texte.size());
        for (std::size_t k = 0; k < etiquette.longueur; ++k)
            etiquette.texte[k] = l->etiquette[k];
        if (texte::egales(l->etiquette, "CHAR") && l->niveau == 1 &&
            texte::egales(etiquettes[0].vue(), "HEAD")) {
            const std::string_view jeu = l->valeur;
            if (jeu != "UTF-8" && jeu != "UTF8" && jeu != "ASCII") {
                refuse = true;
                if (canaux.signaler)
                    canaux.signaler("chronastre : ligne " + std::to_string(numero) +
                                    " : le fichier se déclare en " + texte::entreGuillemets(jeu) +
                                    " ; seul l'UTF-8 est lu (un logiciel de généalogie "
                                    "exporte en UTF-8 sur demande)");
                return false;
            }
            return true;
        }
        if (!texte::egales(l->etiquette, "DATE"))
            return true;
        const texte::ValeurGedcom valeur = texte::lireValeurGedcom(l->valeur);
        if (!valeur.erreur.empty()) {
            signaler(numero, "date " + texte::entreGuillemets(l->valeur) + " : " + valeur.erreur);
            return true;
        }
        // A phrase alone, and dates of the arrival calendar, are not listed.
        if (!valeur.premiere || (valeur.premiere->calendrier == arrivee &&
                                 (!valeur.seconde || valeur.seconde->calendrier == arrivee)))
            return true;
        sortie.ajouter(std::to_string(numero));
        sortie.ajouter("\t");
        sortie.citer(identifiant);
        sortie.ajouter("\t");
        if (l->niveau > 0)
            sortie.citer(etiquettes[l->niveau - 1].vue());
        sortie.ajouter("\t");
        sortie.citer(l->valeur);
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
