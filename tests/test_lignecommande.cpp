// The command line as a user meets it: the built executable, its exact bytes.

#include "executer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

const std::string programme = CHRONASTRE_EXECUTABLE;

Resultat lancer(const std::vector<std::string>& arguments)
{
    return executer(programme, arguments);
}

// The usage text, written out byte by byte: Latin-1, "é" is E9.
const std::string usage = "Usage :\n"
                          "Chronastre TypeCalendrierDepart TypeCalendrierArrivee Annee Mois Jour\n"
                          "\n"
                          "TypeCalendrier :\n"
                          " ARMENIEN, EGYPTIEN, KHWARIZMIEN, PERSE\n"
                          " COPTE, ETHIOPIEN\n"
                          " JULIEN, MACEDONIEN, SYRIEN\n"
                          " BAHAI, GREGORIEN, REPUBLICAIN, SAKA\n"
                          " ISLAMIQUE_A, ISLAMIQUE_B\n"
                          " ROMAIN_I, ROMAIN_II\n"
                          " HEBREU\n"
                          " MAYA\n"
                          "\n"
                          "Retour :\n"
                          " Annee Mois Jour (dans le calendrier d'arrivee)\n"
                          "\n"
                          "\n"
                          "Chronastre PAQUES Annee\n"
                          "Retour :\n"
                          " Jour Mois du dimanche de Paques\n"
                          "\n"
                          "\n"
                          "Chronastre COMPUT Annee\n"
                          "Retour :\n"
                          " Nombre d'or : rang de l'ann\xE9"
                          "e dans le cycle de M\xE9ton (19 ans).\n"
                          " Epacte : \xE2ge de la Lune \xE0 la veille du 1er janvier.\n"
                          " Cycle solaire : rang de l'ann\xE9"
                          "e dans un cycle de 28 ans.\n"
                          " Indiction romaine : rang de l'ann\xE9"
                          "e dans un cycle de 15 ans.\n"
                          " Lettre dominicale : lettre correspondant au premier dimanche de "
                          "l'ann\xE9"
                          "e. Pour les ann\xE9"
                          "es bissextiles, 2 lettres dominicales "
                          "sont attribu\xE9"
                          "es.\n"
                          "\n"
                          "\n"
                          "Chronastre JOUR Annee Mois Jour [Heure Minutes Secondes]\n"
                          "Retour :\n"
                          " Jour julien\n"
                          " Jour de la semaine\n"
                          " Jour de l'annee\n"
                          "\n"
                          "\n";

std::string jour(const char* jourJulien, const char* semaine, const char* jourAnnee)
{
    return std::string("coucou\n") + "Jour julien        : " + jourJulien + "\n" +
           "Jour de la semaine : " + semaine + "\n" +
           "Jour de l'ann\xE9"
           "e    : " +
           jourAnnee + "\n";
}

const std::string comput2011 = "Nombre d'or       : 17\n"
                               "Epacte            : 25\n"
                               "Cycle solaire     : 4\n"
                               "Indiction romaine : 4\n"
                               "Lettre dominicale : B\n";

struct Cas
{
    const char* nom;
    std::vector<std::string> arguments;
    std::string attendu;
};

