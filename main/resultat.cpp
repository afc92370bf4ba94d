#include "main/resultat.h"

#include "engine/calendrier.h"
#include "engine/calendrierchinois.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace chronastre {

namespace {

// "00" to "99".
constexpr std::array<char, 200> paires = [] {
    std::array<char, 200> p{};
    for (int n = 0; n < 100; ++n) {
        p[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
        p[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
    }
    return p;
}();

// n in decimal; the small numbers of a date two digits at a time.
[[gnu::always_inline]] inline char* ecrireEntier(std::int64_t n, char* p)
{
    const auto u = static_cast<std::uint64_t>(n); // a negative n is huge here
    if (u < 100) {
        // Without a branch on the digit count, which random dates would
        // mispredict: two bytes copied, one or two kept.
        const std::uint64_t deux = u >= 10 ? 1 : 0;
        std::memcpy(p, paires.data() + 2 * u + 1 - deux, 2);
        return p + 1 + deux;
    }
    if (u < 10000) {
        const std::uint64_t haut = u / 100;
        if (haut >= 10) {
            std::memcpy(p, paires.data() + 2 * haut, 2);
            p += 2;
        } else {
            *p++ = static_cast<char>('0' + haut);
        }
        std::memcpy(p, paires.data() + 2 * (u % 100), 2);
        return p + 2;
    }
    return std::to_chars(p, p + 20, n).ptr;
}

} // namespace

char* ecrireResultat(TypeCalendrier arrivee, const DateHeure& d, char* p)
{
    if (arrivee == MAYA) {
        // "pictun.baktun.katun.tun.uinal.kin, tzolkin haab", written out.
        p = ecrireEntier(d.pictun(), p);
        *p++ = '.';
        p = ecrireEntier(d.baktun(), p);
        *p++ = '.';
        p = ecrireEntier(d.katun(), p);
        *p++ = '.';
        p = ecrireEntier(d.tun(), p);
        *p++ = '.';
        p = ecrireEntier(d.uinal(), p);
        *p++ = '.';
        p = ecrireEntier(d.kin(), p);
        *p++ = ',';
        *p++ = ' ';
        p = ecrireEntier(d.nombreTzolkin(), p);
        *p++ = ' ';
        p = ecrireEntier(d.jourTzolkin(), p);
        *p++ = ' ';
        p = ecrireEntier(d.jourHaab(), p);
        *p++ = ' ';
        return ecrireEntier(d.moisHaab(), p);
    }
    if (estEnUsage(arrivee) && d.mois() < 1)
        return p; // outside the table
    p = ecrireEntier(d.annee(), p);
    *p++ = ' ';
    if (arrivee == CHINOIS) {
        const MoisChinois m = CalendrierChinois::numeroMois(d.annee(), d.mois());
        p = ecrireEntier(m.numero, p);
        if (m.intercalaire)
            *p++ = 'i';
    } else {
        p = ecrireEntier(d.mois(), p);
    }
    *p++ = ' ';
    return ecrireEntier(d.jour(), p);
}

} // namespace chronastre
