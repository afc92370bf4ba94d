#include "main/sortie.h"

namespace chronastre {

std::string versLatin1(std::string_view utf8)
{
    std::string latin1;
    latin1.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto octet = static_cast<unsigned char>(utf8[i]);
        if (octet < 0x80) {
            latin1 += static_cast<char>(octet);
        } else if ((octet == 0xC2 || octet == 0xC3) && i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            // Two-byte sequences C2 80 .. C3 BF are exactly U+0080 .. U+00FF.
            const auto suite = static_cast<unsigned char>(utf8[i + 1]);
            latin1 += static_cast<char>(((octet & 0x03) << 6) | (suite & 0x3F));
            ++i;
        } else {
            latin1 += '?';
            // Skip the continuation bytes of the character left out.
            while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80)
                ++i;
        }
    }
    return latin1;
}

std::string encoder(std::string_view utf8, Encodage encodage)
{
    return encodage == Encodage::Utf8 ? std::string(utf8) : versLatin1(utf8);
}

void Sortie::ligne(std::string_view texte)
{
    octets_ += encoder(texte, encodage_);
    octets_ += '\n';
}

} // namespace chronastre
