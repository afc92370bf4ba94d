// The historian's command line as a user meets it: --reforme, --style, the
// keyword CIVIL, FETES, feasts and styles in single conversions, the batch
// and GEDCOM phrases. The built executable, its exact bytes.

#include "executer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string programme = CHRONASTRE_EXECUTABLE;

// What the program writes into a pipe: Latin-1.
std::string latin1(const std::string& utf8)
{
    std::string octets;
    for (std::size_t k = 0; k < utf8.size(); ++k) {
        const auto c = static_cast<unsigned char>(utf8[k]);
        if ((c == 0xC2 || c == 0xC3) && k + 1 < utf8.size()) {
            octets += static_cast<char>(((c & 0x03) << 6) | (utf8[k + 1] & 0x3F));
            ++k;
        } else {
            octets += static_cast<char>(c);
        }
    }
    return octets;
}

std::string incompris(const std::string& quoi)
{
    return "chronastre : " + quoi + " ; voir chronastre -h ou man chronastre.\n";
}

struct Cas
{
    const char* nom;
    std::vector<std::string> arguments;
    std::string sortie; // UTF-8 here, Latin-1 on the pipe
    std::string erreurs = {};
    int code = 0;
    std::string entree = {};
};

const std::string deuxJours1502 =
    "cette date désigne deux jours, le 1er avril 1502 et le 1er avril 1503";

