// The decoders of genealogy files' character sets fed any bytes: the first
// byte picks the set and, for UTF-16, the order and the size of the pieces.
// What comes out is well-formed UTF-8, within its bound of three bytes for
// each byte read (and one U+FFFD at the end of UTF-16).

#include "texte/jeuxcaracteres.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    using namespace chronastre::texte;
    if (taille < 1)
        return 0;
    const std::string octets(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
    constexpr JeuCaracteres huitBits[] = {JeuCaracteres::Ansel, JeuCaracteres::Windows1252,
                                          JeuCaracteres::Ibm437, JeuCaracteres::MacRoman,
                                          JeuCaracteres::Ascii};
    const unsigned choix = donnees[0];
    if ((choix & 1) == 0) {
        std::string sortie;
        versUtf8(huitBits[(choix >> 1) % 5], octets, sortie);
        if (!estUtf8(sortie) || sortie.size() > 3 * octets.size())
            std::abort();
        return 0;
    }
    DecodeurUtf16 decodeur((choix & 2) != 0);
    const std::size_t morceau = 1 + (choix >> 2);
    std::vector<char> sortie(3 * octets.size() + 4);
    std::size_t ecrits = 0;
    for (std::size_t k = 0; k < octets.size(); k += morceau) {
        const std::size_t n = std::min(morceau, octets.size() - k);
        ecrits += decodeur.decoder(octets.data() + k, n, sortie.data() + ecrits);
    }
    ecrits += decodeur.terminer(sortie.data() + ecrits);
    if (ecrits > sortie.size() || !estUtf8(std::string(sortie.data(), ecrits)))
        std::abort();
    return 0;
}
