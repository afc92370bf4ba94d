#include "main/gedcom.h"

#include "engine/calendrier.h"
#include "main/canaux.h"
#include "main/lignes.h"
#include "texte/jeuxcaracteres.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace chronastre {

namespace {

// GEDCOM lines are short (255 bytes in 5.5.1, a long NOTE aside); a longer
// one is passed over in bounded memory.
constexpr std::size_t longueurLigneMax = 1 << 15;
// Deeper structures than this are passed over.
constexpr std::size_t niveauMax = 100;
// A name kept for a listing is cut at this many bytes.
constexpr std::size_t longueurNomMax = 200;

// A day in calendar arrivee, in its literal form, at the end of texte.
void ajouterJour(std::string& texte, Calendrier& arrivee, std::int64_t numeroJour)
{
    texte::ajouterTexteCalendrier(texte, arrivee.type(), arrivee.versCalendrier(numeroJour),
                                  jourSemaine(numeroJour));
}

// A date, whole ("Samedi 9 Novembre 1799") or partial ("entre ... et ..."),
// at the end of texte.
void ajouterDate(std::string& texte, const texte::DatePartielle& d, Calendrier& arrivee)
{
    const std::int64_t premier = texte::premierJour(d);
    const std::int64_t dernier = texte::dernierJour(d);
    if (premier == dernier) {
        ajouterJour(texte, arrivee, premier);
        return;
    }
    texte += "entre ";
    ajouterJour(texte, arrivee, premier);
    texte += " et ";
    ajouterJour(texte, arrivee, dernier);
}

bool blanc(char c)
{
    return c == ' ' || c == '\t';
}

// texte made octets: emptied and appended to, the short path of
// std::string (an assignment goes through its general replace).
void remplacer(std::string& texte, std::string_view octets)
{
    texte.clear();
    texte.append(octets.data(), octets.size());
}

// A tag in capitals, cut at 31 bytes: GEDCOM tags are short (31 bytes at
// most), a longer one is kept cut.
// The tag starts at byte 2 of texte, so that a line's first 16 bytes, its
// level and a blank before the tag, are kept as they are.
struct Etiquette
{
    std::array<char, 56> texte; // 64 bytes in all
    std::size_t longueur = 0;
    std::string_view vue() const { return std::string_view(texte.data() + 2, longueur); }
};

// The tags of the levels above a line, its own included.
using Etiquettes = std::array<Etiquette, niveauMax>;

#if defined(__SSE2__)
// 16 bytes, 'a' to 'z' put in capitals: moved to the lowest signed bytes,
// taken 0x20 from.
inline __m128i capitales(__m128i octets)
{
    const __m128i decales = _mm_add_epi8(octets, _mm_set1_epi8(static_cast<char>(0x80 - 'a')));
    const __m128i minuscules = _mm_cmplt_epi8(decales, _mm_set1_epi8(static_cast<char>(0x80 + 26)));
    return _mm_sub_epi8(octets, _mm_and_si128(minuscules, _mm_set1_epi8('a' - 'A')));
}
#endif

// A tag kept as written, put in capitals. A tag that does not fit the first
// 16 bytes of texte was read in capitals (decouper puts them).
void enCapitales(Etiquette& etiquette)
{
#if defined(__SSE2__)
    __m128i* const octets = reinterpret_cast<__m128i*>(etiquette.texte.data());
    _mm_storeu_si128(octets, capitales(_mm_loadu_si128(octets)));
#else
    for (std::size_t i = 0; i < etiquette.longueur; ++i) {
        char& c = etiquette.texte[2 + i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
#endif
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
std::string phraseLue(std::string_view phrase, Calendrier& arrivee,
                      const texte::ContexteCivil* civil)
{
    const std::string citee = texte::entreGuillemets(phrase);
    const auto lue = phraseHistorique(phrase, civil);
    if (!lue)
        return citee;
    std::string jours;
    ajouterJour(jours, arrivee, lue->jours[0]);
    if (lue->nombre == 2) {
        jours += " ou ";
        ajouterJour(jours, arrivee, lue->jours[1]);
    }
    return jours + " (" + citee + ")";
}

// A GEDCOM date value in calendar arrivee, in French, its qualifier
// included, at the end of texte: "vers Samedi 9 Novembre 1799", "entre ...
// et ...", "de ... à ...". A partial date gives its first and last day; a
// date phrase alone is given between quotation marks. With civil, a phrase
// that names a feast or a style and reads as a date of the region's
// documents gives its day (or its two days) before it, and an INT date of
// more than one day the phrase's day within it.
void ajouterValeurGedcom(std::string& texte, const texte::ValeurGedcom& v, Calendrier& arrivee,
                         const texte::ContexteCivil* civil)
{
    using texte::Qualificatif;
    if (!v.premiere) {
        texte += phraseLue(v.phrase, arrivee, civil); // a date phrase alone
        return;
    }
    const texte::DatePartielle& d = *v.premiere;
    switch (v.qualificatif) {
    case Qualificatif::Aucun:
    case Qualificatif::Et:
        ajouterDate(texte, d, arrivee);
        break;
    case Qualificatif::Vers:
    case Qualificatif::Calculee:
    case Qualificatif::Estimee:
        texte += "vers ";
        ajouterDate(texte, d, arrivee);
        if (v.qualificatif == Qualificatif::Calculee)
            texte += " (calculée)";
        else if (v.qualificatif == Qualificatif::Estimee)
            texte += " (estimée)";
        break;
    case Qualificatif::Avant:
        texte += "avant ";
        ajouterJour(texte, arrivee, texte::premierJour(d));
        break;
    case Qualificatif::Apres:
        texte += "après ";
        ajouterJour(texte, arrivee, texte::dernierJour(d));
        break;
    case Qualificatif::Entre:
        texte += "entre ";
        ajouterJour(texte, arrivee, texte::premierJour(d));
        texte += " et ";
        ajouterJour(texte, arrivee, texte::dernierJour(*v.seconde));
        break;
    case Qualificatif::De:
        texte += v.seconde ? "de " : "à partir de ";
        ajouterJour(texte, arrivee, texte::premierJour(d));
        if (v.seconde) {
            texte += " à ";
            ajouterJour(texte, arrivee, texte::dernierJour(*v.seconde));
        }
        break;
    case Qualificatif::A:
        texte += "jusqu'à ";
        ajouterJour(texte, arrivee, texte::dernierJour(d));
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
            if (dedans) {
                ajouterJour(texte, arrivee, *dedans);
                texte += " (interprétée de " + texte::entreGuillemets(v.phrase) + ")";
                return;
            }
        }
        ajouterDate(texte, d, arrivee);
        texte += " (interprétée de " + texte::entreGuillemets(v.phrase) + ")";
        return;
    }
    if (!v.phrase.empty())
        texte += " (" + texte::entreGuillemets(v.phrase) + ")";
}

// What a GEDCOM line holds: its level, the identifier it opens (a record's
// @I12@), its tag in capitals and its value. Any run of blanks and tabs
// separates them.
struct LigneGedcom
{
    std::size_t niveau;
    std::string_view identifiant;
    std::string_view tag;
    std::string_view valeur;
};

// Reads the tag that starts at p in capitals, up to fin or a blank; returns
// its end. The byte at fin must be a CR or a LF, and the 15 bytes after it
// readable.
[[gnu::always_inline]] inline const char* lireEtiquette(const char* p, const char* fin,
                                                        Etiquette& etiquette)
{
#if defined(__SSE2__)
    // A tag of up to 15 bytes, the common case, read and put in capitals at
    // once: its end is the first blank, tab, CR or LF (no CR nor LF comes
    // before fin).
    const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto egaux = [&octets](char c) {
        return _mm_cmpeq_epi8(octets, _mm_set1_epi8(c));
    };
    const int fins = _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(egaux(' '), egaux('\t')),
                                                    _mm_or_si128(egaux('\r'), egaux('\n'))));
    if (fins != 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(etiquette.texte.data() + 2), capitales(octets));
        etiquette.longueur = static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(fins)));
        return p + etiquette.longueur;
    }