// Expected days: the reform rows from the edicts and Grotefend's list, their
// weekdays from Debian's ncal (ncal -s FR 12 1582, ncal -s GB 9 1752, ncal
// -s RU 2 1918); France's Julian Days from the table; Easter from
// python3-dateutil; the feast examples from Giry and Grotefend (the days
// recounted in docs/reformes.md); the styles' examples from their
// biographies (Michelangelo's birth in the Florentine year 1474, George
// Washington's in the English year 1731, Charles I's execution in the
// English year 1648, Charlemagne's coronation in the Christmas year 801).
const Cas cas[] = {
    // The reform by region: the days on each side, the days skipped.
    {"France: 9 December 1582 is the Julian 9th, the Gregorian 19th",
     {"--reforme", "FRANCE", "CIVIL", "GREGORIEN", "1582", "12", "9"},
     "1582 12 19\n"},
    {"France: 20 December 1582 is Gregorian",
     {"--reforme", "FRANCE", "CIVIL", "GREGORIEN", "1582", "12", "20"},
     "1582 12 20\n"},
    {"France: 15 December 1582 never was",
     {"--reforme", "FRANCE", "CIVIL", "GREGORIEN", "1582", "12", "15"},
     "",
     "chronastre : le 15 décembre 1582 n'a pas existé en France : le 9 décembre 1582 y fut "
     "suivi du 20 décembre 1582\n",
     1},
    {"France: Julian Day 2299226 is 9 December 1582",
     {"--reforme", "FRANCE", "CIVIL", "CIVIL", "jour julien 2299226"},
     "1582 12 9\n"},
    {"France: Julian Day 2299227 is 20 December 1582",
     {"--reforme", "FRANCE", "CIVIL", "CIVIL", "jour julien 2299227"},
     "1582 12 20\n"},
    {"France: the Julian 10 December 1582 is the 20th",
     {"--reforme", "FRANCE", "JULIEN", "CIVIL", "1582", "12", "10"},
     "1582 12 20\n"},
    {"Britain: Wednesday 2 September 1752, Julian",
     {"--reforme", "GRANDE_BRETAGNE", "CIVIL", "GREGORIEN", "1752", "9", "2"},
     "1752 9 13\n"},
    {"Britain: Thursday 14 September 1752, Gregorian",
     {"--reforme", "GRANDE_BRETAGNE", "CIVIL", "GREGORIEN", "1752", "9", "14"},
     "1752 9 14\n"},
    {"Britain: the Gregorian 13 September 1752 is the 2nd",
     {"--reforme=GRANDE_BRETAGNE", "GREGORIEN", "CIVIL", "1752", "9", "13"},
     "1752 9 2\n"},
    {"Britain: 5 September 1752 never was",
     {"--reforme", "grande_bretagne", "CIVIL", "JULIEN", "1752", "9", "5"},
     "",
     "chronastre : le 5 septembre 1752 n'a pas existé en Grande-Bretagne : le 2 septembre 1752 "
     "y fut suivi du 14 septembre 1752\n",
     1},
    {"Russia: Wednesday 31 January 1918, Julian",
     {"--reforme", "RUSSIE", "CIVIL", "GREGORIEN", "1918", "1", "31"},
     "1918 2 13\n"},
    {"Russia: Thursday 14 February 1918, Gregorian",
     {"--reforme", "RUSSIE", "CIVIL", "GREGORIEN", "1918", "2", "14"},
     "1918 2 14\n"},
    {"Russia: 1 February 1918 never was",
     {"--reforme", "RUSSIE", "CIVIL", "GREGORIEN", "1918", "2", "1"},
     "",
     "chronastre : le 1er février 1918 n'a pas existé en Russie : le 31 janvier 1918 y fut "
     "suivi du 14 février 1918\n",
     1},
    {"Sweden: 30 February 1712, the Julian 29th",
     {"--reforme", "SUEDE", "CIVIL", "JULIEN", "1712", "2", "30"},
     "1712 2 29\n"},
    {"Sweden: no 29 February 1700",
     {"--reforme", "SUEDE", "CIVIL", "JULIEN", "1700", "2", "29"},
     "",
     "chronastre : le 29 février 1700 n'a pas existé en Suède, qui omit le jour bissextile de "
     "1700\n",
     1},
    {"Strasbourg 1680: Julian (a parish register of 3 March 1680)",
     {"--reforme", "STRASBOURG", "CIVIL", "GREGORIEN", "1680", "3", "3"},
     "1680 3 13\n"},
    {"Rome by default: 4 October 1582, Julian",
     {"CIVIL", "GREGORIEN", "1582", "10", "4"},
     "1582 10 14\n"},
    {"Rome by default: 15 October 1582, Gregorian",
     {"CIVIL", "JULIEN", "1582", "10", "15"},
     "1582 10 5\n"},
    {"Rome: 10 October 1582 never was",
     {"CIVIL", "JULIEN", "1582", "10", "10"},
     "",
     "chronastre : le 10 octobre 1582 n'a pas existé à Rome : le 4 octobre 1582 y fut suivi du "
     "15 octobre 1582\n",
     1},
    {"a long count beyond the reform table's limits: the default record",
     {"MAYA", "CIVIL", "2147483647", "0", "0", "0", "0", "0"},
     "-9999 -1 -1\n",
     "chronastre : attention, la date 2147483647 0 0 0 0 0 n'existe pas dans le calendrier MAYA "
     "; elle est lue comme le jour julien 6184752903944285, au-delà du dernier jour du compte "
     "long (19.19.19.19.17.19)\n"},
    {"CIVIL in the order of --ordre",
     {"--ordre", "JMA", "CIVIL", "JULIEN", "15", "10", "1582"},
     "1582 10 5\n"},
    {"a month that is none",
     {"CIVIL", "JULIEN", "1582", "13", "1"},
     "",
     "chronastre : il n'y a pas de mois 13\n",
     1},

    // Styles of the year's beginning.
    {"Easter style: 10 March 1500 is of 1501",
     {"--reforme", "FRANCE", "--style", "PAQUES", "CIVIL", "JULIEN", "1500", "3", "10"},
     "1501 3 10\n"},
    {"Easter style: 1 April 1502 twice, both written",
     {"--reforme", "FRANCE", "--style", "PAQUES", "CIVIL", "JULIEN", "1502", "4", "1"},
     "1502 4 1\n1503 4 1\n",
     "chronastre : attention, " + deuxJours1502 +
         " : les deux sont écrits, dans cet ordre ; « avant Pâques » ou « après Pâques » n'en "
         "garde qu'un\n"},
    {"Easter style, --strict: two days refused",
     {"--strict", "--reforme", "FRANCE", "--style", "PAQUES", "CIVIL", "JULIEN", "1502", "4", "1"},
     "",
     "chronastre : " + deuxJours1502 + " (--strict)\n",
     1},
    {"Easter style: 15 April 1500 does not exist",
     {"--reforme", "FRANCE", "--style", "PAQUES", "CIVIL", "JULIEN", "1500", "4", "15"},
     "",
     "chronastre : le 15 avril 1500 (style de Pâques) n'existe pas : au style de Pâques, "
     "l'année 1500 va du 19 avril 1500 au 10 avril 1501\n",
     1},
    {"Florentine style: Michelangelo, 6 March 1474",
     {"--style", "ANNONCIATION", "CIVIL", "JULIEN", "1474", "3", "6"},
     "1475 3 6\n"},
    {"English style: George Washington, 11 February 1731",
     {"--reforme", "GRANDE_BRETAGNE", "--style", "ANNONCIATION", "CIVIL", "GREGORIEN", "1731", "2",
      "11"},
     "1732 2 22\n"},
    {"English style: Charles I, 30 January 1648",
     {"--reforme", "GRANDE_BRETAGNE", "--style", "annonciation", "CIVIL", "GREGORIEN", "1648", "1",
      "30"},
     "1649 2 9\n"},
    {"Christmas style: Charlemagne, Christmas 801",
     {"--style", "NOEL", "CIVIL", "JULIEN", "801", "12", "25"},
     "800 12 25\n"},
    {"Pisan style: 25 March 1500 is of 1499",
     {"--style", "PISAN", "CIVIL", "JULIEN", "1500", "3", "25"},
     "1499 3 25\n"},
    {"written, the Easter style named",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "10 mars 1500, style de Pâques"},
     "1501 3 10\n"},
    {"written, (a. s.): the region's old style, Easter's in France",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "10 mars 1500 (a. s.)"},
     "1501 3 10\n"},
    {"written, v. st. in Britain: the Annunciation's",
     {"--reforme", "GRANDE_BRETAGNE", "CIVIL", "JULIEN", "11 février 1731 v. st."},
     "1732 2 11\n"},
    {"written, n. st.: our year, whatever --style says",
     {"--reforme", "FRANCE", "--style", "PAQUES", "CIVIL", "JULIEN", "10 mars 1500 n. st."},
     "1500 3 10\n"},
    {"written, style florentin", {"CIVIL", "JULIEN", "6 mars 1474, style florentin"}, "1475 3 6\n"},
    {"written, avant Pâques chooses the second day",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "1er avril 1502 avant Pâques"},
     "1503 4 1\n"},
    {"written, après Pâques the first",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "1er avril 1502 après Pâques"},
     "1502 4 1\n"},
    {"written, a weekday chooses between the two days",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "samedi 1er avril 1502, style de Pâques"},
     "1503 4 1\n"},
    {"written, après Pâques that does not fit",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "10 mars 1500 après Pâques"},
     "",
     "chronastre : le 10 mars 1500 ne tombe pas après Pâques : au style de Pâques, l'année 1500 "
     "va du 19 avril 1500 au 10 avril 1501\n",
     1},

    // Feasts.
    {"the Thursday after Saint Martin's 1350 (a Thursday): the 18th",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "le jeudi après la Saint-Martin d'hiver 1350"},
     "1350 11 18\n"},
    {"the eve of All Saints 1350",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "la veille de la Toussaint 1350"},
     "1350 10 31\n"},
    {"the morrow of the Ascension 1422 (Thursday 21 May)",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "le lendemain de l'Ascension 1422"},
     "1422 5 22\n"},
    {"the octave of Saint John the Baptist 1500",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "l'octave de la Saint-Jean-Baptiste 1500"},
     "1500 7 1\n"},
    {"Laetare Sunday 1500: Easter (19 April) less three weeks",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "le dimanche de Laetare 1500"},
     "1500 3 29\n"},
    {"the 3rd day after Michaelmas 1600, Rome: Gregorian",
     {"CIVIL", "GREGORIEN", "le 3e jour après la Saint-Michel 1600"},
     "1600 10 2\n"},
    {"Crécy: the Saturday after Saint Bartholomew's 1346",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "le samedi après la Saint-Barthélemy 1346"},
     "1346 8 26\n"},
    {"the Sicilian Vespers: Easter Monday 1282",
     {"CIVIL", "JULIEN", "le lundi de Pâques 1282"},
     "1282 3 30\n"},
    {"Easter 1700 in Britain: the Julian computus",
     {"--reforme", "GRANDE_BRETAGNE", "CIVIL", "JULIEN", "Pâques 1700"},
     "1700 3 31\n"},
    {"Christmas 1582 did not take place in the Spanish Netherlands",
     {"--reforme", "PAYS_BAS_ESPAGNOLS", "CIVIL", "JULIEN", "Noël 1582"},
     "",
     "chronastre : Noël 1582 n'a pas eu lieu aux Pays-Bas espagnols : la réforme a supprimé ce "
     "jour (le 21 décembre 1582 y fut suivi du 1er janvier 1583)\n",
     1},
    {"a feast in the Easter style: the Annunciation 1421 twice",
     {"--reforme", "FRANCE", "CIVIL", "JULIEN", "l'Annonciation 1421, style de Pâques"},
     "1421 3 25\n1422 3 25\n",
     "chronastre : attention, cette date désigne deux jours, le 25 mars 1421 et le 25 mars "
     "1422 : les deux sont écrits, dans cet ordre ; « avant Pâques » ou « après Pâques » n'en "
     "garde qu'un\n"},
    {"a feast without its year",
     {"CIVIL", "JULIEN", "la Toussaint"},
     "",
     "chronastre : date incomplète : il manque l'année\n",
     1},
    {"a relation without its feast",
     {"CIVIL", "JULIEN", "la veille de 1350"},
     "",
     "chronastre : fête attendue à la place de « 1350 »\n",
     1},
    {"a feast read from another departure",
     {"JULIEN", "GREGORIEN", "la Toussaint 1350"},
     "",
     "chronastre : « Toussaint » : une fête date un jour du calendrier de sa région, pas du "
     "calendrier julien (départ CIVIL)\n",
     1},
    {"a style read from another departure",
     {"JULIEN", "GREGORIEN", "10 mars 1500, style de Pâques"},
     "",
     "chronastre : « style de Pâques » : le style d'une année se lit dans le calendrier de sa "
     "région, pas dans le calendrier julien (départ CIVIL)\n",
     1},

    // PAQUES, COMPUT and FETES by a region's computus.
    {"PAQUES 1700, Rome: Gregorian", {"PAQUES", "1700"}, "11 4\n"},
    {"PAQUES 1700, Britain: Julian", {"--reforme", "GRANDE_BRETAGNE", "PAQUES", "1700"}, "31 3\n"},
    {"PAQUES 2024, Russia: Orthodox, 5 May", {"--reforme", "RUSSIE", "PAQUES", "2024"}, "5 5\n"},
    {"COMPUT 1700, Britain: Julian epact and letters",
     {"--reforme", "GRANDE_BRETAGNE", "COMPUT", "1700"},
     "Nombre d'or       : 10\nEpacte            : 17\nCycle solaire     : 1\nIndiction "
     "romaine : 8\nLettre dominicale : GF\n"},
    {"FETES before the computus",
     {"FETES", "30"},
     "",
     "chronastre : pas de fêtes mobiles pour l'an 30 : le calcul de Pâques commence en l'an "
     "31.\n",
     1},
    {"FETES without a year", {"FETES"}, "", incompris("nombre d'arguments incorrect (1)"), 2},
    {"CIVIL alone", {"CIVIL"}, "", incompris("nombre d'arguments incorrect (1)"), 2},

    // Options.
    {"an unknown region names the regions",
     {"--reforme", "NORMANDIE", "FETES", "1350"},
     "",
     incompris("--reforme attend une région, ROME, ESPAGNE, PORTUGAL, POLOGNE, FRANCE, "
               "LORRAINE, PAYS_BAS_ESPAGNOLS, ARTOIS, HOLLANDE, SAVOIE, LIEGE, BAVIERE, "
               "HAUTE_ALSACE, EVECHE_STRASBOURG, AUTRICHE, BOHEME, SUISSE_CATHOLIQUE, HONGRIE, "
               "PRUSSE, STRASBOURG, ALLEMAGNE_PROTESTANTE, DANEMARK_NORVEGE, GUELDRE, UTRECHT, "
               "FRISE_GRONINGUE, SUISSE_PROTESTANTE, MULHOUSE, GRANDE_BRETAGNE, SUEDE, BULGARIE, "
               "RUSSIE ou GRECE, pas « NORMANDIE »"),
     2},
    {"an unknown style names the styles",
     {"--style", "NOUVEL_AN", "CIVIL", "JULIEN", "1500", "1", "1"},
     "",
     incompris("--style attend CIRCONCISION, NOEL, ANNONCIATION, PISAN ou PAQUES, pas « "
               "NOUVEL_AN »"),
     2},
    {"--reforme without CIVIL",
     {"--reforme", "FRANCE", "GREGORIEN", "JULIEN", "2000", "1", "1"},
     "",
     incompris("l'option --reforme ne s'emploie qu'avec CIVIL (au départ ou à l'arrivée), FETES, "
               "PAQUES, COMPUT ou GEDCOM"),
     2},
    {"--style with CIVIL as arrival",
     {"--style", "PAQUES", "JULIEN", "CIVIL", "1500", "1", "1"},
     "",
     incompris("l'option --style ne s'emploie qu'avec le départ CIVIL ou GEDCOM"),
     2},
    {"--reforme without its value",
     {"FETES", "1350", "--reforme"},
     "",
     incompris("l'option --reforme attend une valeur"),
     2},
    {"--reforme with JOUR",
     {"--reforme", "FRANCE", "JOUR", "1582", "12", "15"},
     "",
     incompris("l'option --reforme ne s'emploie qu'avec CIVIL (au départ ou à l'arrivée), FETES, "
               "PAQUES, COMPUT ou GEDCOM"),
     2},

    // The batch: one line out for each line in; a date's two days on one
    // line, joined by "ou"; what cannot be read, told with its line.
    {"a batch of a region's dates",
     {"--reforme", "FRANCE", "--style", "PAQUES", "CIVIL", "GREGORIEN"},
     "1350 11 9\n1501 3 20\n1502 4 11 ou 1503 4 11\n\n\n1582 12 20\n\n1500 4 29\n",
     "chronastre : ligne 3 : attention, cette date désigne deux jours, le 1er avril 1502 et le "
     "1er avril 1503 : les deux sont écrits, séparés par « ou » ; « avant Pâques » ou « après "
     "Pâques » n'en garde qu'un\n"
     "chronastre : ligne 4 : le 15 décembre 1582 (style de Pâques) n'a pas existé en France : "
     "le 9 décembre 1582 y fut suivi du 20 décembre 1582\n"
     "chronastre : ligne 7 : fête attendue à la place de « 1350 »\n",
     1,
     "la Toussaint 1350\n1500 3 10\n1er avril 1502, style de Pâques\n15 décembre 1582\n\n1582 "
     "12 20 baptême\nla veille de 1350\nPâques 1500\n"},
    {"a batch into the region's calendar",
     {"--reforme", "GRANDE_BRETAGNE", "GREGORIEN", "CIVIL"},
     "1752 9 2\n1752 9 14\n1700 2 29\n",
     "",
     0,
     "1752-09-13\n1752 9 14\n1700 3 11\n"},
    {"a batch with --strict refuses two days",
     {"--strict", "--reforme", "FRANCE", "CIVIL", "JULIEN"},
     "\n1503 4 1\n",
     "chronastre : ligne 1 : cette date désigne deux jours, le 1er avril 1502 et le 1er avril "
     "1503 (--strict)\n",
     1,
     "1er avril 1502, style de Pâques\n1er avril 1502 avant Pâques\n"},
    {"a field of a table, two days in it",
     {"--colonne", "2", "--entete", "--reforme", "FRANCE", "CIVIL", "JULIEN"},
     "nom;date\nJean;1350 11 1\nPierre;1502 4 1 ou 1503 4 1\n",
     "chronastre : ligne 3 : attention, cette date désigne deux jours, le 1er avril 1502 et le "
     "1er avril 1503 : les deux sont écrits, séparés par « ou » ; « avant Pâques » ou « après "
     "Pâques » n'en garde qu'un\n",
     0,
     "nom;date\nJean;la Toussaint 1350\nPierre;1er avril 1502, style de Pâques\n"},
};

} // namespace

