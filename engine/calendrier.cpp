#include "engine/calendrier.h"

#include "engine/arithmetique.h"
#include "engine/calendrierhebreu.h"
#include "engine/calendriermaya.h"

namespace chronastre {

Calendrier::Calendrier(TypeCalendrier type) : type_(type) {}

std::int64_t Calendrier::correction(std::int64_t numeroJour) const
{
    // Days the Gregorian-type calendars drop, three centuries in four,
    // counted from the row's origin.
    return floorDiv(floorDiv(4 * numeroJour + p().b, jours400Ans) * 3, 4) + p().c;
}

DateHeure Calendrier::versCalendrier(std::int64_t numeroJour)
{
    if (type_ == HEBREU) {
        CalendrierHebreu hebreu;
        DateHeure date = hebreu.versHebreu(numeroJour);
        date.setEmbolismique(hebreu.embolismique());
        return date;
    }
    if (type_ == MAYA)
        return CalendrierMaya::versMaya(numeroJour);
    if (!estParametrique())
        return DateHeure();

    const ParametresCalendrier& k = p();
    std::int64_t f = numeroJour + k.j;
    if (k.b != 0) {
        derniereCorrection_ = correction(numeroJour);
        f += derniereCorrection_;
    }
    const std::int64_t e = k.r * f + k.v;
    const std::int64_t g = floorMod(e, k.p) / k.r; // day of the year from 0, in [0, p/r)

    // Saka: the first six months of the computational year have 31 days, the
    // others 30, and the last (Chaitra) 31 in a leap year.
    std::int64_t s = k.s;
    std::int64_t w = k.w;
    std::int64_t decalage = 0;
    if (k.saka) {
        const std::int64_t x = g / 365;
        const std::int64_t z = g / 185 - x;
        s = 31 - z;
        w = -5 * z;
        decalage = 6 * x;
    }
    const std::int64_t h = k.u * g + w; // h >= 0
    const std::int64_t jour = (decalage + h % s) / k.u + 1;
    const std::int64_t mois = (k.m + h / s - 1) % k.n + 1;
    const std::int64_t annee = floorDiv(e, k.p) - k.y + (k.n + k.m - 1 - mois) / k.n;
    return DateHeure(annee, mois, jour);
}

std::int64_t Calendrier::depuisCalendrier(const DateHeure& date)
{
    std::int64_t numeroJour = 0;
    if (type_ == HEBREU) {
        numeroJour = CalendrierHebreu().depuisHebreu(date);
    } else if (type_ == MAYA) {
        numeroJour = CalendrierMaya::depuisMaya(date);
    } else if (estParametrique()) {
        const ParametresCalendrier& k = p();
        // Index of the month in the computational year, and the year count
        // offset for the months before m. Both truncate on purpose: with
        // months 1..n every operand of the year term (M - m - n + 1) / n is
        // negative and truncation gives the right -1 or 0.
        const std::int64_t f = (k.n - k.m + date.mois()) % k.n;
        std::int64_t s = k.s;
        std::int64_t t = k.t;
        if (k.saka) {
            const std::int64_t z = f / 6;
            s = 31 - z;
            t = 5 * z;
        }
        const std::int64_t annees = date.annee() + k.y + (date.mois() - k.m - k.n + 1) / k.n;
        const std::int64_t jourPrime =
            date.jour() - 1 - k.j + (s * f + t) / k.u + floorDiv(annees * k.p + k.q, k.r);
        numeroJour = jourPrime;
        if (k.b != 0) {
            // Find the day number j whose correction versCalendrier adds back:
            // j + corr(j) = j'. corr changes by about 2e-5 day per day, so each
            // step j <- j' - corr(j) gains five digits; the first two steps
            // settle every day number below 10^9, a few more those up to 10^16.
            // A date the calendar skips (29 February 1900) has no such j: the
            // steps then alternate between its two neighbours and stop.
            std::int64_t avant = jourPrime - correction(jourPrime);
            numeroJour = jourPrime - correction(avant);
            for (int pas = 0; pas < 64; ++pas) {
                const std::int64_t suivant = jourPrime - correction(numeroJour);
                if (suivant == numeroJour || suivant == avant)
                    break;
                avant = numeroJour;
                numeroJour = suivant;
            }
            derniereCorrection_ = jourPrime - numeroJour;
        }
    }
    dernierJour_ = numeroJour;
    return numeroJour;
}

DateHeure Calendrier::convertir(TypeCalendrier arrivee, const DateHeure& date)
{
    // A Maya date lives in the Maya fields, which the six others do not carry.
    const bool memeDate = cacheValide_ && date.memeMoment(derniereDate_) &&
                          (type_ != MAYA || date.memeMaya(derniereDate_));
    std::int64_t numeroJour = dernierJour_;
    if (!memeDate) {
        numeroJour = depuisCalendrier(date);
        ++calculsJour_;
    }
    derniereDate_ = date;
    cacheValide_ = true;
    return Calendrier(arrivee).versCalendrier(numeroJour);
}

} // namespace chronastre
