#include "texte/raccourcicivil.h"

#include "engine/dateheure.h"
#include "engine/fetes.h"
#include "names/noms_fetes.h"
#include "texte/mots.h"

#include <array>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <string>
#include <unordered_map>

namespace chronastre::texte {

namespace {

constexpr std::size_t motsMaxRapides = 16;

// The Latin-1 letters U+00C0 to U+00FF as the tokenizer keys them ("" for
// the two signs, which separate words).
constexpr std::array<std::string_view, 64> sansAccent = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// The words of a text, keyed as Mots keys them, for the bytes a feast date
// is written with: ASCII letters and digits, the Latin-1 letters and œ,
// blanks, hyphens, commas, full stops and apostrophes (’ too).
struct Cles
{
    // Only the first n are written, and read.
    std::array<std::string_view, motsMaxRapides> cle;
    // The digits that open each key, and the word read when the keys are
    // full (terminer refuses it): written past the last key, never past
    // the array.
    std::array<std::size_t, motsMaxRapides + 1> chiffres;
    std::size_t n = 0;
    std::array<char, 2 * longueurTexteMax + 16> tampon; // 16 more for a run of letters
};

bool blanc(char c)
{
    return c == ' ' || c == '\t';
}

// False for any other byte, a minus sign, too many words.
bool decouper(std::string_view texte, Cles& c)
{
    if (texte.size() > longueurTexteMax)
        return false;
    std::size_t plein = 0;
    std::size_t debut = 0; // of the key being written
    bool ouvert = false;   // a word is being read
    bool lettre = false;   // a letter has come in it
    // The keys follow each other in tampon, a blank after each: the words
    // j to k are the one key "saint martin d hiver".
    const auto terminer = [&] {
        if (ouvert && plein > debut) {
            if (c.n == motsMaxRapides)
                return false;
            c.cle[c.n++] = std::string_view(c.tampon.data() + debut, plein - debut);
            c.tampon[plein++] = ' ';
        }
        ouvert = false;
        return true;
    };
    const auto ajouter = [&](std::string_view lettres, bool chiffre) {
        if (!ouvert) {
            ouvert = true;
            lettre = false;
            debut = plein;
            c.chiffres[c.n] = 0;
        }
        for (const char l : lettres)
            c.tampon[plein++] = l;
        if (chiffre && !lettre)
            ++c.chiffres[c.n];
        if (!chiffre)
            lettre = true;
    };
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    while (p < fin) {
        const auto o = static_cast<unsigned char>(*p);
#if defined(__SSE2__)
        // A run of ASCII letters, the common case, put in lower case and
        // copied up to sixteen at once.
        if (const auto l = static_cast<unsigned char>(o | 0x20); l >= 'a' && l <= 'z') {
            // Near the end, the last bytes then zeros, which are no letters.
            __m128i octets;
            if (fin - p >= 16) {
                octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            } else {
                alignas(16) char bout[16] = {};
                std::memcpy(bout, p, static_cast<std::size_t>(fin - p));
                octets = _mm_load_si128(reinterpret_cast<const __m128i*>(bout));
            }
            const __m128i minuscules = _mm_or_si128(octets, _mm_set1_epi8(0x20));
            const auto lettres = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(
                _mm_add_epi8(minuscules, _mm_set1_epi8(static_cast<char>(0x80 - 'a'))),
                _mm_set1_epi8(static_cast<char>(0x80 + 26)))));
            const auto run = static_cast<std::size_t>(__builtin_ctz(~lettres));
            if (!ouvert) {
                ouvert = true;
                debut = plein;
                c.chiffres[c.n] = 0;
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(c.tampon.data() + plein), minuscules);
            plein += run;
            lettre = true;
            p += run;
            continue;
        }
#endif
        if (const auto l = static_cast<unsigned char>(o | 0x20); l >= 'a' && l <= 'z') {
            // An ASCII letter, in lower case: the common byte.
            if (!ouvert) {
                ouvert = true;
                debut = plein;
                c.chiffres[c.n] = 0;
            }
            c.tampon[plein++] = static_cast<char>(l);
            lettre = true;
            ++p;
        } else if (o >= '0' && o <= '9') {
            ajouter(std::string_view(p, 1), true);
            ++p;
        } else if (o == '-' && !ouvert && p + 1 < fin &&
                   (p == texte.data() || blanc(p[-1]) || p[-1] == '(' || p[-1] == '[')) {
            return false; // a sign
        } else if (blanc(*p) || o == '-' || o == ',' || o == '.') {
            if (!terminer())
                return false;
            ++p;
        } else if (o == '\'' ||
                   (o == 0xE2 && fin - p >= 3 && static_cast<unsigned char>(p[1]) == 0x80 &&
                    static_cast<unsigned char>(p[2]) == 0x99)) {
            // An apostrophe ends an elided word, joins any other.
            if (ouvert && elision(std::string_view(c.tampon.data() + debut, plein - debut)) &&
                !terminer())
                return false;
            p += o == '\'' ? 1 : 3;
        } else if (o == 0xC3 && p + 1 < fin && (static_cast<unsigned char>(p[1]) & 0xC0) == 0x80) {
            const std::string_view lettres = sansAccent[static_cast<unsigned char>(p[1]) & 0x3F];
            if (lettres.empty()) {
                if (!terminer())
                    return false;
            } else {
                ajouter(lettres, false);
            }
            p += 2;
        } else if (o == 0xC5 && p + 1 < fin &&
                   (static_cast<unsigned char>(p[1]) == 0x92 ||
                    static_cast<unsigned char>(p[1]) == 0x93)) {
            ajouter("oe", false);
            p += 2;
        } else {
            return false;
        }
    }
    return terminer();
}

