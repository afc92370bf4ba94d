#include "engine/comput.h"

#include "engine/arithmetique.h"
#include "engine/dateheure.h"

namespace chronastre {

namespace {

// Gregorian lunar equation (the Metonic cycle's drift, 8 days in 2500 years).
constexpr std::int64_t equationLunaire(std::int64_t siecle)
{
    return (siecle - (siecle + 8) / 25 + 1) / 3;
}

} // namespace

void Comput::calculer(std::int64_t annee)
{
    if (annee <= 0)
        return;
    const std::int64_t or19 = annee % 19;
    nombreOr_ = static_cast<int>(or19 + 1);

    std::int64_t epacte = 11 * or19 + 8;
    if (anneeGregorienne(annee)) {
        // Lunar and solar equations: the same correction as the Easter
        // computation, so the epact always matches the Easter date.
        const std::int64_t siecle = annee / 100;
        epacte += equationLunaire(siecle) - siecle + siecle / 4;
    }
    epacte_ = static_cast<int>(floorMod(epacte, 30));
    cycleSolaire_ = static_cast<int>((annee + 8) % 28 + 1);
    indictionRomaine_ = static_cast<int>(floorMod(annee - 313, 15) + 1);

    DateHeure premierJanvier(annee, 1, 1);
    premierJanvier.calculerJourJulien();
    premierJanvier.calculerJourSemaine();
    // Letter of the first Sunday: Sunday A, Saturday B, ..., Monday G.
    const std::int64_t g = premierJanvier.jourSemaine() == 0 ? 8 : premierJanvier.jourSemaine() + 1;
    const char lettre = static_cast<char>(73 - g);
    if (!estBissextile(annee))
        lettreDominicale_ = std::string(1, lettre);
    else if (lettre == 'A')
        lettreDominicale_ = "AG";
    else
        lettreDominicale_ = {lettre, static_cast<char>(lettre - 1)};
}

void Paques::calculer(std::int64_t annee)
{
    if (annee <= 0)
        return;
    std::int64_t n = 0; // days from 1 January to Easter Sunday, counted as month * 31 + day - 1
    if (!anneeGregorienne(annee)) {
        const std::int64_t d = (19 * (annee % 19) + 15) % 30;
        const std::int64_t e = (2 * (annee % 4) + 4 * (annee % 7) - d + 34) % 7;
        n = d + e + 114;
    } else {
        const std::int64_t a = annee % 19;
        const std::int64_t b = annee / 100;
        const std::int64_t c = annee % 100;
        const std::int64_t h = (19 * a + b - b / 4 - equationLunaire(b) + 15) % 30;
        const std::int64_t l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
        const std::int64_t m = (a + 11 * h + 22 * l) / 451;
        n = h + l - 7 * m + 114;
    }
    mois_ = static_cast<int>(n / 31);
    jour_ = static_cast<int>(n % 31 + 1);
}

} // namespace chronastre
