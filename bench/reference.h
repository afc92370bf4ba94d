// The reference of the Google Benchmark time budgets: the day-number
// arithmetic of bench/plancher.c (a day number to a Julian date, that date
// read as a Gregorian one back to a day number), in plain C++ over day
// numbers spread like the engine's. bench/tableau.py budgets each time as a
// ratio to it, measured in the same run with the runs interleaved, so that
// the machine's speed and a busy moment weigh on both.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

namespace reference {

// floor(a / b), b > 0: the reference's own, not the engine's floorDiv, so
// that a change to the engine cannot move the yardstick it is measured by.
inline std::int64_t fdiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return a % b != 0 && a < 0 ? q - 1 : q;
}

inline void reference(benchmark::State& etat)
{
    std::int64_t j = 0;
    for (auto _ : etat) {
        // The day number to a Julian date.
        const std::int64_t c = j + 32082;
        const std::int64_t d = fdiv(4 * c + 3, 1461);
        const std::int64_t e = c - fdiv(1461 * d, 4);
        const std::int64_t m = (5 * e + 2) / 153;
        const std::int64_t annee = d - 4800 + m / 10;
        const std::int64_t mois = m + 3 - 12 * (m / 10);
        const std::int64_t jour = e - (153 * m + 2) / 5 + 1;
        // That date, read as Gregorian, to its day number.
        const std::int64_t a = (14 - mois) / 12;
        const std::int64_t y = annee + 4800 - a;
        const std::int64_t mm = mois + 12 * a - 3;
        benchmark::DoNotOptimize(jour + (153 * mm + 2) / 5 + 365 * y + fdiv(y, 4) - fdiv(y, 100) +
                                 fdiv(y, 400) - 32045);
        benchmark::DoNotOptimize(annee);
        j += 9973;
        if (j > 5373484)
            j -= 5373484;
    }
}

} // namespace reference
