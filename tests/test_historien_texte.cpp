// The French text of the historian's dates: feasts with their articles,
// forms and dates in a style, the years of a day in the other styles, the
// reasons a date names no day, and feast names as the reader keys them.

#include "engine/fetes.h"
#include "engine/reforme.h"
#include "engine/styles.h"
#include "historien.h"
#include "texte/textefetes.h"

#include <gtest/gtest.h>

#include <array>

using namespace chronastre;
using historien::forme;
using historien::gregorien;
using historien::julien;

namespace {

TEST(TexteFetes, Articles)
{
    EXPECT_EQ(texte::feteAvecArticle(Fete::SAINT_MARTIN_HIVER), "la Saint-Martin d'hiver");
    EXPECT_EQ(texte::feteAvecArticle(Fete::ASCENSION), "l'Ascension");
    EXPECT_EQ(texte::feteAvecArticle(Fete::PAQUES), "Pâques");
    EXPECT_EQ(texte::feteAvecArticle(Fete::RAMEAUX), "les Rameaux");
    EXPECT_EQ(texte::feteAvecArticle(Fete::LAETARE), "le dimanche de Laetare");
    EXPECT_EQ(texte::deLaFete(Fete::TOUSSAINT), "de la Toussaint");
    EXPECT_EQ(texte::deLaFete(Fete::ASCENSION), "de l'Ascension");
    EXPECT_EQ(texte::deLaFete(Fete::NOEL), "de Noël");
    EXPECT_EQ(texte::deLaFete(Fete::INNOCENTS), "des Innocents");
    EXPECT_EQ(texte::deLaFete(Fete::AVENT_1), "du premier dimanche de l'Avent");
}

TEST(TexteFetes, Formes)
{
    const Style c = Style::CIRCONCISION;
    EXPECT_EQ(texte::texteForme(
                  forme(Relation::JOUR_SEMAINE_APRES, Fete::SAINT_MARTIN_HIVER, 1350, 4), c),
              "le jeudi après la Saint-Martin d'hiver 1350");
    EXPECT_EQ(texte::texteForme(forme(Relation::JOUR_SEMAINE_AVANT, Fete::NOEL, 1350, 0), c),
              "le dimanche avant Noël 1350");
    EXPECT_EQ(texte::texteForme(forme(Relation::VEILLE, Fete::TOUSSAINT, 1350), c),
              "la veille de la Toussaint 1350");
    EXPECT_EQ(texte::texteForme(forme(Relation::LENDEMAIN, Fete::ASCENSION, 1422), c),
              "le lendemain de l'Ascension 1422");
    EXPECT_EQ(texte::texteForme(forme(Relation::JOUR, Fete::LAETARE, 1350), c),
              "le dimanche de Laetare 1350");
    EXPECT_EQ(texte::texteForme(forme(Relation::OCTAVE, Fete::SAINT_JEAN_BAPTISTE, 1350), c),
              "l'octave de la Saint-Jean-Baptiste 1350");
    EXPECT_EQ(texte::texteForme(forme(Relation::NIEME_JOUR_APRES, Fete::PAQUES, 1350, 0, 3), c),
              "le 3e jour après Pâques 1350");
    EXPECT_EQ(texte::texteForme(forme(Relation::JOUR, Fete::NOEL, 1351), Style::NOEL),
              "Noël 1351, style de Noël");
    EXPECT_EQ(texte::texteForme(
                  forme(Relation::JOUR, Fete::ANNONCIATION, 1421, 0, 0, PartiePaques::AvantPaques),
                  Style::PAQUES),
              "l'Annonciation 1421 avant Pâques");
}

TEST(TexteFetes, DatesEnStyle)
{
    const auto date = dateEnStyle(Style::PAQUES, Region::FRANCE, julien(1501, 3, 10));
    ASSERT_TRUE(date);
    EXPECT_EQ(texte::texteDateEnStyle(*date, Style::PAQUES), "10 mars 1500, style de Pâques");
    const auto deux = dateEnStyle(Style::PAQUES, Region::FRANCE, julien(1503, 4, 1));
    EXPECT_EQ(texte::texteDateEnStyle(*deux, Style::PAQUES), "1er avril 1502 avant Pâques");
    const auto michel = dateEnStyle(Style::ANNONCIATION, Region::ROME, julien(1475, 3, 6));
    EXPECT_EQ(texte::texteDateEnStyle(*michel, Style::ANNONCIATION),
              "6 mars 1474, style de l'Annonciation");
}

TEST(TexteFetes, AnneesSelonStyles)
{
    EXPECT_EQ(texte::anneesSelonStyles(Region::FRANCE, julien(1501, 3, 10)),
              "Style de l'Annonciation : 1500 ; style de Pâques : 1500");
    EXPECT_EQ(texte::anneesSelonStyles(Region::FRANCE, julien(1500, 12, 25)),
              "Style de Noël : 1501 ; style pisan : 1501");
    EXPECT_EQ(texte::anneesSelonStyles(Region::ROME, gregorien(2024, 7, 1)), "Style pisan : 2025");
    EXPECT_EQ(texte::anneesSelonStyles(Region::ROME, gregorien(2024, 1, 1) + 120),
              "Style pisan : 2025");
    EXPECT_EQ(texte::anneesSelonStyles(Region::ROME, jourLimite + 1), "");
}

TEST(TexteFetes, Motifs)
{
    EXPECT_EQ(texte::motifDate(Refus::SupprimeeParReforme, Region::FRANCE, Style::CIRCONCISION,
                               1582, 12, 15),
              "Le 15 décembre 1582 n'a pas existé en France : le 9 décembre 1582 y fut suivi du "
              "20 décembre 1582.");
    EXPECT_EQ(texte::motifDate(Refus::SupprimeeParReforme, Region::PAYS_BAS_ESPAGNOLS,
                               Style::CIRCONCISION, 1582, 12, 25),
              "Le 25 décembre 1582 n'a pas existé aux Pays-Bas espagnols : le 21 décembre 1582 y "
              "fut suivi du 1er janvier 1583.");
    EXPECT_EQ(texte::motifDate(Refus::SupprimeeParReforme, Region::SUEDE, Style::CIRCONCISION, 1700,
                               2, 29),
              "Le 29 février 1700 n'a pas existé en Suède, qui omit le jour bissextile de 1700.");
    EXPECT_EQ(texte::motifDate(Refus::HorsAnnee, Region::FRANCE, Style::PAQUES, 1500, 4, 15),
              "Le 15 avril 1500 (style de Pâques) n'existe pas : au style de Pâques, l'année 1500 "
              "va du 19 avril 1500 au 10 avril 1501.");
    EXPECT_EQ(texte::motifDate(Refus::PartieContraire, Region::FRANCE, Style::PAQUES, 1500, 3, 10,
                               PartiePaques::ApresPaques),
              "Le 10 mars 1500 ne tombe pas après Pâques : au style de Pâques, l'année 1500 va du "
              "19 avril 1500 au 10 avril 1501.");
    EXPECT_EQ(texte::motifDate(Refus::DateInvalide, Region::ROME, Style::CIRCONCISION, 1500, 4, 31),
              "Le 31 avril 1500 n'existe pas : ce mois n'a pas de 31e jour cette année-là.");
    EXPECT_EQ(texte::motifDate(Refus::DateInvalide, Region::ROME, Style::CIRCONCISION, 1500, 13, 1),
              "Il n'y a pas de mois 13.");
    EXPECT_EQ(texte::motifDate(Refus::HorsLimites, Region::ROME, Style::CIRCONCISION,
                               anneeLimite + 1, 1, 1),
              "L'année 1000000000001 est hors des limites du calcul.");
    EXPECT_EQ(texte::motifDate(Refus::Aucun, Region::ROME, Style::CIRCONCISION, 1500, 1, 1), "");

    FormeFete noel;
    noel.fete = Fete::NOEL;
    noel.annee = 1582;
    EXPECT_EQ(texte::motifForme(Refus::FeteAbsente, Region::PAYS_BAS_ESPAGNOLS, Style::CIRCONCISION,
                                noel),
              "Noël 1582 n'a pas eu lieu aux Pays-Bas espagnols : la réforme a supprimé ce jour "
              "(le 21 décembre 1582 y fut suivi du 1er janvier 1583).");
    FormeFete annonciation;
    annonciation.fete = Fete::ANNONCIATION;
    annonciation.annee = 1420;
    EXPECT_EQ(texte::motifForme(Refus::HorsAnnee, Region::FRANCE, Style::PAQUES, annonciation),
              "L'Annonciation 1420 (style de Pâques) ne tombe pas dans cette année : au style de "
              "Pâques, elle va du 7 avril 1420 au 22 mars 1421.");
    annonciation.annee = 1500;
    annonciation.partie = PartiePaques::ApresPaques;
    EXPECT_EQ(texte::motifForme(Refus::PartieContraire, Region::FRANCE, Style::CIRCONCISION,
                                annonciation),
              "L'Annonciation 1500 ne tombe pas après Pâques : au style de Pâques, l'année 1500 va "
              "du 19 avril 1500 au 10 avril 1501.");
    FormeFete rang = noel;
    rang.relation = Relation::NIEME_JOUR_APRES;
    EXPECT_EQ(texte::motifForme(Refus::FormeInvalide, Region::ROME, Style::CIRCONCISION, rang),
              "Le rang d'un jour après une fête va de 1 à 366.");
}

TEST(TexteFetes, NomsLus)
{
    EXPECT_EQ(texte::cleDeNom("Saint-Martin d'hiver"), "saint martin dhiver");
    EXPECT_EQ(texte::cleDeNom("  Lætare,  Œ "), "laetare oe");
    EXPECT_EQ(texte::feteParNom("la Saint-Martin d'hiver"), Fete::SAINT_MARTIN_HIVER);
    EXPECT_EQ(texte::feteParNom("SAINT MARTIN D’HIVER"), Fete::SAINT_MARTIN_HIVER);
    EXPECT_EQ(texte::feteParNom("Saint-Martin"), Fete::SAINT_MARTIN_HIVER);
    EXPECT_EQ(texte::feteParNom("la Saint-Martin bouillant"), Fete::SAINT_MARTIN_ETE);
    EXPECT_EQ(texte::feteParNom("l'Ascension"), Fete::ASCENSION);
    EXPECT_EQ(texte::feteParNom("les Rameaux"), Fete::RAMEAUX);
    EXPECT_EQ(texte::feteParNom("Pâques fleuries"), Fete::RAMEAUX);
    EXPECT_EQ(texte::feteParNom("Pasques"), Fete::PAQUES);
    EXPECT_EQ(texte::feteParNom("le dimanche d'Oculi"), Fete::OCULI);
    EXPECT_EQ(texte::feteParNom("la Nativité de Notre-Dame"), Fete::NATIVITE_NOTRE_DAME);
    EXPECT_EQ(texte::feteParNom("la Nativité"), Fete::NOEL);
    EXPECT_EQ(texte::feteParNom("Saint-Pierre-ès-liens"), Fete::SAINT_PIERRE_LIENS);
    EXPECT_EQ(texte::feteParNom("Saint-Pierre"), Fete::PIERRE_PAUL);
    EXPECT_EQ(texte::feteParNom("Saint-Jean"), Fete::SAINT_JEAN_BAPTISTE);
    EXPECT_EQ(texte::feteParNom("Saint-Jean l'Évangéliste"), Fete::SAINT_JEAN_EVANGELISTE);
    EXPECT_EQ(texte::feteParNom("Saint-Inconnu"), std::nullopt);
    EXPECT_EQ(texte::feteParNom(""), std::nullopt);
    EXPECT_EQ(texte::feteParNom("la"), std::nullopt);
    EXPECT_EQ(texte::feteParNom("\xff\xfe"), std::nullopt);

    // The longest name at the start of the reader's words.
    const std::array<std::string_view, 5> cles = {"saint", "jean", "baptiste", "1350", "x"};
    const auto lue = texte::lireFete(cles);
    ASSERT_TRUE(lue);
    EXPECT_EQ(lue->fete, Fete::SAINT_JEAN_BAPTISTE);
    EXPECT_EQ(lue->mots, 3u);
    const std::array<std::string_view, 2> elision = {"lascension", "1422"};
    const auto lueElision = texte::lireFete(elision);
    ASSERT_TRUE(lueElision);
    EXPECT_EQ(lueElision->fete, Fete::ASCENSION);
    EXPECT_EQ(lueElision->mots, 1u);
    EXPECT_EQ(texte::lireFete({}), std::nullopt);
}

TEST(TexteFetes, ListeHorsLimites)
{
    EXPECT_EQ(texte::listeFetesMobiles(Region::ROME, anneeLimite + 1), "");
    EXPECT_EQ(texte::listeFetesMobiles(Region::ROME, std::numeric_limits<std::int64_t>::min()), "");
}

} // namespace
