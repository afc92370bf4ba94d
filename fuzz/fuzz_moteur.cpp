// The engine fed any kind, date and day number of the 32-bit range: no
// undefined behaviour (the sanitizers watch), and the invariants of every
// calendar hold.

#include "engine/calendrier.h"
#include "engine/calendrierhebreu.h"
#include "engine/calendriermaya.h"
#include "engine/comput.h"
#include "engine/romain.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

using namespace chronastre;

namespace {

void verifier(bool condition)
{
    if (!condition)
        std::abort();
}

// A day number into every calendar and back.
void numeroJour(std::int64_t j)
{
    for (int k = 0; k < nombreCalendriers; ++k) {
        const auto type = static_cast<TypeCalendrier>(k);
        Calendrier c(type);
        const DateHeure d = c.versCalendrier(j);
        if (k < nombreCalendriersParametriques) {
            verifier(c.depuisCalendrier(d) == j);
            verifier(d.mois() >= 1 && d.mois() <= parametres[static_cast<std::size_t>(k)].n);
            verifier(d.jour() >= 1 && d.jour() <= 31);
            // The next day is the next date.
            const DateHeure suivant = c.versCalendrier(j + 1);
            verifier((suivant.jour() == d.jour() + 1 && suivant.mois() == d.mois()) ||
                     suivant.jour() == 1);
        } else if (type == HEBREU) {
            if (j < 347998) {
                verifier(d.annee() == -9999 && d.mois() == -1 && d.jour() == -1);
                continue;
            }
            verifier(c.depuisCalendrier(d) == j);
            verifier(d.mois() >= 1 && d.mois() <= (d.embolismique() ? 13 : 12));
            verifier(d.jour() >= 1 && d.jour() <= 30);
        } else if (estEnUsage(type)) {
            // A calendar in use today: its table's days, nothing beyond.
            if (!plageDuCalendrier(type).contient(j)) {
                verifier(d.annee() == -9999 && d.mois() == -1 && d.jour() == -1);
                continue;
            }
            verifier(c.depuisCalendrier(d) == j);
            verifier(d.mois() >= 1 && d.mois() <= moisDansAnnee(type, d.annee()));
            verifier(d.jour() >= 1 && d.jour() <= joursDuMois(type, d.annee(), d.mois()));
        } else {
            if (j < CalendrierMaya::epoque) {
                verifier(d.nombreTzolkin() == -1 && d.kin() == -1);
                continue;
            }
            verifier(d.nombreTzolkin() >= 1 && d.nombreTzolkin() <= 13);
            verifier(d.jourTzolkin() >= 1 && d.jourTzolkin() <= 20);
            verifier(d.moisHaab() >= 0 && d.moisHaab() <= 18);
            verifier(d.jourHaab() >= 0 && d.jourHaab() <= (d.moisHaab() == 18 ? 4 : 19));
            const DateHeure ronde(d.nombreTzolkin(), d.jourTzolkin(), d.jourHaab(), d.moisHaab(),
                                  d.compteCalendaire(), 0, 0, 0, 0, 0, 0);
            verifier(CalendrierMaya::depuisMaya(ronde) == j);
            const std::int64_t modulo = 20LL * 18 * 20 * 20 * 20 * 20;
            const DateHeure compteLong(0, 0, 0, 0, 0, d.kin(), d.uinal(), d.tun(), d.katun(),
                                       d.baktun(), d.pictun());
            verifier((CalendrierMaya::depuisMaya(compteLong) - j) % modulo == 0);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    FuzzedDataProvider entree(donnees, taille);
    const auto type =
        static_cast<TypeCalendrier>(entree.ConsumeIntegralInRange(0, nombreCalendriers - 1));
    const auto annee = entree.ConsumeIntegral<std::int32_t>();
    const auto mois = entree.ConsumeIntegral<std::int32_t>();
    const auto jour = entree.ConsumeIntegral<std::int32_t>();
    const auto heure = entree.ConsumeIntegral<std::int32_t>();
    const auto minutes = entree.ConsumeIntegral<std::int32_t>();
    const auto secondes = entree.ConsumeIntegral<std::int32_t>();
    const auto j = entree.ConsumeIntegral<std::int32_t>();

    numeroJour(j);

    // Any 32-bit date, of any calendar, into every calendar (a Maya source
    // reads its fields as a long count).
    const DateHeure date =
        type == MAYA ? CalendrierMaya::compteLong(secondes, minutes, heure, jour, mois, annee)
                     : DateHeure(annee, mois, jour);
    Calendrier source(type);
    for (int k = 0; k < nombreCalendriers; ++k)
        source.convertir(static_cast<TypeCalendrier>(k), date);
    const std::int64_t n = source.dernierJour();
    if (type < nombreCalendriersParametriques) {
        // A date read back from its day number gives the same day number.
        verifier(source.depuisCalendrier(source.versCalendrier(n)) == n);
    }
    CalendrierHebreu hebreu;
    hebreu.depuisHebreu(DateHeure(annee, mois, jour));
    CalendrierMaya::depuisMaya(
        DateHeure(annee, mois, jour, heure, minutes, secondes, 0, 0, 0, 0, 0));

    // The civil moment of JOUR and of the window.
    DateHeure moment(annee, mois, jour, heure, minutes, secondes);
    moment.calculerJourJulien();
    moment.calculerJourSemaine();
    moment.calculerJourAnnee();
    verifier(moment.jourSemaine() >= 0 && moment.jourSemaine() <= 6);

    // Easter and the computus of any year.
    Paques paques;
    paques.calculer(annee);
    Comput comput;
    comput.calculer(annee);
    if (annee >= 1) {
        const int quantieme = paques.mois() == 3 ? paques.jour() : 31 + paques.jour();
        verifier((paques.mois() == 3 || paques.mois() == 4) && quantieme >= 22 && quantieme <= 56);
        verifier(comput.epacte() >= 0 && comput.epacte() <= 29);
        verifier(comput.nombreOr() >= 1 && comput.nombreOr() <= 19);
        verifier(comput.cycleSolaire() >= 1 && comput.cycleSolaire() <= 28);
        verifier(comput.indictionRomaine() >= 1 && comput.indictionRomaine() <= 15);
        verifier(!comput.lettreDominicale().empty());
    } else {
        verifier(paques.mois() == 0 && comput.nombreOr() == -1);
    }

    // Roman names and numerals; the numerals of huge values are megabytes
    // long, so they are fed values up to ten million.
    constexpr std::int32_t borne = 10000000;
    const DateHeure romain(annee % borne, mois, jour % borne);
    verifier(!nommerJourRomain(romain, heure % 2 == 0).empty());
    const std::string chiffres = chiffresRomains(minutes % borne);
    verifier(!chiffres.empty());
    return 0;
}