// A hash that finds a std::string key from a std::string_view.
struct Hache
{
    using is_transparent = void;
    std::size_t operator()(std::string_view cle) const { return hacheCle(cle); }
};

using IndexFetes = std::unordered_map<std::string, Fete, Hache, std::equal_to<>>;

// The feasts by their keys ("saint martin d hiver"), every name and variant,
// keyed by the tokenizer as the vocabulary keys its rows.
const IndexFetes& fetesParCle()
{
    static const IndexFetes index = [] {
        IndexFetes t;
        const auto ajouter = [&t](std::string_view nom, Fete fete) {
            const Mots mots(nom);
            std::string cle;
            for (std::size_t k = 0; k < mots.taille(); ++k) {
                if (k > 0)
                    cle += ' ';
                cle += mots[k].cle;
            }
            t.emplace(std::move(cle), fete);
        };
        for (const noms::NomFete& f : noms::nomsFetes) {
            ajouter(f.nom, f.fete);
            ajouter(f.court, f.fete);
            for (const noms::Nom v : f.variantes) {
                if (!v.empty())
                    ajouter(v, f.fete);
            }
        }
        return t;
    }();
    return index;
}

// The words the grammar passes over: before a date, between a relation and
// a feast (with the articles "des" and "les"), between a feast and its year
// (with "an", "année", "anno").
bool liaison(std::string_view k)
{
    // By length first: most words are none of them.
    switch (k.size()) {
    case 1:
        return k[0] == 'l' || k[0] == 'd';
    case 2:
        return k == "le" || k == "la" || k == "de" || k == "du" || k == "en" || k == "ce";
    case 3:
        return k == "die";
    case 6:
        return k == "mensis";
    default:
        return false;
    }
}

bool article(std::string_view k)
{
    return liaison(k) || (k.size() == 3 && (k == "des" || k == "les"));
}

bool motAnnee(std::string_view k)
{
    return k == "an" || k == "annee" || k == "anno";
}

// 0 (Sunday) to 6, or -1.
int semaine(std::string_view k)
{
    static constexpr std::array<std::string_view, 7> jours = {
        "dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    for (std::size_t j = 0; j < jours.size(); ++j) {
        if (k == jours[j])
            return static_cast<int>(j);
    }
    return -1;
}

