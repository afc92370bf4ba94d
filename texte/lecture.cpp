#include "texte/lecture.h"

#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "engine/romain.h"
#include "names/noms.h"
#include "texte/rapport.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <span>
#include <vector>

namespace chronastre::texte {

namespace {

// A date is a few words: longer texts are refused before any work.
constexpr std::size_t longueurMax = 256;
constexpr std::size_t motsMax = 24;

// One word of the text: its key (lower-case ASCII letters and digits,
// accents removed, apostrophes dropped; "?" for a letter that has no such
// form) and the bytes it was read from.
// Trivial and small, so that a text's table of words costs little to fill.
struct Mot
{
    std::string_view cle;
    const char* debutEcrit;
    std::uint32_t longueurEcrit;
    std::int32_t valeur; // its value, when it is a decimal number within 32 bits
    bool estNombre;
    bool apresBarre; // follows a "/" directly: the end of a double year

    std::string_view ecrit() const { return std::string_view(debutEcrit, longueurEcrit); }
};

std::optional<std::int64_t> valeurDecimale(std::string_view cle);

// The Latin-1 letters U+00C0 to U+00FF without their accents ("" for the
// two signs of that range, × and ÷).
constexpr std::array<std::string_view, 64> sansAccent = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// Blanks and punctuation: ASCII's (the tab among its controls), the
// no-break spaces, guillemets and signs of Latin-1, the spaces, dashes,
// quotation marks and ellipsis of Unicode's general punctuation.
bool separateur(char32_t point)
{
    if (point < 0x80)
        return point == U'\t' || (point >= 0x20 && point < 0x7F);
    if (point >= 0xA0 && point < 0xC0)
        return true;
    return point == 0xD7 || point == 0xF7 || (point >= 0x2000 && point <= 0x200A) ||
           (point >= 0x2010 && point <= 0x201F) || point == 0x2026 || point == 0x202F ||
           point == 0x2039 || point == 0x203A || point == 0x205F;
}

// ASCII letters and digits as they stand in a key (lower case); 0 for any
// other byte.
constexpr std::array<char, 256> asciiDeMot = [] {
    std::array<char, 256> t{};
    for (char c = '0'; c <= '9'; ++c)
        t[static_cast<unsigned char>(c)] = c;
    for (char c = 'a'; c <= 'z'; ++c) {
        t[static_cast<unsigned char>(c)] = c;
        t[static_cast<unsigned char>(c - 'a' + 'A')] = c;
    }
    return t;
}();

// The words of a text. Letters and digits make words; apostrophes join
// ("Sha'ban" is one word); a minus sign before a digit at the start of a word
// stays with the number; every other character separates.
class Mots
{
public:
    explicit Mots(std::string_view texte)
    {
        if (texte.size() > longueurMax) {
            tropLong_ = true;
            return;
        }
        const char* p = texte.data();
        const char* const fin = p + texte.size();
        // Locals, not members: a char written through cles_ could be any
        // member, which the compiler would then reload at every byte.
        char* const cles = cles_.data();
        std::size_t plein = 0;
        const char* debutMot = nullptr;
        std::size_t debutCle = 0;
        bool barre = false;
        bool apresBarre = false;
        // The value of a word of digits, computed as it is read.
        bool chiffresSeuls = true;
        std::int64_t valeur = 0;
        const auto terminer = [&](const char* ici) {
            if (debutMot != nullptr && n_ < motsMax) {
                const std::string_view cle(cles + debutCle, plein - debutCle);
                std::optional<std::int64_t> nombre;
                if (chiffresSeuls && cle.size() <= 10)
                    nombre = valeur <= 2147483647 ? std::optional(valeur) : std::nullopt;
                else if (chiffresSeuls || cle.starts_with('-'))
                    nombre = valeurDecimale(cle);
                Mot& mot = mots_[n_++];
                mot.cle = cle;
                mot.debutEcrit = debutMot;
                mot.longueurEcrit = static_cast<std::uint32_t>(ici - debutMot);
                mot.valeur = static_cast<std::int32_t>(nombre.value_or(0));
                mot.estNombre = nombre.has_value();
                mot.apresBarre = apresBarre;
            } else if (debutMot != nullptr) {
                tropLong_ = true;
            }
            debutMot = nullptr;
        };
        const auto commencer = [&](const char* ici) {
            debutMot = ici;
            debutCle = plein;
            apresBarre = barre;
            barre = false;
            chiffresSeuls = true;
            valeur = 0;
        };
        while (p < fin) {
            // ASCII letters and digits, the most of any date, and blanks, at
            // once.
            if (const char a = asciiDeMot[static_cast<unsigned char>(*p)]; a != 0) {
                if (debutMot == nullptr)
                    commencer(p);
                cles[plein++] = a;
                // Counted while it can be a 32-bit number (ten digits at
                // most): a longer word is never one.
                if (a <= '9' && valeur < 100'000'000'000)
                    valeur = valeur * 10 + (a - '0');
                else
                    chiffresSeuls = false;
                ++p;
                continue;
            }
            if (*p == ' ') {
                terminer(p);
                barre = false;
                ++p;
                continue;
            }
            const Caractere c = lireUtf8(p, fin);
            const int longueur = c.longueur == 0 ? 1 : c.longueur;
            const char32_t point = c.point;
            std::string_view cle;
            char lettre[2] = {};
            bool separe = false;
            if (c.longueur == 0) {
                lettre[0] = '?'; // not UTF-8: a letter no word matches
                cle = std::string_view(lettre, 1);
            } else if ((point >= U'a' && point <= U'z') || (point >= U'0' && point <= U'9')) {
                lettre[0] = static_cast<char>(point);
                cle = std::string_view(lettre, 1);
            } else if (point >= U'A' && point <= U'Z') {
                lettre[0] = static_cast<char>(point - U'A' + U'a');
                cle = std::string_view(lettre, 1);
            } else if (point == U'\'' || point == U'\u2019' || point == U'\u02BC') {
                cle = {}; // joins the word
            } else if (point == U'-' && debutMot == nullptr && p + 1 < fin && p[1] >= '0' &&
                       p[1] <= '9') {
                lettre[0] = '-';
                cle = std::string_view(lettre, 1);
            } else if (point >= 0xC0 && point <= 0xFF) {
                cle = sansAccent[point - 0xC0];
                separe = cle.empty();
            } else if (point == 0x152 || point == 0x153) {
                cle = "oe";
            } else if (separateur(point)) {
                separe = true;
            } else {
                // A control character, an invisible or directional mark, a
                // letter of another script: part of a word no name matches.
                lettre[0] = '?';
                cle = std::string_view(lettre, 1);
            }
            if (separe) {
                terminer(p);
                barre = point == U'/';
            } else if (!cle.empty() || debutMot != nullptr) {
                if (debutMot == nullptr)
                    commencer(p);
                chiffresSeuls = false; // a sign, an accent, an apostrophe: valued apart
                for (const char l : cle)
                    cles[plein++] = l;
            }
            p += longueur;
        }
        terminer(fin);
    }

    bool tropLong() const { return tropLong_; }
    std::size_t taille() const { return n_; }
    const Mot& operator[](std::size_t i) const { return mots_[i]; }
    std::string_view cle(std::size_t i) const { return i < n_ ? mots_[i].cle : std::string_view(); }
    std::optional<std::int64_t> nombre(std::size_t i) const
    {
        return i < n_ && mots_[i].estNombre ? std::optional(mots_[i].valeur) : std::nullopt;
    }

private:
    // Each byte gives at most two key letters (æ, ß, þ, œ). Written before
    // being read: left uninitialised.
    std::array<char, 2 * longueurMax> cles_;
    std::array<Mot, motsMax> mots_;
    std::size_t n_ = 0;
    bool tropLong_ = false;
};

bool chiffres(std::string_view cle)
{
    if (cle.starts_with('-'))
        cle.remove_prefix(1);
    if (cle.empty())
        return false;
    for (const char c : cle) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// A decimal number within 32 bits, sign included.
std::optional<std::int64_t> valeurDecimale(std::string_view cle)
{
    if (!chiffres(cle))
        return std::nullopt;
    std::int32_t valeur = 0;
    const auto [fin, erreur] = std::from_chars(cle.data(), cle.data() + cle.size(), valeur);
    if (erreur != std::errc() || fin != cle.data() + cle.size())
        return std::nullopt;
    return valeur;
}

// Numbers in French words, up to 999: "dix-huit", "vingt et un",
// "soixante-dix", "quatre-vingt-dix-neuf", "deux cents".
struct NombreEnMots
{
    std::int64_t valeur = 0;
    std::size_t mots = 0; // how many words it took
};

constexpr std::array<std::string_view, 17> unitesEtDizaine = {
    "zero", "un",  "deux", "trois", "quatre", "cinq",     "six",    "sept", "huit",
    "neuf", "dix", "onze", "douze", "treize", "quatorze", "quinze", "seize"};

int valeurDe(std::string_view cle, int jusqua)
{
    if (cle == "une")
        return 1;
    for (int k = 1; k <= jusqua; ++k) {
        if (unitesEtDizaine[static_cast<std::size_t>(k)] == cle)
            return k;
    }
    return 0;
}

int dizaineDe(std::string_view cle)
{
    constexpr std::array<std::pair<std::string_view, int>, 5> dizaines = {
        {{"vingt", 20}, {"trente", 30}, {"quarante", 40}, {"cinquante", 50}, {"soixante", 60}}};
    for (const auto& [mot, valeur] : dizaines) {
        if (mot == cle)
            return valeur;
    }
    return 0;
}

// 1 to 19 at mots[i]: "un" to "seize", "dix-sept" to "dix-neuf".
NombreEnMots moinsDeVingt(const Mots& mots, std::size_t i)
{
    if (mots.cle(i) == "dix") {
        const int unite = valeurDe(mots.cle(i + 1), 9);
        if (unite >= 7)
            return {10 + unite, 2};
        return {10, 1};
    }
    const int valeur = valeurDe(mots.cle(i), 16);
    return valeur > 0 ? NombreEnMots{valeur, 1} : NombreEnMots{};
}

// 1 to 99 at mots[i].
NombreEnMots moinsDeCent(const Mots& mots, std::size_t i)
{
    if (mots.cle(i) == "quatre" && (mots.cle(i + 1) == "vingt" || mots.cle(i + 1) == "vingts")) {
        const NombreEnMots reste = moinsDeVingt(mots, i + 2);
        return {80 + reste.valeur, 2 + reste.mots};
    }
    const int dizaine = dizaineDe(mots.cle(i));
    if (dizaine == 0)
        return moinsDeVingt(mots, i);
    std::size_t j = i + 1;
    const bool et = mots.cle(j) == "et";
    if (et)
        ++j;
    if (dizaine == 60) {
        // Soixante-dix to soixante-dix-neuf, soixante et onze.
        const NombreEnMots reste = moinsDeVingt(mots, j);
        if (reste.mots > 0 && (!et || reste.valeur == 1 || reste.valeur == 11))
            return {60 + reste.valeur, j - i + reste.mots};
    } else {
        const int unite = valeurDe(mots.cle(j), 9);
        if (unite > 0 && (et == (unite == 1)))
            return {dizaine + unite, j - i + 1};
    }
    return {dizaine, 1};
}

NombreEnMots nombreEnMots(const Mots& mots, std::size_t i)
{
    std::size_t j = i;
    std::int64_t centaines = 0;
    const int multiple = valeurDe(mots.cle(j), 9);
    if (multiple >= 2 && (mots.cle(j + 1) == "cent" || mots.cle(j + 1) == "cents")) {
        centaines = 100 * multiple;
        j += 2;
    } else if (mots.cle(j) == "cent") {
        centaines = 100;
        ++j;
    }
    const NombreEnMots reste = moinsDeCent(mots, j);
    if (centaines == 0)
        return reste;
    return {centaines + reste.valeur, j - i + reste.mots};
}

// A year in Roman numerals, written as chiffresRomains writes it (VIII, not
// IIX).
std::optional<std::int64_t> romain(std::string_view cle)
{
    if (cle.empty() || cle.size() > 20)
        return std::nullopt;
    std::int64_t valeur = 0;
    std::int64_t precedent = 0;
    for (auto k = cle.size(); k-- > 0;) {
        int chiffre = 0;
        switch (cle[k]) {
        case 'i':
            chiffre = 1;
            break;
        case 'v':
            chiffre = 5;
            break;
        case 'x':
            chiffre = 10;
            break;
        case 'l':
            chiffre = 50;
            break;
        case 'c':
            chiffre = 100;
            break;
        case 'd':
            chiffre = 500;
            break;
        case 'm':
            chiffre = 1000;
            break;
        default:
            return std::nullopt;
        }
        valeur += chiffre < precedent ? -chiffre : chiffre;
        precedent = std::max<std::int64_t>(precedent, chiffre);
    }
    if (valeur <= 0)
        return std::nullopt;
    std::string canonique = chiffresRomains(static_cast<std::int32_t>(valeur));
    for (char& c : canonique)
        c = static_cast<char>(c - 'A' + 'a');
    return canonique == cle ? std::optional(valeur) : std::nullopt;
}

// A name of the tables, as the words of its key.
struct Nom
{
    std::vector<std::string> mots;
    int valeur; // the month or weekday it names
};

// The names of a table, grouped by the first letter of their key.
class TableNoms
{
public:
    void ajouter(Nom nom)
    {
        if (!nom.mots.empty() && !nom.mots.front().empty())
            noms_.push_back(std::move(nom));
    }
    void indexer()
    {
        std::stable_sort(noms_.begin(), noms_.end(), [](const Nom& a, const Nom& b) {
            return a.mots.front()[0] < b.mots.front()[0];
        });
        for (std::size_t k = 0; k < noms_.size(); ++k) {
            auto& [debut, fin] = parInitiale_[static_cast<unsigned char>(noms_[k].mots.front()[0])];
            if (fin == 0)
                debut = k;
            fin = k + 1;
        }
    }
    bool vide() const { return noms_.empty(); }
    // The names whose key starts with initiale.
    std::span<const Nom> commencantPar(char initiale) const
    {
        const auto [debut, fin] = parInitiale_[static_cast<unsigned char>(initiale)];
        return std::span<const Nom>(noms_).subspan(debut, fin - debut);
    }

private:
    std::vector<Nom> noms_;
    std::array<std::pair<std::size_t, std::size_t>, 256> parInitiale_{};
};

std::vector<std::string> motsDe(std::string_view texte)
{
    const Mots mots(texte);
    std::vector<std::string> cles;
    for (std::size_t i = 0; i < mots.taille(); ++i)
        cles.emplace_back(mots[i].cle);
    return cles;
}

// The longest name of noms that the words from mots[i] spell: its value and
// its length in words.
std::pair<int, std::size_t> nommer(const TableNoms& noms, const Mots& mots, std::size_t i)
{
    std::pair<int, std::size_t> trouve = {0, 0};
    if (i >= mots.taille() || mots[i].cle.empty())
        return trouve;
    const std::string_view premier = mots[i].cle;
    for (const Nom& nom : noms.commencantPar(premier[0])) {
        const std::size_t longueur = nom.mots.size();
        if (longueur <= trouve.second || i + longueur > mots.taille() ||
            !egales(nom.mots.front(), premier))
            continue;
        bool egal = true;
        for (std::size_t k = 1; k < longueur && egal; ++k)
            egal = egales(mots[i + k].cle, nom.mots[k]);
        if (egal)
            trouve = {nom.valeur, longueur};
    }
    return trouve;
}

template <std::size_t N>
void ajouter(TableNoms& noms, const std::array<noms::Nom, N>& table, int premier)
{
    for (std::size_t k = 0; k < N; ++k)
        noms.ajouter({motsDe(table[k]), premier + static_cast<int>(k)});
}

void ajouter(TableNoms& noms, std::initializer_list<std::string_view> textes, int valeur)
{
    for (const std::string_view texte : textes)
        noms.ajouter({motsDe(texte), valeur});
}

// Hebrew months are named by their place in a common year, Tishri 1 to
// Ellul 12; Veadar (Adar II) is 13 and finds its place once the year is
// known.
constexpr int veadar = 13;

// The GEDCOM month codes, month 1 first; the Hebrew ones in the order of the
// common year, then Adar Sheni (veadar).
constexpr std::array<std::string_view, 12> codesCivils = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<std::string_view, 13> codesRepublicains = {
    "VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT", "GERM",
    "FLOR", "PRAI", "MESS", "THER", "FRUC", "COMP"};
constexpr std::array<std::string_view, 13> codesHebreux = {
    "TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL", "ADS"};

// The month codes of calendar type; empty for a calendar GEDCOM does not
// write.
std::span<const std::string_view> codesDesMois(TypeCalendrier type)
{
    if (type == JULIEN || type == GREGORIEN)
        return codesCivils;
    if (type == REPUBLICAIN)
        return codesRepublicains;
    if (type == HEBREU)
        return codesHebreux;
    return {};
}

// The month names of each calendar: the names the program writes, their
// GEDCOM codes, and the usual French abbreviations and spellings.
const TableNoms& nomsDesMois(TypeCalendrier type)
{
    static const std::array<TableNoms, nombreCalendriers> tables = [] {
        std::array<TableNoms, nombreCalendriers> t;
        for (int k = 0; k < nombreCalendriers; ++k) {
            const auto calendrier = static_cast<TypeCalendrier>(k);
            if (calendrier == HEBREU || calendrier == MAYA || calendrier == SYRIEN)
                continue;
            for (std::int64_t mois = 1; mois <= moisDansAnnee(calendrier, 1); ++mois)
                t[static_cast<std::size_t>(k)].ajouter(
                    {motsDe(nomDuMois(calendrier, mois, false)), static_cast<int>(mois)});
        }
        for (const TypeCalendrier calendrier : {JULIEN, GREGORIEN, REPUBLICAIN, HEBREU}) {
            const auto codes = codesDesMois(calendrier);
            for (std::size_t k = 0; k < codes.size(); ++k)
                ajouter(t[calendrier], {codes[k]}, static_cast<int>(k) + 1);
        }
        for (const TypeCalendrier civil : {JULIEN, GREGORIEN}) {
            auto& noms = t[civil];
            ajouter(noms, {"janv"}, 1);
            ajouter(noms, {"fevr", "fev"}, 2);
            ajouter(noms, {"avr"}, 4);
            ajouter(noms, {"juil"}, 7);
            ajouter(noms, {"sept"}, 9);
        }
        ajouter(t[REPUBLICAIN],
                {"sansculottides", "sans-culottides", "jours complémentaires", "complémentaires",
                 "jour complémentaire", "complémentaire"},
                13);
        auto& hebreu = t[HEBREU];
        ajouter(hebreu, noms::moisHebreux, 1);
        ajouter(hebreu, {noms::veadar, "Adar II", "Adar Sheni"}, veadar);
        ajouter(hebreu, {"Adar I", "Adar Rishon"}, 6);
        ajouter(hebreu, {"Tishrei"}, 1);
        ajouter(hebreu, {"Cheshvan", "Marcheshvan"}, 2);
        ajouter(hebreu, {"Tevet"}, 4);
        ajouter(hebreu, {"Shevat"}, 5);
        ajouter(hebreu, {"Iyar"}, 8);
        ajouter(hebreu, {"Av"}, 11);
        ajouter(hebreu, {"Elul"}, 12);
        for (TableNoms& table : t)
            table.indexer();
        return t;
    }();
    return tables[static_cast<std::size_t>(type)];
}

// The weekday names of a calendar's own language; empty for a calendar
// that writes none (or writes the French ones).
const std::array<noms::Nom, 7>* joursPropres(TypeCalendrier type)
{
    switch (type) {
    case ARMENIEN:
        return &noms::joursArmeniens;
    case KHWARIZMIEN:
    case PERSE:
        return &noms::joursPerses;
    case COPTE:
        return &noms::joursCoptes;
    case ETHIOPIEN:
        return &noms::joursEthiopiens;
    case BAHAI:
        return &noms::joursBahais;
    case SAKA:
        return &noms::joursSaka;
    case ISLAMIQUE_A:
    case ISLAMIQUE_B:
        return &noms::joursIslamiques;
    case HEBREU:
        return &noms::joursHebreux;
    default:
        return nullptr;
    }
}

// The weekday names a date of calendar type may start with, valued by the
// table they come from: the French ones 0 to 6 from Sunday, the Republican
// decade days decade + 0 to 9, the calendar's own ones propre + 0 to 6.
constexpr int decade = 100;
constexpr int propre = 200;

const TableNoms& nomsDesJours(TypeCalendrier type)
{
    static const std::array<TableNoms, nombreCalendriers> tables = [] {
        std::array<TableNoms, nombreCalendriers> t;
        for (int k = 0; k < nombreCalendriers; ++k) {
            auto& noms = t[static_cast<std::size_t>(k)];
            ajouter(noms, noms::joursFrancais, 0);
            if (k == REPUBLICAIN)
                ajouter(noms, noms::joursDecade, decade);
            if (const auto* jours = joursPropres(static_cast<TypeCalendrier>(k)))
                ajouter(noms, *jours, propre);
            noms.indexer();
        }
        return t;
    }();
    return tables[static_cast<std::size_t>(type)];
}

// "calendrier républicain" from the caption "Calendrier républicain :".
std::string nomDuCalendrier(TypeCalendrier type)
{
    std::string nom(legendesCalendriers[static_cast<std::size_t>(type)]);
    nom.resize(nom.size() - 2);
    nom[0] = 'c';
    return nom;
}

// The words from i to j (excluded), as written.
std::string_view ecrits(const Mots& mots, std::size_t i, std::size_t j)
{
    if (i >= j || j > mots.taille())
        return {};
    const char* debut = mots[i].ecrit().data();
    const Mot& dernier = mots[j - 1];
    return std::string_view(
        debut, static_cast<std::size_t>(dernier.debutEcrit + dernier.longueurEcrit - debut));
}

// What one date of a text gives, before its calendar checks it.
struct Analyse
{
    DatePartielle date;
    int jourSemaine = -1; // the weekday written, as nomsDesJours values it
    std::string_view nomJourSemaine;
    bool moisNomme = false; // the month was named: its number depends on the year
    std::string erreur;
    bool reconnu = false;
    std::size_t fin = 0; // the word after the date
};

// Words that say "before Christ" after a Julian or Gregorian year, or
// "after" (nothing to do then).
int ere(const Mots& mots, std::size_t i, bool& avant)
{
    const std::string_view a = mots.cle(i), b = mots.cle(i + 1), c = mots.cle(i + 2);
    const bool jc = (b == "j" && c == "c") || b == "jc";
    if ((a == "av" || a == "avant") && jc) {
        avant = true;
        return b == "jc" ? 2 : 3;
    }
    if ((a == "ap" || a == "apr" || a == "apres") && jc)
        return b == "jc" ? 2 : 3;
    if (a == "avant" && b == "jesus" && c == "christ") {
        avant = true;
        return 3;
    }
    if (a == "bc" || a == "bce" || a == "aec" || a == "avjc") {
        avant = true;
        return 1;
    }
    if (a == "b" && b == "c") {
        avant = true;
        return 2;
    }
    if (a == "ad" || a == "ce" || a == "ec")
        return 1;
    return 0;
}

// Reads one date of calendar type from mots[i]: [weekday] day month year,
// or a partial date (month year, year) when partiel is set, or three bare
// numbers, or a Maya long count.
Analyse analyser(TypeCalendrier type, const Mots& mots, std::size_t i, Ordre ordre, bool partiel,
                 std::size_t fin)
{
    Analyse a;
    a.date.calendrier = type;
    const auto erreur = [&a](std::string texte) {
        a.erreur = std::move(texte);
        return a;
    };
    if (i >= fin)
        return erreur("aucune date");

    if (type == MAYA) {
        // A long count: five places (baktun first) or six (pictun first).
        const std::size_t places = fin - i;
        if (places != 5 && places != 6)
            return erreur("un compte long a cinq ou six nombres (" + std::to_string(places) +
                          " ici)");
        std::int64_t* p = a.date.compteLong + (6 - places);
        for (std::size_t k = i; k < fin; ++k) {
            const auto n = mots.nombre(k);
            if (!n)
                return erreur("nombre attendu à la place de " + entreGuillemets(mots[k].ecrit()));
            *p++ = *n;
        }
        a.fin = fin;
        return a;
    }

    std::size_t j = i;
    if (mots.cle(j) == "le") {
        a.reconnu = true;
        ++j;
    }
    // A weekday in front, when a date follows it (no weekday is a number).
    if (const auto [valeur, longueur] = mots.nombre(j) ? std::pair<int, std::size_t>{0, 0}
                                                       : nommer(nomsDesJours(type), mots, j);
        longueur > 0 && j + longueur < fin) {
        a.jourSemaine = valeur;
        a.nomJourSemaine = ecrits(mots, j, j + longueur);
        a.reconnu = true;
        j += longueur;
        if (mots.cle(j) == "le")
            ++j;
    }

    // Three bare numbers, in the order given.
    if (j + 3 == fin && mots.nombre(j) && mots.nombre(j + 1) && mots.nombre(j + 2)) {
        const std::int64_t n[3] = {*mots.nombre(j), *mots.nombre(j + 1), *mots.nombre(j + 2)};
        const auto [annee, mois, jour] = anneeMoisJour(ordre, n);
        a.date.annee = annee;
        a.date.mois = mois;
        a.date.jour = jour;
        a.fin = fin;
        return a;
    }

    // The day: a number before a word, 1er or premier, or words before a
    // month.
    const std::string_view cle = mots.cle(j);
    if (const auto n = mots.nombre(j);
        n && !cle.starts_with('-') && j + 1 < fin && !mots.nombre(j + 1)) {
        a.date.jour = *n;
        ++j;
    } else if (cle == "1er" || cle == "1re" || cle == "premier" || cle == "premiere") {
        a.date.jour = 1;
        a.reconnu = true;
        ++j;
    } else if (const NombreEnMots enMots = nombreEnMots(mots, j);
               enMots.mots > 0 && j + enMots.mots < fin &&
               nommer(nomsDesMois(type), mots, j + enMots.mots).second > 0) {
        a.date.jour = enMots.valeur;
        a.reconnu = true;
        j += enMots.mots;
    }

    // The month.
    if (const auto [valeur, longueur] = nommer(nomsDesMois(type), mots, j); longueur > 0) {
        a.date.mois = valeur;
        a.moisNomme = true;
        a.reconnu = true;
        j += longueur;
    } else if (a.date.jour || !partiel || j + 1 < fin) {
        if (j >= fin)
            return erreur("date incomplète : il manque le mois et l'année");
        if (nomsDesMois(type).vide())
            return erreur("le " + nomDuCalendrier(type) +
                          " n'a pas de noms de mois : sa date s'écrit en nombres");
        return erreur(entreGuillemets(mots[j].ecrit()) + " n'est pas un mois du " +
                      nomDuCalendrier(type));
    }

    // The year: a number, Roman numerals, or words, after "an" or "de l'an".
    if (mots.cle(j) == "de" && mots.cle(j + 1) == "lan")
        j += 1;
    if (mots.cle(j) == "an" || mots.cle(j) == "lan") {
        a.reconnu = true;
        ++j;
    }
    if (j >= fin)
        return erreur(a.date.mois ? "date incomplète : il manque l'année" : "aucune date");
    bool enChiffresRomains = false;
    if (const auto n = mots.nombre(j)) {
        a.date.annee = *n;
        ++j;
        // A double year, 1700/01: the year counted from 1 January is the
        // second; it ends like it.
        if (j < fin && mots[j].apresBarre && (type == JULIEN || type == GREGORIEN)) {
            const auto fin2 = mots.nombre(j);
            const std::string_view chiffresFin = mots.cle(j);
            std::int64_t puissance = 1;
            for (std::size_t k = 0; k < chiffresFin.size() && k < 4; ++k)
                puissance *= 10;
            if (!fin2 || chiffresFin.size() > 4 || floorMod(*n + 1, puissance) != *fin2)
                return erreur(entreGuillemets(mots[j].ecrit()) + " n'est pas l'année qui suit " +
                              std::to_string(*n) + " dans une double année");
            if (!a.date.mois || *a.date.mois > 3 ||
                (*a.date.mois == 3 && a.date.jour && *a.date.jour > 24))
                return erreur("une double année ne s'écrit que du 1er janvier au 24 mars, quand "
                              "l'année commençait le 25 mars");
            a.date.annee = *n + 1;
            a.reconnu = true;
            ++j;
        }
    } else if (const auto r = romain(mots.cle(j));
               r && (type == REPUBLICAIN || type == ROMAIN_I || type == ROMAIN_II)) {
        a.date.annee = *r;
        enChiffresRomains = true;
        a.reconnu = true;
        ++j;
    } else if (const NombreEnMots enMots = nombreEnMots(mots, j); enMots.mots > 0) {
        a.date.annee = enMots.valeur;
        enChiffresRomains = true; // may be followed by its figures too
        a.reconnu = true;
        j += enMots.mots;
    } else {
        return erreur("année attendue à la place de " + entreGuillemets(mots[j].ecrit()));
    }
    // "VIII (8)": the figures after Roman numerals or words must agree.
    if (enChiffresRomains && j < fin) {
        if (const auto n = mots.nombre(j)) {
            if (*n != a.date.annee)
                return erreur("l'année " + std::string(mots[j - 1].ecrit()) + " n'est pas " +
                              std::to_string(*n));
            ++j;
        }
    }
    if ((type == JULIEN || type == GREGORIEN) && j < fin) {
        bool avant = false;
        if (const int longueur = ere(mots, j, avant); longueur > 0) {
            if (avant)
                a.date.annee = 1 - a.date.annee;
            a.reconnu = true;
            j += static_cast<std::size_t>(longueur);
        }
    }
    a.fin = j;
    return a;
}

// The month number of a name in its year: Hebrew months move after Adar in a
// 13-month year. Zero when the month does not exist that year.
std::int64_t placerMois(TypeCalendrier type, std::int64_t annee, std::int64_t nom)
{
    if (type != HEBREU)
        return nom;
    const bool treize = moisDansAnnee(HEBREU, annee) == 13;
    if (nom == veadar)
        return treize ? 7 : 0;
    return treize && nom >= 7 ? nom + 1 : nom;
}

std::string enLettres(TypeCalendrier type, std::int64_t annee, std::int64_t mois)
{
    return nomDuMois(type, mois, moisDansAnnee(HEBREU, annee) == 13 && type == HEBREU);
}

DateHeure versDateHeure(const DatePartielle& d)
{
    if (d.calendrier == MAYA)
        return CalendrierMaya::compteLong(d.compteLong[0], d.compteLong[1], d.compteLong[2],
                                          d.compteLong[3], d.compteLong[4], d.compteLong[5]);
    return DateHeure(d.annee, d.mois.value_or(1), d.jour.value_or(1));
}

// Why a date does not exist in its calendar (its month, and its day when it
// has one); empty when it does. moisNomme: the month was written by its name.
std::string inexistante(const DatePartielle& d, bool moisNomme, std::int64_t* numeroJour = nullptr)
{
    const TypeCalendrier type = d.calendrier;
    // Most dates exist: one round trip says so, and gives the day number.
    const DateHeure date = versDateHeure(d);
    Calendrier calendrier(type);
    const std::int64_t jourLu = calendrier.depuisCalendrier(date);
    if (memeDate(type, calendrier.versCalendrier(jourLu), date)) {
        if (numeroJour != nullptr)
            *numeroJour = jourLu;
        return {};
    }
    if (type == MAYA) {
        if (CalendrierMaya::depuisMaya(date) < CalendrierMaya::epoque)
            return "le compte long commence à 0.0.0.0.0.0, le 8 septembre 3114 avant J. C.";
        return "un compte long a au plus 19 dans chaque place, 17 pour l'uinal";
    }
    const std::string annee = "l'an " + std::to_string(d.annee);
    if (type == HEBREU && d.annee < 1)
        return "le calendrier hébreu commence en l'an 1";
    const std::int64_t mois = d.mois.value_or(1);
    if (mois < 1 || mois > moisDansAnnee(type, d.annee)) {
        if (type == HEBREU && mois == 0)
            return "Veadar n'existe que les années de 13 mois ; " + annee + " en a 12";
        return "le mois " + std::to_string(mois) + " n'existe pas : " + annee + " a " +
               std::to_string(moisDansAnnee(type, d.annee)) + " mois";
    }
    if (!d.jour)
        return {};
    const std::int64_t jours = joursDuMois(type, d.annee, mois);
    if (*d.jour >= 1 && *d.jour <= jours)
        return {};
    const std::string nom = enLettres(type, d.annee, mois);
    const std::string jour = std::to_string(*d.jour);
    return (moisNomme ? "le " + jour + " " + nom + " " + std::to_string(d.annee)
                      : "le jour " + jour) +
           " n'existe pas : " + nom + " a " + std::to_string(jours) + " jours en " + annee;
}

// The calendars a GEDCOM escape or keyword names.
struct Echappement
{
    std::string_view texte;
    std::optional<TypeCalendrier> calendrier; // none: a calendar the program does not have
};

constexpr std::array<Echappement, 12> echappements = {{
    {"@#DGREGORIAN@", GREGORIEN},
    {"@#DJULIAN@", JULIEN},
    {"@#DHEBREW@", HEBREU},
    {"@#DFRENCH R@", REPUBLICAIN},
    {"@#DROMAN@", std::nullopt},
    {"@#DUNKNOWN@", std::nullopt},
    {"GREGORIAN", GREGORIEN},
    {"JULIAN", JULIEN},
    {"HEBREW", HEBREU},
    {"FRENCH_R", REPUBLICAIN},
    {"ROMAN", std::nullopt},
    {"UNKNOWN", std::nullopt},
}};

std::string_view sansBlancs(std::string_view texte)
{
    while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t'))
        texte.remove_prefix(1);
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t' || texte.back() == '\r' ||
                              texte.back() == '\n'))
        texte.remove_suffix(1);
    return texte;
}

bool commencePar(std::string_view texte, std::string_view mot)
{
    return texte.size() >= mot.size() && texte.substr(0, mot.size()) == mot &&
           (texte.size() == mot.size() || texte[mot.size()] == ' ');
}

// A calendar escape at the start of texte: the calendar, and the text after
// it. An escape that names no calendar of the program gives an error.
struct Escompte
{
    std::optional<TypeCalendrier> calendrier;
    std::string_view reste;
    std::string erreur;
};

Escompte echappement(std::string_view texte)
{
    texte = sansBlancs(texte);
    // Escapes and keywords open with "@", "_" or a capital.
    if (texte.empty() ||
        !(texte[0] == '@' || texte[0] == '_' || (texte[0] >= 'A' && texte[0] <= 'Z')))
        return {std::nullopt, texte, {}};
    for (const Echappement& e : echappements) {
        if (commencePar(texte, e.texte)) {
            if (!e.calendrier)
                return {std::nullopt,
                        {},
                        "le calendrier " + entreGuillemets(e.texte) +
                            " n'est pas un de ceux que le programme connaît"};
            return {e.calendrier, sansBlancs(texte.substr(e.texte.size())), {}};
        }
    }
    if (texte.starts_with("@#D") || (texte.starts_with('_') && texte.find(' ') != 0)) {
        const std::size_t fin = texte.starts_with("@#D") ? texte.find('@', 3) + 1
                                                         : std::min(texte.find(' '), texte.size());
        return {std::nullopt,
                {},
                "le calendrier " + entreGuillemets(texte.substr(0, fin)) +
                    " n'est pas un de ceux que le programme connaît"};
    }
    return {std::nullopt, texte, {}};
}

// One GEDCOM date, partial or whole, in the calendar of its escape
// (Gregorian without one).
struct DateGedcom
{
    DatePartielle date;
    std::string erreur;
};

// The month of a GEDCOM code of calendar type (JAN, BRUM, NSN...), or 0.
int moisDuCode(TypeCalendrier type, std::string_view code)
{
    const auto codes = codesDesMois(type);
    for (std::size_t k = 0; k < codes.size(); ++k) {
        if (egales(codes[k], code))
            return static_cast<int>(k) + 1;
    }
    return 0;
}

// A GEDCOM date in its usual form, read at once: "YEAR", "MON YEAR" or "DAY
// MON YEAR", single blanks, codes in capitals, plain figures. None for any
// other form, which the reader of written dates takes.
std::optional<DatePartielle> dateGedcomUsuelle(TypeCalendrier type, std::string_view texte)
{
    std::array<std::string_view, 3> mots;
    std::size_t n = 0;
    while (!texte.empty()) {
        std::size_t fin = 0;
        while (fin < texte.size() && texte[fin] != ' ')
            ++fin;
        if (fin == 0 || n == mots.size())
            return std::nullopt;
        mots[n++] = texte.substr(0, fin);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
    }
    const auto chiffres = [](std::string_view mot,
                             std::size_t longueurMax) -> std::optional<std::int64_t> {
        if (mot.empty() || mot.size() > longueurMax)
            return std::nullopt;
        std::int64_t valeur = 0;
        for (const char c : mot) {
            if (c < '0' || c > '9')
                return std::nullopt;
            valeur = valeur * 10 + (c - '0');
        }
        return valeur;
    };
    DatePartielle d;
    d.calendrier = type;
    if (n == 0)
        return std::nullopt;
    const auto annee = chiffres(mots[n - 1], 9);
    if (!annee)
        return std::nullopt;
    d.annee = *annee;
    if (n >= 2) {
        const int mois = moisDuCode(type, mots[n - 2]);
        if (mois == 0)
            return std::nullopt;
        d.mois = placerMois(type, d.annee, mois);
    }
    if (n == 3) {
        const auto jour = chiffres(mots[0], 2);
        if (!jour)
            return std::nullopt;
        d.jour = *jour;
    }
    return d;
}

DateGedcom dateGedcom(std::string_view texte)
{
    const Escompte e = echappement(texte);
    if (!e.erreur.empty())
        return {{}, e.erreur};
    const TypeCalendrier type = e.calendrier.value_or(GREGORIEN);
    Analyse a;
    if (const auto usuelle = dateGedcomUsuelle(type, e.reste)) {
        a.date = *usuelle;
        a.moisNomme = true; // already placed in its year
    } else {
        const Mots mots(e.reste);
        if (mots.tropLong())
            return {{}, "texte trop long pour une date"};
        a = analyser(type, mots, 0, Ordre::AnneeMoisJour, true, mots.taille());
        if (a.erreur.empty() && a.fin < mots.taille())
            a.erreur = "mots en trop après la date : " +
                       entreGuillemets(ecrits(mots, a.fin, mots.taille()));
        if (!a.erreur.empty())
            return {{}, a.erreur};
        if (a.moisNomme)
            a.date.mois = placerMois(type, a.date.annee, *a.date.mois);
    }
    std::int64_t numeroJour = 0;
    std::string pourquoi = inexistante(a.date, a.moisNomme, &numeroJour);
    if (pourquoi.empty() && (a.date.jour || type == MAYA)) {
        // A whole date: its one day, known from the check.
        a.date.premier = numeroJour;
        a.date.dernier = numeroJour;
    }
    return {a.date, std::move(pourquoi)};
}

} // namespace

Lecture lireDateEcrite(TypeCalendrier type, std::string_view texte, Ordre ordre)
{
    Lecture lecture;
    if (type < 0 || type >= nombreCalendriers) {
        lecture.erreur = "calendrier inconnu";
        return lecture;
    }
    // A GEDCOM escape names the calendar: it must be this one.
    const Escompte e = echappement(texte);
    if (!e.erreur.empty()) {
        lecture.erreur = e.erreur;
        lecture.reconnu = true;
        return lecture;
    }
    if (e.calendrier && *e.calendrier != type) {
        lecture.erreur = "cette date est du " + nomDuCalendrier(*e.calendrier) + ", pas du " +
                         nomDuCalendrier(type);
        lecture.reconnu = true;
        return lecture;
    }
    const std::string_view corps = e.calendrier ? e.reste : texte;
    const Mots mots(corps);
    if (mots.tropLong()) {
        lecture.erreur = "texte trop long pour une date";
        return lecture;
    }
    Analyse a = analyser(type, mots, 0, ordre, false, mots.taille());
    lecture.reconnu = a.reconnu || e.calendrier.has_value();
    if (a.erreur.empty() && a.fin < mots.taille())
        a.erreur =
            "mots en trop après la date : " + entreGuillemets(ecrits(mots, a.fin, mots.taille()));
    if (a.erreur.empty() && type != MAYA && !a.date.jour)
        a.erreur = "date incomplète : il manque le jour";
    if (!a.erreur.empty()) {
        lecture.erreur = std::move(a.erreur);
        return lecture;
    }
    if (a.moisNomme)
        a.date.mois = placerMois(type, a.date.annee, *a.date.mois);
    // A date exists when it comes back to itself through its day number,
    // which the caller may keep.
    lecture.date = versDateHeure(a.date);
    Calendrier calendrier(type);
    lecture.numeroJour = calendrier.depuisCalendrier(lecture.date);
    if (!memeDate(type, calendrier.versCalendrier(lecture.numeroJour), lecture.date)) {
        lecture.erreur = inexistante(a.date, a.moisNomme);
        lecture.inexistante = true;
        return lecture;
    }

    if (a.jourSemaine >= 0) {
        // The weekday written must be the date's, in the table it was named
        // from.
        const auto semaine = static_cast<int>(jourSemaine(lecture.numeroJour));
        const int table = a.jourSemaine >= propre ? propre : a.jourSemaine >= decade ? decade : 0;
        const int jour =
            table == decade ? static_cast<int>(floorMod(lecture.date.jour() - 1, 10)) : semaine;
        if (a.jourSemaine != table + jour) {
            const auto k = static_cast<std::size_t>(jour);
            const noms::Nom nom = table == propre   ? (*joursPropres(type))[k]
                                  : table == decade ? noms::joursDecade[k]
                                                    : noms::joursFrancais[k];
            lecture.avertissement = "attention, cette date est un " + std::string(nom) +
                                    ", pas un " + montrer(a.nomJourSemaine);
        }
    }
    return lecture;
}

std::optional<TypeCalendrier> calendrierDuTexte(std::string_view texte, TypeCalendrier actuel)
{
    const Escompte e = echappement(texte);
    if (e.calendrier)
        return e.calendrier;
    if (!e.erreur.empty())
        return std::nullopt;
    if (actuel >= 0 && actuel < nombreCalendriers && lireDateEcrite(actuel, texte).erreur.empty())
        return actuel;
    constexpr std::array<TypeCalendrier, nombreCalendriers> preferes = {
        GREGORIEN,  JULIEN,   REPUBLICAIN, HEBREU, ISLAMIQUE_B, ISLAMIQUE_A, COPTE,
        ETHIOPIEN,  ARMENIEN, EGYPTIEN,    PERSE,  KHWARIZMIEN, BAHAI,       SAKA,
        MACEDONIEN, ROMAIN_I, ROMAIN_II,   SYRIEN, MAYA};
    std::optional<TypeCalendrier> inexistante;
    for (const TypeCalendrier type : preferes) {
        const Lecture lecture = lireDateEcrite(type, texte);
        // Bare numbers read in most calendars: only words choose one.
        if (lecture.erreur.empty() && lecture.reconnu)
            return type;
        if (lecture.inexistante && lecture.reconnu && !inexistante)
            inexistante = type;
    }
    return inexistante;
}

ValeurGedcom lireValeurGedcom(std::string_view valeur)
{
    ValeurGedcom v;
    valeur = sansBlancs(valeur);
    const auto phraseEntreParentheses = [&v](std::string_view texte) {
        texte = sansBlancs(texte);
        if (texte.size() < 2 || texte.front() != '(' || texte.back() != ')')
            return false;
        v.phrase = std::string(texte.substr(1, texte.size() - 2));
        return true;
    };
    if (phraseEntreParentheses(valeur))
        return v;

    // The qualifier, and where the second date starts.
    struct Mot2
    {
        std::string_view mot;
        Qualificatif qualificatif;
    };
    constexpr std::array<Mot2, 9> qualificatifs = {{
        {"ABT", Qualificatif::Vers},
        {"CAL", Qualificatif::Calculee},
        {"EST", Qualificatif::Estimee},
        {"BEF", Qualificatif::Avant},
        {"AFT", Qualificatif::Apres},
        {"BET", Qualificatif::Entre},
        {"FROM", Qualificatif::De},
        {"TO", Qualificatif::A},
        {"INT", Qualificatif::Interpretee},
    }};
    // Qualifiers are capitals; most values open with a day or an escape.
    const bool qualifie = !valeur.empty() && valeur[0] >= 'A' && valeur[0] <= 'Z';
    for (const Mot2& q : qualificatifs) {
        if (qualifie && commencePar(valeur, q.mot)) {
            v.qualificatif = q.qualificatif;
            valeur = sansBlancs(valeur.substr(q.mot.size()));
            break;
        }
    }
    std::string_view premiere = valeur;
    std::string_view seconde;
    const auto couper = [&](std::string_view separateur) {
        const std::size_t place = valeur.find(separateur);
        if (place == std::string_view::npos)
            return false;
        premiere = valeur.substr(0, place);
        seconde = valeur.substr(place + separateur.size());
        return true;
    };
    if (v.qualificatif == Qualificatif::Entre && !couper(" AND ")) {
        v.erreur = "BET sans AND";
        return v;
    }
    if (v.qualificatif == Qualificatif::De)
        couper(" TO ");
    if (v.qualificatif == Qualificatif::Interpretee) {
        const std::size_t parenthese = valeur.find('(');
        if (parenthese == std::string_view::npos ||
            !phraseEntreParentheses(valeur.substr(parenthese))) {
            v.erreur = "INT sans phrase entre parenthèses";
            return v;
        }
        premiere = valeur.substr(0, parenthese);
    }

    DateGedcom d1 = dateGedcom(premiere);
    if (!d1.erreur.empty()) {
        v.erreur = std::move(d1.erreur);
        return v;
    }
    v.premiere = d1.date;
    if (!seconde.empty()) {
        DateGedcom d2 = dateGedcom(seconde);
        if (!d2.erreur.empty()) {
            v.erreur = std::move(d2.erreur);
            return v;
        }
        v.seconde = d2.date;
        if (dernierJour(*v.seconde) < premierJour(*v.premiere))
            v.erreur = "la seconde date précède la première";
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
