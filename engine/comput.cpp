#include "engine/comput.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/dateheure.h"

namespace chronastre {

namespace {

// Gregorian lunar equation (the Metonic cycle's drift, 8 days in 2500 years).
// Floor divisions, so that centuries before the era follow the same rule.
constexpr std::int64_t equationLunaire(std::int64_t siecle)
{
    return floorDiv(siecle - floorDiv(siecle + 8, 25) + 1, 3);
}

} // namespace

DatePaques paquesSelon(std::int64_t annee, bool gregorien)
{
    std::int64_t n = 0; // days from 1 January to Easter Sunday, counted as month * 31 + day - 1
    if (!gregorien) {
        const std::int64_t d = (19 * floorMod(annee, 19) + 15) % 30;
        const std::int64_t e = (2 * floorMod(annee, 4) + 4 * floorMod(annee, 7) - d + 34) % 7;
        n = d + e + 114;
    } else {
        const std::int64_t a = floorMod(annee, 19);
        const std::int64_t b = floorDiv(annee, 100);
        const std::int64_t c = floorMod(annee, 100);
        // b - b / 4 - equation stays within b's magnitude: no overflow.
        const std::int64_t h = floorMod(19 * a + b - floorDiv(b, 4) - equationLunaire(b) + 15, 30);
        const std::int64_t l = (32 + 2 * floorMod(b, 4) + 2 * (c / 4) - h - c % 4) % 7; // >= 0
        const std::int64_t m = (a + 11 * h + 22 * l) / 451;
        n = h + l - 7 * m + 114;
    }
    return {static_cast<int>(n / 31), static_cast<int>(n % 31 + 1)};
}

int epacteSelon(std::int64_t annee, bool gregorien)
{
    std::int64_t epacte = 11 * floorMod(annee, 19) + 8;
    if (gregorien) {
        // Lunar and solar equations: the same correction as the Easter
        // computation, so the epact always matches the Easter date.
        const std::int64_t siecle = floorDiv(annee, 100);
        epacte += equationLunaire(siecle) - siecle + floorDiv(siecle, 4);
    }
    return static_cast<int>(floorMod(epacte, 30));
}

std::string lettresDominicales(std::int64_t annee, bool gregorien)
{
    // Day numbers stay exact (below 10^16) up to 2 * 10^13 years.
    constexpr std::int64_t limite = 20'000'000'000'000;
    if (annee < -limite || annee > limite)
        return {};
    Calendrier calendrier(gregorien ? GREGORIEN : JULIEN);
    const std::int64_t janvier = calendrier.depuisCalendrier({annee, 1, 1});
    const std::int64_t longueur = calendrier.depuisCalendrier({annee + 1, 1, 1}) - janvier;
    // Letter of the first Sunday: Sunday A, Saturday B, ..., Monday G.
    const char lettre = "AGFEDCB"[jourSemaine(janvier)];
    if (longueur == 365)
        return std::string(1, lettre);
    return {lettre, lettre == 'A' ? 'G' : static_cast<char>(lettre - 1)};
}

void Comput::calculer(std::int64_t annee)
{
    calculerSelon(annee, anneeGregorienne(annee));
}

void Comput::calculerSelon(std::int64_t annee, bool gregorien)
{
    if (annee <= 0)
        return;
    nombreOr_ = static_cast<int>(annee % 19 + 1);
    epacte_ = epacteSelon(annee, gregorien);
    // annee % 28 first: annee + 8 would overflow near the largest year.
    cycleSolaire_ = static_cast<int>((annee % 28 + 8) % 28 + 1);
    indictionRomaine_ = static_cast<int>(floorMod(annee - 313, 15) + 1);
    lettreDominicale_ = lettresDominicales(annee, gregorien);
}

void Paques::calculer(std::int64_t annee)
{
    if (annee <= 0)
        return;
    const DatePaques paques = paquesSelon(annee, anneeGregorienne(annee));
    mois_ = paques.mois;
    jour_ = paques.jour;
}

} // namespace chronastre
