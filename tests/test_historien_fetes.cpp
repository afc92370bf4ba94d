// Feast days: the table against dated events and the printed rules, the
// movable feasts of chosen years against python3-dateutil, the relations,
// and every day of several centuries written from its feasts and read back.

#include "engine/fetes.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "historien.h"
#include "names/noms_fetes.h"
#include "texte/textefetes.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <set>

using namespace chronastre;
using historien::forme;
using historien::gregorien;
using historien::julien;

namespace {

struct CasFixe
{
    Fete fete;
    int mois, jour;
};

// The fixed feasts as the printed calendars give them (Grotefend's
// Heiligenverzeichnis, Giry's glossary of dates): Saint-Martin d'été is the
// translation of 4 July, Saint-Rémi the translation of 1 October.
const CasFixe casFixes[] = {
    {Fete::CIRCONCISION, 1, 1},         {Fete::EPIPHANIE, 1, 6},
    {Fete::SAINT_ANTOINE, 1, 17},       {Fete::SAINT_SEBASTIEN, 1, 20},
    {Fete::SAINT_VINCENT, 1, 22},       {Fete::CONVERSION_SAINT_PAUL, 1, 25},
    {Fete::CHANDELEUR, 2, 2},           {Fete::SAINT_MATHIAS, 2, 24},
    {Fete::ANNONCIATION, 3, 25},        {Fete::SAINT_GEORGES, 4, 23},
    {Fete::SAINT_MARC, 4, 25},          {Fete::PHILIPPE_JACQUES, 5, 1},
    {Fete::INVENTION_CROIX, 5, 3},      {Fete::SAINT_BARNABE, 6, 11},
    {Fete::SAINT_JEAN_BAPTISTE, 6, 24}, {Fete::PIERRE_PAUL, 6, 29},
    {Fete::SAINT_MARTIN_ETE, 7, 4},     {Fete::SAINTE_MADELEINE, 7, 22},
    {Fete::SAINT_JACQUES, 7, 25},       {Fete::SAINTE_ANNE, 7, 26},
    {Fete::SAINT_PIERRE_LIENS, 8, 1},   {Fete::SAINT_LAURENT, 8, 10},
    {Fete::ASSOMPTION, 8, 15},          {Fete::SAINT_BARTHELEMY, 8, 24},
    {Fete::SAINT_LOUIS, 8, 25},         {Fete::DECOLLATION, 8, 29},
    {Fete::SAINT_GILLES, 9, 1},         {Fete::NATIVITE_NOTRE_DAME, 9, 8},
    {Fete::EXALTATION_CROIX, 9, 14},    {Fete::SAINT_MATTHIEU, 9, 21},
    {Fete::SAINT_MICHEL, 9, 29},        {Fete::SAINT_REMI, 10, 1},
    {Fete::SAINT_DENIS, 10, 9},         {Fete::SAINT_LUC, 10, 18},
    {Fete::SAINT_CREPIN, 10, 25},       {Fete::SIMON_JUDE, 10, 28},
    {Fete::TOUSSAINT, 11, 1},           {Fete::MORTS, 11, 2},
    {Fete::SAINT_MARTIN_HIVER, 11, 11}, {Fete::SAINT_BRICE, 11, 13},
    {Fete::SAINT_CLEMENT, 11, 23},      {Fete::SAINTE_CATHERINE, 11, 25},
    {Fete::SAINT_ANDRE, 11, 30},        {Fete::SAINT_NICOLAS, 12, 6},
    {Fete::CONCEPTION, 12, 8},          {Fete::SAINTE_LUCIE, 12, 13},
    {Fete::SAINT_THOMAS, 12, 21},       {Fete::NOEL, 12, 25},
    {Fete::SAINT_ETIENNE, 12, 26},      {Fete::SAINT_JEAN_EVANGELISTE, 12, 27},
    {Fete::INNOCENTS, 12, 28},          {Fete::SAINT_SYLVESTRE, 12, 31},
};

TEST(Fetes, FetesFixes)
{
    int fixes = 0;
    for (const RegleFete& r : reglesFetes)
        fixes += r.genre == GenreFete::FIXE;
    EXPECT_EQ(fixes, static_cast<int>(std::size(casFixes)));
    for (const CasFixe& c : casFixes) {
        SCOPED_TRACE(noms::nomFete(c.fete).nom);
        // 1350 is a common year: every feast on its day.
        EXPECT_EQ(jourDeFete(c.fete, Region::FRANCE, 1350), julien(1350, c.mois, c.jour));
        EXPECT_EQ(jourDeFete(c.fete, Region::ROME, 2023), gregorien(2023, c.mois, c.jour));
        EXPECT_FALSE(regleFete(c.fete).source.empty());
    }
}

struct CasDate
{
    const char* tag;
    Fete fete;
    Region region;
    std::int64_t annee;
    std::optional<std::int64_t> numero;
};

// Saint Mathias is kept on the 25th in a leap year, as the doubled 24
// February pushes it (Grotefend); the reform takes away the feasts of the
// days it skipped. Dated events: Agincourt, Friday 25 October 1415, the
// Saint-Crépin; the massacre of the Saint-Barthélemy, Sunday 24 August 1572;
// Bannockburn, Monday 24 June 1314, the Saint-Jean-Baptiste.
const CasDate casDates[] = {
    {"Saint-Mathias 1350, commune", Fete::SAINT_MATHIAS, Region::FRANCE, 1350, julien(1350, 2, 24)},
    {"Saint-Mathias 1348, bissextile", Fete::SAINT_MATHIAS, Region::FRANCE, 1348,
     julien(1348, 2, 25)},
    {"Saint-Mathias 1700 à Rome, grégorienne commune", Fete::SAINT_MATHIAS, Region::ROME, 1700,
     gregorien(1700, 2, 24)},
    {"Saint-Mathias 1700 en Grande-Bretagne, julienne bissextile", Fete::SAINT_MATHIAS,
     Region::GRANDE_BRETAGNE, 1700, julien(1700, 2, 25)},
    {"Saint-Mathias 1700 en Suède, 29 février omis", Fete::SAINT_MATHIAS, Region::SUEDE, 1700,
     julien(1700, 2, 24)},
    {"Saint-Mathias 1712 en Suède, février de 30 jours", Fete::SAINT_MATHIAS, Region::SUEDE, 1712,
     julien(1712, 2, 24)},
    {"Saint-Mathias 1700, Allemagne protestante: supprimée", Fete::SAINT_MATHIAS,
     Region::ALLEMAGNE_PROTESTANTE, 1700, std::nullopt},
    {"Saint-Mathias 2024, bissextile", Fete::SAINT_MATHIAS, Region::ROME, 2024,
     gregorien(2024, 2, 25)},
    {"Azincourt: Saint-Crépin 1415, vendredi", Fete::SAINT_CREPIN, Region::FRANCE, 1415, 2238184},
    {"Saint-Barthélemy 1572, dimanche", Fete::SAINT_BARTHELEMY, Region::FRANCE, 1572, 2295467},
    {"Bannockburn: Saint-Jean-Baptiste 1314, lundi", Fete::SAINT_JEAN_BAPTISTE,
     Region::GRANDE_BRETAGNE, 1314, 2201171},
    {"Noël 1582 aux Pays-Bas espagnols: supprimé", Fete::NOEL, Region::PAYS_BAS_ESPAGNOLS, 1582,
     std::nullopt},
    {"Saint-Thomas 1582 aux Pays-Bas espagnols: 21 décembre, existe", Fete::SAINT_THOMAS,
     Region::PAYS_BAS_ESPAGNOLS, 1582, julien(1582, 12, 21)},
    {"Sainte-Lucie 1582 en France: supprimée", Fete::SAINTE_LUCIE, Region::FRANCE, 1582,
     std::nullopt},
    {"Sainte-Lucie 1582 à Rome: grégorienne", Fete::SAINTE_LUCIE, Region::ROME, 1582,
     gregorien(1582, 12, 13)},
    {"Avent 1582 aux Pays-Bas espagnols: sans Noël", Fete::AVENT_1, Region::PAYS_BAS_ESPAGNOLS,
     1582, std::nullopt},
    {"Noël un dimanche (1583): 4e Avent le 18", Fete::AVENT_4, Region::ROME, 1583,
     gregorien(1583, 12, 18)},
    {"Noël un lundi (2023): 4e Avent le 24", Fete::AVENT_4, Region::ROME, 2023,
     gregorien(2023, 12, 24)},
    {"1er Avent 2023: 3 décembre", Fete::AVENT_1, Region::ROME, 2023, gregorien(2023, 12, 3)},
    {"Pâques 1282 (Vêpres siciliennes le lendemain)", Fete::PAQUES, Region::ROME, 1282,
     julien(1282, 3, 29)},
    {"année hors limites", Fete::NOEL, Region::ROME, anneeLimite + 1, std::nullopt},
    {"année minimale", Fete::PAQUES, Region::ROME, std::numeric_limits<std::int64_t>::min(),
     std::nullopt},
};

TEST(Fetes, JoursDeFete)
{
    for (const CasDate& c : casDates) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(jourDeFete(c.fete, c.region, c.annee), c.numero);
        FetesDeRegion fetes(c.region);
        EXPECT_EQ(fetes.jour(c.fete, c.annee), c.numero);
    }
    // Weekdays of the dated events.
    EXPECT_EQ(jourSemaine(2238184), 5); // Friday
    EXPECT_EQ(jourSemaine(2295467), 0); // Sunday
    EXPECT_EQ(jourSemaine(2201171), 1); // Monday
}

