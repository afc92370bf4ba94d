// Text from the input: UTF-16 decoded however it is cut, and what is copied
// shown safely (printable ASCII as it is, any other single byte by its code).

#include "texte/jeuxcaracteres.h"
#include "texte/utf8.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace chronastre;

namespace {

// What one byte alone is shown as: itself when it is printable ASCII, a
// control (and DEL) by its code point, a byte that is no UTF-8 by its value.
std::string montre(unsigned char octet)
{
    char texte[16];
    if (octet >= 0x20 && octet < 0x7F)
        std::snprintf(texte, sizeof texte, "%c", octet);
    else if (octet < 0x80)
        std::snprintf(texte, sizeof texte, "<U+%04X>", octet);
    else
        std::snprintf(texte, sizeof texte, "<0x%02X>", octet);
    return texte;
}

} // namespace

// Every length up to 20 (texts are checked eight bytes at a time), one byte
// at every place: the rest of the text is shown as it is, that byte as its
// kind is.
TEST(Utf8, MontrerUnOctetAChaquePlace)
{
    for (const unsigned char octet :
         {0x00, 0x01, 0x09, 0x0A, 0x1F, 0x20, 0x21, 0x41, 0x7E, 0x7F, 0x80, 0x9B, 0xC3, 0xFF}) {
        for (std::size_t longueur = 1; longueur <= 20; ++longueur) {
            for (std::size_t place = 0; place < longueur; ++place) {
                std::string texte(longueur, 'x');
                texte[place] = static_cast<char>(octet);
                const std::string attendu = std::string(place, 'x') + montre(octet) +
                                            std::string(longueur - place - 1, 'x');
                ASSERT_EQ(texte::montrer(texte), attendu) << int{octet} << " " << place;
            }
        }
    }
    EXPECT_EQ(texte::montrer(""), "");
    EXPECT_EQ(texte::montrer("Hélène Lefèvre, née à Sceaux"), "Hélène Lefèvre, née à Sceaux");
}

namespace {

// The bytes of UTF-16 units, in either order.
std::string octetsUtf16(std::u16string_view unites, bool grosBoutiste)
{
    std::string octets;
    for (const char16_t u : unites) {
        const auto haut = static_cast<char>(u >> 8);
        const auto bas = static_cast<char>(u & 0xFF);
        octets += grosBoutiste ? haut : bas;
        octets += grosBoutiste ? bas : haut;
    }
    return octets;
}

} // namespace

// UTF-16 of either order, given whole or in pieces of any size: the same
// UTF-8, a pair of surrogates as one character, a lone surrogate and a lone
// last byte as U+FFFD.
TEST(Utf8, Utf16EnMorceauxDeToutesTailles)
{
    const std::u16string unites = u"0 HEAD\n1 NAME H\u00e9l\u00e8ne /Lef\u00e8vre/\n2 NOTE \u20ac "
                                  u"\xD83D\xDE00 \xD83D"
                                  u"A \xDE00"
                                  u"B\x7F\x80\n";
    const std::string attendu = "0 HEAD\n1 NAME Hélène /Lefèvre/\n2 NOTE € \xF0\x9F\x98\x80 "
                                "\xEF\xBF\xBD"
                                "A \xEF\xBF\xBD"
                                "B\x7F\xC2\x80\n";
    for (const bool grosBoutiste : {false, true}) {
        for (const bool impair : {false, true}) {
            const std::string octets = octetsUtf16(unites, grosBoutiste) + (impair ? "x" : "");
            for (std::size_t morceau = 1; morceau <= octets.size(); ++morceau) {
                texte::DecodeurUtf16 decodeur(grosBoutiste);
                std::string sortie(3 * octets.size() + 4, '\0');
                std::size_t ecrits = 0;
                for (std::size_t k = 0; k < octets.size(); k += morceau)
                    ecrits +=
                        decodeur.decoder(octets.data() + k, std::min(morceau, octets.size() - k),
                                         sortie.data() + ecrits);
                ecrits += decodeur.terminer(sortie.data() + ecrits);
                sortie.resize(ecrits);
                ASSERT_EQ(sortie, attendu + (impair ? "\xEF\xBF\xBD" : ""))
                    << grosBoutiste << " " << impair << " " << morceau;
            }
        }
    }
}