TEST(LigneCommandeHistorien, CommeUnUtilisateur)
{
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const Resultat r = executer(programme, c.arguments, c.entree, {"LC_ALL=C.UTF-8"});
        EXPECT_EQ(r.sortie, latin1(c.sortie));
        EXPECT_EQ(r.erreurs, c.erreurs);
        EXPECT_EQ(r.code, c.code);
    }
}

// FETES lists the movable feasts of a year as tests/donnees/fetes_mobiles.txt
// does (scripts/generer_fetes.py, from python3-dateutil's Easter and the
// distances of the liturgical books), region by region.
TEST(LigneCommandeHistorien, FetesCommeLaTable)
{
    std::ifstream fichier(CHRONASTRE_DOSSIER_TESTS "/donnees/fetes_mobiles.txt");
    std::map<std::string, std::string> attendus;
    std::string ligne, cle;
    while (std::getline(fichier, ligne)) {
        if (ligne.empty() || ligne[0] == '#')
            continue;
        if (ligne.starts_with("= ")) {
            cle = ligne.substr(2);
            continue;
        }
        attendus[cle] += ligne + '\n';
    }
    ASSERT_EQ(attendus.size(), 22u);
    for (const auto& [annee, texte] : attendus) {
        SCOPED_TRACE(annee);
        const std::string region = annee.substr(0, annee.find(' '));
        const Resultat r =
            executer(programme, {"FETES", annee.substr(annee.find(' ') + 1), "--reforme", region},
                     "", {"LC_ALL=C.UTF-8"});
        EXPECT_EQ(r.sortie, latin1(texte));
        EXPECT_EQ(r.erreurs, "");
        EXPECT_EQ(r.code, 0);
    }
    // Without --reforme: Rome's.
    EXPECT_EQ(executer(programme, {"FETES", "2024"}).sortie, latin1(attendus["ROME 2024"]));
}

