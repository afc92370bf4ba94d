#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The character sets of genealogy files, decoded into UTF-8: the ones a
// GEDCOM file declares (CHAR) and the ones its bytes show.
namespace chronastre::texte {

enum class JeuCaracteres
{
    Utf8,
    Utf16PetitBoutiste, // UTF-16 LE
    Utf16GrosBoutiste,  // UTF-16 BE
    Ansel,              // ANSI/NISO Z39.47 with the MARC-8 extensions
    Windows1252,        // "ANSI"
    Ibm437,             // "IBMPC"
    MacRoman,           // "MACINTOSH"
    Ascii,
};

// The set a CHAR value names (UTF-8, UNICODE, ANSEL, ANSI, IBMPC, MACINTOSH,
// ASCII and their usual variants, in any case); none for another name.
// UNICODE is UTF-16, little-endian until the bytes say otherwise.
std::optional<JeuCaracteres> jeuDeclare(std::string_view valeur);

// How a message names a set: "UTF-8", "ANSEL", "Windows-1252 (ANSI)"...
std::string_view nomDuJeu(JeuCaracteres jeu);

// Whether octets are well-formed UTF-8 (ASCII included).
bool estUtf8(std::string_view octets);

// octets of an 8-bit set (ANSEL, Windows-1252, code page 437, Mac OS Roman,
// ASCII) appended to sortie as UTF-8. ANSEL's combining marks, written
// before their letter, become the precomposed letter where Unicode has one
// ("E2 65" is "é"), the letter and its combining marks otherwise. A byte a
// set leaves undefined becomes U+FFFD.
void versUtf8(JeuCaracteres jeu, std::string_view octets, std::string& sortie);

// UTF-16 of either order, read in pieces of any size, as UTF-8. An unpaired
// surrogate becomes U+FFFD.
class DecodeurUtf16
{
public:
    explicit DecodeurUtf16(bool grosBoutiste) : grosBoutiste_(grosBoutiste) {}

    // Decodes octets (after those given before) into sortie, at most
    // three bytes for each byte read; returns the bytes written.
    std::size_t decoder(const char* octets, std::size_t taille, char* sortie);
    // What the end of the input leaves: a lone byte or surrogate, as U+FFFD.
    std::size_t terminer(char* sortie);

private:
    bool grosBoutiste_;
    int octetEnAttente_ = -1;    // the first byte of a unit cut by a piece
    char16_t fortEnAttente_ = 0; // a high surrogate waiting for its low one
};

} // namespace chronastre::texte
