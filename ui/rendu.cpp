#include "ui/rendu.h"

#include "engine/arithmetique.h"
#include "engine/romain.h"
#include "names/noms.h"

#include <QCoreApplication>
#include <QStringList>

#include <string_view>

namespace chronastre::rendu {

namespace {

QString texte(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString nombre(std::int64_t n)
{
    return QString::number(n);
}

// The name of number numero in a table whose first entry is numero premier;
// a number outside the table is written in figures, so that an unexpected
// result still reads as something and never reads past the table.
template <std::size_t N>
QString nom(const std::array<noms::Nom, N>& table, std::int64_t numero, std::int64_t premier = 0)
{
    const std::int64_t index = numero - premier;
    if (index < 0 || index >= static_cast<std::int64_t>(N))
        return nombre(numero);
    return texte(table[static_cast<std::size_t>(index)]);
}

// Months are numbered from 1.
template <std::size_t N>
QString nomMois(const std::array<noms::Nom, N>& table, std::int64_t mois)
{
    return nom(table, mois, 1);
}

QString formeNumerique(const DateHeure& d)
{
    return QStringLiteral("%1 / %2 / %3")
        .arg(nombreComplete(d.annee(), 4), nombreComplete(d.mois(), 2),
             nombreComplete(d.jour(), 2));
}

QString maya(const DateHeure& d, const QString& tzolkin, const QString& haab)
{
    return QStringLiteral("%1.%2.%3.%4.%5.%6, %7 %8 %9 %10")
        .arg(nombre(d.pictun()), nombre(d.baktun()), nombre(d.katun()), nombre(d.tun()),
             nombre(d.uinal()), nombre(d.kin()), nombre(d.nombreTzolkin()), tzolkin,
             nombre(d.jourHaab()), haab);
}

// "W D N Y": weekday, day, month name and year, joined by blanks.
template <std::size_t J, std::size_t M>
QString semaineJourMoisAnnee(const std::array<noms::Nom, J>& jours, std::int64_t jourSemaine,
                             const DateHeure& d, const std::array<noms::Nom, M>& mois)
{
    return QStringList{nom(jours, jourSemaine), nombre(d.jour()), nomMois(mois, d.mois()),
                       nombre(d.annee())}
        .join(QLatin1Char(' '));
}

template <std::size_t M>
QString jourMoisAnnee(const DateHeure& d, const std::array<noms::Nom, M>& mois)
{
    return QStringList{nombre(d.jour()), nomMois(mois, d.mois()), nombre(d.annee())}.join(
        QLatin1Char(' '));
}

// Julian and Gregorian: "Samedi 1er Janvier 2000".
QString civil(const DateHeure& d, std::int64_t jourSemaine)
{
    const QString jour =
        d.jour() == 1 ? QStringLiteral("1er ") : nombre(d.jour()) + QLatin1Char(' ');
    return nom(noms::joursFrancais, jourSemaine) + QLatin1Char(' ') + jour +
           nomMois(noms::moisFrancais, d.mois()) + QLatin1Char(' ') + nombre(d.annee());
}

// Persian and Khwarizmian: twelve named months and the epagomenal days.
QString perse(const DateHeure& d, std::int64_t jourSemaine)
{
    const QString mois =
        d.mois() == 13 ? texte(noms::epagomenesPerses) : nomMois(noms::moisPerses, d.mois());
    return QStringList{nom(noms::joursPerses, jourSemaine), nombre(d.jour()), mois,
                       nombre(d.annee())}
        .join(QLatin1Char(' '));
}

// "Primidi 1 Vendémiaire VIII (8)"; month 13 holds the complementary days.
QString republicain(const DateHeure& d)
{
    const QString mois =
        d.mois() == 13 ? texte(noms::sansculotides) : nomMois(noms::moisRepublicains, d.mois());
    return QStringList{nom(noms::joursDecade, floorMod(d.jour() - 1, 10)), nombre(d.jour()), mois,
                       texte(chiffresRomains(sature32(d.annee())))}
               .join(QLatin1Char(' ')) +
           QStringLiteral(" (") + nombre(d.annee()) + QLatin1Char(')');
}

// A 13-month year inserts Veadar as month 7; the months after it shift by one.
QString moisHebreu(const DateHeure& d)
{
    if (d.embolismique() && d.mois() == 7)
        return texte(noms::veadar);
    if (d.embolismique() && d.mois() > 7)
        return nomMois(noms::moisHebreux, d.mois() - 1);
    return nomMois(noms::moisHebreux, d.mois());
}

QString avantCreation()
{
    return QCoreApplication::translate("QObject", "Date antérieure à la création du monde");
}

QString ancienneEpoque()
{
    return QCoreApplication::translate("QObject", "Ancienne époque");
}

QString romain(const DateHeure& d, bool bissextile)
{
    return QString::fromStdString(nommerJourRomain(d, bissextile));
}

} // namespace

QString nombreComplete(std::int64_t n, int largeur)
{
    QString chiffres = QString::number(n < 0 ? -static_cast<unsigned long long>(n)
                                             : static_cast<unsigned long long>(n));
    const qsizetype signe = n < 0 ? 1 : 0;
    if (chiffres.size() + signe < largeur)
        chiffres.prepend(QString(largeur - signe - chiffres.size(), QLatin1Char('0')));
    return signe ? QLatin1Char('-') + chiffres : chiffres;
}

QString ligneDate(const DateHeure& moment)
{
    return QStringLiteral("%1 %2%3 %4 %5  %6:%7:%8")
        .arg(nom(noms::joursFrancais, moment.jourSemaine()), nombre(moment.jour()),
             moment.jour() == 1 ? QStringLiteral("er") : QString(),
             nomMois(noms::moisFrancais, moment.mois()), nombre(moment.annee()),
             nombreComplete(moment.heure(), 2), nombreComplete(moment.minutes(), 2),
             nombreComplete(moment.secondes(), 2));
}

QString texteJourJulien(double jourJulien)
{
    return QString::number(jourJulien, 'f', 5);
}

bool bissextileRomainI(std::int64_t annee)
{
    return floorMod(annee - 1, 3) == 0;
}

QString texteCalendrier(TypeCalendrier type, const DateHeure& d, std::int64_t jourSemaine,
                        bool numerique)
{
    if (type == HEBREU && d.annee() < 1)
        return avantCreation();
    if (type == MAYA) {
        if (d.nombreTzolkin() < 1)
            return ancienneEpoque();
        if (numerique)
            return maya(d, nombre(d.jourTzolkin()), nombre(d.moisHaab()));
        return maya(d, nom(noms::nomsTzolkin, d.jourTzolkin(), 1),
                    nom(noms::nomsHaab, d.moisHaab()));
    }
    if (numerique)
        return formeNumerique(d);

    switch (type) {
    case ARMENIEN:
        return semaineJourMoisAnnee(noms::joursArmeniens, jourSemaine, d, noms::moisArmeniens);
    case EGYPTIEN:
        return jourMoisAnnee(d, noms::moisEgyptiens);
    case KHWARIZMIEN:
    case PERSE:
        return perse(d, jourSemaine);
    case COPTE:
        return semaineJourMoisAnnee(noms::joursCoptes, jourSemaine, d, noms::moisCoptes);
    case ETHIOPIEN:
        return semaineJourMoisAnnee(noms::joursEthiopiens, jourSemaine, d, noms::moisEthiopiens);
    case JULIEN:
    case GREGORIEN:
        return civil(d, jourSemaine);
    case MACEDONIEN:
        return jourMoisAnnee(d, noms::moisMacedoniens);
    case SYRIEN:
        // No names: figures, the year unpadded.
        return QStringLiteral("%1 / %2 / %3")
            .arg(nombre(d.annee()), nombreComplete(d.mois(), 2), nombreComplete(d.jour(), 2));
    case BAHAI:
        return semaineJourMoisAnnee(noms::joursBahais, jourSemaine, d, noms::moisBahais);
    case REPUBLICAIN:
        return republicain(d);
    case SAKA:
        return semaineJourMoisAnnee(noms::joursSaka, jourSemaine, d, noms::moisSaka);
    case ISLAMIQUE_A:
    case ISLAMIQUE_B:
        return semaineJourMoisAnnee(noms::joursIslamiques, jourSemaine, d, noms::moisIslamiques);
    case ROMAIN_I:
        return romain(d, bissextileRomainI(d.annee()));
    case ROMAIN_II:
        return romain(d, false);
    case HEBREU:
        return QStringList{nom(noms::joursHebreux, jourSemaine), nombre(d.jour()), moisHebreu(d),
                           nombre(d.annee())}
            .join(QLatin1Char(' '));
    case MAYA:
    case CALENDRIER_INCONNU:
        break;
    }
    return {};
}

} // namespace chronastre::rendu
