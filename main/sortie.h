#pragma once

#include <string>
#include <string_view>

namespace chronastre {

// The command line's only writer. Texts are written as UTF-8 in the source
// and leave as Latin-1 bytes ("é" is E9), one "\n" per line.
class Sortie
{
public:
    // Appends one line and its newline.
    void ligne(std::string_view texte);
    // The Latin-1 bytes written so far.
    const std::string& octets() const { return octets_; }

private:
    std::string octets_;
};

// UTF-8 to Latin-1; a character outside Latin-1 (or a malformed sequence)
// becomes "?".
std::string versLatin1(std::string_view utf8);

} // namespace chronastre