#endif
    const char* const debut = p;
    while (p != fin && !blanc(*p))
        ++p;
    etiquette.longueur = std::min(static_cast<std::size_t>(p - debut), std::size_t{32});
    for (std::size_t k = 0; k < etiquette.longueur; ++k) {
        const char c = debut[k];
        etiquette.texte[2 + k] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return p;
}

// Reads the line [p, fin) into l, its tag into etiquettes[l.niveau], its
// value left as it is; false when it is no GEDCOM line or one deeper than
// the tags kept. The byte at fin must be a CR or a LF, and the 15 bytes
// after it readable.
[[gnu::always_inline]] inline bool decouper(const char* p, const char* fin, LigneGedcom& l,
                                            Etiquettes& etiquettes)
{
    while (blanc(*p))
        ++p;
    // One to three digits, then a blank.
    unsigned chiffre = static_cast<unsigned char>(*p) - 48U;
    if (chiffre >= 10)
        return false;
    std::size_t niveau = chiffre;
    ++p;
    for (int k = 1; k < 3 && (chiffre = static_cast<unsigned char>(*p) - 48U) < 10; ++k, ++p)
        niveau = niveau * 10 + chiffre;
    if (!blanc(*p) || niveau >= niveauMax)
        return false;
    do
        ++p;
    while (blanc(*p));
    l.niveau = niveau;
    l.identifiant = {};
    if (*p == '@') {
        const char* const debut = p;
        while (p != fin && !blanc(*p))
            ++p;
        l.identifiant = std::string_view(debut, static_cast<std::size_t>(p - debut));
        while (blanc(*p))
            ++p;
    }
    Etiquette& etiquette = etiquettes[niveau];
    p = lireEtiquette(p, fin, etiquette);
    l.tag = etiquette.vue();
    while (blanc(*p))
        ++p;
    l.valeur = std::string_view(p, static_cast<std::size_t>(fin - p));
    return true;
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
            // Not UTF-16: the bytes pass, their first block checked, whole
            // however the input comes (a pipe may give it in pieces).
            while (lus < taille) {
                const std::ptrdiff_t suite = canaux_.lire(tampon + lus, taille - lus);
                if (suite <= 0)
                    break;
                lus += static_cast<std::size_t>(suite);
            }
            if (std::memchr(tampon, 0, lus) != nullptr) {
                pasDuTexte_ = true;
                return 0;
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

// Whether bytes are all ASCII, eight at a time; the last eight read once
// more rather than a byte at a time.
bool ascii(std::string_view octets)
{
    std::uint64_t ou = 0;
    const std::size_t n = octets.size();
    if (n < 8) {
        for (const char c : octets)
            ou |= static_cast<unsigned char>(c);
        return (ou & 0x80U) == 0;
    }
    std::uint64_t huit;
    for (std::size_t k = 0; k + 8 <= n; k += 8) {
        std::memcpy(&huit, octets.data() + k, 8);
        ou |= huit;
    }
    std::memcpy(&huit, octets.data() + n - 8, 8);
    ou |= huit;
    return (ou & 0x8080808080808080U) == 0;
}

// "Jean Dupont": a GEDCOM name without the slashes around its surname, its
// blanks made one.
void sansBarres(std::string_view nom, std::string& texte)
{
    texte.clear();
    const auto separe = [](char c) {
        return c == '/' || blanc(c);
    };
    const char* p = nom.data();
    const char* const fin = p + nom.size();
    // Word by word, a blank between two.
    while (texte.size() <= longueurNomMax) {
        while (p < fin && separe(*p))
            ++p;
        if (p == fin)
            break;
        const char* const mot = p;
        while (p < fin && !separe(*p))
            ++p;
        if (!texte.empty())
            texte += ' ';
        texte.append(mot, static_cast<std::size_t>(p - mot));
    }
    if (texte.size() > longueurNomMax)
        texte.resize(longueurNomMax);
}

// The names of the individuals read so far, by identifier: their bytes one
// after the other, found by an open-addressing table of FNV-1a hashes (no
// allocation per individual). A name read again for an identifier replaces
// the first.
class Noms
{
public:
    void ranger(std::string_view identifiant, std::string_view nom)
    {
        // Their places kept in 32 bits, their lengths in 16.
        if (entrees_.size() >= 10'000'000 || identifiant.size() > 0xFFFF || nom.size() > 0xFFFF ||
            texte_.size() + identifiant.size() + nom.size() > 0xFFFFFFFFU)
            return;
        if (2 * (entrees_.size() + 1) > cases_.size())
            agrandir();
        const Entree e{static_cast<std::uint32_t>(texte_.size()),
                       static_cast<std::uint16_t>(identifiant.size()),
                       static_cast<std::uint16_t>(nom.size())};
        texte_ += identifiant;
        texte_ += nom;
        std::uint32_t& c = cases_[caseDe(identifiant, hache(identifiant))];
        if (c != 0) {
            entrees_[c - 1] = e;
            return;
        }
        entrees_.push_back(e);
        c = static_cast<std::uint32_t>(entrees_.size());
    }

    // The name of an identifier; empty when none was read.
    std::string_view nom(std::string_view identifiant) const
    {
        if (cases_.empty())
            return {};
        const std::uint32_t c = cases_[caseDe(identifiant, hache(identifiant))];
        if (c == 0)
            return {};
        const Entree& e = entrees_[c - 1];
        return std::string_view(texte_).substr(e.debut + e.longueurIdentifiant, e.longueurNom);
    }

private:
    struct Entree
    {
        std::uint32_t debut;
        std::uint16_t longueurIdentifiant;
        std::uint16_t longueurNom;
    };

    static std::uint64_t hache(std::string_view octets)
    {
        std::uint64_t h = 14695981039346656037u;
        for (const char c : octets)
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211u;
        return h;
    }

    std::string_view identifiant(const Entree& e) const
    {
        return std::string_view(texte_).substr(e.debut, e.longueurIdentifiant);
    }

    // The case of an identifier: the one that holds it, or the empty one
    // where it goes (linear probing; the table is at most half full).
    std::size_t caseDe(std::string_view cle, std::uint64_t h) const
    {
        const std::size_t masque = cases_.size() - 1;
        for (std::size_t i = h & masque;; i = (i + 1) & masque) {
            const std::uint32_t c = cases_[i];
            if (c == 0 || identifiant(entrees_[c - 1]) == cle)
                return i;
        }
    }

    void agrandir()
    {
        cases_.assign(std::max<std::size_t>(1024, 2 * cases_.size()), 0);
        const std::size_t masque = cases_.size() - 1;
        for (std::size_t k = 0; k < entrees_.size(); ++k) {
            std::size_t i = hache(identifiant(entrees_[k])) & masque;
            while (cases_[i] != 0)
                i = (i + 1) & masque;
            cases_[i] = static_cast<std::uint32_t>(k + 1);
        }
    }

    std::string texte_;
    std::vector<Entree> entrees_;
    std::vector<std::uint32_t> cases_;
};

// The listing lines of the record being read. Their strings are kept from
// one record to the next, so that a line is written without an allocation.
class Lignes
{
public:
    std::string& nouvelle()
    {
        if (n_ == lignes_.size())
            lignes_.emplace_back();
        std::string& l = lignes_[n_++];
        l.clear();
        return l;
    }
    std::string& operator[](std::size_t i) { return lignes_[i]; }
    std::string& back() { return lignes_[n_ - 1]; }
    std::size_t size() const { return n_; }
    bool empty() const { return n_ == 0; }
    void clear() { n_ = 0; }
    void erase(std::size_t i)
    {
        std::rotate(lignes_.begin() + static_cast<std::ptrdiff_t>(i),
                    lignes_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                    lignes_.begin() + static_cast<std::ptrdiff_t>(n_));
        --n_;
    }
    auto begin() const { return lignes_.begin(); }
    auto end() const { return lignes_.begin() + static_cast<std::ptrdiff_t>(n_); }

private:
    std::vector<std::string> lignes_;
    std::size_t n_ = 0;
};

// One listing of a GEDCOM file.
class Liste
{
public:
    Liste(TypeCalendrier arrivee, const Canaux& canaux, const OptionsListe& options)
        : arrivee_(arrivee), calendrier_(arrivee), canaux_(canaux), options_(options),
          sortie_(canaux), entree_(canaux), civil_(options.region, options.style)
    {}

    int lister()
    {
        const bool lectureOk = parcourirLignes(
            [this](char* tampon, std::size_t taille) { return entree_.lire(tampon, taille); },
            longueurLigneMax,
            [this](const char* debut, const char* fin, std::int64_t numero) {
                return ligne(debut, fin, numero);
            },
            // An output that failed stops the reading at the next block.
            [this](std::int64_t numero, std::string_view debut) {
                (void)ligneTropLongue(numero, debut);
            },
            [this] { return sortie_.vider(); },
            [this](const char* debut, const char* bout, std::int64_t& numero, bool sansCr) {
                return passer(debut, bout, numero, sansCr);
            });
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
        if (ascii(octets) || entree_.utf16())
            return octets;
        return decoderAutres(octets, numero);
    }

    // The same, for bytes that are not all ASCII.
    [[gnu::noinline]] std::string_view decoderAutres(std::string_view octets, std::int64_t numero)
    {
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
    // the citing event's), a SOUR at the record's level aside. In
    // capitals: the tags of the lines passed over are kept as written.
    std::string_view evenement(std::size_t niveau)
    {
        for (std::size_t k = niveau; k-- > 0;) {
            Etiquette& etiquette = etiquettes_[k];
            enCapitales(etiquette);
            const std::string_view tag = etiquette.vue();
            if (est(tag, "DATA") || (est(tag, "SOUR") && k >= 2))
                continue;
            return tag;
        }
        return {};
    }

    // Whom the record being read is about, shown at the end of texte: an
    // individual's name, a family's spouses ("Jean Dupont et Marie Martin"),
    // their identifiers for those not read yet.
    void qui(std::string& texte) const
    {
        if (typeEnregistrement_ == Enregistrement::Individu) {
            texte::montrerDans(texte, nom_);
            return;
        }
        const std::size_t debut = texte.size();
        for (const std::string& conjoint : conjoints_) {
            if (texte.size() != debut)
                texte += " et ";
            const std::string_view nom = noms_.nom(conjoint);
            texte::montrerDans(texte, nom.empty() ? std::string_view(conjoint) : nom);
        }
    }

    // The lines of a record go out at its end, when whom it is about is
    // known.
    void terminerEnregistrement()
    {
        if (phraseEnAttente_)
            abandonnerPhrase();
        if (typeEnregistrement_ == Enregistrement::Individu && !identifiant_.empty())
            noms_.ranger(identifiant_, nom_);
        if (!lignes_.empty())
            ecrireLignes();
        phraseEnAttente_.reset();
        dernierNiveauDate_.reset();
    }

    // An empty DATE that no PHRASE followed holds no date: its line goes.
    void abandonnerPhrase()
    {
        lignes_.erase(phraseEnAttente_->ligne);
        --listees_;
        phraseEnAttente_.reset();
    }

    // The deepest level whose lines end what waits (an empty DATE its
    // PHRASE, a listed date its own): those of this level or above change
    // it by their place alone (placer); a deeper one only by its tag, a
    // PHRASE or a DATE that cherchee finds. 0 when nothing waits: a
    // record's first line.
    std::size_t seuil() const
    {
        return std::max(phraseEnAttente_ ? phraseEnAttente_->niveau : 0,
                        dernierNiveauDate_.value_or(0));
    }

    // Reads the common lines from p on, the most of any file: a one-digit
    // level, a blank, a tag that is no identifier and ends within the first
    // 16 bytes, each line whole before bout. Those that need nothing done
    // (neither a record's first line, nor one at the level of what waits or
    // above, nor one of the tags looked for) are passed over from their
    // first 16 bytes, their tags kept as written (evenement puts them in
    // capitals); the others go to autreLigne. Counts the lines read into
    // numero and returns where it stopped, nullptr once the output has
    // failed. A block without CR has its lines' ends found by their LF
    // alone.
    const char* passer(const char* p, const char* bout, std::int64_t& numero, bool sansCr)
    {
        return sansCr ? passer<false>(p, bout, numero) : passer<true>(p, bout, numero);
    }

    // Its own loop, not inlined, so that what it holds stays in registers.
    template <bool avecCr>
    [[gnu::noinline]] const char* passer(const char* p, const char* bout, std::int64_t& numero)
    {
#if defined(__SSE2__)
        const __m128i lf = _mm_set1_epi8('\n');
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i blanc16 = _mm_set1_epi8(' ');
        // The LF (and CR) of 16 bytes.
        const auto finsDe = [=](__m128i octets) {
            __m128i egaux = _mm_cmpeq_epi8(octets, lf);
            if constexpr (avecCr)
                egaux = _mm_or_si128(egaux, _mm_cmpeq_epi8(octets, cr));
            return static_cast<std::uint32_t>(_mm_movemask_epi8(egaux));
        };
        std::int64_t lignes = 0;
        std::size_t seuil = this->seuil();
        for (;;) {
            const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const std::uint32_t fins = finsDe(octets);
            // A level of 0 to 9 and a blank (their two bytes, little-endian,
            // taken "0 " from), a byte that opens a tag, the tag's end within
            // the 16 bytes at a blank, a tab, a CR or a LF. The bytes from
            // the tag's first on that are blanks or controls: the first is
            // its end (16 bits set past them, so that none found gives 14).
            std::uint16_t deux;
            std::memcpy(&deux, p, 2);
            const unsigned niveau = deux - (0x30U | 0x20U << 8);
            const unsigned basses = static_cast<unsigned>(_mm_movemask_epi8(
                                        _mm_cmpeq_epi8(_mm_max_epu8(octets, blanc16), blanc16))) >>
                                        2 |
                                    0xFFFF0000U >> 2;
            const auto longueur = static_cast<unsigned>(__builtin_ctz(basses));
            if (niveau >= 10 || longueur - 1 >= 13 || p[2] == '@' ||
                ((1ULL << ' ' | 1ULL << '\t' | 1ULL << '\r' | 1ULL << '\n') >>
                     static_cast<unsigned char>(p[2 + longueur]) &
                 1) == 0)
                break;
            // The line's end: among the 16 bytes, or in the next ones, 32 at a
            // time; none before bout leaves the line to ligne.
            const char* fin;
            if (fins != 0) [[likely]] {
                fin = p + __builtin_ctz(fins);
            } else {
                const char* q = p + 16;
                std::uint32_t masque = 0;
                for (; q < bout; q += 32) {
                    const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
                    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q + 16));
                    masque = finsDe(a) | finsDe(b) << 16;
                    if (masque != 0)
                        break;
                }
                if (masque == 0)
                    break;
                fin = q + __builtin_ctz(masque);
                if (static_cast<std::size_t>(fin - p) > longueurLigneMax)
                    break; // too long: said by ligne
            }
            // Where the next line starts: after a LF, a CR LF, or a CR alone
            // when the byte after it is known.
            const char* suite;
            if (fin >= bout)
                break;
            if (!avecCr || *fin == '\n') [[likely]]
                suite = fin + 1;
            else if (fin + 1 < bout)
                suite = fin + (fin[1] == '\n' ? 2 : 1);
            else
                break;
            Etiquette& etiquette = etiquettes_[niveau];
            _mm_storeu_si128(reinterpret_cast<__m128i*>(etiquette.texte.data()), octets);
            etiquette.longueur = longueur;
            const char* const debut = p;
            p = suite;
            ++lignes;
            // regardee, written out: called, it makes the tag's view before
            // the level is compared, two instructions more per line.
            if (niveau <= seuil || cherchee(niveau, etiquette.vue())) [[unlikely]] {
                // A record's tag in capitals; the others are compared in any
                // case.
                if (niveau == 0)
                    enCapitales(etiquette);
                const char* valeur = debut + 2 + longueur;
                while (blanc(*valeur))
                    ++valeur;
                if (!autreLigne({niveau,
                                 {},
                                 etiquette.vue(),
                                 std::string_view(valeur, static_cast<std::size_t>(fin - valeur))},
                                numero + lignes)) {
                    numero += lignes;
                    return nullptr;
                }
                seuil = this->seuil();
            }
        }
        numero += lignes;
#else
        (void)bout, (void)numero;
#endif
        return p;
    }

    // Reads one line that passer left; false once the output has failed.
    bool ligne(const char* debut, const char* fin, std::int64_t numero)
    {
        // A line too long is so whether or not the block it was read in held
        // it whole.
        if (static_cast<std::size_t>(fin - debut) > longueurLigneMax) [[unlikely]]
            return ligneTropLongue(numero, std::string_view(debut, debutGarde));
        LigneGedcom l;
        if (decouper(debut, fin, l, etiquettes_) && regardee(l.niveau, l.tag, seuil()))
            return autreLigne(l, numero);
        return true;
    }

    // Whether a line goes to autreLigne: one at seuil() or above, one of the
    // tags looked for.
    [[gnu::always_inline]] static bool regardee(std::size_t niveau, std::string_view tag,
                                                std::size_t seuil)
    {
        return niveau <= seuil || cherchee(niveau, tag);
    }

    // A date's tag, in any case.
    static bool estDate(std::string_view tag)
    {
        return est(tag, "DATE") || egalEnCapitales(tag, "SDATE");
    }

    // Whether a tag in any case is the four-letter one given in capitals,
    // its bytes compared at once in lower case (a byte with 0x20 added is a
    // lower-case letter only if it was that letter).
    static bool est(std::string_view tag, const char (&mot)[5])
    {
        if (tag.size() != 4)
            return false;
        std::uint32_t a, b;
        std::memcpy(&a, tag.data(), 4);
        std::memcpy(&b, mot, 4);
        return (a | 0x20202020U) == (b | 0x20202020U);
    }

    // Whether a tag is one the listing looks at, in any case: its length,
    // then its bytes compared at once.
    [[gnu::always_inline]] static bool cherchee(std::size_t niveau, std::string_view tag)
    {
        if (tag.size() == 4) [[likely]]
            return est(tag, "DATE") || (niveau == 1 && (est(tag, "CHAR") || est(tag, "NAME") ||
                                                        est(tag, "HUSB") || est(tag, "WIFE")));
        return estDate(tag) || egalEnCapitales(tag, "PHRASE");
    }

    // Whether a tag in any case is the one given in capitals.
    static bool egalEnCapitales(std::string_view tag, std::string_view capitales)
    {
        if (tag.size() != capitales.size())
            return false;
        for (std::size_t k = 0; k < tag.size(); ++k) {
            if ((tag[k] | 0x20) != (capitales[k] | 0x20))
                return false;
        }
        return true;
    }

    // A line that may be listed or change what is listed; false once the
    // output has failed.
    [[gnu::noinline]] bool autreLigne(const LigneGedcom l, std::int64_t numero)
    {
        placer(l);
        const std::string_view tag = l.tag;
        if (estDate(tag)) {
            dateLue(l, numero);
        } else if (egalEnCapitales(tag, "PHRASE")) {
            phrase(l, numero);
        } else if (l.niveau == 1) {
            if (est(tag, "CHAR") && est(etiquettes_[0].vue(), "HEAD"))
                jeuDeclare(l.valeur, numero);
            else if (est(tag, "NAME") && typeEnregistrement_ == Enregistrement::Individu &&
                     nom_.empty())
                sansBarres(decoder(l.valeur, numero), nom_);
            else if ((est(tag, "HUSB") || est(tag, "WIFE")) &&
                     typeEnregistrement_ == Enregistrement::Famille)
                conjoints_.emplace_back(l.valeur.substr(0, longueurNomMax));
        }
        return !sortie_.pleine() || sortie_.vider();
    }

    // What a line changes by its place alone: a record's first line starts
    // a record; a line at the level of an empty DATE or above gives up its
    // PHRASE, at the level of a listed date or above ends what follows it.
    [[gnu::always_inline]] void placer(const LigneGedcom& l)
    {
        if (l.niveau == 0) {
            terminerEnregistrement();
            remplacer(identifiant_, l.identifiant);
            identifiantMontre_.clear();
            texte::montrerDans(identifiantMontre_, l.identifiant);
            typeEnregistrement_ = est(l.tag, "INDI") ? Enregistrement::Individu
                                  : l.tag == "FAM"   ? Enregistrement::Famille
                                                     : Enregistrement::Autre;
            nom_.clear();
            conjoints_.clear();
        }
        if (phraseEnAttente_ && l.niveau <= phraseEnAttente_->niveau)
            abandonnerPhrase();
        if (dernierNiveauDate_ && l.niveau <= *dernierNiveauDate_)
            dernierNiveauDate_.reset();
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

    [[gnu::always_inline]] void dateLue(const LigneGedcom& l, std::int64_t numero)
    {
        const std::string_view evenement = this->evenement(l.niveau);
        if ((est(evenement, "CHAN") || est(evenement, "CREA")) && !options_.modifications)
            return;
        // The bytes of the line, or decode_: nothing decodes again before
        // the line is listed.
        std::string_view sansFin = decoder(l.valeur, numero);
        while (!sansFin.empty() && blanc(sansFin.back()))
            sansFin.remove_suffix(1);
        if (sansFin.empty()) {
            // GEDCOM 7: the date, if any, is in its PHRASE; its line keeps
            // its place until the PHRASE fills it.
            nouvelleLigne(numero, evenement, {});
            phraseEnAttente_ = Attente{l.niveau, lignes_.size() - 1};
            ligneFaite();
            return;
        }
        texte::ValeurGedcom& v = valeur_;
        texte::lireValeurGedcom(sansFin, options_.lecture, v);
        if (!v.erreur.empty()) {
            refuser(numero, "date " + texte::entreGuillemets(sansFin) + " : " + v.erreur);
            return;
        }
        if (!v.avertissement.empty())
            signaler("chronastre : ligne " + std::to_string(numero) + " : date " +
                     texte::entreGuillemets(sansFin) + " : " + v.avertissement);
        // Dates of the arrival calendar are not listed.
        if (v.premiere && v.premiere->calendrier == arrivee_ &&
            (!v.seconde || v.seconde->calendrier == arrivee_))
            return;
        ajouterValeurGedcom(nouvelleLigne(numero, evenement, sansFin), v, calendrier_, &civil_);
        ligneFaite();
        dernierNiveauDate_ = l.niveau;
    }

    // A PHRASE under a DATE: the date's words, listed with an empty date or
    // after the date it explains.
    void phrase(const LigneGedcom& l, std::int64_t numero)
    {
        const std::string texte(decoder(l.valeur, numero));
        if (phraseEnAttente_ && l.niveau == phraseEnAttente_->niveau + 1) {
            lignes_[phraseEnAttente_->ligne] += phraseLue(texte, calendrier_, &civil_);
            phraseEnAttente_.reset();
        } else if (dernierNiveauDate_ && l.niveau == *dernierNiveauDate_ + 1 && !lignes_.empty()) {
            lignes_.back() += " (" + texte::entreGuillemets(texte) + ")";
        }
    }

    // A listing line begun: its number, the record, the event, the value;
    // the value in the arrival calendar goes after it.
    std::string& nouvelleLigne(std::int64_t numero, std::string_view evenement,
                               std::string_view valeur)
    {
        std::string& l = lignes_.nouvelle();
        // Most often short, and the event and the value printable ASCII,
        // shown as they are: built at once in a buffer.
        std::array<char, 256> tampon;
        if (identifiantMontre_.size() + evenement.size() + valeur.size() <= tampon.size() - 32 &&
            texte::imprimable(evenement) && texte::imprimable(valeur)) {
            char* p = std::to_chars(tampon.data(), tampon.data() + 28, numero).ptr;
            for (const std::string_view champ :
                 {std::string_view(identifiantMontre_), evenement, valeur}) {
                *p++ = '\t';
                if (!champ.empty()) // an empty DATE's value has no bytes
                    std::memcpy(p, champ.data(), champ.size());
                p += champ.size();
            }
            *p++ = '\t';
            return l.append(tampon.data(), static_cast<std::size_t>(p - tampon.data()));
        }
        char chiffres[24];
        l.append(chiffres,
                 static_cast<std::size_t>(
                     std::to_chars(chiffres, chiffres + sizeof chiffres, numero).ptr - chiffres));
        l += '\t';
        l += identifiantMontre_;
        l += '\t';
        texte::montrerDans(l, evenement);
        l += '\t';
        texte::montrerDans(l, valeur);
        l += '\t';
        return l;
    }

    // The line begun is whole, or waits for its PHRASE.
    void ligneFaite()
    {
        ++listees_;
        // A record of that many dates goes out as it is read, but for a
        // line that waits for its PHRASE.
        if (lignes_.size() > 10000 && !phraseEnAttente_)
            ecrireLignes();
    }

    // The record's lines so far, each with whom it is about.
    void ecrireLignes()
    {
        // Each line's end: a tab, whom it is about, a newline.
        remplacer(personne_, "\t");
        qui(personne_);
        personne_ += '\n';
        for (const std::string& l : lignes_) {
            sortie_.ajouter(l);
            sortie_.ajouter(personne_);
        }
        lignes_.clear();
    }

    // A line too long to keep: its first bytes still say where it stands
    // (a record's start, a name cut as names are) and what it is; a date or
    // a phrase that long is refused. False once the output has failed.
    bool ligneTropLongue(std::int64_t numero, std::string_view debut)
    {
        // Its first bytes, but for a character they cut, and a newline
        // after them.
        std::array<char, debutGarde + 16> texte;
        std::size_t n = debut.size();
        for (std::size_t k = 1; k <= std::min<std::size_t>(n, 3); ++k) {
            const auto octet = static_cast<unsigned char>(debut[n - k]);
            if (octet >= 0xC0) {
                if (k < (octet >= 0xF0 ? 4U : octet >= 0xE0 ? 3U : 2U))
                    n -= k;
                break;
            }
            if (octet < 0x80)
                break;
        }
        std::memcpy(texte.data(), debut.data(), n);
        texte[n] = '\n';
        LigneGedcom l;
        if (!decouper(texte.data(), texte.data() + n, l, etiquettes_) ||
            !regardee(l.niveau, l.tag, seuil()))
            return true;
        const bool date = estDate(l.tag);
        if (!date && !egalEnCapitales(l.tag, "PHRASE"))
            return autreLigne(l, numero);
        placer(l);
        refuser(numero, std::string(date ? "date" : "phrase") + " de plus de " +
                            std::to_string(longueurLigneMax) + " octets");
        return true;
    }

    // An empty GEDCOM 7 DATE waiting for its PHRASE: its level, its line
    // in lignes_.
    struct Attente
    {
        std::size_t niveau;
        std::size_t ligne;
    };

    TypeCalendrier arrivee_;
    Calendrier calendrier_; // of arrivee_, made once
    const Canaux& canaux_;
    const OptionsListe& options_;
    Flux sortie_;
    Entree entree_;
    std::optional<texte::JeuCaracteres> declare_;
    std::string declareTexte_; // the CHAR value as written
    bool averti_ = false;
    std::string decode_;
    // The tag of each level above the line read.
    Etiquettes etiquettes_{};
    // The record being read, and its listing lines without their last field.
    std::string identifiant_;
    std::string identifiantMontre_; // as the listing shows it
    enum class Enregistrement
    {
        Individu,
        Famille,
        Autre
    };
    Enregistrement typeEnregistrement_ = Enregistrement::Autre;
    std::string nom_;
    std::vector<std::string> conjoints_;
    Lignes lignes_;
    std::string personne_;       // whom they are about, shown
    texte::ValeurGedcom valeur_; // the last date value read, its room kept
    std::optional<Attente> phraseEnAttente_;
    std::optional<std::size_t> dernierNiveauDate_;
    // The names of the individuals read so far, by identifier.
    Noms noms_;
    std::int64_t listees_ = 0;
    std::int64_t refusees_ = 0;
    // The region and style of the date phrases, and their feasts.
    texte::ContexteCivil civil_;
};

} // namespace

int listerGedcom(TypeCalendrier arrivee, const Canaux& canaux, const OptionsListe& options)
{
    Liste liste(arrivee, canaux, options);
    return liste.lister();
}

} // namespace chronastre
