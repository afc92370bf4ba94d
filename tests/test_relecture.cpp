// What the program writes, it reads: every form of a day that the window,
// its report, TOUS and the command line write, in each calendar, read back as
// that day, for days spread over the window's whole range (1 January 4713 BC
// to 31 December 9999), over the ranges of the calendars in use today, and at
// the 32-bit limits of the command line.

#include "engine/calendrier.h"
#include "engine/calendrierchinois.h"
#include "tests/mots.h"
#include "texte/grammaire.h"
#include "texte/lecture.h"
#include "texte/raccourci.h"
#include "texte/rapport.h"
#include "texte/rendu.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace chronastre;

namespace {

// Day numbers of 1 January 4713 BC (Julian) and 31 December 9999.
constexpr std::int64_t premierJourFenetre = 0;
constexpr std::int64_t dernierJourFenetre = 5373484;

// The days tried: a spread over the range, with the first and last days of
// years and months close together where the calendars' rules change.
std::vector<std::int64_t> joursEssayes()
{
    std::vector<std::int64_t> jours;
    constexpr std::int64_t pas = 1789;
    for (std::int64_t n = premierJourFenetre; n <= dernierJourFenetre; n += pas)
        jours.push_back(n + (n / pas) % 37);          // not always the same weekday or month day
    for (std::int64_t n = 2299150; n <= 2299170; ++n) // around the 1582 reform
        jours.push_back(n);
    for (std::int64_t n = 2375830; n <= 2376230; ++n) // Republican years III and IV
        jours.push_back(n);
    for (std::int64_t n = 2460380; n <= 2460420; ++n) // Adar I, Adar II and Nisan 5784
        jours.push_back(n);
    // The calendars in use today: a denser spread over 1799 to 2201, the
    // ends of each range, the Chinese years of 2023 (leap 2nd month) and
    // 2033 (leap 11th month) day by day.
    for (std::int64_t n = 2378211; n <= 2525037; n += 97)
        jours.push_back(n + (n / 97) % 29);
    for (int k = premierCalendrierEnUsage; k < nombreCalendriers; ++k) {
        const Plage p = plageDuCalendrier(static_cast<TypeCalendrier>(k));
        for (const std::int64_t n :
             {p.premierJour - 1, p.premierJour, p.dernierJour, p.dernierJour + 1}) {
            if (n >= premierJourFenetre && n <= dernierJourFenetre)
                jours.push_back(n);
        }
    }
    for (std::int64_t n = 2459967; n <= 2460350; ++n) // 22 January 2023 to 9 February 2024
        jours.push_back(n);
    for (std::int64_t n = 2463629; n <= 2464012; ++n) // Chinese year 2033, its leap 11th month
        jours.push_back(n);
    jours.push_back(dernierJourFenetre);
    return jours;
}

// The command line's line for a date: "Y M D" ("2023 2i 1" for a Chinese
// leap month), or the Maya line.
std::string ligneCommande(TypeCalendrier type, const DateHeure& d)
{
    if (type == CHINOIS) {
        const MoisChinois m = CalendrierChinois::numeroMois(d.annee(), d.mois());
        return std::to_string(d.annee()) + ' ' + std::to_string(m.numero) +
               (m.intercalaire ? "i " : " ") + std::to_string(d.jour());
    }
    if (type != MAYA)
        return std::to_string(d.annee()) + ' ' + std::to_string(d.mois()) + ' ' +
               std::to_string(d.jour());
    return std::to_string(d.pictun()) + '.' + std::to_string(d.baktun()) + '.' +
           std::to_string(d.katun()) + '.' + std::to_string(d.tun()) + '.' +
           std::to_string(d.uinal()) + '.' + std::to_string(d.kin()) + ", " +
           std::to_string(d.nombreTzolkin()) + ' ' + std::to_string(d.jourTzolkin()) + ' ' +
           std::to_string(d.jourHaab()) + ' ' + std::to_string(d.moisHaab());
}

// The forms of day n in calendar type: the window's literal and numeric
// labels, the report's (and TOUS's) caption lines, the accessible name, the
// command line's line. Empty for a day the calendar cannot write.
std::vector<std::string> formes(TypeCalendrier type, std::int64_t n)
{
    const DateHeure d = Calendrier(type).versCalendrier(n);
    const std::int64_t semaine = jourSemaine(n);
    const std::string litterale = texte::texteCalendrier(type, d, semaine, false);
    const std::string numerique = texte::texteCalendrier(type, d, semaine, true);
    if ((type == HEBREU && d.annee() < 1) || (type == MAYA && d.nombreTzolkin() < 1) ||
        !plageDuCalendrier(type).contient(n))
        return {};
    std::array<texte::Legende, nombreCalendriers> legendes;
    legendes[static_cast<std::size_t>(type)] = {
        std::string(texte::legendesCalendriers[static_cast<std::size_t>(type)]), litterale};
    std::string ligneRapport;
    for (const std::string& ligne : texte::lignesTous(legendes)) {
        if (ligne.starts_with(legendes[static_cast<std::size_t>(type)].legende))
            ligneRapport = ligne;
    }
    return {litterale, numerique, ligneRapport,
            std::string(texte::legendesCalendriers[static_cast<std::size_t>(type)]) + ' ' +
                litterale,
            ligneCommande(type, d)};
}

} // namespace