// A GEDCOM date phrase that names a feast or a style gets its day, in the
// region of --reforme; an INT date of a year, the phrase's day within it;
// other phrases, a plain date among them, stay as they were.
TEST(LigneCommandeHistorien, PhrasesGedcom)
{
    const std::string arbre = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jean /Dupont/\n"
                              "1 BIRT\n2 DATE (la Toussaint 1350)\n"
                              "1 BAPM\n2 DATE INT @#DJULIAN@ 1500 (10 mars 1500, style de Pâques)\n"
                              "1 CHR\n2 DATE (au printemps)\n"
                              "1 RESI\n2 DATE (12 mars 1500)\n"
                              "1 DEAT\n2 DATE (1er avril 1502, style de Pâques)\n"
                              "1 BURI\n2 DATE\n3 PHRASE le lendemain de l'Ascension 1422\n";
    const Resultat r =
        executer(programme, {"--reforme", "FRANCE", "GEDCOM", "JULIEN"}, arbre, {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(r.sortie,
              "6\t@I1@\tBIRT\t(la Toussaint 1350)\tLundi 1er Novembre 1350 (« la Toussaint 1350 "
              "»)\tJean Dupont\n"
              "10\t@I1@\tCHR\t(au printemps)\t« au printemps »\tJean Dupont\n"
              "12\t@I1@\tRESI\t(12 mars 1500)\t« 12 mars 1500 »\tJean Dupont\n"
              "14\t@I1@\tDEAT\t(1er avril 1502, style de Pâques)\tVendredi 1er Avril 1502 ou "
              "Samedi 1er Avril 1503 (« 1er avril 1502, style de Pâques »)\tJean Dupont\n"
              "16\t@I1@\tBURI\t\tVendredi 22 Mai 1422 (« le lendemain de l'Ascension 1422 "
              "»)\tJean Dupont\n");
    EXPECT_EQ(r.erreurs, "");
    EXPECT_EQ(r.code, 0);
    // Into the Gregorian calendar, the Julian INT date is listed, with its
    // phrase's day: 10 March 1500 in the Easter style is of our 1501 (an
    // INT 1500 would not hold it, and would stay a year).
    const Resultat gregorien = executer(programme, {"--reforme", "FRANCE", "GEDCOM"},
                                        "0 @I1@ INDI\n1 BAPM\n2 DATE INT @#DJULIAN@ 1501 (10 mars "
                                        "1500, style de Pâques)\n",
                                        {"LC_ALL=C.UTF-8"});
    EXPECT_EQ(gregorien.sortie, "3\t@I1@\tBAPM\tINT @#DJULIAN@ 1501 (10 mars 1500, style de "
                                "Pâques)\tMercredi 20 Mars 1501 (interprétée de « 10 mars 1500, "
                                "style de Pâques »)\t\n");
}

// Each feast example read in a batch gives the line its single conversion
// gives, in each style.
TEST(LigneCommandeHistorien, LotEgalConversionUnique)
{
    const std::vector<std::string> textes = {"le jeudi après la Saint-Martin d'hiver 1350",
                                             "la veille de la Toussaint 1350",
                                             "le lendemain de l'Ascension 1422",
                                             "l'octave de la Saint-Jean-Baptiste 1500",
                                             "le dimanche de Laetare 1500",
                                             "le 3e jour après la Saint-Michel 1600",
                                             "Noël 1351",
                                             "le premier dimanche de l'Avent 1350",
                                             "10 mars 1500",
                                             "la Saint-Mathias 1500"};
    std::string entree;
    for (const std::string& t : textes)
        entree += t + '\n';
    for (const char* style : {"CIRCONCISION", "NOEL", "ANNONCIATION", "PISAN", "PAQUES"}) {
        SCOPED_TRACE(style);
        const Resultat lot = executer(
            programme, {"--reforme", "FRANCE", "--style", style, "CIVIL", "GREGORIEN"}, entree);
        std::string attendu;
        for (const std::string& t : textes) {
            const Resultat un = executer(
                programme, {"--reforme", "FRANCE", "--style", style, "CIVIL", "GREGORIEN", t});
            std::string ligne = un.sortie;
            // Two days: one line each alone, one line joined in a batch.
            if (const std::size_t n = ligne.find('\n'); n + 1 < ligne.size())
                ligne = ligne.substr(0, n) + " ou " + ligne.substr(n + 1);
            attendu += ligne.empty() ? "\n" : ligne;
        }
        EXPECT_EQ(lot.sortie, attendu);
    }
}
