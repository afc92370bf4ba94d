// Cost of the historian's conversions, in nanoseconds per call: a civil
// date of a region, a date in the Easter style, a feast form resolved, the
// feast names read, the forms of a day, the movable feasts of a year. The
// feast form is what the batch reads per line; it must stay within a few
// times a plain date's conversion.

#include "engine/fetes.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "texte/textefetes.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string_view>

using namespace chronastre;

namespace {

// Days of the fourteenth to eighteenth centuries, a prime step apart.
constexpr std::int64_t premierJour = 2206000;
constexpr std::int64_t dernierJour = 2378000;
constexpr std::int64_t pas = 997;

std::int64_t suivant(std::int64_t j)
{
    j += pas;
    return j > dernierJour ? j - (dernierJour - premierJour) : j;
}

void jourCivilFrance(benchmark::State& etat)
{
    std::int64_t annee = 1300;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(jourCivil(Region::FRANCE, annee, 11, 11));
        annee = annee == 1800 ? 1300 : annee + 1;
    }
}

void dateCivileSuede(benchmark::State& etat)
{
    std::int64_t j = premierJour;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(dateCivile(Region::SUEDE, j));
        j = suivant(j);
    }
}

void styleDePaques(benchmark::State& etat)
{
    std::int64_t annee = 1300;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(jourEnStyle(Style::PAQUES, Region::FRANCE, annee, 4, 10));
        annee = annee == 1560 ? 1300 : annee + 1;
    }
}

// A line of a batch: one form, its region's feasts computed afresh.
void formeSeule(benchmark::State& etat)
{
    FormeFete forme;
    forme.relation = Relation::JOUR_SEMAINE_APRES;
    forme.fete = Fete::SAINT_MARTIN_HIVER;
    forme.jourSemaine = 4;
    forme.annee = 1300;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(resoudre(forme, Region::FRANCE, Style::CIRCONCISION));
        forme.annee = forme.annee == 1560 ? 1300 : forme.annee + 1;
    }
}

// Many lines of the same years: the feasts of a year computed once.
void formeAvecCache(benchmark::State& etat)
{
    FetesDeRegion fetes(Region::FRANCE);
    FormeFete forme;
    forme.relation = Relation::LENDEMAIN;
    forme.fete = Fete::ASCENSION;
    forme.annee = 1422;
    for (auto _ : etat)
        benchmark::DoNotOptimize(resoudre(forme, fetes, Style::PAQUES));
}

void lireFete(benchmark::State& etat)
{
    const std::array<std::string_view, 5> cles = {"saint", "martin", "dhiver", "1350", "style"};
    for (auto _ : etat)
        benchmark::DoNotOptimize(texte::lireFete(cles));
}

void formesDUnJour(benchmark::State& etat)
{
    FetesDeRegion fetes(Region::FRANCE);
    std::int64_t j = premierJour;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(formesDuJour(j, fetes, Style::PAQUES));
        j = suivant(j);
    }
}

void fetesMobilesDUneAnnee(benchmark::State& etat)
{
    std::int64_t annee = 1300;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(texte::listeFetesMobiles(Region::FRANCE, annee));
        annee = annee == 1800 ? 1300 : annee + 1;
    }
}

} // namespace

BENCHMARK(jourCivilFrance);
BENCHMARK(dateCivileSuede);
BENCHMARK(styleDePaques);
BENCHMARK(formeSeule);
BENCHMARK(formeAvecCache);
BENCHMARK(lireFete);
BENCHMARK(formesDUnJour);
BENCHMARK(fetesMobilesDUneAnnee);

BENCHMARK_MAIN();