// The Sundays of Advent: the first between 27 November and 3 December, the
// fourth the last Sunday before Christmas; the movable feasts on their
// weekdays.
TEST(Fetes, Avent)
{
    for (std::int64_t annee = 1300; annee <= 2100; ++annee) {
        // France's Advent of 1582 runs before the Gregorian Christmas that
        // followed its reform of December: Rome's calendar that year.
        const Region region = annee < 1582 ? Region::FRANCE : Region::ROME;
        const std::int64_t noel = *jourDeFete(Fete::NOEL, region, annee);
        const std::int64_t premier = *jourDeFete(Fete::AVENT_1, region, annee);
        const std::int64_t quatrieme = *jourDeFete(Fete::AVENT_4, region, annee);
        ASSERT_EQ(jourSemaine(premier), 0);
        ASSERT_EQ(quatrieme - premier, 21);
        ASSERT_GE(noel - quatrieme, 1);
        ASSERT_LE(noel - quatrieme, 7);
        const auto date = dateCivile(region, premier);
        ASSERT_TRUE((date->mois == 11 && date->jour >= 27) || (date->mois == 12 && date->jour <= 3))
            << annee;
        // The Sunday nearest Saint Andrew.
        const std::int64_t andre = *jourDeFete(Fete::SAINT_ANDRE, region, annee);
        ASSERT_LE(premier - andre, 3);
        ASSERT_GE(premier - andre, -3);
        const auto semaine = [&](Fete f) {
            return jourSemaine(*jourDeFete(f, region, annee));
        };
        for (const Fete f :
             {Fete::SEPTUAGESIME, Fete::QUINQUAGESIME, Fete::INVOCAVIT, Fete::LAETARE,
              Fete::RAMEAUX, Fete::PAQUES, Fete::QUASIMODO, Fete::VOCEM_JUCUNDITATIS, Fete::EXAUDI,
              Fete::PENTECOTE, Fete::TRINITE})
            ASSERT_EQ(semaine(f), 0);
        ASSERT_EQ(semaine(Fete::ROGATIONS), 1);
        ASSERT_EQ(semaine(Fete::CENDRES), 3);
        for (const Fete f : {Fete::JEUDI_SAINT, Fete::ASCENSION, Fete::FETE_DIEU})
            ASSERT_EQ(semaine(f), 4);
        ASSERT_EQ(semaine(Fete::VENDREDI_SAINT), 5);
    }
}

