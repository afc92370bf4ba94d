#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

// The lines of standard input, read in blocks: a line ends with a LF, a
// CR LF or a lone CR; a byte-order mark before the first is skipped; a line
// longer than a bound is dropped without being kept, so memory stays bounded
// whatever the input.
namespace chronastre {

inline constexpr std::size_t tailleBloc = 1 << 16;
// The first bytes of a line too long to keep, kept to say what it was.
inline constexpr std::size_t debutGarde = 256;

namespace detail {

struct FinDeLigne
{
    const char* fin;      // where the line's bytes end
    std::size_t longueur; // the bytes of the end
};

// The end of the line that starts at debut in [debut, fin). A CR at fin may
// be followed by a LF not read yet: none is found then, unless the input has
// ended. prochainCR is the first CR at or after debut, or fin when there is
// none: a file without CR is searched for one once a block, not once a line.
inline std::optional<FinDeLigne> finDeLigne(const char* debut, const char* fin, bool finEntree,
                                            const char* prochainCR)
{
    const auto* nl = static_cast<const char*>(std::memchr(debut, '\n', fin - debut));
    const char* borne = nl != nullptr ? nl : fin;
    const char* cr = prochainCR < borne ? prochainCR : nullptr;
    if (cr == nullptr)
        return nl != nullptr ? std::optional(FinDeLigne{nl, 1}) : std::nullopt;
    if (cr + 1 == nl)
        return FinDeLigne{cr, 2};
    if (cr + 1 == fin && !finEntree)
        return std::nullopt; // a LF may follow
    return FinDeLigne{cr, 1};
}

} // namespace detail

// Reads lines through lire (bytes read, 0 at the end, -1 on an error) and
// calls ligne(debut, fin, numero) for each, the byte at fin readable and not
// a digit (the line's end, or a newline put after the last line);
// tropLongue(numero, debut) for a line longer than longueurMax (at most
// tailleBloc - 1), given its first bytes (up to debutGarde); avantLecture()
// before each read that may wait. ligne and avantLecture return false to
// stop. Returns false when the input could not be read.
template <class Lire, class Ligne, class TropLongue, class AvantLecture>
bool parcourirLignes(Lire&& lire, std::size_t longueurMax, Ligne&& ligne, TropLongue&& tropLongue,
                     AvantLecture&& avantLecture)
{
    std::vector<char> entree(tailleBloc + 1); // and room for a last newline
    // A line must fit the block with room to spare, or a full block would
    // read as the end of the input.
    longueurMax = std::min(longueurMax, tailleBloc - 1);
    std::array<char, debutGarde> garde; // the first bytes of a line too long
    std::size_t gardes = 0;
    std::size_t debut = 0; // unread bytes are [debut, fin)
    std::size_t fin = 0;
    bool finEntree = false;
    bool lectureOk = true;
    bool trop = false;    // the current line is dropped for its length
    bool premiere = true; // a byte-order mark may open the input
    std::int64_t numero = 0;
    const char* cr = nullptr; // the block's next CR, or its end; none: to be searched
    for (;;) {
        if (premiere && (fin - debut >= 3 || finEntree)) {
            if (fin - debut >= 3 && std::memcmp(entree.data() + debut, "\xEF\xBB\xBF", 3) == 0)
                debut += 3;
            premiere = false;
        }
        const char* const ici = entree.data() + debut;
        if (cr == nullptr || cr < ici) {
            const auto* trouve = static_cast<const char*>(std::memchr(ici, '\r', fin - debut));
            cr = trouve != nullptr ? trouve : entree.data() + fin;
        }
        const auto fl =
            premiere ? std::nullopt : detail::finDeLigne(ici, entree.data() + fin, finEntree, cr);
        if (fl) {
            const auto longueur = static_cast<std::size_t>(fl->fin - (entree.data() + debut));
            ++numero;
            bool suite = true;
            if (trop)
                tropLongue(numero, std::string_view(garde.data(), gardes));
            else
                suite = ligne(entree.data() + debut, fl->fin, numero);
            trop = false;
            debut += longueur + fl->longueur;
            if (!suite)
                return lectureOk;
            continue;
        }
        if (finEntree && !premiere) {
            // A last line without its end: a newline is put after it.
            entree[fin] = '\n';
            if (trop)
                tropLongue(++numero, std::string_view(garde.data(), gardes));
            else if (fin > debut)
                ligne(entree.data() + debut, entree.data() + fin, ++numero);
            return lectureOk;
        }
        if (fin - debut > longueurMax) {
            if (!trop) {
                gardes = std::min(debutGarde, fin - debut);
                std::memcpy(garde.data(), entree.data() + debut, gardes);
            }
            trop = true;
            debut = fin;
        }
        if (!avantLecture())
            return lectureOk;
        std::memmove(entree.data(), entree.data() + debut, fin - debut);
        fin -= debut;
        debut = 0;
        cr = nullptr; // the block moves and grows
        const std::ptrdiff_t lus = lire(entree.data() + fin, tailleBloc - fin);
        if (lus < 0) {
            lectureOk = false;
            finEntree = true;
        } else if (lus == 0) {
            finEntree = true;
        } else {
            fin += static_cast<std::size_t>(lus);
        }
    }
}

} // namespace chronastre
