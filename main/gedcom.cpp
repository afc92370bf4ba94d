#include "main/gedcom.h"

#include "engine/calendrier.h"
#include "main/canaux.h"
#include "main/lignes.h"
#include "texte/jeuxcaracteres.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace chronastre {

namespace {

// GEDCOM lines are short (255 bytes in 5.5.1, a long NOTE aside); a longer
// one is passed over in bounded memory.
constexpr std::size_t longueurLigneMax = 1 << 15;
// Deeper structures than this are passed over.
constexpr std::size_t niveauMax = 100;
// A name kept for a listing is cut at this many bytes.
constexpr std::size_t longueurNomMax = 200;

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

bool blanc(char c)
{
    return c == ' ' || c == '\t';
}

// What a date phrase names when it is a historian's date (a feast, a style)
// that reads as a date of the region's documents; none otherwise.
std::optional<texte::LectureCivile> phraseHistorique(std::string_view phrase,
                                                     const texte::ContexteCivil* civil)
{
    if (civil == nullptr || phrase.empty())
        return std::nullopt;
    texte::LectureCivile lue = texte::lireDateCivile(phrase, *civil);
    if (!lue.historique || !lue.erreur.empty())
        return std::nullopt;
    return lue;
}

// A date phrase as listed: between quotation marks, after its day (or its
// two days) when it names one.
std::string phraseLue(std::string_view phrase, TypeCalendrier arrivee,
                      const texte::ContexteCivil* civil)
{
    const std::string citee = texte::entreGuillemets(phrase);
    const auto lue = phraseHistorique(phrase, civil);
    if (!lue)
        return citee;
    std::string jours = jour(arrivee, lue->jours[0]);
    if (lue->nombre == 2)
        jours += " ou " + jour(arrivee, lue->jours[1]);
    return jours + " (" + citee + ")";
}

// What a GEDCOM line holds: its level, the identifier it opens (a record's
// @I12@), its tag in capitals (cut at 31 bytes) and its value. Any run of
// blanks and tabs separates them.
struct LigneGedcom
{
    std::size_t niveau;
    std::string_view identifiant;
    std::array<char, 32> etiquette;
    std::size_t longueurEtiquette;
    std::string_view valeur;

