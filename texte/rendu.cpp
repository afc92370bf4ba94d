#include "texte/rendu.h"

#include "engine/arithmetique.h"
#include "engine/calendrier.h"
#include "engine/calendrierchinois.h"
#include "engine/romain.h"
#include "names/noms.h"
#include "names/noms_usage.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
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

// The longest name of a table.
template <std::size_t N>
constexpr std::size_t plusLong(const std::array<noms::Nom, N>& table)
{
    std::size_t n = 0;
    for (const noms::Nom nom : table)
        n = std::max(n, nom.size());
    return n;
}

// Julian and Gregorian: "Samedi 1er Janvier 2000", the year as given, at
// the end of texte; the form the listings write most, built in a buffer
// and added at once. A weekday or a month outside the tables is written in
// figures, as nom() writes it.
void ajouterCivil(std::string& texte, const DateHeure& d, std::int64_t jourSemaine,
                  std::int64_t annee)
{
    // Two names, three blanks, three numbers of at most 20 bytes.
    std::array<char, plusLong(noms::joursFrancais) + plusLong(noms::moisFrancais) + 3 + 3 * 20>
        tampon;
    char* p = tampon.data();
    const auto nombre = [&p](std::int64_t n) {
        p = std::to_chars(p, p + 20, n).ptr;
    };
    const auto nomOuNombre = [&](noms::Nom nom, std::int64_t n) {
        if (nom.empty()) {
            nombre(n);
            return;
        }
        std::memcpy(p, nom.data(), nom.size());
        p += nom.size();
    };
    nomOuNombre(noms::nomA(noms::joursFrancais, jourSemaine), jourSemaine);
    *p++ = ' ';
    if (d.jour() == 1)
        nomOuNombre("1er", 1);
    else
        nombre(d.jour());
    *p++ = ' ';
    nomOuNombre(noms::nomA(noms::moisFrancais, d.mois() - 1), d.mois());
    *p++ = ' ';
    nombre(annee);
    texte.append(tampon.data(), static_cast<std::size_t>(p - tampon.data()));
}

std::string civil(const DateHeure& d, std::int64_t jourSemaine, std::int64_t annee)
{
    std::string texte;
    texte.reserve(48);
    ajouterCivil(texte, d, jourSemaine, annee);
    return texte;
}

// "Primidi 1 Vendémiaire VIII (8)".
std::string republicain(const DateHeure& d)
{
    return joindre({nom(noms::joursDecade, floorMod(d.jour() - 1, 10)), nombre(d.jour()),
                    nomDuMois(REPUBLICAIN, d.mois(), false),
                    chiffresRomains(sature32(d.annee()))}) +
           " (" + nombre(d.annee()) + ')';
}

// "1er", "2e": the ordinal of n in figures.
std::string ordinal(std::int64_t n)
{
    return nombre(n) + (n == 1 ? "er" : "e");
}

// The civil date of a day in running text: "1er août 1924".
std::string dateCivileEnClair(std::int64_t numeroJour)
{
    return dateEnClair(Calendrier(calendrierCivil(numeroJour)).versCalendrier(numeroJour));
}

// "1er jour du 2e mois intercalaire, gui-mao (Lapin) 2023": the day, the
// month by its number, the year by its place in the sexagenary cycle, its
// animal, and the year of our era in which it began.
std::string chinois(const DateHeure& d)
{
    const std::int64_t rang = CalendrierChinois::rangCycle(d.annee()) - 1; // in [0, 60)
    return ordinal(d.jour()) + " jour du " + nomDuMoisChinois(d.annee(), d.mois()) + ", " +
           std::string(noms::nomA(noms::tigesCelestes, rang % 10)) + '-' +
           std::string(noms::nomA(noms::branchesTerrestres, rang % 12)) + " (" +
           std::string(noms::nomA(noms::animauxChinois, rang % 12)) + ") " + nombre(d.annee());
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
    return civil(civile, jourSemaine, avant ? 1 - civile.annee() : civile.annee()) +
           (avant ? " avant J. C." : " après J. C.");
}

