#include "texte/utf8.h"

#include <cstdint>
#include <cstring>

namespace chronastre::texte {

Caractere lireUtf8(const char* p, const char* fin)
{
    const auto octet = [p](int k) {
        return static_cast<unsigned char>(p[k]);
    };
    const unsigned char premier = octet(0);
    if (premier < 0x80)
        return {1, premier};
    int longueur = 0;
    char32_t point = 0;
    char32_t minimum = 0;
    if (premier >= 0xC2 && premier <= 0xDF) {
        longueur = 2;
        point = premier & 0x1F;
        minimum = 0x80;
    } else if (premier >= 0xE0 && premier <= 0xEF) {
        longueur = 3;
        point = premier & 0x0F;
        minimum = 0x800;
    } else if (premier >= 0xF0 && premier <= 0xF4) {
        longueur = 4;
        point = premier & 0x07;
        minimum = 0x10000;
    } else {
        return {0, 0}; // a continuation byte, C0, C1 or F5 to FF
    }
    if (fin - p < longueur)
        return {0, 0};
    for (int k = 1; k < longueur; ++k) {
        if ((octet(k) & 0xC0) != 0x80)
            return {0, 0};
        point = (point << 6) | (octet(k) & 0x3F);
    }
    // Overlong forms, surrogates and what lies beyond U+10FFFF.
    if (point < minimum || (point >= 0xD800 && point <= 0xDFFF) || point > 0x10FFFF)
        return {0, 0};
    return {longueur, point};
}

namespace {

// Characters that are valid but must not reach a terminal as they are:
// controls, and the invisible or direction-changing characters that would
// hide what a text is (zero-width spaces and joiners, direction marks,
// embeddings, overrides and isolates, line and paragraph separators, word
// joiners and invisible operators, the soft hyphen, the byte-order mark).
bool aMontrerParSonCode(char32_t point)
{
    return point < 0x20 || point == 0x7F || (point >= 0x80 && point <= 0x9F) || point == 0xAD ||
           point == 0x61C || point == 0x180E || (point >= 0x200B && point <= 0x200F) ||
           point == 0x2028 || point == 0x2029 || (point >= 0x202A && point <= 0x202E) ||
           (point >= 0x2060 && point <= 0x2064) || (point >= 0x2066 && point <= 0x206F) ||
           point == 0xFEFF || (point >= 0xFFF9 && point <= 0xFFFB);
}

// A quoted text is cut after this many characters.
constexpr std::size_t citationMax = 200;

std::string hexa(std::uint32_t valeur, int chiffres)
{
    constexpr char symboles[] = "0123456789ABCDEF";
    std::string texte(static_cast<std::size_t>(chiffres), '0');
    for (int k = chiffres - 1; k >= 0; --k, valeur >>= 4)
        texte[static_cast<std::size_t>(k)] = symboles[valeur & 0xF];
    return texte;
}

std::string codePoint(char32_t point)
{
    return "U+" + hexa(static_cast<std::uint32_t>(point), point > 0xFFFF ? 6 : 4);
}

std::string valeurOctet(char octet)
{
    return "0x" + hexa(static_cast<unsigned char>(octet), 2);
}

} // namespace

void montrerDans(std::string& texte, std::string_view octets)
{
    // Printable ASCII, the most of any text, is shown as it is.
    if (imprimable(octets)) {
        texte += octets;
        return;
    }
    const char* p = octets.data();
    const char* const fin = p + octets.size();
    // The characters shown as they are go out by runs.
    const char* suite = p;
    while (p < fin) {
        if (*p >= 0x20 && *p < 0x7F) {
            ++p;
            continue;
        }
        const Caractere c = lireUtf8(p, fin);
        if (c.longueur != 0 && !aMontrerParSonCode(c.point)) {
            p += c.longueur;
            continue;
        }
        texte.append(suite, static_cast<std::size_t>(p - suite));
        if (c.longueur == 0) {
            texte += '<' + valeurOctet(*p) + '>';
            ++p;
        } else {
            texte += '<' + codePoint(c.point) + '>';
            p += c.longueur;
        }
        suite = p;
    }
    texte.append(suite, static_cast<std::size_t>(p - suite));
}

std::string montrer(std::string_view octets)
{
    std::string texte;
    montrerDans(texte, octets);
    return texte;
}

std::string entreGuillemets(std::string_view octets)
{
    // Cut after citationMax characters (a malformed byte counts as one), so
    // that a message stays a line.
    const char* p = octets.data();
    const char* const fin = p + octets.size();
    std::size_t caracteres = 0;
    while (p < fin && caracteres < citationMax) {
        const Caractere c = lireUtf8(p, fin);
        p += c.longueur == 0 ? 1 : c.longueur;
        ++caracteres;
    }
    std::string texte = "« ";
    montrerDans(texte, octets.substr(0, static_cast<std::size_t>(p - octets.data())));
    if (p < fin)
        texte += "…";
    return texte += " »";
}

std::string citer(const char* p, const char* fin)
{
    const Caractere c = lireUtf8(p, fin);
    if (c.longueur == 0)
        return "l'octet " + valeurOctet(*p);
    if (c.point == ' ')
        return "l'octet 0x20";
    if (aMontrerParSonCode(c.point))
        return c.point < 0x80 ? "l'octet " + valeurOctet(*p) : "le caractère " + codePoint(c.point);
    return "« " + std::string(p, static_cast<std::size_t>(c.longueur)) + " »";
}

} // namespace chronastre::texte