// A rank in figures as the grammar reads it ("3e", "1er", "120e"), or -1.
std::int64_t rang(std::string_view k, std::size_t chiffres)
{
    if (chiffres == 0 || chiffres > 3)
        return -1;
    const std::string_view suffixe = k.substr(chiffres);
    std::int64_t n = 0;
    for (std::size_t i = 0; i < chiffres; ++i)
        n = n * 10 + (k[i] - '0');
    if (chiffres == 3)
        return suffixe == "e" || suffixe == "eme" || suffixe == "ieme" ? n : -1;
    static constexpr std::array<std::string_view, 13> suffixes = {
        "er", "re", "ere", "e", "eme", "ieme", "em", "nd", "st", "rd", "th", "o", "d"};
    for (const std::string_view s : suffixes) {
        if (s == suffixe)
            return n;
    }
    return -1;
}

// The feast whose name spans keys [j, j + n) of c, the longest whose words
// up to the year (at annee) are fillers; its end.
std::optional<std::pair<Fete, std::size_t>> feteA(const Cles& c, std::size_t j, std::size_t annee)
{
    const auto& index = fetesParCle();
    for (std::size_t fin = annee; fin > j; --fin) {
        bool remplissage = true;
        for (std::size_t k = fin; k < annee && remplissage; ++k)
            remplissage = liaison(c.cle[k]) || motAnnee(c.cle[k]);
        if (!remplissage)
            break; // a shorter name leaves a word that is no filler
        const char* const debut = c.cle[j].data();
        const std::string_view cle(
            debut, static_cast<std::size_t>(c.cle[fin - 1].data() + c.cle[fin - 1].size() - debut));
        if (const auto trouvee = index.find(cle); trouvee != index.end())
            return std::pair(trouvee->second, fin);
    }
    return std::nullopt;
}

// What the words before the year say, whatever the year: the form of the
// first reading whose feast is found (its year left to fill), and the
// weekday written when it must be the day's.
struct Forme
{
    bool lue = false;
    bool verifier = false;
    int jourEcrit = -1;
    FormeFete forme{};
};

// The form the keys of c name, its last key the year.
Forme lireForme(const Cles& c)
{
    const std::size_t annee = c.n - 1;
    std::size_t i = 0;
    while (i < annee && liaison(c.cle[i]))
        ++i;
    // Two readings, as the grammar tries them: a weekday first, then the
    // same words without it ("le jeudi saint").
    const int jourEcrit = i + 1 < annee ? semaine(c.cle[i]) : -1;
    for (int essai = jourEcrit >= 0 ? 0 : 1; essai < 2; ++essai) {
        Forme f;
        f.jourEcrit = jourEcrit;
        FormeFete& forme = f.forme;
        std::size_t j = i;
        bool semaineDe = false;
        if (essai == 0) {
            j = i + 1;
            while (j < annee && liaison(c.cle[j]))
                ++j;
            if (c.cle[j] == "avant" || c.cle[j] == "apres") {
                forme.relation = c.cle[j] == "avant" ? Relation::JOUR_SEMAINE_AVANT
                                                     : Relation::JOUR_SEMAINE_APRES;
                forme.jourSemaine = jourEcrit;
                ++j;
            } else {
                semaineDe = true;
            }
        } else if (c.cle[j] == "veille" || c.cle[j] == "vigile") {
            forme.relation = Relation::VEILLE;
            ++j;
        } else if (c.cle[j] == "lendemain") {
            forme.relation = Relation::LENDEMAIN;
            ++j;
        } else if (c.cle[j] == "octave" || c.cle[j] == "octaves") {
            forme.relation = Relation::OCTAVE;
            ++j;
        } else if (const std::int64_t n = rang(c.cle[j], c.chiffres[j]);
                   n >= 0 && j + 2 < annee && c.cle[j + 1] == "jour" && c.cle[j + 2] == "apres") {
            forme.relation = Relation::NIEME_JOUR_APRES;
            forme.rang = n;
            j += 3;
        }
        while (j < annee && article(c.cle[j]))
            ++j;
        const auto fete = feteA(c, j, annee);
        if (!fete)
            continue;
        forme.fete = fete->first;
        if (semaineDe) {
            if (feteDominicale(forme.fete) && jourEcrit != 0) {
                forme.relation = Relation::JOUR_SEMAINE_APRES;
                forme.jourSemaine = jourEcrit;
            } else {
                f.verifier = true;
            }
        }
        f.lue = true;
        return f;
    }
    return {};
}

