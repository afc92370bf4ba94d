#include "texte/jeuxcaracteres.h"

#include "texte/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace chronastre::texte {

namespace {

#include "texte/tables_unicode.inc"

std::size_t ecrireUtf8(char* p, char32_t point)
{
    if (point < 0x80) {
        p[0] = static_cast<char>(point);
        return 1;
    }
    if (point < 0x800) {
        p[0] = static_cast<char>(0xC0 | (point >> 6));
        p[1] = static_cast<char>(0x80 | (point & 0x3F));
        return 2;
    }
    if (point < 0x10000) {
        p[0] = static_cast<char>(0xE0 | (point >> 12));
        p[1] = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        p[2] = static_cast<char>(0x80 | (point & 0x3F));
        return 3;
    }
    p[0] = static_cast<char>(0xF0 | (point >> 18));
    p[1] = static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    p[2] = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    p[3] = static_cast<char>(0x80 | (point & 0x3F));
    return 4;
}

void ajouterUtf8(std::string& sortie, char32_t point)
{
    char octets[4];
    sortie.append(octets, ecrireUtf8(octets, point));
}

constexpr char32_t remplacement = 0xFFFD;

// ANSEL's spacing characters, bytes 0xA1 to 0xCF (MARC-8, and GEDCOM's
// 0xBE, 0xBF, 0xCD, 0xCE, 0xCF); 0 where the byte is undefined.
constexpr std::array<char32_t, 0x2F> anselEspacement = {
    0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9, 0x00B7, // A1..A8
    0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0,      0x02BB, // A9..B0
    0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA, 0x0131, // B1..B8
    0x00A3, 0x00F0, 0,      0x01A1, 0x01B0, 0x25A1, 0x25A0, 0x00B0, // B9..C0
    0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF, 0x20AC, // C1..C8
    0,      0,      0,      0,      0x0065, 0x006F, 0x00DF,         // C9..CF
};

// ANSEL's combining marks, bytes 0xE0 to 0xFE; 0 where undefined.
constexpr std::array<char32_t, 0x1F> anselMarques = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307, // E0..E7
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310, // E8..EF
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326, // F0..F7
    0x031C, 0x032E, 0xFE22, 0xFE23, 0,      0,      0x0313,         // F8..FE
};

// The letter that has both, or 0.
char32_t composer(char32_t lettre, char32_t marque)
{
    const auto trouve = std::lower_bound(
        compositions.begin(), compositions.end(), Composition{lettre, marque, 0},
        [](const Composition& a, const Composition& b) {
            return a.lettre != b.lettre ? a.lettre < b.lettre : a.marque < b.marque;
        });
    return trouve != compositions.end() && trouve->lettre == lettre && trouve->marque == marque
               ? trouve->compose
               : 0;
}

void anselVersUtf8(std::string_view octets, std::string& sortie)
{
    // The marks written before a letter, waiting for it.
    std::array<char32_t, 4> marques{};
    std::size_t enAttente = 0;
    const auto lettre = [&](char32_t base) {
        std::size_t k = 0;
        for (; k < enAttente; ++k) {
            const char32_t compose = composer(base, marques[k]);
            if (compose == 0)
                break;
            base = compose;
        }
        ajouterUtf8(sortie, base);
        for (; k < enAttente; ++k)
            ajouterUtf8(sortie, marques[k]);
        enAttente = 0;
    };
    for (const char c : octets) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x80) {
            lettre(octet);
        } else if (octet >= 0xE0 && octet <= 0xFE) {
            const char32_t marque = anselMarques[octet - 0xE0];
            if (marque == 0) {
                lettre(remplacement);
            } else {
                if (enAttente == marques.size()) {
                    // More marks than a letter takes: the first stand alone.
                    for (const char32_t m : marques)
                        ajouterUtf8(sortie, m);
                    enAttente = 0;
                }
                marques[enAttente++] = marque;
            }
        } else if (octet >= 0xA1 && octet <= 0xCF && anselEspacement[octet - 0xA1] != 0) {
            lettre(anselEspacement[octet - 0xA1]);
        } else {
            lettre(remplacement);
        }
    }
    // Marks with no letter after them stand alone.
    for (std::size_t k = 0; k < enAttente; ++k)
        ajouterUtf8(sortie, marques[k]);
}

std::string majuscules(std::string_view texte)
{
    std::string m;
    for (const char c : texte) {
        if (c == ' ' || c == '-' || c == '_')
            continue;
        m += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return m;
}

} // namespace

