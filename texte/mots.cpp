#include "texte/mots.h"

#include "texte/utf8.h"

#include <new>

namespace chronastre::texte {

namespace {

#include "texte/tables_unicode.inc"

// The Latin-1 letters U+00C0 to U+00FF without their accents ("" for the
// two signs of that range, × and ÷).
constexpr std::array<std::string_view, 64> sansAccentLatin1 = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// ASCII letters, digits and the underscore of GEDCOM keywords (FRENCH_R) as
// they stand in a key; 0 for any other byte.
constexpr std::array<char, 256> asciiDeMot = [] {
    std::array<char, 256> t{};
    for (char c = '0'; c <= '9'; ++c)
        t[static_cast<unsigned char>(c)] = c;
    for (char c = 'a'; c <= 'z'; ++c) {
        t[static_cast<unsigned char>(c)] = c;
        t[static_cast<unsigned char>(c - 'a' + 'A')] = c;
    }
    t['_'] = '_';
    return t;
}();

// Superscript letters of ordinals and abbreviations ("1ᵉʳ", "Xᵇʳᵉ"), as the
// letters they stand for; 0 for any other code point.
char lettreSuperieure(char32_t point)
{
    switch (point) {
    case 0xAA:
    case 0x1D43:
        return 'a';
    case 0xBA:
    case 0x1D52:
        return 'o';
    case 0x1D47:
        return 'b';
    case 0x1D9C:
        return 'c';
    case 0x1D48:
        return 'd';
    case 0x1D49:
        return 'e';
    case 0x1DA0:
        return 'f';
    case 0x1D4D:
        return 'g';
    case 0x2B0:
        return 'h';
    case 0x2071:
        return 'i';
    case 0x2B2:
        return 'j';
    case 0x1D4F:
        return 'k';
    case 0x2E1:
        return 'l';
    case 0x1D50:
        return 'm';
    case 0x207F:
        return 'n';
    case 0x1D56:
        return 'p';
    case 0x2B3:
        return 'r';
    case 0x2E2:
        return 's';
    case 0x1D57:
        return 't';
    case 0x1D58:
        return 'u';
    case 0x1D5B:
        return 'v';
    case 0x2B7:
        return 'w';
    case 0x2E3:
        return 'x';
    case 0x2B8:
        return 'y';
    case 0x1DBB:
        return 'z';
    default:
        return 0;
    }
}

// Apostrophes and the signs that transliterations write for the ayn and the
// hamza ("Rabīʿ", "Shaʿbān").
bool apostrophe(char32_t point)
{
    return point == U'\'' || point == 0x2019 || point == 0x2BC || point == 0x2BB ||
           point == 0x2BF || point == 0x2BE || point == U'`' || point == 0xB4 || point == 0x2018;
}

// Blanks and punctuation: ASCII's (the tab among its controls), the
// no-break spaces, guillemets and signs of Latin-1, the spaces, dashes,
// quotation marks and ellipsis of Unicode's general punctuation.
bool separateur(char32_t point)
{
    if (point < 0x80)
        return point == U'\t' || point == U'\n' || point == U'\r' ||
               (point >= 0x20 && point < 0x7F);
    if (point >= 0xA0 && point < 0xC0)
        return true;
    return point == 0xD7 || point == 0xF7 || (point >= 0x2000 && point <= 0x200A) ||
           (point >= 0x2010 && point <= 0x2029) || (point >= 0x202F && point <= 0x205F) ||
           point == 0x2212 || point == 0x3000;
}

bool blancOuOuvrant(char c)
{
    return c == ' ' || c == '\t' || c == '(' || c == '[' || c == '\n' || c == '\r';
}

} // namespace

Mots::Mots(std::string_view texte) : texte_(texte)
{
    if (texte.size() > longueurTexteMax) {
        tropLong_ = true;
        return;
    }
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    // Locals, not members: a char written through cles could be any member,
    // which the compiler would then reload at every byte.
    char* const cles = cles_.data();
    std::size_t plein = 0;
    const char* debutMot = nullptr;
    const char* finPrecedent = p; // where the previous word ended
    std::size_t debutCle = 0;
    std::uint16_t chiffres = 0;
    bool chiffresOuverts = true; // no letter has come yet
    std::int64_t valeur = 0;
    std::uint32_t hache = 0;
    bool signe = false; // a minus sign waits for the next word
    // The word open ends at ici, where a separator starts (or the text ends).
    const auto terminer = [&](const char* ici) {
        if (debutMot == nullptr)
            return;
        if (plein == debutCle) {
            // Marks or apostrophes alone: no word.
            debutMot = nullptr;
            return;
        }
        if (n_ == motsMax) {
            tropLong_ = true;
            debutMot = nullptr;
            return;
        }
        Mot& mot = *new (mots_ + n_++ * sizeof(Mot)) Mot;
        mot.cle = std::string_view(cles + debutCle, plein - debutCle);
        mot.ecrit = std::string_view(debutMot, static_cast<std::size_t>(ici - debutMot));
        mot.avant =
            std::string_view(finPrecedent, static_cast<std::size_t>(debutMot - finPrecedent));
        mot.valeur = valeur;
        mot.hache = hache;
        mot.chiffres = chiffres;
        mot.signe = signe;
        finPrecedent = ici;
        debutMot = nullptr;
        signe = false;
    };
    const auto commencer = [&](const char* ici) {
        debutMot = ici;
        debutCle = plein;
        chiffres = 0;
        chiffresOuverts = true;
        valeur = 0;
        hache = debutHache;
    };
    const auto cle = [&](char l) {
        cles[plein++] = l;
        hache = (hache ^ static_cast<unsigned char>(l)) * 16777619u;
    };
    while (p < fin) {
        // ASCII letters and digits, the most of any date, at once.
        if (const char a = asciiDeMot[static_cast<unsigned char>(*p)]; a != 0) {
            if (debutMot == nullptr)
                commencer(p);
            cle(a);
            if (chiffresOuverts) {
                if (static_cast<unsigned char>(a - '0') < 10) {
                    if (chiffres < chiffresMax)
                        valeur = valeur * 10 + (a - '0');
                    ++chiffres;
                } else {
                    chiffresOuverts = false;
                }
            }
            ++p;
            continue;
        }
        if (*p == ' ') {
            terminer(p);
            ++p;
            continue;
        }
        if (*p == '@' && p + 1 < fin && p[1] == '#') {
            // A GEDCOM escape, to its closing "@": one word.
            terminer(p);
            commencer(p);
            const char* q = p + 2;
            while (q < fin && *q != '@')
                ++q;
            if (q < fin)
                ++q;
            for (const char* c = p; c < q; ++c) {
                const char l = asciiDeMot[static_cast<unsigned char>(*c)];
                cle(l != 0 ? l : *c == '@' || *c == '#' || *c == ' ' ? *c : '?');
            }
            chiffresOuverts = false;
            p = q;
            terminer(p);
            continue;
        }
        if (*p == '-' && debutMot == nullptr && p + 1 < fin &&
            (asciiDeMot[static_cast<unsigned char>(p[1])] != 0) &&
            (p == texte.data() || blancOuOuvrant(p[-1]))) {
            // A minus sign before a number or a Roman numeral: "-44",
            // "-XCII". Between two words it separates ("2024-03-11").
            signe = true;
            ++p;
            continue;
        }
        const Caractere c = lireUtf8(p, fin);
        const int longueur = c.longueur == 0 ? 1 : c.longueur;
        const char32_t point = c.point;
        std::string_view lettres;
        char lettre[2] = {};
        bool separe = false;
        if (c.longueur == 0) {
            lettre[0] = '?'; // not UTF-8: a letter no word matches
            lettres = std::string_view(lettre, 1);
        } else if (point >= 0xC0 && point <= 0xFF) {
            lettres = sansAccentLatin1[point - 0xC0];
            separe = lettres.empty();
        } else if (const char l = lettreSuperieure(point); l != 0) {
            lettre[0] = l;
            lettres = std::string_view(lettre, 1);
        } else if (apostrophe(point)) {
            if (debutMot != nullptr && elision(std::string_view(cles + debutCle, plein - debutCle)))
                separe = true;
            // Otherwise it joins the word and adds nothing to its key.
        } else if (point >= 0x100 && point < 0x250) {
            lettres = sansAccentLatinEtendu[point - 0x100];
        } else if (point >= 0x1E00 && point < 0x1F00) {
            lettres = sansAccentLatinAdditionnel[point - 0x1E00];
        } else if (point >= 0x300 && point < 0x370) {
            // A combining mark (decomposed text): part of the word, no key.
        } else if (separateur(point)) {
            separe = true;
        } else {
            // A control character, an invisible or directional mark, a
            // letter of another script: part of a word no name matches.
            lettre[0] = '?';
            lettres = std::string_view(lettre, 1);
        }
        if (separe) {
            terminer(p);
        } else if (!lettres.empty() || debutMot != nullptr) {
            if (debutMot == nullptr)
                commencer(p);
            if (!lettres.empty())
                chiffresOuverts = false;
            for (const char l : lettres)
                cle(l);
        }
        p += longueur;
    }
    terminer(fin);
    fin_ = std::string_view(finPrecedent, static_cast<std::size_t>(fin - finPrecedent));
    if (tropLong_)
        n_ = 0;
}

std::string_view Mots::ecrits(std::size_t i, std::size_t j) const
{
    if (i >= j || j > n_)
        return {};
    const char* debut = mots()[i].ecrit.data();
    const Mot& dernier = mots()[j - 1];
    return std::string_view(
        debut, static_cast<std::size_t>(dernier.ecrit.data() + dernier.ecrit.size() - debut));
}

} // namespace chronastre::texte
