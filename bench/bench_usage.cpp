// Cost of a conversion to and from each calendar in use today (Iranian, Umm
// al-Qura, Chinese, Baha'i at Tehran), in nanoseconds per call, over the
// days of its table, as the program converts: through Calendrier.

#include "engine/calendrier.h"

#include "bench/reference.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

using namespace chronastre;

namespace {

TypeCalendrier type(const benchmark::State& etat)
{
    return static_cast<TypeCalendrier>(premierCalendrierEnUsage + etat.range(0));
}

// Day numbers spread over the table's days: 1900 to 2200 for the Baha'i
// calendar, whose arithmetic part before 2015 is BAHAI's cost.
constexpr std::int64_t pas = 9973;

struct Parcours
{
    std::int64_t premier, etendue, j;

    explicit Parcours(const Plage& p)
        : premier(p.premierJour < 2415021 ? 2415021 : p.premierJour),
          etendue(p.dernierJour - premier + 1), j(premier)
    {}
    std::int64_t suivant()
    {
        j = premier + (j - premier + pas) % etendue;
        return j;
    }
};

void versUsage(benchmark::State& etat)
{
    Calendrier calendrier(type(etat));
    Parcours jours(plageDuCalendrier(type(etat)));
    for (auto _ : etat)
        benchmark::DoNotOptimize(calendrier.versCalendrier(jours.suivant()));
}

void depuisUsage(benchmark::State& etat)
{
    Calendrier calendrier(type(etat));
    Parcours jours(plageDuCalendrier(type(etat)));
    std::array<DateHeure, 1024> dates;
    for (DateHeure& d : dates)
        d = calendrier.versCalendrier(jours.suivant());
    std::size_t i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(calendrier.depuisCalendrier(dates[i]));
        i = (i + 1) % dates.size();
    }
}

} // namespace

// 0 IRANIEN, 1 UMM_AL_QURA, 2 CHINOIS, 3 BAHAI_TEHERAN.
BENCHMARK(reference::reference);
BENCHMARK(versUsage)->DenseRange(0, 3);
BENCHMARK(depuisUsage)->DenseRange(0, 3);

BENCHMARK_MAIN();