TEST(Relecture, ChaqueFormeDeChaqueCalendrier)
{
    const std::vector<std::int64_t> jours = joursEssayes();
    for (int k = 0; k < nombreCalendriers; ++k) {
        const auto type = static_cast<TypeCalendrier>(k);
        int echecs = 0;
        for (const std::int64_t n : jours) {
            for (const std::string& forme : formes(type, n)) {
                const texte::Lecture lecture = texte::lireDateEcrite(type, forme);
                const bool lue = lecture.erreur.empty() && lecture.avertissement.empty() &&
                                 lecture.numeroJour == n;
                const auto calendrier = texte::calendrierDuTexte(forme, type);
                if ((!lue || calendrier != type) && ++echecs <= 5)
                    ADD_FAILURE() << motsCalendriers[k] << " jour " << n << " : « " << forme
                                  << " » lu " << lecture.numeroJour << " " << lecture.erreur
                                  << lecture.avertissement;
            }
        }
        EXPECT_EQ(echecs, 0) << "calendrier " << k;
    }
}

// The window's date line, with its time ("Samedi 1er Janvier 2000
// 12:00:00"), the civil date with its era ("Mercredi 15 Mars 44 avant J.
// C.") and the Julian Day ("2451545.00000"), read in the civil calendar of
// the day.
TEST(Relecture, LigneDeDateEtJourJulien)
{
    int echecs = 0;
    for (const std::int64_t n : joursEssayes()) {
        const TypeCalendrier civil = calendrierCivil(n);
        DateHeure d = Calendrier(civil).versCalendrier(n);
        DateHeure moment(d.annee(), d.mois(), d.jour(), 1, 2, 3); // JD n - 0.457
        moment.calculerJourJulien();
        moment.calculerJourSemaine();
        const std::string textes[] = {texte::ligneDate(moment),
                                      texte::texteDateCivile(d, jourSemaine(n)),
                                      texte::texteJourJulien(moment.jourJulien())};
        for (const std::string& t : textes) {
            const texte::Lecture lecture = texte::lireDateEcrite(civil, t);
            if ((!lecture.erreur.empty() || lecture.numeroJour != n) && ++echecs <= 5)
                ADD_FAILURE() << "jour " << n << " : « " << t << " » lu " << lecture.numeroJour
                              << " " << lecture.erreur;
        }
    }
    EXPECT_EQ(echecs, 0);
}

// The command line converts any 32-bit date: its lines read back at the
// limits too.
TEST(Relecture, LimitesDe32Bits)
{
    for (int k = 0; k < nombreCalendriers; ++k) {
        const auto type = static_cast<TypeCalendrier>(k);
        if (type == MAYA)
            continue;
        for (const std::int64_t annee : {-2147483648LL, -1LL, 0LL, 2147483647LL}) {
            const DateHeure d(annee, 1, 1);
            if (!existe(type, d))
                continue;
            const std::string ligne = ligneCommande(type, d);
            const texte::Lecture lecture = texte::lireDateEcrite(type, ligne);
            EXPECT_EQ(lecture.erreur, "") << motsCalendriers[k] << " " << ligne;
            EXPECT_TRUE(memeDate(type, lecture.date, d)) << motsCalendriers[k] << " " << ligne;
        }
    }
}

