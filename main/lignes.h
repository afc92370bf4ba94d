#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The lines of standard input, read in blocks: a line ends with a LF, a
// CR LF or a lone CR; a byte-order mark before the first is skipped; a line
// longer than a bound is dropped without being kept, so memory stays bounded
// whatever the input.
namespace chronastre {

inline constexpr std::size_t tailleBloc = 1 << 16;
// The first bytes of a line too long to keep, kept to say what it was.
inline constexpr std::size_t debutGarde = 256;

namespace detail {

// Bytes of the block that may be read past its end: the search for a line's
// end reads 16 bytes at a time, a raccourci up to 32.
inline constexpr std::size_t marge = 32;

// The first CR or LF of [p, fin); at or past fin when there is none. Reads
// up to marge - 1 bytes past fin, which must be readable.
inline const char* premiereFin(const char* p, const char* fin)
{
#if defined(__SSE2__)
    const auto fins = [](const char* q) {
        const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
        return static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(octets, _mm_set1_epi8('\n')),
                                           _mm_cmpeq_epi8(octets, _mm_set1_epi8('\r')))));
    };
    // Most lines end within their first 16 bytes.
    unsigned masque = fins(p);
    while (masque == 0) {
        p += 16;
        if (p >= fin)
            return p;
        masque = fins(p);
    }
    return p + __builtin_ctz(masque);
#else
    while (p < fin && *p != '\n' && *p != '\r')
        ++p;
    return p;
#endif
}

struct FinDeLigne
{
    const char* fin;      // where the line's bytes end
    std::size_t longueur; // the bytes of the end
};

// The end of the line that starts at debut in [debut, fin) (marge bytes
// readable past fin). A CR at fin may be followed by a LF not read yet: none
// is found then, unless the input has ended.
inline std::optional<FinDeLigne> finDeLigne(const char* debut, const char* fin, bool finEntree)
{
    const char* const p = premiereFin(debut, fin);
    if (p >= fin)
        return std::nullopt;
    if (*p == '\n') [[likely]]
        return FinDeLigne{p, 1};
    if (p + 1 < fin)
        return FinDeLigne{p, p[1] == '\n' ? 2U : 1U};
    if (!finEntree)
        return std::nullopt; // a LF may follow
    return FinDeLigne{p, 1};
}

} // namespace detail

// No line is passed over before the search for its end.
struct SansRaccourci
{
    const char* operator()(const char* debut, const char*, std::int64_t&, bool) const
    {
        return debut;
    }
};

// Reads lines through lire (bytes read, 0 at the end, -1 on an error) and
// calls ligne(debut, fin, numero) for each, the byte at fin its CR or LF (a
// newline is put after a last line without one) and the 15 bytes after it
// readable, so that a line's start can be read 16 bytes at a time;
// tropLongue(numero, debut) for a line longer than longueurMax (at most
// tailleBloc - 1), given its first bytes (up to debutGarde); avantLecture()
// before each read that may wait. ligne and avantLecture return false to
// stop. Returns false when the input could not be read.
// raccourci(debut, bout, numero, sansCr), called before each line of the
// block [debut, bout) is looked for (32 bytes readable from any byte before
// bout; sansCr when the block holds no CR, so that a LF alone ends its
// lines), may read the lines from debut on itself, each whole before bout:
// it counts them into numero and returns where it stopped, the start of a
// line left to ligne, or nullptr to stop as ligne's false does.
template <class Lire, class Ligne, class TropLongue, class AvantLecture,
          class Raccourci = SansRaccourci>
bool parcourirLignes(Lire&& lire, std::size_t longueurMax, Ligne&& ligne, TropLongue&& tropLongue,
                     AvantLecture&& avantLecture, Raccourci&& raccourci = {})
{
    // Room for a last newline, and bytes the search for a line's end reads.
    std::vector<char> entree(tailleBloc + 1 + detail::marge);
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
    constexpr bool avecRaccourci = !std::is_same_v<std::remove_cvref_t<Raccourci>, SansRaccourci>;
    for (;;) {
        // Whether the unread bytes hold a CR, for a raccourci.
        const bool sansCr =
            avecRaccourci && std::memchr(entree.data() + debut, '\r', fin - debut) == nullptr;
        if (premiere && (fin - debut >= 3 || finEntree)) {
            if (fin - debut >= 3 && std::memcmp(entree.data() + debut, "\xEF\xBB\xBF", 3) == 0)
                debut += 3;
            premiere = false;
        }
        // The lines the block holds whole (none before a byte-order mark
        // can be told).
        if (!premiere) {
            const char* ici = entree.data() + debut;
            const char* const bout = entree.data() + fin;
            // A line dropped for its length ends at the first end found.
            if (trop) {
                if (const auto fl = detail::finDeLigne(ici, bout, finEntree)) {
                    tropLongue(++numero, std::string_view(garde.data(), gardes));
                    trop = false;
                    ici = fl->fin + fl->longueur;
                }
            }
            while (!trop) {
                ici = raccourci(ici, bout, numero, sansCr);
                if (ici == nullptr)
                    return lectureOk;
                const auto fl = detail::finDeLigne(ici, bout, finEntree);
                if (!fl)
                    break;
                if (!ligne(ici, fl->fin, ++numero))
                    return lectureOk;
                ici = fl->fin + fl->longueur;
            }
            debut = static_cast<std::size_t>(ici - entree.data());
            if (finEntree) {
                // A last line without its end: a newline is put after it.
                entree[fin] = '\n';
                if (trop)
                    tropLongue(++numero, std::string_view(garde.data(), gardes));
                else if (fin > debut)
                    ligne(entree.data() + debut, entree.data() + fin, ++numero);
                return lectureOk;
            }
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