std::string dateEnClair(const DateHeure& civile)
{
    std::string mois = nomMois(noms::moisFrancais, civile.mois());
    for (char& c : mois) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return (civile.jour() == 1 ? std::string("1er") : nombre(civile.jour())) + ' ' + mois + ' ' +
           nombre(civile.annee());
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
    case IRANIEN:
        return nomMois(noms::moisIraniens, mois);
    case UMM_AL_QURA:
        return nomMois(noms::moisIslamiques, mois);
    case CHINOIS:
        return nomMois(noms::moisChinois, mois) +
               (embolismique ? std::string(noms::suffixeIntercalaire) : std::string());
    case BAHAI_TEHERAN:
        return nomMois(noms::moisBahais, mois);
    case MAYA:
    case CALENDRIER_INCONNU:
        break;
    }
    return nombre(mois);
}

std::string nomDuMoisChinois(std::int64_t annee, std::int64_t rang)
{
    const MoisChinois m = CalendrierChinois::numeroMois(annee, rang);
    return m.numero == 0 ? nombre(rang) : nomDuMois(CHINOIS, m.numero, m.intercalaire);
}

std::string moisChinoisEnChiffres(std::int64_t annee, std::int64_t rang, int largeur)
{
    const MoisChinois m = CalendrierChinois::numeroMois(annee, rang);
    if (m.numero == 0)
        return nombreComplete(rang, largeur);
    return nombreComplete(m.numero, largeur) + (m.intercalaire ? "i" : "");
}

std::string textePlage(TypeCalendrier type)
{
    if (!estEnUsage(type))
        return {};
    const Plage plage = plageDuCalendrier(type);
    if (type == BAHAI_TEHERAN)
        return "jusqu'au " + dateCivileEnClair(plage.dernierJour);
    return "du " + dateCivileEnClair(plage.premierJour) + " au " +
           dateCivileEnClair(plage.dernierJour);
}

std::string texteHorsPlage(TypeCalendrier type)
{
    return "Hors de la plage (" + textePlage(type) + ')';
}

bool bissextileRomainI(std::int64_t annee)
{
    return joursDuMois(ROMAIN_I, annee, 2) == 29;
}

void ajouterTexteCalendrier(std::string& texte, TypeCalendrier type, const DateHeure& d,
                            std::int64_t jourSemaine)
{
    if (type == JULIEN || type == GREGORIEN)
        ajouterCivil(texte, d, jourSemaine, d.annee());
    else
        texte += texteCalendrier(type, d, jourSemaine, false);
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
    if (estEnUsage(type)) {
        // The default record: a day outside the table.
        if (d.mois() < 1)
            return texteHorsPlage(type);
        if (type == CHINOIS) {
            if (numerique)
                return nombreComplete(d.annee(), 4) + " / " +
                       moisChinoisEnChiffres(d.annee(), d.mois(), 2) + " / " +
                       nombreComplete(d.jour(), 2);
            return chinois(d);
        }
    }
    if (numerique)
        return formeNumerique(d, 4);
    if (type == JULIEN || type == GREGORIEN)
        return civil(d, jourSemaine, d.annee());

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
    case IRANIEN:
        return semaineJourMoisAnnee(noms::joursPerses, jourSemaine, d, mois);
    case UMM_AL_QURA:
        return semaineJourMoisAnnee(noms::joursIslamiques, jourSemaine, d, mois);
    case BAHAI_TEHERAN:
        return semaineJourMoisAnnee(noms::joursBahais, jourSemaine, d, mois);
    case CHINOIS: // written above
    case JULIEN:
    case GREGORIEN:
    case MAYA:
    case CALENDRIER_INCONNU:
        break;
    }
    return {};
}

} // namespace chronastre::texte
