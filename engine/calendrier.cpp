#include "engine/calendrier.h"

#include "engine/arithmetique.h"
#include "engine/calendrierbahaiteheran.h"
#include "engine/calendrierchinois.h"
#include "engine/calendrierhebreu.h"
#include "engine/calendrieriranien.h"
#include "engine/calendriermaya.h"
#include "engine/calendrierummalqura.h"

#include <limits>
#include <utility>

namespace chronastre {

namespace {

// The two parametric formulas, written once. Each row of the table
// instantiates them with its constants known at compile time, so that every
// division by a row constant becomes a multiplication.
template <std::size_t K>
struct Formules
{
    static constexpr const ParametresCalendrier& k = parametres[K];

    // Days the Gregorian-type calendars drop, three centuries in four,
    // counted from the row's origin.
    static constexpr std::int64_t correction(std::int64_t numeroJour)
    {
        // >> 2 is the floor of a division by 4 (shifts are arithmetic in C++20).
        return ((floorDiv(4 * numeroJour + k.b, jours400Ans) * 3) >> 2) + k.c;
    }

    static DateHeure versDate(std::int64_t numeroJour)
    {
        std::int64_t f = numeroJour + k.j;
        if constexpr (k.b != 0)
            f += correction(numeroJour);
        const std::int64_t e = k.r * f + k.v;
        const std::int64_t g = floorMod(e, k.p) / k.r; // day of the year from 0, in [0, p/r)

        // Saka: the first six months of the computational year have 31 days,
        // the others 30, and the last (Chaitra) 31 in a leap year.
        std::int64_t s = k.s;
        std::int64_t w = k.w;
        std::int64_t decalage = 0;
        if constexpr (k.saka) {
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

    static std::int64_t versNumero(const DateHeure& date)
    {
        // Index of the month in the computational year, and the year count
        // offset for the months before m. Both truncate on purpose: with
        // months 1..n, (M - m - n + 1) / n is -1 for the months before m and
        // 0 from m on.
        const std::int64_t f = (k.n - k.m + date.mois()) % k.n;
        std::int64_t s = k.s;
        std::int64_t t = k.t;
        if constexpr (k.saka) {
            const std::int64_t z = f / 6;
            s = 31 - z;
            t = 5 * z;
        }
        const std::int64_t annees = date.annee() + k.y + (date.mois() - k.m - k.n + 1) / k.n;
        const std::int64_t jourPrime =
            date.jour() - 1 - k.j + (s * f + t) / k.u + floorDiv(annees * k.p + k.q, k.r);
        if constexpr (k.b == 0) {
            return jourPrime;
        } else {
            // Find the day number j whose correction versDate adds back:
            // j + corr(j) = j'. corr changes by about 2e-5 day per day, so
            // each step j <- j' - corr(j) gains five digits; the first two
            // steps settle every j' below 10^9 in magnitude (years within
            // 2.7 million of the origin; scripts/correction.cpp checks them
            // one by one), so the steps that would confirm it are spared; a
            // few more settle those up to 10^16. A date the calendar skips
            // (29 February 1900) has no such j: the steps then alternate
            // between its two neighbours and stop.
            std::int64_t avant = jourPrime - correction(jourPrime);
            std::int64_t numeroJour = jourPrime - correction(avant);
            if (jourPrime > -1'000'000'000 && jourPrime < 1'000'000'000)
                return numeroJour;
            for (int pas = 0; pas < 64; ++pas) {
                const std::int64_t suivant = jourPrime - correction(numeroJour);
                if (suivant == numeroJour || suivant == avant)
                    break;
                avant = numeroJour;
                numeroJour = suivant;
            }
            return numeroJour;
        }
    }
};

using VersDate = DateHeure (*)(std::int64_t);
using VersNumero = std::int64_t (*)(const DateHeure&);

template <std::size_t... K>
constexpr std::array<VersDate, sizeof...(K)> tableVersDate(std::index_sequence<K...>)
{
    return {&Formules<K>::versDate...};
}

template <std::size_t... K>
constexpr std::array<VersNumero, sizeof...(K)> tableVersNumero(std::index_sequence<K...>)
{
    return {&Formules<K>::versNumero...};
}

constexpr auto versDate = tableVersDate(std::make_index_sequence<nombreCalendriersParametriques>{});
constexpr auto versNumero =
    tableVersNumero(std::make_index_sequence<nombreCalendriersParametriques>{});

// The day number of a date of calendar type.
[[gnu::always_inline]] inline std::int64_t numeroDuJour(TypeCalendrier type, const DateHeure& date)
{
    if (type >= 0 && type < nombreCalendriersParametriques)
        return versNumero[static_cast<std::size_t>(type)](date);
    if (type == HEBREU)
        return CalendrierHebreu().depuisHebreu(date);
    switch (type) {
    case MAYA:
        return CalendrierMaya::depuisMaya(date);
    case IRANIEN:
        return CalendrierIranien::depuisIranien(date);
    case UMM_AL_QURA:
        return CalendrierUmmAlQura::depuisUmmAlQura(date);
    case CHINOIS:
        return CalendrierChinois::depuisChinois(date);
    case BAHAI_TEHERAN:
        return CalendrierBahaiTeheran::depuisBahaiTeheran(date);
    default:
        return 0;
    }
}

} // namespace

Calendrier::Calendrier(TypeCalendrier type) : type_(type) {}

DateHeure Calendrier::versCalendrier(std::int64_t numeroJour)
{
    if (estParametrique())
        return versDate[static_cast<std::size_t>(type_)](numeroJour);
    if (type_ == HEBREU) {
        CalendrierHebreu hebreu;
        DateHeure date = hebreu.versHebreu(numeroJour);
        date.setEmbolismique(hebreu.embolismique());
        return date;
    }
    switch (type_) {
    case MAYA:
        return CalendrierMaya::versMaya(numeroJour);
    case IRANIEN:
        return CalendrierIranien::versIranien(numeroJour);
    case UMM_AL_QURA:
        return CalendrierUmmAlQura::versUmmAlQura(numeroJour);
    case CHINOIS:
        return CalendrierChinois::versChinois(numeroJour);
    case BAHAI_TEHERAN:
        return CalendrierBahaiTeheran::versBahaiTeheran(numeroJour);
    default:
        return DateHeure();
    }
}

std::int64_t Calendrier::numeroJour(const DateHeure& date) const
{
    return numeroDuJour(type_, date);
}

std::int64_t Calendrier::depuisCalendrier(const DateHeure& date)
{
    const std::int64_t numeroJour = numeroDuJour(type_, date);
    // The cache holds a date with its own day number, whoever computed it.
    dernierJour_ = numeroJour;
    derniereDate_ = date;
    cacheValide_ = true;
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
    return Calendrier(arrivee).versCalendrier(numeroJour);
}

bool Calendrier::revient(const DateHeure& date, std::int64_t numeroJour) const
{
    return memeDate(type_, Calendrier(type_).versCalendrier(numeroJour), date) &&
           (!estEnUsage(type_) || plageDuCalendrier(type_).contient(numeroJour));
}

Plage plageDuCalendrier(TypeCalendrier type)
{
    switch (type) {
    case IRANIEN:
        return CalendrierIranien::plage();
    case UMM_AL_QURA:
        return CalendrierUmmAlQura::plage();
    case CHINOIS:
        return CalendrierChinois::plage();
    case BAHAI_TEHERAN:
        return CalendrierBahaiTeheran::plage();
    default:
        return {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()};
    }
}

bool existe(TypeCalendrier type, const DateHeure& date)
{
    // The civil calendars by their month lengths; the others come back to
    // themselves through their day number, and a calendar in use today has
    // only the days of its table (the default record comes back to itself
    // through jourHorsPlage).
    if (type == JULIEN || type == GREGORIEN)
        return Calendrier::existeCivile(type == GREGORIEN, date.annee(), date.mois(), date.jour());
    const std::int64_t numeroJour = jourDeLaDate(type, date);
    return memeDate(type, dateDuJour(type, numeroJour), date) &&
           plageDuCalendrier(type).contient(numeroJour);
}

DateHeure dateDuJour(TypeCalendrier type, std::int64_t numeroJour)
{
    if (type >= 0 && type < nombreCalendriersParametriques)
        return versDate[static_cast<std::size_t>(type)](numeroJour);
    return Calendrier(type).versCalendrier(numeroJour);
}

std::int64_t jourDeLaDate(TypeCalendrier type, const DateHeure& date)
{
    return numeroDuJour(type, date);
}

std::int64_t moisDansAnnee(TypeCalendrier type, std::int64_t annee)
{
    if (type >= 0 && type < nombreCalendriersParametriques)
        return parametres[static_cast<std::size_t>(type)].n;
    switch (type) {
    case HEBREU:
        return CalendrierHebreu::estEmbolismique(annee) ? 13 : 12;
    case IRANIEN:
        return CalendrierIranien::anneeDansLaPlage(annee) ? 12 : 0;
    case UMM_AL_QURA:
        return CalendrierUmmAlQura::anneeDansLaPlage(annee) ? 12 : 0;
    case CHINOIS:
        return CalendrierChinois::moisDansAnnee(annee);
    case BAHAI_TEHERAN:
        return CalendrierBahaiTeheran::anneeDansLaPlage(annee) ? 20 : 0;
    default:
        return 0;
    }
}

std::int64_t joursDuMois(TypeCalendrier type, std::int64_t annee, std::int64_t mois)
{
    // The calendars in use today know their months; the last of a table
    // has no next year to end at.
    switch (type) {
    case IRANIEN:
        return CalendrierIranien::joursDuMois(annee, mois);
    case UMM_AL_QURA:
        return CalendrierUmmAlQura::joursDuMois(annee, mois);
    case CHINOIS:
        return CalendrierChinois::joursDuMois(annee, mois);
    case BAHAI_TEHERAN:
        return CalendrierBahaiTeheran::joursDuMois(annee, mois);
    default:
        break;
    }
    const std::int64_t nombre = moisDansAnnee(type, annee);
    if (mois < 1 || mois > nombre || !existe(type, DateHeure(annee, mois, 1)))
        return 0;
    // Every year of these calendars opens with its month 1: the month ends
    // where the next month, or the next year, begins.
    Calendrier calendrier(type);
    const std::int64_t premier = calendrier.depuisCalendrier(DateHeure(annee, mois, 1));
    const DateHeure suivant =
        mois < nombre ? DateHeure(annee, mois + 1, 1) : DateHeure(annee + 1, 1, 1);
    return calendrier.depuisCalendrier(suivant) - premier;
}

} // namespace chronastre