// The movable feasts of chosen years, as `chronastre FETES` lists them,
// against tests/donnees/fetes_mobiles.txt (scripts/generer_fetes.py, from
// python3-dateutil's Easter and the distances of the liturgical books).
TEST(Fetes, FetesMobilesCommeLaTable)
{
    std::map<std::string, std::string> attendus;
    std::string cle;
    for (const std::string& ligne : historien::lignes("fetes_mobiles.txt")) {
        if (ligne.starts_with("= ")) {
            cle = ligne.substr(2);
            attendus[cle];
            continue;
        }
        attendus[cle] += ligne + '\n';
    }
    ASSERT_EQ(attendus.size(), 22u);
    for (const auto& [cas, texte] : attendus) {
        SCOPED_TRACE(cas);
        const std::size_t espace = cas.find(' ');
        const auto region = regionParIdentifiant(cas.substr(0, espace));
        ASSERT_TRUE(region);
        EXPECT_EQ(texte::listeFetesMobiles(*region, std::stoll(cas.substr(espace + 1))), texte);
    }
}

struct CasForme
{
    const char* tag;
    FormeFete forme;
    Region region;
    Style style;
    int nombre;
    std::int64_t premier, second;
    Refus refus;
};

constexpr auto C = Style::CIRCONCISION;

