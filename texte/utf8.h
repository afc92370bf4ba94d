#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// UTF-8 read strictly, and shown safely: what a message or a window may show
// of bytes that came from outside. Input bytes never reach a terminal raw:
// they could move the cursor, reverse the text that follows or hide what
// they are.
namespace chronastre::texte {

// One UTF-8 sequence at p (p < fin): its length and code point, or a length
// of 0 when the bytes there are not well-formed UTF-8 (a stray byte, a
// surrogate, a code point beyond U+10FFFF, an overlong form, a sequence cut
// by fin).
struct Caractere
{
    int longueur;
    char32_t point;
};
Caractere lireUtf8(const char* p, const char* fin);

// octets as a message shows them: printable UTF-8 as it is; a control
// character, a C1 control (U+0080 to U+009F), an invisible or
// direction-changing character (U+200B to U+200F, U+061C, U+2028, U+2029,
// U+2060 to U+2064, the bidirectional embeddings, overrides and isolates
// U+202A to U+202E and U+2066 to U+2069, the soft hyphen) and a byte-order
// mark as their code point (<U+202E>); a byte that is not part of
// well-formed UTF-8 (a surrogate, a code point beyond U+10FFFF, an overlong
// form, a stray byte) as its value (<0x9B>).
std::string montrer(std::string_view octets);

// Two short byte strings alike, compared in place: for the few letters of a
// name or a tag, a call to memcmp costs more.
inline bool egales(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (a[k] != b[k])
            return false;
    }
    return true;
}

// montrer(octets) between French quotation marks: "« 31 brumaire »", the
// way a message cites what the user wrote; cut with "…" after 200
// characters.
std::string entreGuillemets(std::string_view octets);

// Whether bytes are all printable ASCII (0x20 to 0x7E), eight at a time: no
// byte with its high bit, none that 1 brings to 0x80 (0x7F), none that
// borrows when 0x20 is taken from it. The last bytes are read once more
// rather than one at a time.
inline bool imprimable(std::string_view octets)
{
    constexpr std::uint64_t uns = 0x0101010101010101U;
    constexpr std::uint64_t hauts = 0x80 * uns;
    const auto huitImprimables = [](std::uint64_t huit) {
        return ((huit | (huit + uns)) & hauts) == 0 && ((huit - 0x20 * uns) & ~huit & hauts) == 0;
    };
    const std::size_t n = octets.size();
    const char* const p = octets.data();
    if (n >= 8) {
        std::uint64_t huit;
        for (std::size_t k = 0; k + 8 <= n; k += 8) {
            std::memcpy(&huit, p + k, 8);
            if (!huitImprimables(huit))
                return false;
        }
        std::memcpy(&huit, p + n - 8, 8);
        return huitImprimables(huit);
    }
    if (n >= 4) {
        std::uint32_t debut, fin;
        std::memcpy(&debut, p, 4);
        std::memcpy(&fin, p + n - 4, 4);
        return huitImprimables(debut | std::uint64_t{fin} << 32);
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (p[k] < 0x20 || p[k] >= 0x7F)
            return false;
    }
    return true;
}

// montrer(octets) appended to texte: printable ASCII as it is.
void montrerDans(std::string& texte, std::string_view octets);

// The character that starts at p, before fin, as a person would name it:
// "« x »" when it can be shown, "le caractère U+202E" or "l'octet 0x9B"
// otherwise.
std::string citer(const char* p, const char* fin);

} // namespace chronastre::texte
