// Cost of each engine operation, and of the engine work of one window
// recompute, in nanoseconds per call.

#include "engine/calendrier.h"
#include "engine/calendrierhebreu.h"
#include "engine/calendriermaya.h"
#include "engine/comput.h"
#include "engine/romain.h"

#include "bench/reference.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

using namespace chronastre;

namespace {

// Day numbers spread over the window's range (4713 BC to 9999 AD), so that
// the branches and divisions see realistic values.
constexpr std::int64_t premierJour = 0;
constexpr std::int64_t pas = 9973;
constexpr std::int64_t dernierJour = 5373484;

std::int64_t suivant(std::int64_t j)
{
    j += pas;
    return j > dernierJour ? j - dernierJour : j;
}

void versCalendrier(benchmark::State& etat)
{
    Calendrier c(static_cast<TypeCalendrier>(etat.range(0)));
    std::int64_t j = premierJour;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(c.versCalendrier(j));
        j = suivant(j);
    }
}

void depuisCalendrier(benchmark::State& etat)
{
    Calendrier c(static_cast<TypeCalendrier>(etat.range(0)));
    std::array<DateHeure, 1024> dates;
    std::int64_t j = premierJour;
    for (DateHeure& d : dates) {
        d = c.versCalendrier(j);
        j = suivant(j);
    }
    std::size_t i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(c.depuisCalendrier(dates[i]));
        i = (i + 1) % dates.size();
    }
}

void versHebreu(benchmark::State& etat)
{
    CalendrierHebreu h;
    std::int64_t j = 1000000;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(h.versHebreu(j));
        j = suivant(j) + 347998;
    }
}

void depuisHebreu(benchmark::State& etat)
{
    CalendrierHebreu h;
    std::array<DateHeure, 1024> dates;
    std::int64_t j = 1000000;
    for (DateHeure& d : dates) {
        d = h.versHebreu(j);
        j = suivant(j) + 347998;
    }
    std::size_t i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(h.depuisHebreu(dates[i]));
        i = (i + 1) % dates.size();
    }
}

void versMaya(benchmark::State& etat)
{
    std::int64_t j = CalendrierMaya::epoque;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(CalendrierMaya::versMaya(j));
        j = suivant(j) + CalendrierMaya::epoque;
    }
}

void depuisMaya(benchmark::State& etat)
{
    std::array<DateHeure, 1024> dates;
    std::int64_t j = CalendrierMaya::epoque;
    for (std::size_t k = 0; k < dates.size(); ++k) {
        const DateHeure d = CalendrierMaya::versMaya(j);
        // Half by the long count, half by the calendar round.
        dates[k] = k % 2 == 0 ? CalendrierMaya::compteLong(d.pictun(), d.baktun(), d.katun(),
                                                           d.tun(), d.uinal(), d.kin())
                              : d;
        j = suivant(j) + CalendrierMaya::epoque;
    }
    std::size_t i = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(CalendrierMaya::depuisMaya(dates[i]));
        i = (i + 1) % dates.size();
    }
}

void paques(benchmark::State& etat)
{
    std::int64_t annee = 1;
    for (auto _ : etat) {
        Paques p;
        p.calculer(annee);
        benchmark::DoNotOptimize(p);
        annee = annee % 9999 + 1;
    }
}

void comput(benchmark::State& etat)
{
    std::int64_t annee = 1;
    for (auto _ : etat) {
        Comput c;
        c.calculer(annee);
        benchmark::DoNotOptimize(c);
        annee = annee % 9999 + 1;
    }
}

void nommerJour(benchmark::State& etat)
{
    std::int64_t jour = 0;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(
            nommerJourRomain(DateHeure(2024, jour % 12 + 1, jour % 31 + 1), jour % 2 == 0));
        ++jour;
    }
}

void chiffres(benchmark::State& etat)
{
    std::int32_t n = 1;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(chiffresRomains(n));
        n = n % 9999 + 1;
    }
}

// Julian Day, weekday and day of the year of an entered moment.
void moment(benchmark::State& etat)
{
    std::int64_t annee = -4712;
    for (auto _ : etat) {
        DateHeure m(annee, 7, 14, 12, 30, 15);
        m.calculerJourJulien();
        m.calculerJourSemaine();
        m.calculerJourAnnee();
        benchmark::DoNotOptimize(m);
        annee = annee < 9999 ? annee + 1 : -4712;
    }
}

// What the window asks of the engine at each keystroke: the moment's three
// fields, nineteen conversions with one converter, Easter, the computus and
// the Roman name of the day.
void recalculMoteur(benchmark::State& etat)
{
    std::int64_t annee = 1;
    for (auto _ : etat) {
        DateHeure m(annee, 7, 14, 12, 30, 15);
        m.calculerJourJulien();
        m.calculerJourSemaine();
        m.calculerJourAnnee();
        Calendrier source(calendrierCivil(annee, 7, 14));
        for (int k = 0; k < nombreCalendriers; ++k)
            benchmark::DoNotOptimize(source.convertir(static_cast<TypeCalendrier>(k), m));
        Paques p;
        p.calculer(annee);
        Comput c;
        c.calculer(annee);
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(nommerJourRomain(m, estBissextile(annee)));
        annee = annee % 9999 + 1;
    }
}

} // namespace

BENCHMARK(reference::reference);
BENCHMARK(versCalendrier)->DenseRange(0, nombreCalendriersParametriques - 1);
BENCHMARK(depuisCalendrier)->DenseRange(0, nombreCalendriersParametriques - 1);
BENCHMARK(versHebreu);
BENCHMARK(depuisHebreu);
BENCHMARK(versMaya);
BENCHMARK(depuisMaya);
BENCHMARK(paques);
BENCHMARK(comput);
BENCHMARK(nommerJour);
BENCHMARK(chiffres);
BENCHMARK(moment);
BENCHMARK(recalculMoteur);

BENCHMARK_MAIN();