// Day numbers from scripts/oracle.py and python3-dateutil: 11 November 1350
// was a Thursday, so the Thursday after it is the 18th; Ascension 1422 was
// Thursday 21 May; Crécy, Saturday 26 August 1346, "le samedi après la
// Saint-Barthélemy" (a Thursday); the Sicilian Vespers, Easter Monday 30
// March 1282.
const CasForme casFormes[] = {
    {"le jeudi après la Saint-Martin d'hiver 1350",
     forme(Relation::JOUR_SEMAINE_APRES, Fete::SAINT_MARTIN_HIVER, 1350, 4), Region::FRANCE, C, 1,
     julien(1350, 11, 18), 0, Refus::Aucun},
    {"le jeudi avant la Saint-Martin d'hiver 1350",
     forme(Relation::JOUR_SEMAINE_AVANT, Fete::SAINT_MARTIN_HIVER, 1350, 4), Region::FRANCE, C, 1,
     julien(1350, 11, 4), 0, Refus::Aucun},
    {"le vendredi après la Saint-Martin d'hiver 1350",
     forme(Relation::JOUR_SEMAINE_APRES, Fete::SAINT_MARTIN_HIVER, 1350, 5), Region::FRANCE, C, 1,
     julien(1350, 11, 12), 0, Refus::Aucun},
    {"la veille de la Toussaint 1350", forme(Relation::VEILLE, Fete::TOUSSAINT, 1350),
     Region::FRANCE, C, 1, julien(1350, 10, 31), 0, Refus::Aucun},
    {"le lendemain de l'Ascension 1422", forme(Relation::LENDEMAIN, Fete::ASCENSION, 1422),
     Region::FRANCE, C, 1, julien(1422, 5, 22), 0, Refus::Aucun},
    {"le dimanche de Laetare 1350", forme(Relation::JOUR, Fete::LAETARE, 1350), Region::FRANCE, C,
     1, julien(1350, 3, 7), 0, Refus::Aucun},
    {"l'octave de la Saint-Jean-Baptiste 1350",
     forme(Relation::OCTAVE, Fete::SAINT_JEAN_BAPTISTE, 1350), Region::FRANCE, C, 1,
     julien(1350, 7, 1), 0, Refus::Aucun},
    {"Crécy: le samedi après la Saint-Barthélemy 1346",
     forme(Relation::JOUR_SEMAINE_APRES, Fete::SAINT_BARTHELEMY, 1346, 6), Region::FRANCE, C, 1,
     2212922, 0, Refus::Aucun},
    {"Vêpres siciliennes: le lendemain de Pâques 1282",
     forme(Relation::LENDEMAIN, Fete::PAQUES, 1282), Region::ROME, C, 1, 2189397, 0, Refus::Aucun},
    {"le 3e jour après la Toussaint 1350",
     forme(Relation::NIEME_JOUR_APRES, Fete::TOUSSAINT, 1350, 0, 3), Region::FRANCE, C, 1,
     julien(1350, 11, 4), 0, Refus::Aucun},
    {"le dimanche après Pâques 1350 = Quasimodo",
     forme(Relation::JOUR_SEMAINE_APRES, Fete::PAQUES, 1350, 0), Region::FRANCE, C, 1,
     julien(1350, 4, 4), 0, Refus::Aucun},
    {"le dimanche avant Pâques 1350 = Rameaux",
     forme(Relation::JOUR_SEMAINE_AVANT, Fete::PAQUES, 1350, 0), Region::FRANCE, C, 1,
     julien(1350, 3, 21), 0, Refus::Aucun},
    {"l'octave de Pâques 1350 = Quasimodo", forme(Relation::OCTAVE, Fete::PAQUES, 1350),
     Region::FRANCE, C, 1, julien(1350, 4, 4), 0, Refus::Aucun},
    {"la veille de Noël 1582, Rome", forme(Relation::VEILLE, Fete::NOEL, 1582), Region::ROME, C, 1,
     gregorien(1582, 12, 24), 0, Refus::Aucun},
    {"Noël 1582, Pays-Bas espagnols", forme(Relation::JOUR, Fete::NOEL, 1582),
     Region::PAYS_BAS_ESPAGNOLS, C, 0, 0, 0, Refus::FeteAbsente},
    // Styles: Christmas opens the year in the Christmas style; in the
    // Easter style the Septuagesima of 1350 comes before Easter 1351, and a
    // fixed feast can fall twice in a year or not at all.
    {"Noël 1351 au style de Noël", forme(Relation::JOUR, Fete::NOEL, 1351), Region::FRANCE,
     Style::NOEL, 1, julien(1350, 12, 25), 0, Refus::Aucun},
    {"Septuagésime 1350 au style de Pâques", forme(Relation::JOUR, Fete::SEPTUAGESIME, 1350),
     Region::FRANCE, Style::PAQUES, 1, *jourDeFete(Fete::SEPTUAGESIME, Region::FRANCE, 1351), 0,
     Refus::Aucun},
    {"Pâques 1350 au style de Pâques", forme(Relation::JOUR, Fete::PAQUES, 1350), Region::FRANCE,
     Style::PAQUES, 1, julien(1350, 3, 28), 0, Refus::Aucun},
    {"Annonciation 1421 au style de Pâques: deux fois (Pâques 1421 le 23 mars)",
     forme(Relation::JOUR, Fete::ANNONCIATION, 1421), Region::FRANCE, Style::PAQUES, 2,
     julien(1421, 3, 25), julien(1422, 3, 25), Refus::Aucun},
    {"Annonciation 1421 avant Pâques",
     forme(Relation::JOUR, Fete::ANNONCIATION, 1421, 0, 0, PartiePaques::AvantPaques),
     Region::FRANCE, C, 1, julien(1422, 3, 25), 0, Refus::Aucun},
    {"le lendemain de l'Annonciation 1421 après Pâques",
     forme(Relation::LENDEMAIN, Fete::ANNONCIATION, 1421, 0, 0, PartiePaques::ApresPaques),
     Region::FRANCE, C, 1, julien(1421, 3, 26), 0, Refus::Aucun},
    {"Annonciation 1420 au style de Pâques: absente (Pâques 1420 le 7 avril, 1421 le 23 mars)",
     forme(Relation::JOUR, Fete::ANNONCIATION, 1420), Region::FRANCE, Style::PAQUES, 0, 0, 0,
     Refus::HorsAnnee},
    {"Saint-Georges 1450 au style de Pâques: deux fois (Pâques 1451 le 25 avril)",
     forme(Relation::JOUR, Fete::SAINT_GEORGES, 1450), Region::FRANCE, Style::PAQUES, 2,
     julien(1450, 4, 23), julien(1451, 4, 23), Refus::Aucun},
    {"Saint-Georges 1451 au style de Pâques: absente",
     forme(Relation::JOUR, Fete::SAINT_GEORGES, 1451), Region::FRANCE, Style::PAQUES, 0, 0, 0,
     Refus::HorsAnnee},
    {"Saint-Marc 1502 au style de Pâques: une fois", forme(Relation::JOUR, Fete::SAINT_MARC, 1502),
     Region::FRANCE, Style::PAQUES, 1, julien(1502, 4, 25), 0, Refus::Aucun},
    // A year that begins on 25 March can hold two Laetare Sundays (29 March
    // 1299 and 20 March 1300 in the Florentine year 1299), or none.
    {"Laetare 1299, style de l'Annonciation: deux fois", forme(Relation::JOUR, Fete::LAETARE, 1299),
     Region::FRANCE, Style::ANNONCIATION, 2, julien(1299, 3, 29), julien(1300, 3, 20),
     Refus::Aucun},
    {"Annonciation 1500 après Pâques: contraire",
     forme(Relation::JOUR, Fete::ANNONCIATION, 1500, 0, 0, PartiePaques::ApresPaques),
     Region::FRANCE, C, 0, 0, 0, Refus::PartieContraire},
    {"jour de la semaine 7", forme(Relation::JOUR_SEMAINE_APRES, Fete::NOEL, 1350, 7),
     Region::FRANCE, C, 0, 0, 0, Refus::FormeInvalide},
    {"rang 0", forme(Relation::NIEME_JOUR_APRES, Fete::NOEL, 1350, 0, 0), Region::FRANCE, C, 0, 0,
     0, Refus::FormeInvalide},
    {"rang 367", forme(Relation::NIEME_JOUR_APRES, Fete::NOEL, 1350, 0, 367), Region::FRANCE, C, 0,
     0, 0, Refus::FormeInvalide},
    {"année hors limites", forme(Relation::JOUR, Fete::NOEL, anneeLimite), Region::FRANCE, C, 0, 0,
     0, Refus::HorsLimites},
    {"année minimale",
     forme(Relation::VEILLE, Fete::PAQUES, std::numeric_limits<std::int64_t>::min()),
     Region::FRANCE, C, 0, 0, 0, Refus::HorsLimites},
};