// A year of figures alone: up to 10 of them, within 32 bits; -1 otherwise.
std::int64_t anneeEnChiffres(std::string_view chiffres)
{
    if (chiffres.size() > 10)
        return -1;
    std::int64_t annee = 0;
    for (const char d : chiffres)
        annee = annee * 10 + (d - '0');
    return annee > 2147483647 ? -1 : annee;
}

// The form of a whole text and its year; none read when the text is not of
// the forms read here.
Forme lireTexte(std::string_view texte)
{
    Cles c;
    if (!decouper(texte, c) || c.n < 2)
        return {};
    // The year: the last word, all figures.
    const std::string_view chiffres = c.cle[c.n - 1];
    const std::int64_t annee = anneeEnChiffres(chiffres);
    if (c.chiffres[c.n - 1] != chiffres.size() || annee < 0)
        return {};
    Forme lue = lireForme(c);
    lue.forme.annee = annee;
    return lue;
}

// The forms read last, by the bytes of the words before their year ("la
// Toussaint "): a batch of dates from registers writes the same feasts
// again and again, with other years. Direct-mapped, the newest kept.
struct FormesLues
{
    static constexpr std::size_t longueurMax = 63;
    struct Entree
    {
        std::uint8_t longueur = 0; // 0: empty
        std::array<char, longueurMax> octets{};
        Forme forme{};
    };
    std::array<Entree, 64> entrees{};

    // The entry of these bytes: theirs, or the one to fill.
    Entree& entree(std::string_view octets)
    {
        std::uint64_t h = octets.size();
        std::size_t k = 0;
        for (; k + 8 <= octets.size(); k += 8) {
            std::uint64_t huit;
            std::memcpy(&huit, octets.data() + k, 8);
            h = (h ^ huit) * 0x9E3779B97F4A7C15ULL;
        }
        for (; k < octets.size(); ++k)
            h = (h ^ static_cast<unsigned char>(octets[k])) * 0x100000001B3ULL;
        return entrees[(h >> 32 ^ h) & (entrees.size() - 1)];
    }
};

constinit thread_local FormesLues formesLues{};

} // namespace

bool lireFeteRapidement(std::string_view texte, const ContexteCivil& contexte, LectureCivile& lue)
{
    if (texte.size() > longueurTexteMax)
        return false;
    // A text of words, a blank and a year in figures (the common form) has
    // the words before its year read once for all their years:
    // they read the same whatever figures follow the blank.
    std::size_t debutAnnee = texte.size();
    while (debutAnnee > 0 && texte[debutAnnee - 1] >= '0' && texte[debutAnnee - 1] <= '9')
        --debutAnnee;
    const std::size_t chiffres = texte.size() - debutAnnee;
    Forme f;
    if (chiffres >= 1 && debutAnnee >= 2 && texte[debutAnnee - 1] == ' ' &&
        debutAnnee <= FormesLues::longueurMax) {
        const std::int64_t annee = anneeEnChiffres(texte.substr(debutAnnee));
        if (annee < 0)
            return false;
        const std::string_view mots = texte.substr(0, debutAnnee);
        FormesLues::Entree& e = formesLues.entree(mots);
        if (e.longueur != mots.size() ||
            std::memcmp(e.octets.data(), mots.data(), mots.size()) != 0) {
            e.forme = lireTexte(texte);
            e.longueur = static_cast<std::uint8_t>(mots.size());
            std::memcpy(e.octets.data(), mots.data(), mots.size());
        }
        f = e.forme;
        f.forme.annee = annee;
    } else {
        f = lireTexte(texte);
    }
    if (!f.lue)
        return false;
    const Resolution r = resoudre(f.forme, contexte.fetes(), contexte.style());
    if (r.refus != chronastre::Refus::Aucun)
        return false;
    if (f.verifier && (r.nombre != 1 || jourSemaine(r.jours[0]) != f.jourEcrit))
        return false;
    lue.jours = r.jours;
    lue.nombre = r.nombre;
    lue.reconnu = true;
    lue.historique = true;
    return true;
}

} // namespace chronastre::texte
