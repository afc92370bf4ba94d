// The command line as a user meets it: the built executable, its exact bytes.

#include "executer.h"
#include "mots.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
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
                          " IRANIEN, UMM_AL_QURA, CHINOIS, BAHAI_TEHERAN\n"
                          "\n"
                          "Retour :\n"
                          " Annee Mois Jour (dans le calendrier d'arrivee)\n"
                          " CHINOIS : Mois est le numero du mois, suivi de i pour un mois "
                          "intercalaire (2023 2i 1)\n"
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
    std::string erreurs = {};
    int code = 0;
};

// What was not understood, and where to look: the exit code 2.
std::string incompris(const std::string& quoi)
{
    return "chronastre : " + quoi + " ; voir chronastre -h ou man chronastre.\n";
}

const Cas cas[] = {
    // Help and argument counts.
    {"-h", {"-h"}, usage},
    {"--he", {"--he"}, usage},
    {"--help", {"--help"}, usage},
    {"empty single argument", {""}, usage},
    {"-", {"-"}, usage},
    {"--version", {"--version"}, "chronastre 2.0\n"},
    {"-help is no help", {"-help"}, "", incompris("option inconnue « -help »"), 2},
    {"--helpme is no help", {"--helpme"}, "", incompris("option inconnue « --helpme »"), 2},
    {"a Qt option", {"-style", "Fusion"}, "", incompris("option inconnue « -style »"), 2},
    {"PAQUES without a year", {"PAQUES"}, "", incompris("nombre d'arguments incorrect (1)"), 2},
    {"an unknown word", {"bonjour"}, "", incompris("commande inconnue « bonjour »"), 2},
    {"three arguments", {"a", "b", "c"}, usage, incompris("nombre d'arguments incorrect (3)"), 2},
    {"six arguments",
     {"1", "2", "3", "4", "5", "6"},
     usage,
     incompris("nombre d'arguments incorrect (6)"),
     2},
    {"nine arguments",
     {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
     usage,
     incompris("nombre d'arguments incorrect (9)"),
     2},
    {"twelve arguments",
     {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"},
     usage,
     incompris("nombre d'arguments incorrect (12)"),
     2},

    // PAQUES and COMPUT, selected by any beginning of the word.
    {"PAQUES 2011", {"PAQUES", "2011"}, "24 4\n"},
    {"PAQUES 30: none",
     {"PAQUES", "30"},
     "",
     "chronastre : pas de dimanche de Pâques pour l'an 30 : le calcul commence en l'an 31.\n",
     1},
    {"PAQUES 31", {"PAQUES", "31"}, "25 3\n"},
    {"P 2011", {"P", "2011"}, "24 4\n"},
    {"empty word 2011 is PAQUES", {"", "2011"}, "24 4\n"},
    {"PAQUESX 2011", {"PAQUESX", "2011"}, "", incompris("commande inconnue « PAQUESX »"), 2},
    {"COMPUT 2011", {"COMPUT", "2011"}, comput2011},
    {"C 2011", {"C", "2011"}, comput2011},
    {"COMPUT 0: none",
     {"COMPUT", "0"},
     "",
     "chronastre : pas de comput pour l'an 0 : le comput commence en l'an 1.\n",
     1},
    {"COMPUT -5: none",
     {"COMPUT", "-5"},
     "",
     "chronastre : pas de comput pour l'an -5 : le comput commence en l'an 1.\n",
     1},
    {"COMPUT 2012",
     {"COMPUT", "2012"},
     "Nombre d'or       : 18\nEpacte            : 6\nCycle solaire     : 5\n"
     "Indiction romaine : 5\nLettre dominicale : AG\n"},

    // JOUR: "coucou" first, whatever follows.
    {"JOURS 2000 1 1",
     {"JOURS", "2000", "1", "1"},
     "coucou\n",
     incompris("commande inconnue « JOURS »"),
     2},
    {"XYZ 1 2 3", {"XYZ", "1", "2", "3"}, "coucou\n", incompris("commande inconnue « XYZ »"), 2},
    {"XYZ with a time",
     {"XYZ", "1", "2", "3", "4", "5", "6"},
     "coucou\n",
     incompris("commande inconnue « XYZ »"),
     2},
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
    {"a written date", {"REPUBLICAIN", "GREGORIEN", "18 brumaire an VIII"}, "1799 11 9\n"},
    {"a written date that does not exist",
     {"HEBREU", "GREGORIEN", "1 Veadar 5785"},
     "",
     "chronastre : Veadar n'existe que les années de 13 mois ; l'an 5785 en a 12\n",
     1},
    {"numbers day first",
     {"--ordre", "JMA", "GREGORIEN", "JULIEN", "11", "3", "2024"},
     "2024 2 27\n"},
    {"strict",
     {"--strict", "GREGORIEN", "JULIEN", "2023", "2", "30"},
     "",
     "chronastre : la date 2023 2 30 n'existe pas dans le calendrier GREGORIEN\n",
     1},
    {"an option after the keywords",
     {"GREGORIEN", "JULIEN", "2023", "2", "30", "--strict"},
     "",
     "chronastre : la date 2023 2 30 n'existe pas dans le calendrier GREGORIEN\n",
     1},
    {"a value given to an option that takes none",
     {"--strict=non", "GREGORIEN", "JULIEN", "2023", "2", "30"},
     "",
     incompris("l'option --strict ne prend pas de valeur (« --strict=non »)"),
     2},
    {"a batch option before GEDCOM",
     {"--colonne", "2", "GEDCOM"},
     "",
     incompris("les options --colonne, --separateur et --entete ne s'emploient pas avec GEDCOM"),
     2},
    {"a GEDCOM option before a conversion",
     {"--modifications", "GREGORIEN", "JULIEN", "2000", "1", "1"},
     "",
     incompris("les options --modifications et --doubles-juliennes ne s'emploient qu'avec GEDCOM"),
     2},
    {"the filter's options are for a batch",
     {"--colonne", "2", "GREGORIEN", "JULIEN", "2000", "1", "1"},
     "",
     incompris("les options --colonne, --separateur et --entete ne s'emploient qu'avec une "
               "conversion par lots (deux mots-clés)"),
     2},
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

    // The calendars in use today: published dates, as departure and arrival.
    {"Nowruz 1404: Friday 21 March 2025",
     {"GREGORIEN", "IRANIEN", "2025", "3", "21"},
     "1404 1 1\n"},
    {"30 Esfand 1403, a leap year: 20 March 2025",
     {"IRANIEN", "GREGORIEN", "1403", "12", "30"},
     "2025 3 20\n"},
    {"Ramadan 1445 by the Saudi table: 11 March 2024",
     {"UMM_AL_QURA", "GREGORIEN", "1445", "9", "1"},
     "2024 3 11\n"},
    {"Eid al-Fitr 1444: 21 April 2023",
     {"GREGORIEN", "UMM_AL_QURA", "2023", "4", "21"},
     "1444 10 1\n"},
    {"Chinese New Year 2027, new moon 4 minutes before midnight",
     {"CHINOIS", "GREGORIEN", "2027", "1", "1"},
     "2027 2 6\n"},
    {"Chinese New Year 2030, new moon 7 minutes after midnight",
     {"GREGORIEN", "CHINOIS", "2030", "2", "3"},
     "2030 1 1\n"},
    {"leap 2nd month of 2023, written 2i",
     {"GREGORIEN", "CHINOIS", "2023", "3", "22"},
     "2023 2i 1\n"},
    {"2023 2i 1 read back", {"CHINOIS", "GREGORIEN", "2023", "2i", "1"}, "2023 3 22\n"},
    {"the 2nd month before it", {"CHINOIS", "GREGORIEN", "2023", "2", "1"}, "2023 2 20\n"},
    {"leap 6th month of 1987", {"CHINOIS", "GREGORIEN", "1987", "6i", "1"}, "1987 7 26\n"},
    {"leap 11th month of 2033", {"GREGORIEN", "CHINOIS", "2033", "12", "22"}, "2033 11i 1\n"},
    {"a Chinese leap month day first",
     {"--ordre", "JMA", "CHINOIS", "GREGORIEN", "1", "2i", "2023"},
     "2023 3 22\n"},
    {"a leap month the year lacks",
     {"CHINOIS", "GREGORIEN", "2024", "2i", "1"},
     "",
     "chronastre : l'an 2024 n'a pas de mois intercalaire\n",
     1},
    {"another leap month than the year's",
     {"CHINOIS", "GREGORIEN", "2023", "3i", "1"},
     "",
     "chronastre : l'an 2023 n'a pas de 3e mois intercalaire : son mois intercalaire est le 2e "
     "mois intercalaire\n",
     1},
    {"a 13th Chinese month",
     {"CHINOIS", "GREGORIEN", "2023", "13", "1"},
     "",
     "chronastre : le mois 13 n'existe pas : les mois chinois sont numérotés de 1 à 12\n",
     1},
    {"Naw-Ruz 183 at Tehran: 21 March 2026, the equinox 4 s after sunset",
     {"GREGORIEN", "BAHAI_TEHERAN", "2026", "3", "21"},
     "183 1 1\n"},
    {"Naw-Ruz 182 at Tehran: 20 March 2025, where BAHAI says 21 March",
     {"BAHAI_TEHERAN", "GREGORIEN", "182", "1", "1"},
     "2025 3 20\n"},
    {"a written Chinese date",
     {"CHINOIS", "GREGORIEN", "1er jour du 2e mois intercalaire, gui-mao (Lapin) 2023"},
     "2023 3 22\n"},
    {"a written Iranian date", {"IRANIEN", "GREGORIEN", "1 farvardin 1404"}, "2025 3 21\n"},
    // Outside a range: refused with it, never extrapolated.
    {"before the Umm al-Qura table",
     {"GREGORIEN", "UMM_AL_QURA", "1924", "7", "31"},
     "",
     "chronastre : le 31 juillet 1924 est hors de la plage du calendrier UMM_AL_QURA, qui va du "
     "1er août 1924 au 16 novembre 2077\n",
     1},
    {"its first day", {"GREGORIEN", "UMM_AL_QURA", "1924", "8", "1"}, "1343 1 1\n"},
    {"its last day", {"UMM_AL_QURA", "GREGORIEN", "1500", "12", "30"}, "2077 11 16\n"},
    {"an Umm al-Qura year after the table",
     {"UMM_AL_QURA", "GREGORIEN", "1501", "1", "1"},
     "",
     "chronastre : la date 1501 1 1 est hors de la plage du calendrier UMM_AL_QURA, qui va du 1er "
     "août 1924 au 16 novembre 2077\n",
     1},
    {"an Iranian year before the table",
     {"IRANIEN", "GREGORIEN", "1177", "12", "29"},
     "",
     "chronastre : la date 1177 12 29 est hors de la plage du calendrier IRANIEN, qui va du 21 "
     "mars 1799 au 20 mars 2201\n",
     1},
    {"after the Iranian table",
     {"GREGORIEN", "IRANIEN", "2201", "3", "21"},
     "",
     "chronastre : le 21 mars 2201 est hors de la plage du calendrier IRANIEN, qui va du 21 mars "
     "1799 au 20 mars 2201\n",
     1},
    {"after the Chinese table",
     {"GREGORIEN", "CHINOIS", "2101", "1", "29"},
     "",
     "chronastre : le 29 janvier 2101 est hors de la plage du calendrier CHINOIS, qui va du 10 "
     "février 1899 au 28 janvier 2101\n",
     1},
    {"a Chinese year before the table",
     {"CHINOIS", "GREGORIEN", "1898", "1", "1"},
     "",
     "chronastre : l'an 1898 est hors de la plage du calendrier chinois, qui va du 10 février "
     "1899 au 28 janvier 2101\n",
     1},
    {"after the Tehran table",
     {"GREGORIEN", "BAHAI_TEHERAN", "2201", "3", "21"},
     "",
     "chronastre : le 21 mars 2201 est hors de la plage du calendrier BAHAI_TEHERAN, qui va "
     "jusqu'au 20 mars 2201\n",
     1},
    {"before 172 B.E., the arithmetic Baha'i years",
     {"GREGORIEN", "BAHAI_TEHERAN", "1799", "11", "9"},
     "-44 13 6\n"},
    {"a Julian departure, the Iranian arrival before its table",
     {"JULIEN", "IRANIEN", "1582", "10", "4"},
     "",
     "chronastre : le 4 octobre 1582 est hors de la plage du calendrier IRANIEN, qui va du 21 "
     "mars 1799 au 20 mars 2201\n",
     1},
    {"GREGORIEN FOO",
     {"GREGORIEN", "FOO", "2000", "1", "1"},
     "",
     incompris("calendrier inconnu « FOO »"),
     2},
    {"lower-case keyword",
     {"gregorien", "JULIEN", "2000", "1", "1"},
     "",
     incompris("calendrier inconnu « gregorien » (les mots-clés s'écrivent en majuscules : "
               "GREGORIEN)"),
     2},
    {"keywords are not prefixes",
     {"GREG", "JULIEN", "2000", "1", "1"},
     "",
     incompris("calendrier inconnu « GREG »"),
     2},
    {"MAYA long count", {"MAYA", "GREGORIEN", "0", "13", "0", "0", "0", "0"}, "2012 12 23\n"},
    {"MAYA to MAYA",
     {"MAYA", "MAYA", "0", "12", "19", "6", "15", "0"},
     "0.12.19.6.15.0, 9 20 8 13\n"},
    {"MAYA long count to unknown",
     {"MAYA", "FOO", "0", "13", "0", "0", "0", "0"},
     "",
     incompris("calendrier inconnu « FOO »"),
     2},
    // MAYA departure needs a long count; a long count needs MAYA departure.
    {"MAYA departure with a date",
     {"MAYA", "GREGORIEN", "2000", "1", "1"},
     "",
     incompris("nombre d'arguments incorrect (5) : une date MAYA est un compte long de six "
               "nombres"),
     2},
    {"long count without MAYA departure",
     {"GREGORIEN", "JULIEN", "0", "13", "0", "0", "0", "0"},
     "",
     incompris("nombre d'arguments incorrect (8) : six nombres ne forment une date que pour MAYA"),
     2},
    // A date that does not exist is converted as read, with a warning.
    {"30 February",
     {"GREGORIEN", "JULIEN", "2023", "2", "30"},
     "2023 2 17\n",
     "chronastre : attention, la date 2023 2 30 n'existe pas dans le calendrier GREGORIEN ; elle "
     "est lue comme 2023 3 2\n"},
    {"a 13th month",
     {"GREGORIEN", "JULIEN", "2023", "13", "1"},
     "2023 12 19\n",
     "chronastre : attention, la date 2023 13 1 n'existe pas dans le calendrier GREGORIEN ; elle "
     "est lue comme 2024 1 1\n"},
    {"day 0",
     {"REPUBLICAIN", "GREGORIEN", "8", "2", "0"},
     "1799 10 22\n",
     "chronastre : attention, la date 8 2 0 n'existe pas dans le calendrier REPUBLICAIN ; elle est "
     "lue comme 8 1 30\n"},
    {"20 pictun: beyond the long count, said as the day converted",
     {"MAYA", "GREGORIEN", "20", "0", "0", "0", "0", "0"},
     "154591 1 22\n",
     "chronastre : attention, la date 20 0 0 0 0 0 n'existe pas dans le calendrier MAYA ; elle est "
     "lue comme le jour julien 58184285, au-delà du dernier jour du compte long "
     "(19.19.19.19.17.19)\n"},
    // The input shown in a message never reaches the terminal raw.
    {"controls, bidirectional overrides, paragraph separators and invalid UTF-8 shown by their "
     "codes",
     {"GREGORIEN",
      "A\x1b[2J\xc2\x9b\xe2\x80\xae\xef\xbb\xbf\xed\xa0\x80\xc0\xaf\xf4\x90\x80\x80\x9bZé"
      "\xc2\x80\xe2\x80\xaa\xe2\x81\xa6\xe2\x81\xa9\xe2\x80\xa9\x7f\xe0\x80\xaf",
      "2000", "1", "1"},
     "",
     incompris("calendrier inconnu « A<U+001B>[2J<U+009B><U+202E><U+FEFF><0xED><0xA0><0x80><0xC0>"
               "<0xAF><0xF4><0x90><0x80><0x80><0x9B>Zé<U+0080><U+202A><U+2066><U+2069><U+2029>"
               "<U+007F><0xE0><0x80><0xAF> »"),
     2},

    // Numbers: leading blanks, sign, digits up to the first other character.
    {"trailing letters", {"GREGORIEN", "JULIEN", "2000abc", "1x", "1.5"}, "1999 12 19\n"},
    {"blanks and sign", {"GREGORIEN", "JULIEN", " \t+2000", "+1", "  1"}, "1999 12 19\n"},
    {"no number reads as 0",
     {"JULIEN", "JULIEN", "abc", "-", ""},
     "-1 11 30\n",
     "chronastre : attention, la date 0 0 0 n'existe pas dans le calendrier JULIEN ; elle est lue "
     "comme -1 11 30\n"},
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
        const Resultat r = executer(programme, c.arguments, "", {"LC_ALL=C.UTF-8"});
        EXPECT_EQ(r.sortie, c.attendu);
        EXPECT_EQ(r.erreurs, c.erreurs);
        EXPECT_EQ(r.code, c.code);
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
    for (const char* annee : {"2000000000", "-2000000000"}) {
        for (std::size_t k = 0; k < std::size(motsCalendriers); ++k) {
            const char* mot = motsCalendriers[k];
            if (std::string(mot) == "MAYA")
                continue; // no year, month and day
            const Resultat aller = lancer({"JULIEN", mot, annee, "3", "1"});
            if (k >= 19) {
                // The calendars in use today know only their tables' days.
                EXPECT_EQ(aller.sortie, "") << mot;
                EXPECT_EQ(aller.code, 1) << mot;
                EXPECT_NE(aller.erreurs.find(" est hors de la plage du calendrier "),
                          std::string::npos)
                    << mot;
                continue;
            }
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

// A standard output that cannot be written is not reported as success: the
// program says why, except to a reader that closed its pipe (| head -1).
TEST(LigneCommande, SortieImpossibleAEcrire)
{
    struct CasSortie
    {
        const char* nom;
        std::string script; // run by /bin/sh, the program as "$0"
        std::string erreurs;
        int code;
    };
    const std::string pleine = "chronastre : la sortie standard ne peut pas être écrite (plus de "
                               "place sur le disque).\n";
    const CasSortie cas[] = {
        {"a full disk", "\"$0\" -h > /dev/full", pleine, 1},
        {"a full disk, in a batch", "echo 2000 1 1 | \"$0\" GREGORIEN JULIEN > /dev/full", pleine,
         1},
        {"a closed descriptor", "\"$0\" PAQUES 2011 >&-",
         "chronastre : la sortie standard ne peut pas être écrite (elle est fermée).\n", 1},
        {"a reader that stops early",
         "\"$0\" -h | head -c 1 >/dev/null; i=0; while [ $i -lt 30000 ]; do echo 2000 1 1; "
         "i=$((i+1)); done | \"$0\" GREGORIEN JULIEN | head -1 >/dev/null",
         "", 0},
        {"a writable output", "\"$0\" -h > /dev/null", "", 0},
    };
    for (const CasSortie& c : cas) {
        SCOPED_TRACE(c.nom);
        const Resultat r = executer("/bin/sh", {"-c", c.script, programme}, "", {"LC_ALL=C.UTF-8"});
        EXPECT_EQ(r.erreurs, c.erreurs);
        EXPECT_EQ(r.code, c.code);
    }
}

namespace {

using namespace std::string_literals;

struct CasLot
{
    const char* nom;
    std::vector<std::string> arguments;
    std::string entree;
    std::string locale; // LC_ALL of the run: the encoding of the messages
    std::string sortie;
    std::string erreurs;
    int code;
};

const std::string avertissement2023 =
    "chronastre : ligne 5 : attention, la date 2023 2 30 n'existe pas dans le calendrier "
    "GREGORIEN ; elle est lue comme 2023 3 2\n";

// One result line per input line; the Julian dates are those of any
// conversion table (13 days behind the Gregorian since 1900, 2 ahead in 44 BC).
const CasLot casLot[] = {
    {"a file of good, bad and odd lines",
     {"GREGORIEN", "JULIEN"},
     "2024-03-11\n2024 3 11\r\n\n-0043-03-15\n2023;2;30\nabc\n2024 3\n99999999999 1 1\n"
     "2024.3.11\n1582/10/15 et la suite\n,, \t\n2024,2,29",
     "C.UTF-8",
     "2024 2 27\n2024 2 27\n\n-43 3 17\n2023 2 17\n\n\n\n\n1582 10 5\n\n2024 2 16\n",
     avertissement2023 + "chronastre : ligne 6 : nombre attendu à la place de « a »\n"
                         "chronastre : ligne 7 : date incomplète (2 nombres sur 3)\n"
                         "chronastre : ligne 8 : nombre hors des limites de 32 bits\n"
                         "chronastre : ligne 9 : caractère inattendu « . » après un nombre\n"
                         "chronastre : ligne 11 : aucun nombre\n",
     1},
    {"messages in Latin-1 outside a UTF-8 locale",
     {"GREGORIEN", "JULIEN"},
     "2024 3\n",
     "C",
     "\n",
     "chronastre : ligne 1 : date incompl\xE8te (2 nombres sur 3)\n",
     1},
    {"every line converted: status 0, warnings aside",
     {"GREGORIEN", "JULIEN"},
     "2000 1 1\n\n2024 2 29\n2023 2 30\n2023 2 30\n",
     "C.UTF-8",
     "1999 12 19\n\n2024 2 16\n2023 2 17\n2023 2 17\n",
     "chronastre : ligne 4 : attention, la date 2023 2 30 n'existe pas dans le calendrier "
     "GREGORIEN ; elle est lue comme 2023 3 2\n"
     "chronastre : ligne 5 : attention, la date 2023 2 30 n'existe pas dans le calendrier "
     "GREGORIEN ; elle est lue comme 2023 3 2\n",
     0},
    {"32-bit limits are dates, one more is not",
     {"JULIEN", "JULIEN"},
     "-2147483648 1 1\n2147483647 12 31\n-2147483649 1 1\n2147483648 1 1\n",
     "C.UTF-8",
     "-2147483648 1 1\n2147483647 12 31\n\n\n",
     "chronastre : ligne 3 : nombre hors des limites de 32 bits\n"
     "chronastre : ligne 4 : nombre hors des limites de 32 bits\n",
     1},
    {"a sign alone, a NUL byte, a spaced minus, a word",
     {"JULIEN", "GREGORIEN"},
     "2000 1 -\n2000\0 1 1\n- 1 1\n2000 --1 1\n2000 1 1er\nmars 2000\n"s,
     "C.UTF-8",
     "\n\n\n\n2000 1 14\n\n",
     "chronastre : ligne 1 : chiffre attendu après le signe\n"
     "chronastre : ligne 2 : caractère inattendu (l'octet 0x00) après un nombre\n"
     "chronastre : ligne 3 : chiffre attendu après le signe\n"
     "chronastre : ligne 4 : chiffre attendu après le signe\n"
     "chronastre : ligne 6 : date incomplète : il manque le jour\n",
     1},
    {"MAYA departure: six numbers, any separator",
     {"MAYA", "GREGORIEN"},
     "0.13.0.0.0.0\n0 13 0 0 0 0\n0-13-0-0-0-0\n0 0 0 0 18 0\n0 12 19 6 15 0\n",
     "C.UTF-8",
     "\n2012 12 23\n2012 12 23\n-3112 8 7\n2000 1 1\n",
     "chronastre : ligne 1 : caractère inattendu « . » après un nombre\n"
     "chronastre : ligne 4 : attention, la date 0 0 0 0 18 0 n'existe pas dans le calendrier "
     "MAYA ; elle est lue comme 0.0.0.1.0.0, 13 20 3 17\n",
     1},
    {"MAYA arrival and dates before the epochs",
     {"GREGORIEN", "MAYA"},
     "2012 12 23\n-3113 8 12\n",
     "C.UTF-8",
     "0.13.0.0.0.0, 4 20 3 13\n-1.-1.-1.-1.-1.-1, -1 -1 -1 -1\n",
     "",
     0},
    {"a Hebrew year before the first",
     {"HEBREU", "GREGORIEN"},
     "0 1 1\n",
     "C.UTF-8",
     "-3761 8 20\n",
     "chronastre : ligne 1 : attention, la date 0 1 1 n'existe pas dans le calendrier HEBREU ; "
     "elle est antérieure à son début\n",
     0},
    {"TOUS: twenty-three fields in kind order",
     {"GREGORIEN", "TOUS"},
     "2000 1 1\n",
     "C.UTF-8",
     "1449 6 8\t2748 9 13\t1369 6 8\t1368 10 13\t1716 4 22\t1992 4 22\t1999 12 19\t2311 4 "
     "19\t2311 3 19\t156 16 2\t2000 1 1\t208 4 11\t1921 10 11\t1420 9 25\t1420 9 24\t2752 7 "
     "1\t2754 5 1\t5760 4 23\t0.12.19.6.15.0, 9 20 8 13\t1378 10 11\t1420 9 24\t1999 11 "
     "25\t156 16 2\n",
     "",
     0},
    {"TOUS: a calendar in use today outside its range leaves its field empty",
     {"GREGORIEN", "TOUS"},
     "1799 11 9\n",
     "C.UTF-8",
     "1249 2 27\t2548 6 2\t1169 2 27\t1168 7 2\t1516 3 1\t1792 3 1\t1799 10 29\t2111 2 "
     "29\t2111 1 29\t-44 13 6\t1799 11 9\t8 2 18\t1721 8 18\t1214 6 11\t1214 6 10\t2552 5 "
     "28\t2554 1 20\t5560 2 11\t0.12.9.3.13.19, 7 19 7 8\t1178 8 18\t\t\t-44 13 6\n",
     "",
     0},
    {"Chinese dates, a leap month as 2i, the month after it, a note after the numbers",
     {"CHINOIS", "GREGORIEN"},
     "2023 2i 1\n2023 2 1 fête\n2023/02i/01\n1er jour du 2e mois intercalaire, gui-mao (Lapin) "
     "2023\n2024 2i 1\n1898 1 1\n2023 3 1\n",
     "C.UTF-8",
     "2023 3 22\n2023 2 20\n2023 3 22\n2023 3 22\n\n\n2023 4 20\n",
     "chronastre : ligne 5 : l'an 2024 n'a pas de mois intercalaire\n"
     "chronastre : ligne 6 : l'an 1898 est hors de la plage du calendrier chinois, qui va du 10 "
     "février 1899 au 28 janvier 2101\n",
     1},
    {"GEDCOM: a refused date and a warning do not carry over to the next dates",
     {"GEDCOM"},
     "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 BIRT\n2 DATE 31 FEB 1700\n1 DEAT\n2 DATE @#DJULIAN@ "
     "12 MAR 1750\n1 BURI\n2 DATE Tuesday, 20 January 1988\n1 EVEN\n2 DATE @#DJULIAN@ 14 MAR "
     "1750\n0 TRLR\n",
     "C.UTF-8",
     "7\t@I1@\tDEAT\t@#DJULIAN@ 12 MAR 1750\tLundi 23 Mars 1750\t\n"
     "11\t@I1@\tEVEN\t@#DJULIAN@ 14 MAR 1750\tMercredi 25 Mars 1750\t\n",
     "chronastre : ligne 5 : date « 31 FEB 1700 » : le 31 Février 1700 n'existe pas : Février a "
     "28 jours en l'an 1700\n"
     "chronastre : ligne 9 : date « Tuesday, 20 January 1988 » : attention, cette date est un "
     "Mercredi, pas un Tuesday\n"
     "chronastre : 2 dates listées, 1 refusée\n",
     1},
    {"into the Chinese calendar",
     {"GREGORIEN", "CHINOIS"},
     "2023-03-22\n1987-07-26\n",
     "C.UTF-8",
     "2023 2i 1\n1987 6i 1\n",
     "",
     0},
    {"outside the ranges: the line refused with the range",
     {"GREGORIEN", "UMM_AL_QURA"},
     "2024-03-11\n1900-01-01\n2077-11-17\n",
     "C.UTF-8",
     "1445 9 1\n\n\n",
     "chronastre : ligne 2 : le 1er janvier 1900 est hors de la plage du calendrier UMM_AL_QURA, "
     "qui va du 1er août 1924 au 16 novembre 2077\n"
     "chronastre : ligne 3 : le 17 novembre 2077 est hors de la plage du calendrier UMM_AL_QURA, "
     "qui va du 1er août 1924 au 16 novembre 2077\n",
     1},
    {"an Iranian year outside the table, as numbers",
     {"IRANIEN", "GREGORIEN"},
     "1404 1 1\n1580 1 1\n",
     "C.UTF-8",
     "2025 3 21\n\n",
     "chronastre : ligne 2 : la date 1580 1 1 est hors de la plage du calendrier IRANIEN, qui va "
     "du 21 mars 1799 au 20 mars 2201\n",
     1},
    {"an empty input gives an empty output", {"SAKA", "TOUS"}, "", "C.UTF-8", "", "", 0},
    // Written dates.
    {"written dates, in words and in Roman numerals",
     {"REPUBLICAIN", "GREGORIEN"},
     "18 brumaire an VIII\nle dix-huit brumaire an huit\n31 brumaire an VIII\nPrimidi 9 thermidor "
     "an "
     "II\n",
     "C.UTF-8",
     "1799 11 9\n1799 11 9\n\n1794 7 27\n",
     "chronastre : ligne 3 : le 31 Brumaire 8 n'existe pas : Brumaire a 30 jours en l'an 8\n"
     "chronastre : ligne 4 : attention, cette date est un Nonidi, pas un Primidi\n",
     1},
    // The filter for real files.
    {"an identifier column first",
     {"--colonne", "2", "GREGORIEN", "JULIEN"},
     "1,2024-03-11,hello\n2,2024-02-30,x\n",
     "C.UTF-8",
     "1,2024 2 27,hello\n2,2024 2 17,x\n",
     "chronastre : ligne 2 : attention, la date 2024 2 30 n'existe pas dans le calendrier "
     "GREGORIEN ; elle est lue comme 2024 3 1\n",
     0},
    {"a header passed through, dates day first, a bad field emptied",
     {"--entete", "--colonne=2", "--ordre", "JMA", "GREGORIEN", "JULIEN"},
     "id;date;nom\n1;11/03/2024;a\n2;bonjour;b\n3;;c\n4\n",
     "C.UTF-8",
     "id;date;nom\n1;2024 2 27;a\n2;;b\n3;;c\n4\n",
     "chronastre : ligne 3 : nombre attendu à la place de « b »\n"
     "chronastre : ligne 5 : la ligne n'a pas de champ 2\n",
     1},
    {"one separator for the file, a tab before a semicolon before a comma",
     {"--colonne", "3", "--ordre", "JMA", "JULIEN", "GREGORIEN"},
     "Dupont, Jean;1;15/02/1564\nMartin\tPierre;2;25/12/1642\n",
     "C.UTF-8",
     "Dupont, Jean;1;1564 2 25\nMartin\tPierre;2;1643 1 4\n",
     "",
     0},
    {"--entete --strict: a first line that is a written date that does not exist is refused",
     {"--entete", "--strict", "GREGORIEN", "JULIEN"},
     "30 février 2023\n2024-03-11\n",
     "C.UTF-8",
     "\n2024 2 27\n",
     "chronastre : ligne 1 : le 30 Février 2023 n'existe pas : Février a 28 jours en l'an 2023\n",
     1},
    {"numbers and an era that make no date: refused, the era kept",
     {"JULIEN", "GREGORIEN"},
     "2023 2 30 av. J.-C.\n",
     "C.UTF-8",
     "\n",
     "chronastre : ligne 1 : le jour 30 n'existe pas : Février a 28 jours en l'an -2022\n",
     1},
    {"--entete without --colonne: the header passed through, a first line that is a date "
     "converted",
     {"JULIEN", "GREGORIEN", "--entete"},
     "naissance\n1642-12-25\n",
     "C.UTF-8",
     "naissance\n1643 1 4\n",
     "",
     0},
    {"--entete --strict: a first line that is a date that does not exist is refused",
     {"--entete", "--strict", "--colonne", "1", "GREGORIEN", "JULIEN"},
     "2023-02-30\n2024-03-11\n",
     "C.UTF-8",
     "\n2024 2 27\n",
     "chronastre : ligne 1 : la date 2023 2 30 n'existe pas dans le calendrier GREGORIEN\n",
     1},
    {"an era after numbers, a note after numbers, an ordinal day",
     {"JULIEN", "GREGORIEN"},
     "44 3 15 av. J.-C.\n2024 3 11 baptême\n2000 1 1er\n",
     "C.UTF-8",
     "-43 3 13\n2024 3 24\n2000 1 14\n",
     "",
     0},
    {"a month of another calendar: the message a single conversion gives",
     {"REPUBLICAIN", "GREGORIEN"},
     "15 mars 2024\n",
     "C.UTF-8",
     "\n",
     "chronastre : ligne 1 : « mars » n'est pas un mois du calendrier républicain (c'est un mois "
     "des calendriers julien et grégorien)\n",
     1},
    {"month first",
     {"--ordre", "MJA", "GREGORIEN", "JULIEN"},
     "03/11/2024\n",
     "C.UTF-8",
     "2024 2 27\n",
     "",
     0},
    {"quoted fields, a result that holds the separator quoted",
     {"--colonne", "2", "GREGORIEN", "MAYA"},
     "\"Dupont; Jean, fils\",2012-12-23\n",
     "C.UTF-8",
     "\"Dupont; Jean, fils\",\"0.13.0.0.0.0, 4 20 3 13\"\n",
     "",
     0},
    {"a separator given",
     {"--separateur", "tab", "--colonne", "1", "GREGORIEN", "JULIEN"},
     "2024-03-11\t;x,y\n",
     "C.UTF-8",
     "2024 2 27\t;x,y\n",
     "",
     0},
    {"strict: a date that does not exist is refused",
     {"--strict", "GREGORIEN", "JULIEN"},
     "2023 2 30\n2024 2 29\n",
     "C.UTF-8",
     "\n2024 2 16\n",
     "chronastre : ligne 1 : la date 2023 2 30 n'existe pas dans le calendrier GREGORIEN\n",
     1},
    {"old Mac line ends (CR only) and a byte-order mark",
     {"GREGORIEN", "JULIEN"},
     "\xEF\xBB\xBF"
     "2024-03-11\r2024-03-12\r\n2024-03-13\r",
     "C.UTF-8",
     "2024 2 27\n2024 2 28\n2024 2 29\n",
     "",
     0},
    {"a blank CR LF line is a blank line",
     {"GREGORIEN", "JULIEN"},
     "2000 1 1\r\n\r\n \t\r\n2000 1 1\r\n",
     "C.UTF-8",
     "1999 12 19\n\n\n1999 12 19\n",
     "",
     0},
    {"two words that are not both keywords read nothing",
     {"GREGORIEN", "FOO"},
     "2000 1 1\n",
     "C.UTF-8",
     "",
     "chronastre : calendrier inconnu « FOO » ; voir chronastre -h ou man chronastre.\n",
     2},
    {"TOUS is no departure",
     {"TOUS", "GREGORIEN"},
     "2000 1 1\n",
     "C.UTF-8",
     "",
     "chronastre : « TOUS » ne peut être que le calendrier d'arrivée ; voir chronastre -h ou man "
     "chronastre.\n",
     2},
    {"a 20-pictun long count: the day converted is said",
     {"MAYA", "GREGORIEN"},
     "20 0 0 0 0 0\n",
     "C.UTF-8",
     "154591 1 22\n",
     "chronastre : ligne 1 : attention, la date 20 0 0 0 0 0 n'existe pas dans le calendrier MAYA "
     "; elle est lue comme le jour julien 58184285, au-delà du dernier jour du compte long "
     "(19.19.19.19.17.19)\n",
     0},
    {"a C1 control, an override and a stray byte in a line",
     {"GREGORIEN", "JULIEN"},
     "2000\xc2\x9b 1 1\n\xe2\x80\xae"
     "2000 1 1\n2000\x9b\n",
     "C.UTF-8",
     "\n\n\n",
     "chronastre : ligne 1 : caractère inattendu (le caractère U+009B) après un nombre\n"
     "chronastre : ligne 2 : nombre attendu à la place du caractère U+202E\n"
     "chronastre : ligne 3 : caractère inattendu (l'octet 0x9B) après un nombre\n",
     1},
};

} // namespace

TEST(LigneCommande, LotCommeUnUtilisateur)
{
    for (const CasLot& c : casLot) {
        SCOPED_TRACE(c.nom);
        const Resultat r = executer(programme, c.arguments, c.entree, {"LC_ALL=" + c.locale});
        EXPECT_EQ(r.sortie, c.sortie);
        EXPECT_EQ(r.erreurs, c.erreurs);
        EXPECT_EQ(r.code, c.code);
    }
}

// A line of numbers alone, each separated from the next by one byte, is
// read at once; any other by the general reading, which a blank before the
// line asks for: the same results, messages and exit code either way, for
// numbers of nine digits and of ten, dates that exist and dates that do not,
// every separator, order and number of fields.
TEST(LigneCommande, LotNombresSeulsCommeLaLectureGenerale)
{
    struct Cas
    {
        std::vector<std::string> arguments;
        std::vector<std::string> lignes;
    };
    const Cas cas[] = {
        {{"GREGORIEN", "JULIEN"},
         {"2024-03-11",     "2024/3/11",      "2024,03,11",         "2024;3;11",
          "2024\t3\t11",    "2024 3 11",      "999999999 12 31",    "1234567890 1 1",
          "9999999999 1 1", "000000002 3 11", "0000000002024 3 11", "2024-02-29",
          "2023-02-29",     "2100-02-29",     "2000-02-29",         "1900-02-28",
          "2024-04-30",     "2024-04-31",     "2024-12-31",         "2024-12-32",
          "2024-13-01",     "2024-00-10",     "2024-01-00",         "0-02-29",
          "4-02-29",        "1-02-29",        "2024-3-11-5",        "2024-3-11 ",
          "2024--3-11",     "2024-3"}},
        {{"--strict", "GREGORIEN", "JULIEN"}, {"2023-02-29", "2024-02-29", "1900-02-29"}},
        {{"JULIEN", "GREGORIEN"}, {"1900-02-29", "1901-02-29", "1582-10-05", "4-2-29", "0-2-29"}},
        {{"--strict", "JULIEN", "GREGORIEN"}, {"1900-02-29", "1901-02-29", "100-2-29"}},
        {{"--ordre", "JMA", "GREGORIEN", "HEBREU"}, {"11/03/2024", "31/04/2024", "29/02/1900"}},
        {{"--ordre", "MJA", "GREGORIEN", "TOUS"}, {"03/11/2024", "02/29/2024"}},
        {{"MAYA", "GREGORIEN"}, {"0 13 0 0 0 0", "0-13-0-0-0-0", "0 0 0 0 18 0", "20 0 0 0 0 0"}},
        {{"HEBREU", "MAYA"}, {"5784 7 1", "5784 13 1", "5785 13 1", "0 1 1"}},
        {{"REPUBLICAIN", "GREGORIEN"}, {"8 2 18", "8 13 6", "3 13 6"}},
    };
    for (const Cas& c : cas) {
        std::string seules;
        std::string apresUnBlanc;
        for (const std::string& ligne : c.lignes) {
            seules += ligne + "\n";
            apresUnBlanc += " " + ligne + "\n";
        }
        SCOPED_TRACE(seules);
        const Resultat rapide = executer(programme, c.arguments, seules, {"LC_ALL=C.UTF-8"});
        const Resultat general = executer(programme, c.arguments, apresUnBlanc, {"LC_ALL=C.UTF-8"});
        EXPECT_EQ(rapide.sortie, general.sortie);
        EXPECT_EQ(rapide.erreurs, general.erreurs);
        EXPECT_EQ(rapide.code, general.code);
    }
}

// A line longer than 4 KiB is refused, and the lines around it are converted.
TEST(LigneCommande, LotLigneTropLongue)
{
    const std::string longue(5000, '1');
    const Resultat r =
        executer(programme, {"GREGORIEN", "JULIEN"},
                 "2000 1 1\n" + longue + "\n2000 1 1\n" + longue, {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(r.sortie, "1999 12 19\n\n1999 12 19\n\n");
    EXPECT_EQ(r.erreurs, "chronastre : ligne 2 : ligne trop longue (plus de 4096 octets)\n"
                         "chronastre : ligne 4 : ligne trop longue (plus de 4096 octets)\n");
    EXPECT_EQ(r.code, 1);
}

namespace {

// One date of each departure, in that calendar.
const std::pair<const char*, const char*> datesDeDepart[] = {
    {"ARMENIEN", "1449 13 5"}, {"EGYPTIEN", "2748 9 13"},     {"KHWARIZMIEN", "1369 6 8"},
    {"PERSE", "1368 13 1"},    {"COPTE", "1739 13 6"},        {"ETHIOPIEN", "2016 1 1"},
    {"JULIEN", "1582 10 4"},   {"MACEDONIEN", "2311 6 29"},   {"SYRIEN", "-5 5 29"},
    {"BAHAI", "168 19 5"},     {"GREGORIEN", "1582 10 15"},   {"REPUBLICAIN", "8 2 18"},
    {"SAKA", "1946 1 31"},     {"ISLAMIQUE_A", "1445 12 30"}, {"ISLAMIQUE_B", "1 1 1"},
    {"ROMAIN_I", "709 2 29"},  {"ROMAIN_II", "764 2 28"},     {"HEBREU", "5784 7 1"},
    {"MAYA", "0 13 0 0 0 0"},  {"IRANIEN", "1403 12 30"},     {"UMM_AL_QURA", "1445 9 1"},
    {"CHINOIS", "2023 2i 1"},  {"BAHAI_TEHERAN", "182 19 5"},
};

std::vector<std::string> decouper(const std::string& texte, char separateur)
{
    std::vector<std::string> parties;
    std::string partie;
    std::istringstream flux(texte);
    while (std::getline(flux, partie, separateur))
        parties.push_back(partie);
    return parties;
}

} // namespace

// For every departure and arrival, a batch line is the line the single
// command prints, and each field of TOUS is that line too; a day outside the
// range of a calendar in use today leaves its field of TOUS empty and is
// refused by the conversion and the batch.
TEST(LigneCommande, LotEgalConversionUnique)
{
    for (const auto& [depart, date] : datesDeDepart) {
        SCOPED_TRACE(depart);
        std::vector<std::string> arguments = {depart, ""};
        for (const std::string& nombre : decouper(date, ' '))
            arguments.push_back(nombre);
        const Resultat tous = executer(programme, {depart, "TOUS"}, std::string(date) + "\n");
        ASSERT_EQ(tous.code, 0);
        const std::vector<std::string> champs =
            decouper(tous.sortie.substr(0, tous.sortie.size() - 1), '\t');
        ASSERT_EQ(champs.size(), std::size(motsCalendriers)) << tous.sortie;
        for (std::size_t k = 0; k < champs.size(); ++k) {
            arguments[1] = motsCalendriers[k];
            const Resultat unique = executer(programme, arguments);
            const Resultat lot =
                executer(programme, {depart, motsCalendriers[k]}, std::string(date) + "\n");
            if (champs[k].empty()) {
                EXPECT_GE(k, 19U);
                EXPECT_EQ(unique.sortie, "") << motsCalendriers[k];
                EXPECT_EQ(unique.code, 1) << motsCalendriers[k];
                EXPECT_EQ(lot.sortie, "\n") << motsCalendriers[k];
                EXPECT_EQ(lot.code, 1) << motsCalendriers[k];
                continue;
            }
            EXPECT_EQ(unique.sortie, champs[k] + "\n") << motsCalendriers[k];
            EXPECT_EQ(lot.sortie, unique.sortie) << motsCalendriers[k];
        }
    }
}

namespace {

std::string lire(const std::string& chemin)
{
    std::ifstream fichier(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(fichier), {});
}

std::string latin1VersUtf8(const std::string& latin1)
{
    std::string utf8;
    for (const char c : latin1) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (octet >> 6));
            utf8 += static_cast<char>(0x80 | (octet & 0x3F));
        }
    }
    return utf8;
}

} // namespace

// TOUS prints lines 13 to 36 of the window's report of the same day: those of
// the reviewed reports of tests/rapports/, whose day is found from their
// Julian Day through std::chrono.
TEST(LigneCommande, TousCommeLeRapport)
{
    const std::vector<std::string> lignes =
        decouper(lire(CHRONASTRE_DOSSIER_TESTS "/rapports/litteral.txt"), '\n');
    ASSERT_EQ(lignes.size(), 24U * 36);
    for (std::size_t debut = 0; debut < lignes.size(); debut += 36) {
        const double jourJulien = std::stod(lignes[debut + 4].substr(lignes[debut + 4].find('\t')));
        const auto jour = static_cast<long>(std::floor(jourJulien + 0.5)) - 2440588;
        const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{jour}}};
        const Resultat r =
            executer(programme, {"GREGORIEN", "TOUS", std::to_string(int(date.year())),
                                 std::to_string(unsigned(date.month())),
                                 std::to_string(unsigned(date.day()))});
        std::string attendu;
        for (std::size_t i = 12; i < 36; ++i)
            attendu += lignes[debut + i] + "\n";
        // Then an empty line and the four calendars in use today.
        const std::vector<std::string> ecrites = decouper(latin1VersUtf8(r.sortie), '\n');
        ASSERT_EQ(ecrites.size(), 29U) << lignes[debut + 3];
        std::string rapport;
        for (std::size_t i = 0; i < 24; ++i)
            rapport += ecrites[i] + "\n";
        EXPECT_EQ(rapport, attendu) << lignes[debut + 3];
        EXPECT_EQ(ecrites[24], "");
        EXPECT_TRUE(ecrites[25].starts_with("Calendrier iranien :\t "));
        EXPECT_TRUE(ecrites[26].starts_with("Calendrier Umm al-Qura : "));
        EXPECT_TRUE(ecrites[27].starts_with("Calendrier chinois :\t "));
        EXPECT_TRUE(ecrites[28].starts_with("Calendrier bahaï (Téhéran) : "));
    }
    // The four of 22 March 2023: 2 Farvardin 1402 (Nowruz on the 21st), the
    // eve of Ramadan 1444, the first day of the leap 2nd month, 2 Baha 180.
    const Resultat usage = executer(programme, {"GREGORIEN", "TOUS", "2023", "3", "22"});
    EXPECT_TRUE(latin1VersUtf8(usage.sortie)
                    .ends_with("\n\nCalendrier iranien :\t Chaharshanbeh 2 Farvardin 1402\n"
                               "Calendrier Umm al-Qura : Youm el Arbaa 30 Sha'ban 1444\n"
                               "Calendrier chinois :\t 1er jour du 2e mois intercalaire, "
                               "gui-mao (Lapin) 2023\n"
                               "Calendrier bahaï (Téhéran) : 'Idál 2 Bahá 180\n"))
        << usage.sortie;
    // Before the tables: each says its range.
    const Resultat avant = executer(programme, {"GREGORIEN", "TOUS", "1799", "3", "20"});
    EXPECT_TRUE(latin1VersUtf8(avant.sortie)
                    .ends_with("Calendrier iranien :\t Hors de la plage (du 21 mars 1799 au 20 "
                               "mars 2201)\n"
                               "Calendrier Umm al-Qura : Hors de la plage (du 1er août 1924 au 16 "
                               "novembre 2077)\n"
                               "Calendrier chinois :\t Hors de la plage (du 10 février 1899 au 28 "
                               "janvier 2101)\n"
                               "Calendrier bahaï (Téhéran) : 'Idál 19 'Alá -45\n"))
        << avant.sortie;
    EXPECT_EQ(avant.code, 0);
    // A Maya departure, and the bytes themselves: Latin-1 outside a terminal.
    const Resultat maya = executer(programme, {"MAYA", "TOUS", "0", "12", "19", "6", "15", "0"});
    EXPECT_NE(maya.sortie.find("Calendrier gr\xE9gorien :\t Samedi 1er Janvier 2000\n"),
              std::string::npos);
    EXPECT_EQ(executer(programme, {"MAYA", "TOUS", "2000", "1", "1"}).sortie, "");
    EXPECT_EQ(executer(programme, {"GREGORIEN", "TOUS", "0", "13", "0", "0", "0", "0"}).sortie, "");
}

// On a terminal that reads UTF-8 the accents leave as UTF-8; in the C locale,
// in a pipe or a file, as Latin-1 bytes.
TEST(LigneCommande, EncodageDuTerminal)
{
    const std::vector<std::string> jour = {"JOUR", "2000", "1", "1"};
    const std::string utf8 = "Jour de l'ann\xC3\xA9"
                             "e    : 1\n";
    const std::string latin1 = "Jour de l'ann\xE9"
                               "e    : 1\n";
    const Resultat terminal = executerSurTerminal(programme, jour, true, "", {"LC_ALL=C.UTF-8"});
    EXPECT_NE(terminal.sortie.find(utf8), std::string::npos) << terminal.sortie;
    const Resultat terminalC = executerSurTerminal(programme, jour, true, "", {"LC_ALL=C"});
    EXPECT_NE(terminalC.sortie.find(latin1), std::string::npos) << terminalC.sortie;
    const Resultat tube = executer(programme, jour, "", {"LC_ALL=C.UTF-8"});
    EXPECT_NE(tube.sortie.find(latin1), std::string::npos) << tube.sortie;
    // A French terminal: UTF-8, and the Julian Day keeps its point.
    const Resultat francais = executerSurTerminal(
        programme, {"JOUR", "2000", "1", "1", "12", "0", "0"}, true, "", {"LC_ALL=fr_FR.UTF-8"});
    EXPECT_EQ(francais.sortie, "coucou\nJour julien        : 2451545.00000\n"
                               "Jour de la semaine : Samedi\n" +
                                   utf8);
}

// On a terminal, the fields copied through from the input show their
// controls by their codes; into a pipe they stay byte for byte.
TEST(LigneCommande, LotChampsCopiesSurTerminal)
{
    const std::vector<std::string> arguments = {"--colonne", "2", "GREGORIEN", "JULIEN"};
    const std::string entree = "a\x1b[2J\xe2\x80\xae;2000-01-01\n";
    const Resultat terminal =
        executerSurTerminal(programme, arguments, true, entree, {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(terminal.sortie, "a<U+001B>[2J<U+202E>;1999 12 19\n");
    const Resultat tube = executer(programme, arguments, entree, {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(tube.sortie, "a\x1b[2J\xe2\x80\xae;1999 12 19\n");
}

// Typed on a terminal: the batch says what it expects, answers each line and
// ends with Ctrl+D.
TEST(LigneCommande, LotAuClavier)
{
    const Resultat r = executerSurTerminal(programme, {"GREGORIEN", "JULIEN"}, false,
                                           "2000 1 1\n\x04", {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(r.sortie, "1999 12 19\n");
    EXPECT_EQ(r.erreurs, "chronastre : une date GREGORIEN par ligne (année mois jour), convertie "
                         "en JULIEN ; Ctrl+D pour terminer.\n");
    EXPECT_EQ(r.code, 0);
}

// With no display to open (an SSH session, a server), the window cannot
// start: one French line, the exit code 1, no abort and no core dump.
TEST(LigneCommande, SansAffichage)
{
    const Resultat r =
        executer(programme, {}, "", {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.sortie, "");
    EXPECT_EQ(r.erreurs, "Chronastre : aucun affichage graphique n'est disponible pour ouvrir la "
                         "fenêtre ; la ligne de commande reste utilisable (chronastre --help).\n");
}

#ifdef CHRONASTRE_PLATEFORMES_QT
// A Wayland session whose display Qt cannot use: the message names the
// display, the platform tried and the package of its plug-in. The display
// is a socket nobody answers on; Qt's plug-in folder tells whether the
// plug-in is there to try it.
TEST(LigneCommande, WaylandSansGreffon)
{
    char modele[] = "/tmp/chronastre-wayland-XXXXXX";
    ASSERT_NE(mkdtemp(modele), nullptr);
    const std::string dossier = modele;
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const std::string chemin = dossier + "/wayland-9";
    std::snprintf(adresse.sun_path, sizeof adresse.sun_path, "%s", chemin.c_str());
    const int prise = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(bind(prise, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);

    const bool greffonPresent = std::filesystem::exists(
        std::filesystem::path(CHRONASTRE_PLATEFORMES_QT) / "libqwayland-generic.so");
    const Resultat r = executer(programme, {}, "",
                                {"DISPLAY", "QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=wayland-9",
                                 "XDG_RUNTIME_DIR=" + dossier});
    close(prise);
    std::filesystem::remove_all(dossier);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.sortie, "");
    EXPECT_EQ(r.erreurs,
              std::string("Chronastre : un affichage graphique existe (Wayland, wayland-9), mais "
                          "Qt ne peut pas s'en servir : ") +
                  (greffonPresent ? "la plateforme « wayland » (paquet qt6-wayland) n'a pas pu "
                                    "s'y connecter"
                                  : "le greffon de la plateforme « wayland » est absent (paquet "
                                    "qt6-wayland)") +
                  " ; la ligne de commande reste utilisable (chronastre --help).\n");
}
#endif

namespace {

struct CasGedcom
{
    const char* nom;
    std::vector<std::string> arguments;
    std::string entree;
    std::string sortie;
    std::string erreurs;
    int code;
};

} // namespace

// The same small file in every character set a GEDCOM file declares or
// has (tests/gedcom/jeux/, made by scripts/generer_gedcom_jeux.py): the
// same listing, its accented names in UTF-8; where the bytes contradict the
// declaration, one warning; a file that is not text refused.
TEST(LigneCommande, GedcomJeuxDeCaracteres)
{
    const std::string dossier = CHRONASTRE_DOSSIER_TESTS "/gedcom/jeux/";
    const std::string attendu = lire(dossier + "attendu.liste");
    const std::pair<const char*, const char*> fichiers[] = {
        {"utf8.ged", ""},
        {"utf8-bom-crlf.ged", ""},
        {"utf16le-bom.ged", ""},
        {"utf16le.ged", ""},
        {"utf16be-bom.ged", ""},
        {"utf16be.ged", ""},
        {"ansel.ged", ""},
        {"ansi.ged", ""},
        {"ibmpc.ged", ""},
        {"macintosh.ged", ""},
        {"utf8-dit-ansel.ged", "chronastre : ligne 5 : le fichier se déclare en « ANSEL », mais "
                               "ses octets sont de l'UTF-8 : ils sont lus en UTF-8\n"},
        {"ansi-dit-utf8.ged", "chronastre : ligne 5 : le fichier se déclare en « UTF-8 », mais "
                              "ses octets ne sont pas de l'UTF-8 : ils sont lus en Windows-1252 "
                              "(ANSI)\n"},
        {"utf8-dit-unicode.ged", "chronastre : ligne 3 : le fichier se déclare en « UNICODE » "
                                 "(UTF-16), mais ses octets n'en sont pas : ils sont lus en "
                                 "UTF-8\n"},
        {"utf16-dit-ansel.ged", "chronastre : ligne 3 : le fichier se déclare en « ANSEL », mais "
                                "ses octets sont de l'UTF-16 petit-boutiste : ils sont lus en "
                                "UTF-16\n"},
    };
    for (const auto& [fichier, avertissement] : fichiers) {
        SCOPED_TRACE(fichier);
        // The warnings in UTF-8, whatever the locale the suite runs in.
        const Resultat r =
            executer(programme, {"GEDCOM"}, lire(dossier + fichier), {"LC_ALL=C.UTF-8"});
        EXPECT_EQ(r.sortie, attendu);
        EXPECT_EQ(r.erreurs, avertissement);
        EXPECT_EQ(r.code, 0);
    }
    const Resultat lettres = executer(programme, {"GEDCOM"}, lire(dossier + "ansel-lettres.ged"));
    EXPECT_EQ(lettres.sortie,
              "6\t@I1@\tBIRT\t@#DJULIAN@ 1 JAN 1700\tLundi 11 Janvier 1700\tJózef Łódź\n"
              "10\t@I2@\tBIRT\t@#DJULIAN@ 2 JAN 1700\tMardi 12 Janvier 1700\tǕlle Øster-Æbeltoft\n"
              "14\t@I3@\tBIRT\t@#DJULIAN@ 3 JAN 1700\tMercredi 13 Janvier 1700\tAntonín Dvořák "
              "Ångström\n");
    const Resultat binaire = executer(programme, {"GEDCOM"}, lire(dossier + "binaire.ged"));
    EXPECT_EQ(binaire.sortie, "");
    EXPECT_EQ(binaire.erreurs, "chronastre : ce fichier n'est pas du texte (il contient l'octet "
                               "0x00) : ce n'est pas un fichier GEDCOM\n");
    EXPECT_EQ(binaire.code, 1);
}

// A line of any length (a long NOTE) is passed over, and the dates after it
// are listed; a date or a phrase that long is refused, whether or not a
// block of input held it whole (the first date, of 40 000 bytes, was read
// as a date); a record's line or a name that long still starts its record
// or names it, the name cut as names are. The messages, in the locale's
// encoding, are read in UTF-8 (in the C locale they are Latin-1).
TEST(LigneCommande, GedcomLigneLongue)
{
    const std::string note = "1 NOTE " + std::string(200000, 'x') + "\n";
    const std::string z(40000, 'z');
    const Resultat r =
        executer(programme, {"GEDCOM"},
                 "0 @I1@ INDI\n1 BIRT\n2 DATE " + std::string(40000, '2') + "\n" + note +
                     "1 BIRT\n2 DATE JULIAN 1 JAN 1700\n2 DATE " + std::string(100000, '1') + "\n" +
                     "0 @I2@ INDI " + z + "\n1 NAME Jean /Dupont/ " + z +
                     "\n1 BIRT\n2 DATE\n3 PHRASE " + z + "\n2 DATE JULIAN 2 JAN 1700\n",
                 {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(r.sortie, "6\t@I1@\tBIRT\tJULIAN 1 JAN 1700\tLundi 11 Janvier 1700\t\n"
                        "13\t@I2@\tBIRT\tJULIAN 2 JAN 1700\tMardi 12 Janvier 1700\tJean Dupont " +
                            std::string(188, 'z') + "\n");
    EXPECT_EQ(r.erreurs, "chronastre : ligne 3 : date de plus de 32768 octets\n"
                         "chronastre : ligne 7 : date de plus de 32768 octets\n"
                         "chronastre : ligne 12 : phrase de plus de 32768 octets\n"
                         "chronastre : 2 dates listées, 3 refusées\n");
    EXPECT_EQ(r.code, 1);
}

// A record of more dates than a listing keeps before writing them out: the
// empty DATE that comes when they go out still gets its PHRASE (it was lost,
// and the program ended on a bad memory access).
TEST(LigneCommande, GedcomPhraseApresDixMilleDates)
{
    std::string fichier = "0 @I1@ INDI\n1 BIRT\n";
    for (int i = 0; i < 10000; ++i)
        fichier += "2 DATE @#DJULIAN@ 1 JAN 1700\n";
    fichier += "2 DATE\n3 PHRASE le jour de la fête\n0 TRLR\n";
    const Resultat r = executer(programme, {"GEDCOM"}, fichier);
    const std::vector<std::string> lignes = decouper(r.sortie, '\n');
    ASSERT_EQ(lignes.size(), 10001U);
    EXPECT_EQ(lignes[9999], "10002\t@I1@\tBIRT\t@#DJULIAN@ 1 JAN 1700\tLundi 11 Janvier 1700\t");
    EXPECT_EQ(lignes[10000], "10003\t@I1@\tBIRT\t\t« le jour de la fête »\t");
    EXPECT_EQ(r.erreurs, "");
    EXPECT_EQ(r.code, 0);
}

// A family names its spouses however many individuals came before it (the
// table of names grows as they are read), an identifier given twice by its
// last name.
TEST(LigneCommande, GedcomConjointsDeMilliersDIndividus)
{
    std::string fichier = "0 HEAD\n";
    for (int i = 1; i <= 3000; ++i)
        fichier +=
            "0 @I" + std::to_string(i) + "@ INDI\n1 NAME Jean /Nom" + std::to_string(i) + "/\n";
    fichier += "0 @I7@ INDI\n1 NAME Paul /Sept/\n";
    for (const int mari : {1, 7, 1500, 2999})
        fichier += "0 @F" + std::to_string(mari) + "@ FAM\n1 HUSB @I" + std::to_string(mari) +
                   "@\n1 WIFE @I" + std::to_string(mari + 1) +
                   "@\n1 MARR\n2 DATE @#DJULIAN@ 1 JAN 1700\n";
    const Resultat r = executer(programme, {"GEDCOM"}, fichier);
    std::vector<std::string> qui;
    for (const std::string& ligne : decouper(r.sortie, '\n'))
        qui.push_back(ligne.substr(ligne.rfind('\t') + 1));
    EXPECT_EQ(qui, (std::vector<std::string>{"Jean Nom1 et Jean Nom2", "Paul Sept et Jean Nom8",
                                             "Jean Nom1500 et Jean Nom1501",
                                             "Jean Nom2999 et Jean Nom3000"}));
    EXPECT_EQ(r.code, 0);
}

// The common line ("1 BIRT", "2 PLAC Paris") is read at once, any other by
// the general reading, which a blank before the line asks for: the same
// listing, messages and exit code either way, for the files of
// tests/gedcom/ (CR LF, a byte-order mark, 8-bit character sets) and for
// lines at the edges of the quick reading (tags of 1 to 20 bytes, in any
// case, followed by a tab, a control or nothing; levels of 2 and 3 digits;
// identifiers; tabs after the level; LF, CR LF and CR in one file of
// several blocks).
TEST(LigneCommande, GedcomLignesCourantesCommeLaLectureGenerale)
{
    const std::string dossier = CHRONASTRE_DOSSIER_TESTS "/gedcom/";
    std::vector<std::string> fichiers;
    for (const char* nom : {"arbre551.ged", "arbre7.ged", "programmes.ged", "jeux/ansel.ged",
                            "jeux/ansi.ged", "jeux/macintosh.ged"})
        fichiers.push_back(lire(dossier + nom));
    // The dates in the Julian calendar, listed with their event.
    fichiers.push_back("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jean /Dupont/\n1 BIRT\n"
                       "2 DATE @#DJULIAN@ 1 JAN 1700\n2 PLAC Paris\n3 PHRASE sous le lieu\n"
                       "2 date @#DJULIAN@ 2 JAN 1700\n"
                       "2 Date @#DJULIAN@ 3 JAN 1700\n"
                       "2 DATEX 1 JAN 1700\n2 DAT 1 JAN 1700\n"
                       "2 DATE\t@#DJULIAN@ 4 JAN 1700\n"
                       "2 DATE\n3 PHRASE le jour de la fête\n"
                       "2 SDATE @#DJULIAN@ 5 JAN 1700\n"
                       "2 sdate @#DJULIAN@ 6 JAN 1700\n"
                       "1 DEAT\n2 DATE @#DJULIAN@ 7 JAN 1700\n3 phrase une note\n"
                       "1\tDEAT\n2\tDATE @#DJULIAN@ 8 JAN 1700\n"
                       "1 BURI\n02 DATE @#DJULIAN@ 9 JAN 1700\n"
                       "002 DATE @#DJULIAN@ 10 JAN 1700\n"
                       "2 ABCDEFGHIJKLM\n3 DATE @#DJULIAN@ 11 JAN 1700\n"
                       "2 ABCDEFGHIJKLMN\n3 DATE @#DJULIAN@ 12 JAN 1700\n"
                       "2 ABCDEFGHIJKLMNOPQRST\n3 DATE @#DJULIAN@ 13 JAN 1700\n"
                       "2 A\n3 DATE @#DJULIAN@ 14 JAN 1700\n"
                       "2 X\x01Y\n3 DATE @#DJULIAN@ 15 JAN 1700\n"
                       "2 PLAC\x01 Paris\n3 DATE @#DJULIAN@ 16 JAN 1700\n"
                       "2 @N1@ NOTE\n3 DATE @#DJULIAN@ 17 JAN 1700\n"
                       "1 @N2@ DATE @#DJULIAN@ 18 JAN 1700\n"
                       "2 DATE 19 VEND 8\n"
                       "0 @F1@ FAM\n1 HUSB @I1@\n1 wife @I2@\n1 MARR\n"
                       "2 DATE @#DJULIAN@ 20 JAN 1700\n"
                       "0 @I2@ INDI\n1 name Marie /Martin/\n0 TRLR\n");
    // Over several blocks of input, its lines ended by LF, CR LF and CR in
    // turn, long notes among them.
    std::string melange = "0 HEAD\r\n";
    const char* const fins[] = {"\n", "\r\n", "\r"};
    for (int i = 1; i <= 6000; ++i)
        melange += "0 @I" + std::to_string(i) + "@ INDI" + fins[i % 3] + "1 BIRT" +
                   fins[(i + 1) % 3] + "2 DATE @#DJULIAN@ " + std::to_string(1 + i % 28) +
                   " MAR 1700" + fins[(i + 2) % 3] + "2 NOTE " + std::string(i % 70, 'n') +
                   fins[i % 3] + "1 sex F" + fins[(i + 1) % 3];
    fichiers.push_back(melange);
    for (const std::string& fichier : fichiers) {
        // A blank after each line's end, and after the byte-order mark.
        std::string apresUnBlanc;
        std::size_t debut = fichier.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        apresUnBlanc += fichier.substr(0, debut);
        for (std::size_t k = debut; k < fichier.size(); ++k) {
            if (k == debut ||
                ((fichier[k - 1] == '\n' || fichier[k - 1] == '\r') && fichier[k] != '\n'))
                apresUnBlanc += ' ';
            apresUnBlanc += fichier[k];
        }
        SCOPED_TRACE(fichier.substr(0, 200));
        for (const char* arrivee : {"GREGORIEN", "REPUBLICAIN"}) {
            const Resultat courantes = executer(programme, {"GEDCOM", arrivee}, fichier);
            const Resultat generale = executer(programme, {"GEDCOM", arrivee}, apresUnBlanc);
            EXPECT_EQ(courantes.sortie, generale.sortie);
            EXPECT_EQ(courantes.erreurs, generale.erreurs);
            EXPECT_EQ(courantes.code, generale.code);
            EXPECT_NE(courantes.sortie, "");
        }
    }
}

// Genealogy files: the listings of tests/gedcom/, checked by hand against the
// published dates of the written-date table (18 Brumaire VIII is Saturday
// 9 November 1799, Newton's Julian dates are 4 January 1643 and 31 March
// 1727, 1 Tishri 5785 is 3 October 2024...); both GEDCOM versions, every
// qualifier, partial dates, double years, bad dates, a byte-order mark and
// CR LF line ends; the styles of the exports of genealogy programs.
TEST(LigneCommande, Gedcom)
{
    const std::string dossier = CHRONASTRE_DOSSIER_TESTS "/gedcom/";
    const CasGedcom cas[] = {
        {"GEDCOM 5.5.1, CR LF, a byte-order mark",
         {"GEDCOM"},
         lire(dossier + "arbre551.ged"),
         lire(dossier + "arbre551.liste"),
         lire(dossier + "arbre551.erreurs"),
         1},
        {"GEDCOM 7",
         {"GEDCOM", "GREGORIEN"},
         lire(dossier + "arbre7.ged"),
         lire(dossier + "arbre7.liste"),
         lire(dossier + "arbre7.erreurs"),
         1},
        {"GEDCOM 7 into the Republican calendar",
         {"GEDCOM", "REPUBLICAIN"},
         lire(dossier + "arbre7.ged"),
         lire(dossier + "arbre7-republicain.liste"),
         lire(dossier + "arbre7-republicain.erreurs"),
         1},
        {"every date read, UTF8 (an older spelling) declared: 0",
         {"GEDCOM"},
         "0 HEAD\n1 CHAR UTF8\n0 @F1@ FAM\n1 MARR\n2 DATE JULIAN 1 JAN 1700\n",
         "5\t@F1@\tMARR\tJULIAN 1 JAN 1700\tLundi 11 Janvier 1700\t\n",
         "",
         0},
        {"the styles of genealogy programs' exports: qualifiers in any case, blanks after the "
         "level, a lowercase tag, years with their era, double years alone, phrases, source "
         "citations, families, CHAN left out",
         {"GEDCOM", "JULIEN"},
         lire(dossier + "programmes.ged"),
         lire(dossier + "programmes-julien.liste"),
         "",
         0},
        {"a weekday that disagrees: the date listed, a warning, exit code 0",
         {"GEDCOM", "JULIEN"},
         "0 @F1@ FAM\n1 MARR\n2 DATE Wednesday, 19th January 1988\n",
         "3\t@F1@\tMARR\tWednesday, 19th January 1988\tMardi 6 Janvier 1988\t\n",
         "chronastre : ligne 3 : date « Wednesday, 19th January 1988 » : attention, cette date "
         "est un Mardi, pas un Wednesday\n",
         0},
        {"CHAN listed with --modifications",
         {"GEDCOM", "JULIEN", "--modifications"},
         "0 @I1@ INDI\n1 CHAN\n2 DATE 1 JAN 2020\n",
         "3\t@I1@\tCHAN\t1 JAN 2020\tMercredi 19 Décembre 2019\t\n",
         "",
         0},
        {"double years read in the Julian calendar with --doubles-juliennes",
         {"--doubles-juliennes", "GEDCOM"},
         lire(dossier + "programmes.ged"),
         lire(dossier + "programmes-doubles.liste"),
         "",
         0},
        {"an event's tag in lower case listed in capitals; a PHRASE under the place after a "
         "date is the place's, not the date's",
         {"GEDCOM"},
         "0 @I1@ INDI\n1 birt\n2 DATE @#DJULIAN@ 1 JAN 1700\n2 PLAC Paris\n3 PHRASE sous le lieu\n",
         "3\t@I1@\tBIRT\t@#DJULIAN@ 1 JAN 1700\tLundi 11 Janvier 1700\t\n",
         "",
         0},
        {"TOUS is no GEDCOM arrival",
         {"GEDCOM", "TOUS"},
         "",
         "",
         "chronastre : calendrier inconnu « TOUS » ; voir chronastre -h ou man chronastre.\n",
         2},
    };
    for (const CasGedcom& c : cas) {
        SCOPED_TRACE(c.nom);
        const Resultat r = executer(programme, c.arguments, c.entree, {"LC_ALL=C.UTF-8"});
        EXPECT_EQ(r.sortie, c.sortie);
        EXPECT_EQ(r.erreurs, c.erreurs);
        EXPECT_EQ(r.code, c.code);
    }
}