TEST(Fetes, Relations)
{
    for (const CasForme& c : casFormes) {
        SCOPED_TRACE(c.tag);
        const Resolution r = resoudre(c.forme, c.region, c.style);
        EXPECT_EQ(r.nombre, c.nombre);
        EXPECT_EQ(r.refus, c.refus);
        if (c.nombre >= 1) {
            EXPECT_EQ(r.jours[0], c.premier);
        }
        if (c.nombre == 2) {
            EXPECT_EQ(r.jours[1], c.second);
        }
    }
    EXPECT_EQ(jourSemaine(julien(1350, 11, 11)), 4); // Thursday
    EXPECT_EQ(jourSemaine(2212922), 6);              // Saturday
}

// Every day of several centuries, in every style and several regions:
// every form written from its feasts reads back to that day alone, and
// every day has one.
TEST(Fetes, FormesAllerRetour)
{
    struct Periode
    {
        Region region;
        std::int64_t debut, fin;
    };
    const Periode periodes[] = {
        {Region::FRANCE, julien(1300, 1, 1), gregorien(1700, 12, 31)},
        {Region::ROME, julien(1560, 1, 1), gregorien(1610, 12, 31)},
        {Region::PAYS_BAS_ESPAGNOLS, julien(1570, 1, 1), gregorien(1600, 12, 31)},
        {Region::ALLEMAGNE_PROTESTANTE, julien(1690, 1, 1), gregorien(1760, 12, 31)},
        {Region::GRANDE_BRETAGNE, julien(1730, 1, 1), gregorien(1770, 12, 31)},
        {Region::SUEDE, julien(1695, 1, 1), gregorien(1760, 12, 31)},
        {Region::RUSSIE, julien(1900, 1, 1), gregorien(1930, 12, 31)},
    };
    for (const Periode& p : periodes) {
        FetesDeRegion fetes(p.region);
        for (const DescriptionStyle& s : styles) {
            SCOPED_TRACE(std::string(reforme(p.region).identifiant) + " " +
                         std::string(s.identifiant));
            for (std::int64_t n = p.debut; n <= p.fin; ++n) {
                const std::vector<FormeFete> formes = formesDuJour(n, fetes, s.style);
                ASSERT_FALSE(formes.empty()) << n;
                for (const FormeFete& f : formes) {
                    const Resolution r = resoudre(f, fetes, s.style);
                    ASSERT_EQ(r.nombre, 1) << n << ' ' << texte::texteForme(f, s.style);
                    ASSERT_EQ(r.jours[0], n) << texte::texteForme(f, s.style);
                }
            }
        }
    }
}

// Each name and variant names its feast alone, and every name prints in
// Latin-1.
TEST(Fetes, Noms)
{
    std::map<std::string, Fete> cles;
    for (const noms::NomFete& n : noms::nomsFetes) {
        SCOPED_TRACE(n.nom);
        EXPECT_TRUE(historien::dansLatin1(n.nom));
        EXPECT_TRUE(historien::dansLatin1(n.court));
        EXPECT_EQ(texte::feteParNom(n.nom), n.fete);
        EXPECT_EQ(texte::feteParNom(n.court), n.fete);
        EXPECT_EQ(texte::feteParNom(texte::feteAvecArticle(n.fete)), n.fete);
        std::vector<noms::Nom> tous = {n.nom, n.court};
        for (const noms::Nom v : n.variantes) {
            if (!v.empty())
                tous.push_back(v);
        }
        for (const noms::Nom nom : tous) {
            EXPECT_EQ(texte::feteParNom(nom), n.fete) << nom;
            const auto [it, nouveau] = cles.emplace(texte::cleDeNom(nom), n.fete);
            EXPECT_TRUE(nouveau || it->second == n.fete) << nom;
        }
    }
}

} // namespace
