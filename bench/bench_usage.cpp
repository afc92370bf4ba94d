// Cost of a conversion to and from each calendar in use today (Iranian, Umm
// al-Qura, Chinese, Baha'i at Tehran), in nanoseconds per call, over the
// days of its table.

#include "engine/calendrierbahaiteheran.h"
#include "engine/calendrierchinois.h"
#include "engine/calendrieriranien.h"
#include "engine/calendrierummalqura.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

using namespace chronastre;

namespace {

struct Convertisseur
{
    DateHeure (*vers)(std::int64_t);
    std::int64_t (*depuis)(const DateHeure&);
    Plage (*plage)();
};

constexpr std::array<Convertisseur, 4> convertisseurs = {{
    {CalendrierIranien::versIranien, CalendrierIranien::depuisIranien, CalendrierIranien::plage},
    {CalendrierUmmAlQura::versUmmAlQura, CalendrierUmmAlQura::depuisUmmAlQura,
     CalendrierUmmAlQura::plage},
    {CalendrierChinois::versChinois, CalendrierChinois::depuisChinois, CalendrierChinois::plage},
    {CalendrierBahaiTeheran::versBahaiTeheran, CalendrierBahaiTeheran::depuisBahaiTeheran,
     CalendrierBahaiTeheran::plage},
}};

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
    const Convertisseur& c = convertisseurs[static_cast<std::size_t>(etat.range(0))];
    Parcours jours(c.plage());
    for (auto _ : etat)
        benchmark::DoNotOptimize(c.vers(jours.suivant()));
}

void depuisUsage(benchmark::State& etat)
{
    const Convertisseur& c = convertisseurs[static_cast<std::size_t>(etat.range(0))];
    Parcours jours(c.plage());
    std::array<DateHeure, 1024> dates;
    for (DateHeure& d : dates)
        d = c.vers(jours.suivant());
    std::size_t i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(c.depuis(dates[i]));
        i = (i + 1) % dates.size();
    }
}

} // namespace

// 0 IRANIEN, 1 UMM_AL_QURA, 2 CHINOIS, 3 BAHAI_TEHERAN.
BENCHMARK(versUsage)->DenseRange(0, 3);
BENCHMARK(depuisUsage)->DenseRange(0, 3);

BENCHMARK_MAIN();
