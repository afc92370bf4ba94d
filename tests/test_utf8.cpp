// Texts copied from the input, shown safely: printable ASCII as it is, every
// other single byte by its code.

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