const Cas cas[] = {
    // Help and argument counts.
    {"-h", {"-h"}, usage},
    {"--he", {"--he"}, usage},
    {"--help", {"--help"}, usage},
    {"empty single argument", {""}, usage},
    {"-", {"-"}, usage},
    {"-help prints nothing", {"-help"}, ""},
    {"--helpme prints nothing", {"--helpme"}, ""},
    {"unknown single word", {"PAQUES"}, ""},
    {"three arguments", {"a", "b", "c"}, usage},
    {"six arguments", {"1", "2", "3", "4", "5", "6"}, usage},
    {"nine arguments", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, usage},
    {"twelve arguments", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, usage},

    // PAQUES and COMPUT, selected by any beginning of the word.
    {"PAQUES 2011", {"PAQUES", "2011"}, "24 4\n"},
    {"PAQUES 30 is silent", {"PAQUES", "30"}, ""},
    {"PAQUES 31", {"PAQUES", "31"}, "25 3\n"},
    {"P 2011", {"P", "2011"}, "24 4\n"},
    {"empty word 2011 is PAQUES", {"", "2011"}, "24 4\n"},
    {"PAQUESX 2011", {"PAQUESX", "2011"}, ""},
    {"COMPUT 2011", {"COMPUT", "2011"}, comput2011},
    {"C 2011", {"C", "2011"}, comput2011},
    {"COMPUT 0 is silent", {"COMPUT", "0"}, ""},
    {"COMPUT -5 is silent", {"COMPUT", "-5"}, ""},
    {"COMPUT 2012",
     {"COMPUT", "2012"},
     "Nombre d'or       : 18\nEpacte            : 6\nCycle solaire     : 5\n"
     "Indiction romaine : 5\nLettre dominicale : AG\n"},

    // JOUR: "coucou" first, whatever follows.
    {"JOURS 2000 1 1", {"JOURS", "2000", "1", "1"}, "coucou\n"},
    {"XYZ 1 2 3", {"XYZ", "1", "2", "3"}, "coucou\n"},
    {"XYZ with a time", {"XYZ", "1", "2", "3", "4", "5", "6"}, "coucou\n"},
    {"JOUR 2000 1 1", {"JOUR", "2000", "1", "1"}, jour("2451544.50000", "Samedi", "1")},
    {"J 2000 1 1 12 0 0",
     {"J", "2000", "1", "1", "12", "0", "0"},
     jour("2451545.00000", "Samedi", "1")},
    {"JOUR 1582 10 15", {"JOUR", "1582", "10", "15"}, jour("2299160.50000", "Vendredi", "288")},
    {"JOUR 1582 10 4", {"JOUR", "1582", "10", "4"}, jour("2299159.50000", "Jeudi", "277")},
    {"JOUR 1582 10 14: last day of the gap, Julian (24 October Gregorian, a Sunday)",
     {"JOUR", "1582", "10", "14"},
     jour("2299169.50000", "Dimanche", "287")},
    {"JOUR 2011 10 1 18 30 15",
     {"JOUR", "2011", "10", "1", "18", "30", "15"},
     jour("2455836.27101", "Samedi", "274")},
    {"JOUR with a time that holds no number",
     {"JOUR", "2000", "1", "1", "x", "", "midi"},
     jour("2451544.50000", "Samedi", "1")},
    {"JOUR before -4713 keeps a weekday",
     {"JOUR", "-10000", "1", "1"},
     jour("-1931442.50000", "Samedi", "1")},
    {"JOUR 32-bit year",
     {"JOUR", "2147483647", "1", "1"},
     jour("784354016999.50000", "Mardi", "1")},

    // Conversions.
    {"GREGORIEN JULIEN 2000 1 1", {"GREGORIEN", "JULIEN", "2000", "1", "1"}, "1999 12 19\n"},
    {"JULIEN GREGORIEN 1582 10 5", {"JULIEN", "GREGORIEN", "1582", "10", "5"}, "1582 10 15\n"},
    {"GREGORIEN MAYA 2000 1 1",
     {"GREGORIEN", "MAYA", "2000", "1", "1"},
     "0.12.19.6.15.0, 9 20 8 13\n"},
    {"GREGORIEN MAYA epoch", {"GREGORIEN", "MAYA", "-3113", "8", "13"}, "0.0.0.0.0.0, 4 20 8 17\n"},
    {"GREGORIEN MAYA day before",
     {"GREGORIEN", "MAYA", "-3113", "8", "12"},
     "-1.-1.-1.-1.-1.-1, -1 -1 -1 -1\n"},
    {"JULIEN HEBREU before creation", {"JULIEN", "HEBREU", "-3800", "1", "1"}, "-9999 -1 -1\n"},
    {"GREGORIEN HEBREU 2024 3 11", {"GREGORIEN", "HEBREU", "2024", "3", "11"}, "5784 7 1\n"},
    {"HEBREU GREGORIEN 5786 1 1", {"HEBREU", "GREGORIEN", "5786", "1", "1"}, "2025 9 23\n"},
    {"GREGORIEN REPUBLICAIN 1792 9 22", {"GREGORIEN", "REPUBLICAIN", "1792", "9", "22"}, "1 1 1\n"},
    // 1 January 2000 into every keyword: each names its own calendar.
    {"GREGORIEN ARMENIEN", {"GREGORIEN", "ARMENIEN", "2000", "1", "1"}, "1449 6 8\n"},
    {"GREGORIEN EGYPTIEN", {"GREGORIEN", "EGYPTIEN", "2000", "1", "1"}, "2748 9 13\n"},
    {"GREGORIEN KHWARIZMIEN", {"GREGORIEN", "KHWARIZMIEN", "2000", "1", "1"}, "1369 6 8\n"},
    {"GREGORIEN PERSE", {"GREGORIEN", "PERSE", "2000", "1", "1"}, "1368 10 13\n"},
    {"GREGORIEN COPTE", {"GREGORIEN", "COPTE", "2000", "1", "1"}, "1716 4 22\n"},
    {"GREGORIEN ETHIOPIEN", {"GREGORIEN", "ETHIOPIEN", "2000", "1", "1"}, "1992 4 22\n"},
    {"GREGORIEN MACEDONIEN", {"GREGORIEN", "MACEDONIEN", "2000", "1", "1"}, "2311 4 19\n"},
    {"GREGORIEN SYRIEN", {"GREGORIEN", "SYRIEN", "2000", "1", "1"}, "2311 3 19\n"},
    {"GREGORIEN BAHAI", {"GREGORIEN", "BAHAI", "2000", "1", "1"}, "156 16 2\n"},
    {"GREGORIEN GREGORIEN", {"GREGORIEN", "GREGORIEN", "2000", "1", "1"}, "2000 1 1\n"},
    {"GREGORIEN SAKA", {"GREGORIEN", "SAKA", "2000", "1", "1"}, "1921 10 11\n"},
    {"GREGORIEN ISLAMIQUE_A", {"GREGORIEN", "ISLAMIQUE_A", "2000", "1", "1"}, "1420 9 25\n"},
    {"GREGORIEN ISLAMIQUE_B", {"GREGORIEN", "ISLAMIQUE_B", "2000", "1", "1"}, "1420 9 24\n"},
    {"GREGORIEN ROMAIN_I", {"GREGORIEN", "ROMAIN_I", "2000", "1", "1"}, "2752 7 1\n"},
    {"GREGORIEN ROMAIN_II", {"GREGORIEN", "ROMAIN_II", "2000", "1", "1"}, "2754 5 1\n"},
    {"ISLAMIQUE_A departure", {"ISLAMIQUE_A", "GREGORIEN", "1420", "9", "25"}, "2000 1 1\n"},
    {"GREGORIEN FOO", {"GREGORIEN", "FOO", "2000", "1", "1"}, ""},
    {"lower-case keyword", {"gregorien", "JULIEN", "2000", "1", "1"}, ""},
    {"keywords are not prefixes", {"GREG", "JULIEN", "2000", "1", "1"}, ""},
    {"MAYA long count", {"MAYA", "GREGORIEN", "0", "13", "0", "0", "0", "0"}, "2012 12 23\n"},
    {"MAYA to MAYA",
     {"MAYA", "MAYA", "0", "12", "19", "6", "15", "0"},
     "0.12.19.6.15.0, 9 20 8 13\n"},
    {"MAYA long count to unknown", {"MAYA", "FOO", "0", "13", "0", "0", "0", "0"}, ""},
    // MAYA departure needs a long count; a long count needs MAYA departure.
    {"MAYA departure with a date", {"MAYA", "GREGORIEN", "2000", "1", "1"}, ""},
    {"long count without MAYA departure",
     {"GREGORIEN", "JULIEN", "0", "13", "0", "0", "0", "0"},
     ""},

    // Numbers: leading blanks, sign, digits up to the first other character.
    {"trailing letters", {"GREGORIEN", "JULIEN", "2000abc", "1x", "1.5"}, "1999 12 19\n"},
    {"blanks and sign", {"GREGORIEN", "JULIEN", " \t+2000", "+1", "  1"}, "1999 12 19\n"},
    {"no number reads as 0", {"JULIEN", "JULIEN", "abc", "-", ""}, "-1 11 30\n"},
    // The 32-bit limits themselves, shown as read by an identity conversion.
    {"lowest 32-bit year", {"JULIEN", "JULIEN", "-2147483648", "1", "1"}, "-2147483648 1 1\n"},
    {"below it saturates", {"JULIEN", "JULIEN", "-99999999999", "1", "1"}, "-2147483648 1 1\n"},
    {"highest 32-bit year", {"JULIEN", "JULIEN", "2147483647", "12", "31"}, "2147483647 12 31\n"},
    {"above it saturates", {"JULIEN", "JULIEN", "2147483648", "12", "31"}, "2147483647 12 31\n"},
};

} // namespace

