// Checks, day number by day number, that the first two steps of the
// Gregorian-type rows' date-to-day-number search give what further steps
// would for every j' within the bound the engine trusts them (10^9), in
// each row with a century correction: the engine stops after two steps
// there. The full search is the engine's, restated here as the reference
// the shortcut is checked against. About four minutes.
//   g++ -std=c++20 -O2 -I. scripts/correction.cpp -o /tmp/correction && /tmp/correction
#include "engine/arithmetique.h"
#include "engine/calendrier.h"

#include <cstdint>
#include <cstdio>

using namespace chronastre;

int main()
{
    constexpr std::int64_t borne = 1'000'000'000;
    int fautes = 0;
    for (const ParametresCalendrier& k : parametres) {
        if (k.b == 0)
            continue;
        const auto correction = [&k](std::int64_t j) {
            return ((floorDiv(4 * j + k.b, jours400Ans) * 3) >> 2) + k.c;
        };
        for (std::int64_t jp = -borne + 1; jp < borne; ++jp) {
            std::int64_t avant = jp - correction(jp);
            const std::int64_t deuxPas = jp - correction(avant);
            std::int64_t j = deuxPas;
            for (int pas = 0; pas < 64; ++pas) {
                const std::int64_t suivant = jp - correction(j);
                if (suivant == j || suivant == avant)
                    break;
                avant = j;
                j = suivant;
            }
            if (j != deuxPas && fautes++ < 10)
                std::printf("B = %lld : j' = %lld, deux pas %lld, davantage %lld\n",
                            static_cast<long long>(k.b), static_cast<long long>(jp),
                            static_cast<long long>(deuxPas), static_cast<long long>(j));
        }
    }
    std::printf(fautes == 0 ? "les deux pas suffisent partout\n" : "%d écarts\n", fautes);
    return fautes == 0 ? 0 : 1;
}
