#include "engine/calendriermaya.h"

namespace chronastre {

DateHeure CalendrierMaya::versMaya(std::int64_t numeroJour)
{
    if (numeroJour < epoque)
        return DateHeure();
    const std::int64_t d = numeroJour - epoque; // d >= 0
    const std::int64_t r = d % joursCycle;      // day within the 52-year cycle
    const std::int64_t haab = (r + 348) % 365;

    // Long count places from kin up: 20 kin, 18 uinal, then 20 of each.
    // pictun keeps only its remainder modulo 20.
    const std::int64_t kin = d % 20;
    const std::int64_t uinal = d / 20 % 18;
    const std::int64_t tun = d / 360 % 20;
    const std::int64_t katun = d / 7200 % 20;
    const std::int64_t baktun = d / 144000 % 20;
    const std::int64_t pictun = d / 2880000 % 20;
    return DateHeure((r + 3) % 13 + 1, (r + 19) % 20 + 1, haab % 20, haab / 20, d / joursCycle, kin,
                     uinal, tun, katun, baktun, pictun);
}

std::int64_t CalendrierMaya::depuisMaya(const DateHeure& date)
{
    if (date.nombreTzolkin() == 0) {
        return epoque + date.kin() +
               20 * (date.uinal() +
                     18 * (date.tun() +
                           20 * (date.katun() + 20 * (date.baktun() + 20 * date.pictun()))));
    }
    const std::int64_t n = date.nombreTzolkin();
    const std::int64_t t = date.jourTzolkin();
    // Position in the tzolkin: congruent to n + 9 modulo 13 and to t modulo 20.
    const std::int64_t tzolkin = (n + 13 * ((3 * (n - t) + 60) % 20) + 100) % 260;
    // Position in the haab year.
    const std::int64_t haab = (date.jourHaab() + 20 * date.moisHaab() + 17) % 365;
    // The haab year within the 52-year cycle.
    const std::int64_t annee = (364 - haab + tzolkin) % 52;
    return epoque + joursCycle * date.compteCalendaire() + haab + 365 * annee;
}

} // namespace chronastre