std::optional<JeuCaracteres> jeuDeclare(std::string_view valeur)
{
    const std::string nom = majuscules(valeur);
    if (nom == "UTF8")
        return JeuCaracteres::Utf8;
    if (nom == "UNICODE" || nom == "UTF16" || nom == "UTF16LE" || nom == "UCS2")
        return JeuCaracteres::Utf16PetitBoutiste;
    if (nom == "UTF16BE")
        return JeuCaracteres::Utf16GrosBoutiste;
    if (nom == "ANSEL")
        return JeuCaracteres::Ansel;
    if (nom == "ANSI" || nom == "WINDOWS1252" || nom == "CP1252" || nom == "LATIN1" ||
        nom == "ISO88591" || nom == "ISO885915")
        return JeuCaracteres::Windows1252;
    if (nom == "IBMPC" || nom == "IBM" || nom == "CP437" || nom == "DOS" || nom == "IBMDOS" ||
        nom == "MSDOS")
        return JeuCaracteres::Ibm437;
    if (nom == "MACINTOSH" || nom == "MAC" || nom == "MACROMAN")
        return JeuCaracteres::MacRoman;
    if (nom == "ASCII" || nom == "USASCII")
        return JeuCaracteres::Ascii;
    return std::nullopt;
}

std::string_view nomDuJeu(JeuCaracteres jeu)
{
    switch (jeu) {
    case JeuCaracteres::Utf8:
        return "UTF-8";
    case JeuCaracteres::Utf16PetitBoutiste:
        return "UTF-16 petit-boutiste";
    case JeuCaracteres::Utf16GrosBoutiste:
        return "UTF-16 gros-boutiste";
    case JeuCaracteres::Ansel:
        return "ANSEL";
    case JeuCaracteres::Windows1252:
        return "Windows-1252 (ANSI)";
    case JeuCaracteres::Ibm437:
        return "IBM PC (page de code 437)";
    case JeuCaracteres::MacRoman:
        return "Mac OS Roman (MACINTOSH)";
    case JeuCaracteres::Ascii:
        return "ASCII";
    }
    return {};
}

bool estUtf8(std::string_view octets)
{
    const char* p = octets.data();
    const char* const fin = p + octets.size();
    while (p < fin) {
        if (static_cast<unsigned char>(*p) < 0x80) {
            ++p;
            continue;
        }
        const Caractere c = lireUtf8(p, fin);
        if (c.longueur == 0)
            return false;
        p += c.longueur;
    }
    return true;
}

void versUtf8(JeuCaracteres jeu, std::string_view octets, std::string& sortie)
{
    if (jeu == JeuCaracteres::Ansel) {
        anselVersUtf8(octets, sortie);
        return;
    }
    const std::array<char16_t, 128>* table = jeu == JeuCaracteres::Windows1252 ? &versUnicode1252
                                             : jeu == JeuCaracteres::Ibm437    ? &versUnicode437
                                             : jeu == JeuCaracteres::MacRoman  ? &versUnicodeMac
                                                                               : nullptr;
    for (const char c : octets) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x80)
            sortie += c;
        else
            ajouterUtf8(sortie, table != nullptr ? (*table)[octet - 0x80] : remplacement);
    }
}

std::size_t DecodeurUtf16::decoder(const char* octets, std::size_t taille, char* sortie)
{
    std::size_t ecrits = 0;
    for (std::size_t k = 0; k < taille; ++k) {
        // ASCII, the most of a genealogy file, a unit at a time while no
        // byte nor surrogate waits.
        if (octetEnAttente_ < 0 && fortEnAttente_ == 0) {
            for (; k + 1 < taille; k += 2) {
                const auto a = static_cast<unsigned char>(octets[k]);
                const auto b = static_cast<unsigned char>(octets[k + 1]);
                const unsigned char bas = grosBoutiste_ ? b : a;
                if ((grosBoutiste_ ? a : b) != 0 || bas >= 0x80)
                    break;
                sortie[ecrits++] = static_cast<char>(bas);
            }
            if (k == taille)
                break;
        }
        const auto octet = static_cast<unsigned char>(octets[k]);
        if (octetEnAttente_ < 0) {
            octetEnAttente_ = octet;
            continue;
        }
        const auto premier = static_cast<unsigned>(octetEnAttente_);
        octetEnAttente_ = -1;
        const auto unite =
            static_cast<char16_t>(grosBoutiste_ ? (premier << 8) | octet : (octet << 8) | premier);
        if (fortEnAttente_ != 0) {
            const char16_t fort = fortEnAttente_;
            fortEnAttente_ = 0;
            if (unite >= 0xDC00 && unite <= 0xDFFF) {
                ecrits += ecrireUtf8(sortie + ecrits,
                                     0x10000 + ((static_cast<char32_t>(fort) - 0xD800) << 10) +
                                         (unite - 0xDC00));
                continue;
            }
            ecrits += ecrireUtf8(sortie + ecrits, remplacement);
        }
        if (unite >= 0xD800 && unite <= 0xDBFF)
            fortEnAttente_ = unite;
        else if (unite >= 0xDC00 && unite <= 0xDFFF)
            ecrits += ecrireUtf8(sortie + ecrits, remplacement);
        else
            ecrits += ecrireUtf8(sortie + ecrits, unite);
    }
    return ecrits;
}

std::size_t DecodeurUtf16::terminer(char* sortie)
{
    std::size_t ecrits = 0;
    if (fortEnAttente_ != 0 || octetEnAttente_ >= 0)
        ecrits = ecrireUtf8(sortie, remplacement);
    fortEnAttente_ = 0;
    octetEnAttente_ = -1;
    return ecrits;
}

} // namespace chronastre::texte