    std::string_view tag() const { return std::string_view(etiquette.data(), longueurEtiquette); }
};

std::optional<LigneGedcom> decouper(const char* p, const char* fin)
{
    while (p < fin && blanc(*p))
        ++p;
    std::size_t niveau = 0;
    const char* const chiffres = p;
    for (; p < fin && *p >= '0' && *p <= '9' && p - chiffres < 3; ++p)
        niveau = niveau * 10 + static_cast<std::size_t>(*p - '0');
    if (p == chiffres || p == fin || !blanc(*p))
        return std::nullopt;
    while (p < fin && blanc(*p))
        ++p;
    LigneGedcom l{niveau, {}, {}, 0, {}};
    const auto mot = [&p, fin] {
        const char* const debut = p;
        while (p < fin && !blanc(*p))
            ++p;
        const std::string_view m(debut, static_cast<std::size_t>(p - debut));
        while (p < fin && blanc(*p))
            ++p;
        return m;
    };
    if (p < fin && *p == '@')
        l.identifiant = mot();
    const std::string_view etiquette = mot();
    l.longueurEtiquette = std::min(etiquette.size(), l.etiquette.size());
    for (std::size_t k = 0; k < l.longueurEtiquette; ++k) {
        const char c = etiquette[k];
        l.etiquette[k] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    l.valeur = std::string_view(p, static_cast<std::size_t>(fin - p));
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

private:
    const Canaux& canaux_;
    std::string tampon_;
    bool ok_ = true;
};

// Standard input as UTF-8 text: UTF-16 of either order (told by its
// byte-order mark, or by the zero bytes of the ASCII that opens any GEDCOM
// file) decoded as it is read; other bytes passed on, checked to be text.
class Entree
{
public:
    explicit Entree(const Canaux& canaux) : canaux_(canaux) {}

    std::ptrdiff_t lire(char* tampon, std::size_t taille)
    {
        if (!canaux_.lire)
            return 0;
        if (!decide_)
            return decider(tampon, taille);
        if (!utf16_)
            return canaux_.lire(tampon, taille);
        // At most three bytes of UTF-8 for each byte of UTF-16.
        brut_.resize(std::max<std::size_t>(taille / 3, 2));
        for (;;) {
            const std::ptrdiff_t lus = canaux_.lire(brut_.data(), brut_.size());
            if (lus < 0)
                return lus;
            if (lus == 0)
                return static_cast<std::ptrdiff_t>(utf16_->terminer(tampon));
            const std::size_t ecrits =
                utf16_->decoder(brut_.data(), static_cast<std::size_t>(lus), tampon);
            if (ecrits > 0)
                return static_cast<std::ptrdiff_t>(ecrits);
        }
    }

    // The stream's encoding, once read.
    std::optional<texte::JeuCaracteres> utf16() const
    {
        if (!utf16_)
            return std::nullopt;
        return grosBoutiste_ ? texte::JeuCaracteres::Utf16GrosBoutiste
                             : texte::JeuCaracteres::Utf16PetitBoutiste;
    }
    // The first bytes hold a zero byte that UTF-16 does not explain: not
    // text.
    bool pasDuTexte() const { return pasDuTexte_; }

private:
    std::ptrdiff_t decider(char* tampon, std::size_t taille)
    {
        decide_ = true;
        // The first bytes, enough to tell the encoding.
        std::size_t lus = 0;
        while (lus < std::min<std::size_t>(taille, 4)) {
            const std::ptrdiff_t n =
                canaux_.lire(tampon + lus, std::min<std::size_t>(taille, 4) - lus);
            if (n < 0)
                return n;
            if (n == 0)
                break;
            lus += static_cast<std::size_t>(n);
        }
        const auto octet = [tampon](std::size_t k) {
            return static_cast<unsigned char>(tampon[k]);
        };
        std::size_t saut = 0;
        if (lus >= 2 && octet(0) == 0xFF && octet(1) == 0xFE) {
            grosBoutiste_ = false;
            saut = 2;
        } else if (lus >= 2 && octet(0) == 0xFE && octet(1) == 0xFF) {
            grosBoutiste_ = true;
            saut = 2;
        } else if (lus >= 2 && octet(0) != 0 && octet(1) == 0) {
            grosBoutiste_ = false;
        } else if (lus >= 2 && octet(0) == 0 && octet(1) != 0) {
            grosBoutiste_ = true;
        } else {
            // Not UTF-16: the bytes pass, their first block checked.
            if (std::memchr(tampon, 0, lus) != nullptr) {
                pasDuTexte_ = true;
                return 0;
            }
            const std::ptrdiff_t suite =
                lus < taille ? canaux_.lire(tampon + lus, taille - lus) : 0;
            if (suite > 0) {
                if (std::memchr(tampon + lus, 0, static_cast<std::size_t>(suite)) != nullptr) {
                    pasDuTexte_ = true;
                    return 0;
                }
                lus += static_cast<std::size_t>(suite);
            }
            return static_cast<std::ptrdiff_t>(lus);
        }
        utf16_.emplace(grosBoutiste_);
        const std::string debut(tampon + saut, lus - saut);
        const std::size_t ecrits = utf16_->decoder(debut.data(), debut.size(), tampon);
        if (ecrits > 0)
            return static_cast<std::ptrdiff_t>(ecrits);
        return lire(tampon, taille);
    }

    const Canaux& canaux_;
    bool decide_ = false;
    bool grosBoutiste_ = false;
    bool pasDuTexte_ = false;
    std::optional<texte::DecodeurUtf16> utf16_;
    std::vector<char> brut_;
};

// "Jean Dupont": a GEDCOM name without the slashes around its surname, its
// blanks made one.
std::string sansBarres(std::string_view nom)
{
    std::string texte;
    bool espace = false;
    for (const char c : nom) {
        if (c == '/' || blanc(c)) {
            espace = !texte.empty();
            continue;
        }
        if (espace)
            texte += ' ';
        espace = false;
        texte += c;
    }
    if (texte.size() > longueurNomMax)
        texte.resize(longueurNomMax);
    return texte;
}

// One listing of a GEDCOM file.
class Liste
{
public:
    Liste(TypeCalendrier arrivee, const Canaux& canaux, const OptionsListe& options)
        : arrivee_(arrivee), canaux_(canaux), options_(options), sortie_(canaux), entree_(canaux),
          civil_(options.region, options.style)
    {}

    int lister()
    {
        const bool lectureOk = parcourirLignes(
            [this](char* tampon, std::size_t taille) { return entree_.lire(tampon, taille); },
            longueurLigneMax,
            [this](const char* debut, const char* fin, std::int64_t numero) {
                ligne(debut, fin, numero);
                return !sortie_.pleine() || sortie_.vider();
            },
            [this](std::int64_t numero, std::string_view debut) { ligneTropLongue(numero, debut); },
            [this] { return sortie_.vider(); });
        if (entree_.pasDuTexte()) {
            signaler("chronastre : ce fichier n'est pas du texte (il contient l'octet 0x00) : ce "
                     "n'est pas un fichier GEDCOM");
            return codeEchec;
        }
        terminerEnregistrement();
        if (!lectureOk)
            signaler("chronastre : lecture impossible de l'entrée standard");
        if (refusees_ > 0)
            signaler("chronastre : " + compte(listees_, "date listée", "dates listées") + ", " +
                     compte(refusees_, "refusée", "refusées"));
        const bool ecrit = sortie_.vider();
        return ecrit && lectureOk && refusees_ == 0 ? 0 : codeEchec;
    }

private:
    static std::string compte(std::int64_t n, std::string_view un, std::string_view plusieurs)
    {
        return std::to_string(n) + " " + std::string(n > 1 ? plusieurs : un);
    }

    void signaler(const std::string& message) const
    {
        if (canaux_.signaler)
            canaux_.signaler(message);
    }

    void refuser(std::int64_t numero, const std::string& raison)
    {
        ++refusees_;
        signaler("chronastre : ligne " + std::to_string(numero) + " : " + raison);
    }

    // Says once that the bytes contradict the declared set.
    void avertir(std::int64_t numero, const std::string& message)
    {
        if (averti_)
            return;
        averti_ = true;
        signaler("chronastre : ligne " + std::to_string(numero) + " : " + message);
    }

    // A value of the file as UTF-8: the bytes decide where they contradict
    // the declaration.
    std::string_view decoder(std::string_view octets, std::int64_t numero)
    {
        bool ascii = true;
        for (const char c : octets)
            ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (ascii || entree_.utf16())
            return octets;
        const bool utf8 = texte::estUtf8(octets);
        const texte::JeuCaracteres declare = declare_.value_or(texte::JeuCaracteres::Utf8);
        if (utf8) {
            if (declare != texte::JeuCaracteres::Utf8 && declare != texte::JeuCaracteres::Ascii)
                avertir(numero, "le fichier se déclare en " +
                                    texte::entreGuillemets(declareTexte_) +
                                    ", mais ses octets sont de l'UTF-8 : ils sont lus en UTF-8");
            return octets;
        }
        texte::JeuCaracteres jeu = declare;
        if (jeu == texte::JeuCaracteres::Utf8 || jeu == texte::JeuCaracteres::Ascii ||
            jeu == texte::JeuCaracteres::Utf16PetitBoutiste ||
            jeu == texte::JeuCaracteres::Utf16GrosBoutiste) {
            jeu = texte::JeuCaracteres::Windows1252;
            avertir(numero,
                    (declareTexte_.empty()
                         ? std::string("le fichier ne déclare pas son jeu de caractères")
                         : "le fichier se déclare en " + texte::entreGuillemets(declareTexte_)) +
                        ", mais ses octets ne sont pas de l'UTF-8 : ils sont lus en "
                        "Windows-1252 (ANSI)");
        }
        decode_.clear();
        texte::versUtf8(jeu, octets, decode_);
        return decode_;
    }

    // The event or attribute a date at level niveau belongs to: the nearest
    // enclosing tag but DATA, and but a source citation's SOUR (the date is
    // the citing event's), a SOUR at the record's level aside.
    std::string_view evenement(std::size_t niveau) const
    {
        for (std::size_t k = niveau; k-- > 0;) {
            const std::string_view tag = etiquettes_[k].vue();
            if (tag == "DATA" || (tag == "SOUR" && k >= 2))
                continue;
            return tag;
        }
        return {};
    }

    // Whom the record being read is about: an individual's name, a family's
    // spouses ("Jean Dupont et Marie Martin"), their identifiers for those
    // not read yet.
    std::string qui() const
    {
        if (typeEnregistrement_ == "INDI")
            return nom_;
        std::string texte;
        for (const std::string& conjoint : conjoints_) {
            if (!texte.empty())
                texte += " et ";
            const auto trouve = noms_.find(conjoint);
            texte += trouve != noms_.end() && !trouve->second.empty() ? trouve->second : conjoint;
        }
        return texte;
    }

    // The lines of a record go out at its end, when whom it is about is
    // known.
    void terminerEnregistrement()
    {
        if (phraseEnAttente_)
            abandonnerPhrase();
        if (typeEnregistrement_ == "INDI" && !identifiant_.empty() && noms_.size() < 10'000'000)
            noms_[identifiant_] = nom_;
        const std::string personne = texte::montrer(qui());
        for (const std::string& l : lignes_) {
            sortie_.ajouter(l);
            sortie_.ajouter("\t");
            sortie_.ajouter(personne);
            sortie_.ajouter("\n");
        }
        lignes_.clear();
        phraseEnAttente_.reset();
        dernierNiveauDate_.reset();
    }

    // An empty DATE that no PHRASE followed holds no date: its line goes.
    void abandonnerPhrase()
    {
        lignes_.erase(lignes_.begin() + static_cast<std::ptrdiff_t>(phraseEnAttente_->ligne));
        --listees_;
        phraseEnAttente_.reset();
    }

    void ligne(const char* debut, const char* fin, std::int64_t numero)
    {
        const auto l = decouper(debut, fin);
        if (!l || l->niveau >= niveauMax)
            return;
        const std::string_view tag = l->tag();
        if (l->niveau == 0) {
            terminerEnregistrement();
            identifiant_ = l->identifiant;
            typeEnregistrement_ = tag;
            nom_.clear();
            conjoints_.clear();
        }
        etiquettes_[l->niveau].garder(tag);
        if (phraseEnAttente_ && l->niveau <= phraseEnAttente_->niveau)
            abandonnerPhrase();
        if (dernierNiveauDate_ && l->niveau <= *dernierNiveauDate_)
            dernierNiveauDate_.reset();

        if (l->niveau == 1 && tag == "CHAR" && etiquettes_[0].vue() == "HEAD") {
            jeuDeclare(l->valeur, numero);
        } else if (l->niveau == 1 && tag == "NAME" && typeEnregistrement_ == "INDI" &&
                   nom_.empty()) {
            nom_ = sansBarres(decoder(l->valeur, numero));
        } else if (l->niveau == 1 && (tag == "HUSB" || tag == "WIFE") &&
                   typeEnregistrement_ == "FAM") {
            conjoints_.emplace_back(l->valeur.substr(0, longueurNomMax));
        } else if (tag == "DATE" || tag == "SDATE") {
            dateLue(*l, numero);
        } else if (tag == "PHRASE") {
            phrase(*l, numero);
        }
    }

    void jeuDeclare(std::string_view valeur, std::int64_t numero)
    {
        declare_ = texte::jeuDeclare(valeur);
        declareTexte_ = valeur.substr(0, longueurNomMax);
        const bool declareUtf16 = declare_ == texte::JeuCaracteres::Utf16PetitBoutiste ||
                                  declare_ == texte::JeuCaracteres::Utf16GrosBoutiste;
        if (!declare_)
            avertir(numero, "le fichier se déclare en " + texte::entreGuillemets(valeur) +
                                ", un jeu de caractères inconnu : ses octets sont lus en UTF-8 "
                                "là où ils en sont, en Windows-1252 (ANSI) ailleurs");
        else if (entree_.utf16() && !declareUtf16)
            avertir(numero, "le fichier se déclare en " + texte::entreGuillemets(valeur) +
                                ", mais ses octets sont de l'" +
                                std::string(nomDuJeu(*entree_.utf16())) +
                                " : ils sont lus en UTF-16");
        else if (!entree_.utf16() && declareUtf16)
            avertir(numero, "le fichier se déclare en " + texte::entreGuillemets(valeur) +
                                " (UTF-16), mais ses octets n'en sont pas : ils sont lus en UTF-8");
    }

    void dateLue(const LigneGedcom& l, std::int64_t numero)
    {
        const std::string_view evenement = this->evenement(l.niveau);
        if ((evenement == "CHAN" || evenement == "CREA") && !options_.modifications)
            return;
        const std::string valeur(decoder(l.valeur, numero));
        std::string_view sansFin = valeur;
        while (!sansFin.empty() && blanc(sansFin.back()))
            sansFin.remove_suffix(1);
        if (sansFin.empty()) {
            // GEDCOM 7: the date, if any, is in its PHRASE; its line keeps
            // its place until the PHRASE fills it.
            lister(numero, evenement, {}, {});
            phraseEnAttente_ = Attente{l.niveau, lignes_.size() - 1};
            return;
        }
        const texte::ValeurGedcom v = texte::lireValeurGedcom(sansFin, options_.lecture);
        if (!v.erreur.empty()) {
            refuser(numero, "date " + texte::entreGuillemets(sansFin) + " : " + v.erreur);
            return;
        }
        // Dates of the arrival calendar are not listed.
        if (v.premiere && v.premiere->calendrier == arrivee_ &&
            (!v.seconde || v.seconde->calendrier == arrivee_))
            return;
        lister(numero, evenement, sansFin, texteValeurGedcom(v, arrivee_, &civil_));
        dernierNiveauDate_ = l.niveau;
    }

    // A PHRASE under a DATE: the date's words, listed with an empty date or
    // after the date it explains.
    void phrase(const LigneGedcom& l, std::int64_t numero)
    {
        const std::string texte(decoder(l.valeur, numero));
        if (phraseEnAttente_ && l.niveau == phraseEnAttente_->niveau + 1) {
            lignes_[phraseEnAttente_->ligne] += phraseLue(texte, arrivee_, &civil_);
            phraseEnAttente_.reset();
        } else if (dernierNiveauDate_ && l.niveau == *dernierNiveauDate_ + 1 && !lignes_.empty()) {
            lignes_.back() += " (" + texte::entreGuillemets(texte) + ")";
        }
    }

    void lister(std::int64_t numero, std::string_view evenement, std::string_view valeur,
                const std::string& conversion)
    {
        std::string l = std::to_string(numero);
        l += '\t';
        texte::montrerDans(l, identifiant_);
        l += '\t';
        texte::montrerDans(l, evenement);
        l += '\t';
        texte::montrerDans(l, valeur);
        l += '\t';
        l += conversion;
        lignes_.push_back(std::move(l));
        ++listees_;
        if (lignes_.size() > 10000 && !phraseEnAttente_) {
            // A record of that many dates goes out as it is read.
            const auto gardees = std::move(lignes_);
            lignes_.clear();
            for (const std::string& g : gardees) {
                sortie_.ajouter(g);
                sortie_.ajouter("\t");
                sortie_.ajouter(texte::montrer(qui()));
                sortie_.ajouter("\n");
            }
        }
    }

    // A line too long to keep: its first bytes still say where it stands;
    // a date that long is refused.
    void ligneTropLongue(std::int64_t numero, std::string_view debut)
    {
        const auto l = decouper(debut.data(), debut.data() + debut.size());
        if (!l || l->niveau >= niveauMax)
            return;
        etiquettes_[l->niveau].garder(l->tag());
        if (l->tag() == "DATE" || l->tag() == "SDATE")
            refuser(numero, "date de plus de " + std::to_string(longueurLigneMax) + " octets");
    }

    // The tag of each level above the line read, kept in place: tags are
    // short (31 bytes at most in GEDCOM), and a longer one is kept cut.
    struct Etiquette
    {
        std::array<char, 32> texte{};
        std::size_t longueur = 0;
        std::string_view vue() const { return std::string_view(texte.data(), longueur); }
        void garder(std::string_view tag)
        {
            longueur = std::min(tag.size(), texte.size());
            std::memcpy(texte.data(), tag.data(), longueur);
        }
    };

    // An empty GEDCOM 7 DATE waiting for its PHRASE: its level, its line
    // in lignes_.
    struct Attente
    {
        std::size_t niveau;
        std::size_t ligne;
    };

    TypeCalendrier arrivee_;
    const Canaux& canaux_;
    const OptionsListe& options_;
    Flux sortie_;
    Entree entree_;
    std::optional<texte::JeuCaracteres> declare_;
    std::string declareTexte_; // the CHAR value as written
    bool averti_ = false;
    std::string decode_;
    std::array<Etiquette, niveauMax> etiquettes_{};
    // The record being read, and its listing lines without their last field.
    std::string identifiant_;
    std::string typeEnregistrement_;
    std::string nom_;
    std::vector<std::string> conjoints_;
    std::vector<std::string> lignes_;
    std::optional<Attente> phraseEnAttente_;
    std::optional<std::size_t> dernierNiveauDate_;
    // The names of the individuals read so far, by identifier.
    std::unordered_map<std::string, std::string> noms_;
    std::int64_t listees_ = 0;
    std::int64_t refusees_ = 0;
    // The region and style of the date phrases, and their feasts.
    texte::ContexteCivil civil_;
};

} // namespace

std::string texteValeurGedcom(const texte::ValeurGedcom& v, TypeCalendrier arrivee,
                              const texte::ContexteCivil* civil)
{
    using texte::Qualificatif;
    if (!v.premiere)
        return phraseLue(v.phrase, arrivee, civil); // a date phrase alone
    const texte::DatePartielle& d = *v.premiere;
    std::string texte;
    switch (v.qualificatif) {
    case Qualificatif::Aucun:
    case Qualificatif::Et:
        texte = date(d, arrivee);
        break;
    case Qualificatif::Vers:
        texte = "vers " + date(d, arrivee);
        break;
    case Qualificatif::Calculee:
        texte = "vers " + date(d, arrivee) + " (calculée)";
        break;
    case Qualificatif::Estimee:
        texte = "vers " + date(d, arrivee) + " (estimée)";
        break;
    case Qualificatif::Avant:
        texte = "avant " + jour(arrivee, texte::premierJour(d));
        break;
    case Qualificatif::Apres:
        texte = "après " + jour(arrivee, texte::dernierJour(d));
        break;
    case Qualificatif::Entre:
        texte = "entre " + jour(arrivee, texte::premierJour(d)) + " et " +
                jour(arrivee, texte::dernierJour(*v.seconde));
        break;
    case Qualificatif::De:
        texte = v.seconde ? "de " + jour(arrivee, texte::premierJour(d)) + " à " +
                                jour(arrivee, texte::dernierJour(*v.seconde))
                          : "à partir de " + jour(arrivee, texte::premierJour(d));
        break;
    case Qualificatif::A:
        texte = "jusqu'à " + jour(arrivee, texte::dernierJour(d));
        break;
    case Qualificatif::Interpretee:
        if (const auto lue = phraseHistorique(v.phrase, civil);
            lue && texte::premierJour(d) != texte::dernierJour(d)) {
            // The phrase's day, when it is one of the days of the date.
            std::optional<std::int64_t> dedans;
            for (int k = 0; k < lue->nombre; ++k) {
                const std::int64_t n = lue->jours[static_cast<std::size_t>(k)];
                if (n >= texte::premierJour(d) && n <= texte::dernierJour(d))
                    dedans = dedans ? std::nullopt : std::optional(n);
            }
            if (dedans)
                return jour(arrivee, *dedans) + " (interprétée de " +
                       texte::entreGuillemets(v.phrase) + ")";
        }
        return date(d, arrivee) + " (interprétée de " + texte::entreGuillemets(v.phrase) + ")";
    }
    if (!v.phrase.empty())
        texte += " (" + texte::entreGuillemets(v.phrase) + ")";
    return texte;
}

int listerGedcom(TypeCalendrier arrivee, const Canaux& canaux, const OptionsListe& options)
{
    Liste liste(arrivee, canaux, options);
    return liste.lister();
}

} // namespace chronastre
