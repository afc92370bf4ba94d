#include "texte/rendu.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/romain.h"
#include "names/noms.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <string_view>

namespace chronastre::texte {

namespace {

std::string nombre(std::int64_t n)
{
    return std::to_string(n);
}

// The name of number numero in a table whose first entry is numero premier;
// a number outside the table is written in figures, so that an unexpected
// result still reads as something and never reads past the table.
template <std::size_t N>
std::string nom(const std::array<noms::Nom, N>& table, std::int64_t numero,
                std::int64_t premier = 0)
{
    const noms::Nom trouve = noms::nomA(table, numero - premier);
    return trouve.empty() ? nombre(numero) : std::string(trouve);
}

// Months are numbered from 1.
template <std::size_t N>
std::string nomMois(const std::array<noms::Nom, N>& table, std::int64_t mois)
{
    return nom(table, mois, 1);
}

// The parts joined by single blanks.
std::string joindre(std::initializer_list<std::string_view> parties)
{
    std::size_t longueur = parties.size();
    for (const std::string_view partie : parties)
        longueur += partie.size();
    std::string texte;
    texte.reserve(longueur);
    for (const std::string_view partie : parties) {
        if (!texte.empty())
            texte += ' ';
        texte += partie;
    }
    return texte;
}

std::string maya(const DateHeure& d, const std::string& tzolkin, const std::string& haab)
{
    return nombre(d.pictun()) + '.' + nombre(d.baktun()) + '.' + nombre(d.katun()) + '.' +
           nombre(d.tun()) + '.' + nombre(d.uinal()) + '.' + nombre(d.kin()) + ", " +
           nombre(d.nombreTzolkin()) + ' ' + tzolkin + ' ' + nombre(d.jourHaab()) + ' ' + haab;
}

// "Y / MM / DD", the year padded to largeurAnnee.
std::string formeNumerique(const DateHeure& d, int largeurAnnee)
{
    return nombreComplete(d.annee(), largeurAnnee) + " / " + nombreComplete(d.mois(), 2) + " / " +
           nombreComplete(d.jour(), 2);
}

// "W D N Y": weekday, day, month name and year.
template <std::size_t J>
std::string semaineJourMoisAnnee(const std::array<noms::Nom, J>& jours, std::int64_t jourSemaine,
                                 const DateHeure& d, const std::string& mois)
{
    return joindre({nom(jours, jourSemaine), nombre(d.jour()), mois, nombre(d.annee())});
}

// Julian and Gregorian: "Samedi 1er Janvier 2000", the year as given.
std::string civil(const DateHeure& d, std::int64_t jourSemaine, const std::string& annee)
{
    return joindre({nom(noms::joursFrancais, jourSemaine),
                    d.jour() == 1 ? std::string("1er") : nombre(d.jour()),
                    nomMois(noms::moisFrancais, d.mois()), annee});
}

// "Primidi 1 Vendémiaire VIII (8)".
std::string republicain(const DateHeure& d)
{
    return joindre({nom(noms::joursDecade, floorMod(d.jour() - 1, 10)), nombre(d.jour()),
                    nomDuMois(REPUBLICAIN, d.mois(), false),
                    chiffresRomains(sature32(d.annee()))}) +
           " (" + nombre(d.annee()) + ')';
}

constexpr std::string_view avantCreation = "Date antérieure à la création du monde";
constexpr std::string_view ancienneEpoque = "Ancienne époque";

} // namespace

std::string nombreComplete(std::int64_t n, int largeur)
{
    // The magnitude as unsigned: the most negative value has no opposite.
    const auto magnitude =
        n < 0 ? 0 - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
    std::string chiffres = std::to_string(magnitude);
    const int signe = n < 0 ? 1 : 0;
    const int manque = largeur - signe - static_cast<int>(chiffres.size());
    if (manque > 0)
        chiffres.insert(0, static_cast<std::size_t>(manque), '0');
    return signe ? '-' + chiffres : chiffres;
}

std::string ligneDate(const DateHeure& moment)
{
    return nom(noms::joursFrancais, moment.jourSemaine()) + ' ' + nombre(moment.jour()) +
           (moment.jour() == 1 ? "er" : "") + ' ' + nomMois(noms::moisFrancais, moment.mois()) +
           ' ' + nombre(moment.annee()) + "  " + nombreComplete(moment.heure(), 2) + ':' +
           nombreComplete(moment.minutes(), 2) + ':' + nombreComplete(moment.secondes(), 2);
}

std::string ligneDate(const DateHeure& moment, std::int64_t jourSemaine)
{
    return nom(noms::joursFrancais, jourSemaine) + ' ' + nombre(moment.jour()) +
           (moment.jour() == 1 ? "er" : "") + ' ' + nomMois(noms::moisFrancais, moment.mois()) +
           ' ' + nombre(moment.annee()) + "  " + nombreComplete(moment.heure(), 2) + ':' +
           nombreComplete(moment.minutes(), 2) + ':' + nombreComplete(moment.secondes(), 2);
}

std::string decimalesFixes(double valeur, int decimales)
{
    // Room for the 309 digits of the largest double, a sign, a point and the
    // decimals asked (at most 80 here).
    char chiffres[400];
    const auto [fin, erreur] = std::to_chars(chiffres, chiffres + sizeof chiffres, valeur,
                                             std::chars_format::fixed, decimales);
    return erreur == std::errc() ? std::string(chiffres, fin) : std::string();
}

std::string texteJourJulien(double jourJulien)
{
    // The exact decimal expansion of the double (a double below 2^53 has at
    // most 52 fractional binary digits, so 80 decimals hold it whole), then
    // the fifth decimal rounded, a tie away from zero.
    std::string texte = decimalesFixes(jourJulien, 80);
    const std::size_t point = texte.find('.');
    if (point == std::string::npos)
        return texte; // inf, nan, or beyond the buffer
    const bool arrondiHaut = texte[point + 6] >= '5';
    texte.resize(point + 6);
    for (std::size_t i = texte.size(); arrondiHaut && i-- > 0;) {
        char& chiffre = texte[i];
        if (chiffre == '.')
            continue;
        if (chiffre != '9') {
            ++chiffre;
            break;
        }
        chiffre = '0';
        if (i == 0 || texte[i - 1] == '-') {
            texte.insert(i, 1, '1');
            break;
        }
    }
    return texte;
}

std::string texteDateCivile(const DateHeure& civile, std::int64_t jourSemaine)
{
    const bool avant = civile.annee() < 1;
    return civil(civile, jourSemaine, nombre(avant ? 1 - civile.annee() : civile.annee())) +
           (avant ? " avant J. C." : " après J. C.");
}

std::string texteDimanchePaques(int jour, int mois)
{
    return nombre(jour) + ' ' + nomMois(noms::moisFrancais, mois);
}

std::string nomDuMois(TypeCalendrier type, std::int64_t mois, bool embolismique)
{
    switch (type) {
    case ARMENIEN:
        return nomMois(noms::moisArmeniens, mois);
    case EGYPTIEN:
        return nomMois(noms::moisEgyptiens, mois);
    case KHWARIZMIEN:
    case PERSE:
        // Twelve named months, and the epagomenal days that close the year.
        return mois == 13 ? std::string(noms::epagomenesPerses) : nomMois(noms::moisPerses, mois);
    case COPTE:
        return nomMois(noms::moisCoptes, mois);
    case ETHIOPIEN:
        return nomMois(noms::moisEthiopiens, mois);
    case JULIEN:
    case GREGORIEN:
        return nomMois(noms::moisFrancais, mois);
    case MACEDONIEN:
        return nomMois(noms::moisMacedoniens, mois);
    case BAHAI:
        return nomMois(noms::moisBahais, mois);
    case REPUBLICAIN:
        // Month 13 holds the complementary days.
        return mois == 13 ? std::string(noms::sansculotides)
                          : nomMois(noms::moisRepublicains, mois);
    case SAKA:
        return nomMois(noms::moisSaka, mois);
    case ISLAMIQUE_A:
    case ISLAMIQUE_B:
        return nomMois(noms::moisIslamiques, mois);
    case ROMAIN_I:
    case ROMAIN_II:
        return nomMois(noms::moisRomains, mois);
    case HEBREU:
        // A 13-month year inserts Veadar as month 7; the months after it
        // shift by one.
        if (embolismique && mois == 7)
            return std::string(noms::veadar);
        return nomMois(noms::moisHebreux, embolismique && mois > 7 ? mois - 1 : mois);
    case SYRIEN:
        return nombreComplete(mois, 2); // this calendar has no names
    case MAYA:
    case CALENDRIER_INCONNU:
        break;
    }
    return nombre(mois);
}

bool bissextileRomainI(std::int64_t annee)
{
    return joursDuMois(ROMAIN_I, annee, 2) == 29;
}

std::string texteCalendrier(TypeCalendrier type, const DateHeure& d, std::int64_t jourSemaine,
                            bool numerique)
{
    if (type == HEBREU && d.annee() < 1)
        return std::string(avantCreation);
    if (type == MAYA) {
        if (d.nombreTzolkin() < 1)
            return std::string(ancienneEpoque);
        if (numerique)
            return maya(d, nombre(d.jourTzolkin()), nombre(d.moisHaab()));
        return maya(d, nom(noms::nomsTzolkin, d.jourTzolkin(), 1),
                    nom(noms::nomsHaab, d.moisHaab()));
    }
    if (numerique)
        return formeNumerique(d, 4);

    const std::string mois = nomDuMois(type, d.mois(), d.embolismique());
    switch (type) {
    case ARMENIEN:
        return semaineJourMoisAnnee(noms::joursArmeniens, jourSemaine, d, mois);
    case EGYPTIEN:
    case MACEDONIEN:
        return joindre({nombre(d.jour()), mois, nombre(d.annee())}); // no weekday
    case KHWARIZMIEN:
    case PERSE:
        return semaineJourMoisAnnee(noms::joursPerses, jourSemaine, d, mois);
    case COPTE:
        return semaineJourMoisAnnee(noms::joursCoptes, jourSemaine, d, mois);
    case ETHIOPIEN:
        return semaineJourMoisAnnee(noms::joursEthiopiens, jourSemaine, d, mois);
    case JULIEN:
    case GREGORIEN:
        return civil(d, jourSemaine, nombre(d.annee()));
    case SYRIEN:
        return formeNumerique(d, 0); // no names: figures, the year unpadded
    case BAHAI:
        return semaineJourMoisAnnee(noms::joursBahais, jourSemaine, d, mois);
    case REPUBLICAIN:
        return republicain(d);
    case SAKA:
        return semaineJourMoisAnnee(noms::joursSaka, jourSemaine, d, mois);
    case ISLAMIQUE_A:
    case ISLAMIQUE_B:
        return semaineJourMoisAnnee(noms::joursIslamiques, jourSemaine, d, mois);
    case ROMAIN_I:
        return nommerJourRomain(d, bissextileRomainI(d.annee()));
    case ROMAIN_II:
        return nommerJourRomain(d, false);
    case HEBREU:
        return semaineJourMoisAnnee(noms::joursHebreux, jourSemaine, d, mois);
    case MAYA:
    case CALENDRIER_INCONNU:
        break;
    }
    return {};
}

} // namespace chronastre::texte