TEST(LigneCommande, CommeUnUtilisateur)
{
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const Resultat r = lancer(c.arguments);
        EXPECT_EQ(r.sortie, c.attendu);
        EXPECT_EQ(r.erreurs, "");
        EXPECT_EQ(r.code, 0);
    }
}

// Beyond 32 bits, numbers saturate at the limits.
TEST(LigneCommande, NombresSatures)
{
    const std::pair<const char*, const char*> equivalents[] = {
        {"99999999999999999999999", "2147483647"},
        {"2147483648", "2147483647"},
        {"-2147483649", "-2147483648"},
        {"-99999999999999999999999", "-2147483648"},
    };
    for (const auto& [grand, limite] : equivalents) {
        for (const char* arrivee : {"JULIEN", "HEBREU", "MAYA", "ISLAMIQUE_A", "ROMAIN_II"}) {
            const Resultat a = lancer({"GREGORIEN", arrivee, grand, "1", "1"});
            const Resultat b = lancer({"GREGORIEN", arrivee, limite, "1", "1"});
            EXPECT_EQ(a.sortie, b.sortie) << grand << " " << arrivee;
            EXPECT_FALSE(a.sortie.empty());
        }
    }
}

// Years near both 32-bit limits convert into every calendar and back.
TEST(LigneCommande, AnneesLimitesAllerRetour)
{
    const char* mots[] = {"ARMENIEN",  "EGYPTIEN",    "KHWARIZMIEN", "PERSE",       "COPTE",
                          "ETHIOPIEN", "JULIEN",      "MACEDONIEN",  "SYRIEN",      "BAHAI",
                          "GREGORIEN", "REPUBLICAIN", "SAKA",        "ISLAMIQUE_A", "ISLAMIQUE_B",
                          "ROMAIN_I",  "ROMAIN_II",   "HEBREU"};
    for (const char* annee : {"2000000000", "-2000000000"}) {
        for (const char* mot : mots) {
            const Resultat aller = lancer({"JULIEN", mot, annee, "3", "1"});
            std::string a, m, j;
            std::istringstream(aller.sortie) >> a >> m >> j;
            if (std::string(mot) == "HEBREU" && a == "-9999")
                continue; // before the creation era
            const Resultat retour = lancer({mot, "JULIEN", a, m, j});
            EXPECT_EQ(retour.sortie, std::string(annee) + " 3 1\n") << mot << " " << annee;
        }
    }
}

// The French accents leave as single Latin-1 bytes.
TEST(LigneCommande, OctetsLatin1)
{
    const Resultat r = lancer({"JOUR", "2000", "1", "1"});
    EXPECT_NE(r.sortie.find("Jour de l'ann\xE9"
                            "e    : 1\n"),
              std::string::npos);
    const Resultat u = lancer({"-h"});
    EXPECT_NE(u.sortie.find("cycle de M\xE9ton"), std::string::npos);
    EXPECT_EQ(u.sortie.find("\xC3"), std::string::npos); // no UTF-8 left
}

// A standard output that cannot be written is not reported as success.
TEST(LigneCommande, SortieImpossibleAEcrire)
{
    if (!std::ifstream("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    const int statut = std::system((programme + " -h > /dev/full 2>/dev/null").c_str());
    ASSERT_TRUE(WIFEXITED(statut));
    EXPECT_EQ(WEXITSTATUS(statut), 1);
    EXPECT_EQ(std::system((programme + " -h > /dev/null").c_str()), 0);
}
