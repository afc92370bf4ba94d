#pragma once

#include <string>
#include <string_view>

namespace chronastre {

// How the command line's texts leave: Latin-1 bytes ("é" is E9), the
// contract of scripts and files, or UTF-8 for a terminal that reads UTF-8.
enum class Encodage
{
    Latin1,
    Utf8,
};

// The command line's only writer. Texts are written as UTF-8 in the source
// and leave in the chosen encoding, one "\n" per line.
class Sortie
{
public:
    explicit Sortie(Encodage encodage = Encodage::Latin1) : encodage_(encodage) {}

    // Appends one line and its newline.
    void ligne(std::string_view texte);
    // The bytes written so far.
    const std::string& octets() const { return octets_; }
    Encodage encodage() const { return encodage_; }

private:
    Encodage encodage_;
    std::string octets_;
};

// UTF-8 to Latin-1; a character outside Latin-1 (or a malformed sequence)
// becomes "?".
std::string versLatin1(std::string_view utf8);

// The text in the encoding given.
std::string encoder(std::string_view utf8, Encodage encodage);

} // namespace chronastre
