// The reader of the historian's dates (lireDateCivile): a region's dates in a
// style, and days written from a feast, against printed tables; every form
// the program writes for a day reads back to that day.

#include "engine/fetes.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "historien.h"
#include "names/noms_fetes.h"
#include "texte/lecture.h"
#include "texte/lecturecivile.h"
#include "texte/raccourcicivil.h"
#include "texte/textefetes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace chronastre;
using historien::gregorien;
using historien::julien;

namespace {

struct CasLecture
{
    const char* texte;
    Region region;
    std::optional<Style> style; // --style
    int nombre;                 // days named; 0: refused
    std::int64_t premier, second;
    const char* erreur = "";
};

constexpr auto FR = Region::FRANCE;
constexpr auto RO = Region::ROME;

// Days from the printed tables: Giry's and Grotefend's examples (the Thursday
// after Saint Martin's 1350, Saint Martin falling on a Thursday; Crécy, "le
// samedi après la Saint-Barthélemy 1346"), Easter from python3-dateutil
// (19 April 1500, 23 March 1421, 11 April 1501 Julian), the reform rows of
// the edicts.
const CasLecture casLecture[] = {
    {"le jeudi après la Saint-Martin d'hiver 1350", FR, {}, 1, julien(1350, 11, 18), 0},
    {"le jeudi avant la Saint-Martin 1350", FR, {}, 1, julien(1350, 11, 4), 0},
    {"la veille de la Toussaint 1350", FR, {}, 1, julien(1350, 10, 31), 0},
    {"la vigile de la Toussaint 1350", FR, {}, 1, julien(1350, 10, 31), 0},
    {"le lendemain de l'Ascension 1422", FR, {}, 1, julien(1422, 5, 22), 0},
    {"l'octave de la Saint-Jean-Baptiste 1500", FR, {}, 1, julien(1500, 7, 1), 0},
    {"le dimanche de Laetare 1500", FR, {}, 1, julien(1500, 3, 29), 0},
    {"Lætare 1500", FR, {}, 1, julien(1500, 3, 29), 0},
    {"le 3e jour après la Saint-Michel 1600", RO, {}, 1, gregorien(1600, 10, 2), 0},
    {"le troisième jour après la Saint-Michel 1600", RO, {}, 1, gregorien(1600, 10, 2), 0},
    {"le samedi après la Saint-Barthélemy 1346", FR, {}, 1, julien(1346, 8, 26), 0},
    {"le lundi de Pâques 1282", RO, {}, 1, julien(1282, 3, 30), 0},
    {"le mardi de la Pentecôte 1350", FR, {}, 1, julien(1350, 5, 18), 0},
    {"le jeudi de l'Ascension 1422", FR, {}, 1, julien(1422, 5, 21), 0},
    {"le dimanche de Pâques 1350", FR, {}, 1, julien(1350, 3, 28), 0},
    {"les Rameaux 1350", FR, {}, 1, julien(1350, 3, 21), 0},
    {"la veille des Rameaux 1350", FR, {}, 1, julien(1350, 3, 20), 0},
    {"le jour de l'an 1500", FR, {}, 1, julien(1500, 1, 1), 0},
    {"le premier dimanche de l'Avent 1350", FR, {}, 1, julien(1350, 11, 28), 0},
    {"la Saint-Mathias 1500", FR, {}, 1, julien(1500, 2, 25), 0},
    {"la Saint-Mathias 1501", FR, {}, 1, julien(1501, 2, 24), 0},
    {"la Toussaint de l'an 1350", FR, {}, 1, julien(1350, 11, 1), 0},
    {"LA TOUSSAINT MCCCL", FR, {}, 1, julien(1350, 11, 1), 0},
    {"la Toussaint mil trois cent cinquante", FR, {}, 1, julien(1350, 11, 1), 0},
    {"samedi, la veille de la Toussaint 1350", FR, {}, 1, julien(1350, 10, 31), 0},
    {"Noël 1582", FR, {}, 1, gregorien(1582, 12, 25), 0},
    {"la Sainte-Lucie 1582",
     FR,
     {},
     0,
     0,
     0,
     "la Sainte-Lucie 1582 n'a pas eu lieu en France : la réforme a supprimé ce jour (le 9 "
     "décembre 1582 y fut suivi du 20 décembre 1582)"},
    // Styles named, or given by --style.
    {"10 mars 1500, style de Pâques", FR, {}, 1, julien(1501, 3, 10), 0},
    {"10 mars 1500 (a. s.)", FR, {}, 1, julien(1501, 3, 10), 0},
    {"10 mars 1500 v. st.", FR, {}, 1, julien(1501, 3, 10), 0},
    {"10 mars 1500 n. st.", FR, Style::PAQUES, 1, julien(1500, 3, 10), 0},
    {"10 mars 1500", FR, Style::PAQUES, 1, julien(1501, 3, 10), 0},
    {"10 mars 1500 (a. s.)", FR, Style::NOEL, 1, julien(1500, 3, 10), 0},
    {"11 février 1731 v. st.", Region::GRANDE_BRETAGNE, {}, 1, julien(1732, 2, 11), 0},
    // Between 25 March and Easter (18 April 1731, 9 April 1732 Julian) the
    // Annunciation's year and Easter's differ.
    {"1er avril 1731 v. st.", Region::GRANDE_BRETAGNE, {}, 1, julien(1731, 4, 1), 0},
    {"6 mars 1474, style florentin", RO, {}, 1, julien(1475, 3, 6), 0},
    {"6 mars 1474, style de l'Annonciation", RO, {}, 1, julien(1475, 3, 6), 0},
    {"25 mars 1500, style pisan", RO, {}, 1, julien(1499, 3, 25), 0},
    {"26 décembre 801, style de Noël", RO, {}, 1, julien(800, 12, 26), 0},
    {"1er janvier 1500, style de la Circoncision", RO, Style::PAQUES, 1, julien(1500, 1, 1), 0},
    {"1er avril 1502, style de Pâques", FR, {}, 2, julien(1502, 4, 1), julien(1503, 4, 1)},
    {"1er avril 1502 avant Pâques", FR, {}, 1, julien(1503, 4, 1), 0},
    {"1er avril 1502 après Pâques", FR, {}, 1, julien(1502, 4, 1), 0},
    {"vendredi 1er avril 1502, style de Pâques", FR, {}, 1, julien(1502, 4, 1), 0},
    {"l'Annonciation 1421 avant Pâques", FR, {}, 1, julien(1422, 3, 25), 0},
    {"la Septuagésime 1350, style de Pâques", FR, {}, 1, julien(1351, 2, 13), 0},
    {"15 avril 1500, style de Pâques",
     FR,
     {},
     0,
     0,
     0,
     "le 15 avril 1500 (style de Pâques) n'existe pas : au style de Pâques, l'année 1500 va du "
     "19 avril 1500 au 10 avril 1501"},
    {"le 120e jour après Noël 1500", FR, {}, 1, julien(1501, 4, 24), 0},
    {"12 mars 1700/01", Region::GRANDE_BRETAGNE, Style::ANNONCIATION, 1, julien(1701, 3, 12), 0},
    // The region's calendar.
    {"15 décembre 1582",
     FR,
     {},
     0,
     0,
     0,
     "le 15 décembre 1582 n'a pas existé en France : le 9 décembre 1582 y fut suivi du 20 "
     "décembre 1582"},
    {"1582 12 20", FR, {}, 1, gregorien(1582, 12, 20), 0},
    {"jour julien 2299226", FR, {}, 1, 2299226, 0},
    {"30 février 1712", Region::SUEDE, {}, 1, julien(1712, 2, 29), 0},
    {"3 mars 1680", Region::STRASBOURG, {}, 1, julien(1680, 3, 3), 0},
    {"3 mars 1683", Region::STRASBOURG, {}, 1, gregorien(1683, 3, 3), 0},
    // What cannot be read.
    {"la Toussaint", FR, {}, 0, 0, 0, "date incomplète : il manque l'année"},
    {"la veille de 1350", FR, {}, 0, 0, 0, "fête attendue à la place de « 1350 »"},
    {"le 400e jour après la Toussaint 1350",
     FR,
     {},
     0,
     0,
     0,
     "le rang d'un jour après une fête va de 1 à 366"},
    {"la Saint-Inconnu 1350", FR, {}, 0, 0, 0, "« Saint » n'est pas un mois du calendrier julien"},
};

TEST(LectureCivile, CommeLesTablesImprimees)
{
    for (const CasLecture& c : casLecture) {
        SCOPED_TRACE(c.texte);
        const texte::ContexteCivil contexte(c.region, c.style);
        const texte::LectureCivile l = texte::lireDateCivile(c.texte, contexte);
        EXPECT_EQ(l.erreur, c.erreur);
        EXPECT_EQ(l.nombre, c.nombre);
        if (c.nombre >= 1) {
            EXPECT_EQ(l.jours[0], c.premier);
        }
        if (c.nombre == 2) {
            EXPECT_EQ(l.jours[1], c.second);
        }
    }
}

// A weekday that is not the day's is told, and the day read; one that is
// neither of two days leaves both.
TEST(LectureCivile, JoursDeLaSemaine)
{
    const texte::ContexteCivil france(Region::FRANCE);
    const auto mauvais = texte::lireDateCivile("lundi, la veille de la Toussaint 1350", france);
    EXPECT_EQ(mauvais.nombre, 1);
    EXPECT_EQ(mauvais.avertissement, "attention, cette date est un Dimanche, pas un lundi");
    const auto aucun = texte::lireDateCivile("mardi 1er avril 1502, style de Pâques", france);
    EXPECT_EQ(aucun.nombre, 2);
    EXPECT_EQ(aucun.avertissement,
              "attention, cette date est un Vendredi ou un Samedi, pas un mardi");
}

// A historian's date is told from a plain one.
TEST(LectureCivile, Historique)
{
    const texte::ContexteCivil rome;
    EXPECT_TRUE(texte::lireDateCivile("la Toussaint 1350", rome).historique);
    EXPECT_TRUE(texte::lireDateCivile("10 mars 1500 n. st.", rome).historique);
    EXPECT_TRUE(texte::lireDateCivile("1er avril 1502 avant Pâques", rome).historique);
    EXPECT_FALSE(texte::lireDateCivile("10 mars 1500", rome).historique);
    EXPECT_FALSE(texte::lireDateCivile("la veille", rome).historique);
    EXPECT_FALSE(texte::lireDateCivile("", rome).historique);
}

// Every name and variant of every feast is a row of the vocabulary: read
// with its year (and with its article), it names the feast's day.
TEST(LectureCivile, ChaqueNomDeFete)
{
    const texte::ContexteCivil france(Region::FRANCE);
    for (const noms::NomFete& n : noms::nomsFetes) {
        const std::int64_t jour = *jourDeFete(n.fete, Region::FRANCE, 1350);
        std::vector<std::string> textes = {std::string(n.nom), std::string(n.court),
                                           texte::feteAvecArticle(n.fete)};
        for (const noms::Nom v : n.variantes) {
            if (!v.empty())
                textes.emplace_back(v);
        }
        for (const std::string& t : textes) {
            SCOPED_TRACE(t);
            const texte::LectureCivile l = texte::lireDateCivile(t + " 1350", france);
            ASSERT_EQ(l.erreur, "");
            ASSERT_EQ(l.nombre, 1);
            EXPECT_EQ(l.jours[0], jour);
            EXPECT_TRUE(l.historique);
        }
    }
}

// Every form the program writes for a day (the feasts around it, their eve,
// morrow and octave, the weekday before or after them, the n-th day after
// the last one), and the day's date in each style, read back through the
// reader to that day alone: every day of several centuries, in every style,
// for several regions.
TEST(LectureCivile, FormesRelues)
{
    struct Periode
    {
        Region region;
        std::int64_t debut, fin;
    };
    const Periode periodes[] = {
        {Region::FRANCE, julien(1350, 1, 1), gregorien(1650, 12, 31)},
        {Region::PAYS_BAS_ESPAGNOLS, julien(1575, 1, 1), gregorien(1590, 12, 31)},
        {Region::GRANDE_BRETAGNE, julien(1740, 1, 1), gregorien(1760, 12, 31)},
        {Region::SUEDE, julien(1698, 1, 1), gregorien(1714, 12, 31)},
        {Region::RUSSIE, julien(1915, 1, 1), gregorien(1920, 12, 31)},
    };
    for (const Periode& p : periodes) {
        const texte::ContexteCivil contexte(p.region);
        FetesDeRegion fetes(p.region);
        for (const DescriptionStyle& s : styles) {
            SCOPED_TRACE(std::string(reforme(p.region).identifiant) + " " +
                         std::string(s.identifiant));
            for (std::int64_t n = p.debut; n <= p.fin; ++n) {
                for (const FormeFete& f : formesDuJour(n, fetes, s.style)) {
                    const std::string texte = texte::texteForme(f, s.style);
                    const texte::LectureCivile l = texte::lireDateCivile(texte, contexte);
                    ASSERT_EQ(l.erreur, "") << texte;
                    ASSERT_EQ(l.nombre, 1) << texte;
                    ASSERT_EQ(l.jours[0], n) << texte;
                }
                const auto date = dateEnStyle(s.style, p.region, n);
                ASSERT_TRUE(date);
                const std::string texte = texte::texteDateEnStyle(*date, s.style);
                const texte::LectureCivile l = texte::lireDateCivile(texte, contexte);
                ASSERT_EQ(l.erreur, "") << texte;
                ASSERT_EQ(l.nombre, 1) << texte;
                ASSERT_EQ(l.jours[0], n) << texte;
            }
        }
    }
}

// The quick reading of the usual feast dates gives what the general reader
// gives, over every name and variant of every feast, with every relation,
// in capitals and with a curly apostrophe, in several regions, styles and
// years; and it reads most of them.
TEST(LectureCivile, RaccourciEgalAuLecteur)
{
    const std::vector<std::string> relations = {"",
                                                "la veille de ",
                                                "le lendemain de ",
                                                "l'octave de ",
                                                "l'octave des ",
                                                "le jeudi avant ",
                                                "le dimanche après ",
                                                "le lundi de ",
                                                "le dimanche de ",
                                                "le samedi de ",
                                                "le 3e jour après ",
                                                "le 1er jour après ",
                                                "le 120e jour après ",
                                                "le 400e jour après ",
                                                "samedi, la veille de ",
                                                "le troisième jour après ",
                                                "la "};
    struct Contexte
    {
        Region region;
        std::optional<Style> style;
    };
    const Contexte contextes[] = {{Region::FRANCE, {}},
                                  {Region::PAYS_BAS_ESPAGNOLS, Style::PAQUES},
                                  {Region::RUSSIE, Style::ANNONCIATION}};
    std::size_t textes = 0, rapides = 0;
    // Year by year, so that the quick reading meets each wording again after
    // all the others.
    for (const char* annee : {" 1350", " 1582", " 1700", " de l'an 1918"}) {
        for (const Contexte& ctx : contextes) {
            const texte::ContexteCivil contexte(ctx.region, ctx.style);
            for (const noms::NomFete& n : noms::nomsFetes) {
                std::vector<std::string> noms = {texte::feteAvecArticle(n.fete), std::string(n.nom),
                                                 std::string(n.court)};
                for (const noms::Nom v : n.variantes) {
                    if (!v.empty())
                        noms.emplace_back(v);
                }
                for (const std::string& nom : noms) {
                    for (const std::string& relation : relations) {
                        std::string t = relation + nom + annee;
                        std::string majuscules = t;
                        for (char& c : majuscules) {
                            if (c >= 'a' && c <= 'z')
                                c = static_cast<char>(c - 'a' + 'A');
                        }
                        std::string courbe = t;
                        for (std::size_t k = courbe.find('\''); k != std::string::npos;
                             k = courbe.find('\'', k))
                            courbe.replace(k, 1, "\u2019");
                        for (const std::string& texte : {t, majuscules, courbe}) {
                            SCOPED_TRACE(texte);
                            ++textes;
                            texte::LectureCivile rapide;
                            if (!texte::lireFeteRapidement(texte, contexte, rapide))
                                continue;
                            ++rapides;
                            const texte::LectureCivile l =
                                texte::lireDateCivileGenerale(texte, contexte);
                            ASSERT_EQ(l.erreur, "");
                            ASSERT_EQ(l.avertissement, "");
                            ASSERT_EQ(rapide.nombre, l.nombre);
                            ASSERT_EQ(rapide.jours[0], l.jours[0]);
                            if (l.nombre == 2) {
                                ASSERT_EQ(rapide.jours[1], l.jours[1]);
                            }
                            ASSERT_EQ(rapide.reconnu, l.reconnu);
                            ASSERT_EQ(rapide.historique, l.historique);
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(rapides, textes / 2) << rapides << " / " << textes;
    // What it leaves to the grammar.
    const texte::ContexteCivil france(Region::FRANCE);
    texte::LectureCivile l;
    for (const char* autre :
         {"la Toussaint 1350, style de Pâques", "la Toussaint -1350", "la Toussaint MCCCL",
          "la Toussaint (1350)", "10 mars 1500", "la Toussaint", "Thursday après la Toussaint 1350",
          "la Saint-Inconnu 1350", "Noël 1582 dans la ville", "la veille de 1350",
          "la Toussaint 99999999999", "la Sainte-Lucie 1582",
          // More words than it keeps (the second, found by fuzzing).
          "le jeudi de la semaine après la veille de la Toussaint de la ville de Paris en l'an "
          "1350",
          "7-A58'1 1-2-\t 581 1-2-\t4 1 358'1 1-2-\t 581 1-2-\t4 1 3 304"})
        EXPECT_FALSE(texte::lireFeteRapidement(autre, france, l)) << autre;
}

// Dates of other departures: a feast or a style is refused, saying where
// it is read; the dates that read before read as before.
TEST(LectureCivile, AutresCalendriers)
{
    EXPECT_EQ(texte::lireDateEcrite(JULIEN, "la Toussaint 1350").erreur,
              "« Toussaint » : une fête date un jour du calendrier de sa région, pas du "
              "calendrier julien (départ CIVIL)");
    EXPECT_EQ(texte::lireDateEcrite(GREGORIEN, "10 mars 1500 n. st.").erreur,
              "« n. st. » : le style d'une année se lit dans le calendrier de sa région, pas dans "
              "le calendrier grégorien (départ CIVIL)");
    EXPECT_EQ(texte::lireDateEcrite(REPUBLICAIN, "la Toussaint 1350").erreur,
              "« Toussaint » n'est pas un mois du calendrier républicain");
    EXPECT_EQ(texte::lireDateEcrite(GREGORIEN, "le 12 mars 1500").numeroJour,
              gregorien(1500, 3, 12));
    EXPECT_EQ(texte::lireDateEcrite(JULIEN, "Samedi 1er Janvier 2000 avant J.-C.").erreur, "");
}

} // namespace