// The quick reading of "12 décembre 1047" is the general reader's for that
// form: over every month name the program writes in each calendar, in
// capitals or not, abbreviated with a dot, with days and years around the
// edges of what exists, whatever it reads, the general reader reads the
// same; and it reads such dates that exist when their month is one word of
// letters.
TEST(Relecture, RaccourciEgalAuLecteur)
{
    const std::int64_t jours[] = {0, 1, 9, 28, 29, 30, 31, 32};
    const std::int64_t annees[] = {0, 1, 8, 1582, 1700, 2024, 5784, 2147483647};
    int lues = 0;
    for (int k = 0; k < nombreCalendriers; ++k) {
        const auto type = static_cast<TypeCalendrier>(k);
        for (std::int64_t mois = 1; mois <= 13; ++mois) {
            for (const bool embolismique : {false, true}) {
                std::string nom = texte::nomDuMois(type, mois, embolismique);
                for (int variante = 0; variante < 3; ++variante) {
                    if (variante == 1)
                        for (char& c : nom)
                            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
                    const std::string mot = variante == 2 ? nom + "." : nom;
                    for (const std::int64_t jour : jours) {
                        for (const std::int64_t annee : annees) {
                            const std::string t = std::to_string(jour) + "  " + mot + " " +
                                                  std::to_string(annee) + " ";
                            texte::LectureRapide rapide;
                            const bool vite = texte::lireRapidement(type, t, rapide);
                            const texte::Mots mots(t);
                            const texte::Lexique lexique(mots);
                            const texte::Analyse a =
                                texte::analyser(mots, lexique, 0, mots.taille(), type,
                                                texte::Ordre::AnneeMoisJour, false);
                            SCOPED_TRACE(std::string(motsCalendriers[k]) + " « " + t + " »");
                            const bool simple = mots.taille() == 3 && mots[1].chiffres == 0 &&
                                                t.find('\'') == std::string::npos;
                            if (simple && a.lue && type != CHINOIS) {
                                EXPECT_TRUE(vite);
                            }
                            if (vite) {
                                EXPECT_TRUE(a.lue);
                            }
                            if (vite) {
                                ++lues;
                                EXPECT_EQ(rapide.numeroJour, a.verdict.premier);
                                EXPECT_TRUE(memeDate(
                                    type, DateHeure(rapide.annee, rapide.mois, rapide.jour),
                                    a.verdict.date));
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(lues, 5000);
}

// The quick reading of GEDCOM values is the general reader's: every value of
// the usual forms (a qualifier, an escape, a day, a month code, a year, a
// year alone), around the edges of what exists, reads the same both ways.
TEST(Relecture, RaccourciGedcomEgalAuLecteur)
{
    const char* qualificatifs[] = {"", "ABT ", "CAL ", "EST ", "BEF ", "AFT ", "abt ", "INT "};
    const std::pair<const char*, std::vector<const char*>> calendriers[] = {
        {"", {"JAN", "FEB", "MAR", "DEC", "jan"}},
        {"@#DGREGORIAN@ ", {"FEB", "SEP"}},
        {"@#DJULIAN@ ", {"FEB", "OCT"}},
        {"JULIAN ", {"MAR"}},
        {"@#DHEBREW@ ", {"TSH", "ADR", "ADS", "NSN", "ELL"}},
        {"HEBREW ", {"CSH", "KSL"}},
        {"@#DFRENCH R@ ", {"VEND", "BRUM", "COMP"}},
        {"FRENCH_R ", {"THER", "COMP"}},
    };
    const char* jours[] = {"", "0 ", "1 ", "5 ", "6 ", "29 ", "30 ", "31 "};
    const char* annees[] = {"0",    "1",    "2",    "3",    "8",   "1582",
                            "1700", "2024", "5784", "5785", "0012"};
    int rapides = 0;
    for (const char* q : qualificatifs) {
        for (const auto& [echappement, mois] : calendriers) {
            for (const char* m : mois) {
                for (const char* j : jours) {
                    for (const char* a : annees) {
                        for (const bool avecMois : {true, false}) {
                            const std::string valeur = std::string(q) + echappement +
                                                       (avecMois ? std::string(j) + m + " " : "") +
                                                       a;
                            SCOPED_TRACE(valeur);
                            texte::ValeurGedcom vite;
                            if (texte::lireValeurRapidement(valeur, vite))
                                ++rapides;
                            const texte::ValeurGedcom v = texte::lireValeurGedcom(valeur);
                            const texte::ValeurGedcom g =
                                texte::lireValeurGedcomGenerale(valeur, {});
                            EXPECT_EQ(v.erreur, g.erreur);
                            EXPECT_EQ(v.qualificatif, g.qualificatif);
                            ASSERT_EQ(v.premiere.has_value(), g.premiere.has_value());
                            if (v.premiere) {
                                EXPECT_EQ(v.premiere->calendrier, g.premiere->calendrier);
                                EXPECT_EQ(texte::premierJour(*v.premiere),
                                          texte::premierJour(*g.premiere));
                                EXPECT_EQ(texte::dernierJour(*v.premiere),
                                          texte::dernierJour(*g.premiere));
                                EXPECT_EQ(v.premiere->mois, g.premiere->mois);
                                EXPECT_EQ(v.premiere->jour, g.premiere->jour);
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(rapides, 3000);
}
