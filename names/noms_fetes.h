#pragma once

// The French names of the feasts, as documents write them: the name the
// program prints, the article it takes in a sentence, a short form for a
// list, and the usual variants a reader should know. UTF-8 text within
// Latin-1, read at the feast's enumerator.

#include "engine/fetes.h"
#include "names/noms.h"

#include <array>
#include <cstdint>

namespace chronastre::noms {

// The article a feast's name takes: "la Toussaint", "l'Ascension", "les
// Rameaux", "le dimanche de Laetare", "Pâques".
enum class Article : std::uint8_t
{
    AUCUN,
    LE,
    LA,
    L, // elided before a vowel
    LES,
};

struct NomFete
{
    Fete fete;
    Article article;
    Nom nom;   // after the article: "Saint-Martin d'hiver", "dimanche de Laetare"
    Nom court; // in a list of the year: "Saint-Martin d'hiver", "Laetare"
    std::array<Nom, 6> variantes;
};

// clang-format off
inline constexpr std::array<NomFete, nombreFetes> nomsFetes = {{
    {Fete::CIRCONCISION, Article::LA, "Circoncision", "Circoncision",
     {"Circoncision de Notre-Seigneur", "jour de l'an"}},
    {Fete::EPIPHANIE, Article::L, "Épiphanie", "Épiphanie",
     {"Rois", "jour des Rois", "Tiphaine"}},
    {Fete::SAINT_ANTOINE, Article::LA, "Saint-Antoine", "Saint-Antoine", {"Saint-Antoine abbé"}},
    {Fete::SAINT_SEBASTIEN, Article::LA, "Saint-Sébastien", "Saint-Sébastien",
     {"Saints Fabien et Sébastien", "Saint-Fabien et Saint-Sébastien"}},
    {Fete::SAINT_VINCENT, Article::LA, "Saint-Vincent", "Saint-Vincent", {}},
    {Fete::CONVERSION_SAINT_PAUL, Article::LA, "Conversion de saint Paul", "Conversion de saint Paul",
     {"Conversion saint Paul"}},
    {Fete::CHANDELEUR, Article::LA, "Chandeleur", "Chandeleur",
     {"Purification", "Purification de Notre-Dame", "Purification de la Vierge", "Notre-Dame de la Chandeleur"}},
    {Fete::SAINT_MATHIAS, Article::LA, "Saint-Mathias", "Saint-Mathias", {"Saint-Matthias", "Saint-Mathias apôtre"}},
    {Fete::ANNONCIATION, Article::L, "Annonciation", "Annonciation",
     {"Annonciation de Notre-Dame", "Notre-Dame de mars", "Notre-Dame en mars"}},
    {Fete::SAINT_GEORGES, Article::LA, "Saint-Georges", "Saint-Georges", {}},
    {Fete::SAINT_MARC, Article::LA, "Saint-Marc", "Saint-Marc", {"Saint-Marc évangéliste"}},
    {Fete::PHILIPPE_JACQUES, Article::LES, "saints Philippe et Jacques", "Saints Philippe et Jacques",
     {"Saint-Philippe et Saint-Jacques", "Saint-Philippe-Saint-Jacques", "Saint-Philippe et Jacques"}},
    {Fete::INVENTION_CROIX, Article::L, "Invention de la Croix", "Invention de la Croix",
     {"Invention de la Sainte-Croix", "Sainte-Croix de mai"}},
    {Fete::SAINT_BARNABE, Article::LA, "Saint-Barnabé", "Saint-Barnabé", {}},
    {Fete::SAINT_JEAN_BAPTISTE, Article::LA, "Saint-Jean-Baptiste", "Saint-Jean-Baptiste",
     {"Saint-Jean", "Saint-Jean d'été", "Nativité de saint Jean-Baptiste"}},
    {Fete::PIERRE_PAUL, Article::LES, "saints Pierre et Paul", "Saints Pierre et Paul",
     {"Saint-Pierre et Saint-Paul", "Saint-Pierre-Saint-Paul", "Saint-Pierre et Paul", "Saint-Pierre"}},
    {Fete::SAINT_MARTIN_ETE, Article::LA, "Saint-Martin d'été", "Saint-Martin d'été",
     {"Saint-Martin bouillant", "Translation de saint Martin"}},
    {Fete::SAINTE_MADELEINE, Article::LA, "Sainte-Madeleine", "Sainte-Madeleine",
     {"Sainte-Marie-Madeleine", "Madeleine", "Sainte-Magdeleine", "Magdeleine"}},
    {Fete::SAINT_JACQUES, Article::LA, "Saint-Jacques", "Saint-Jacques",
     {"Saint-Jacques le Majeur", "Saint-Jacques et Saint-Christophe", "Saint-Christophe"}},
    {Fete::SAINTE_ANNE, Article::LA, "Sainte-Anne", "Sainte-Anne", {}},
    {Fete::SAINT_PIERRE_LIENS, Article::LA, "Saint-Pierre-aux-liens", "Saint-Pierre-aux-liens",
     {"Saint-Pierre ès liens"}},
    {Fete::SAINT_LAURENT, Article::LA, "Saint-Laurent", "Saint-Laurent", {}},
    {Fete::ASSOMPTION, Article::L, "Assomption", "Assomption",
     {"Assomption de Notre-Dame", "Notre-Dame de la mi-août", "Notre-Dame d'août", "mi-août"}},
    {Fete::SAINT_BARTHELEMY, Article::LA, "Saint-Barthélemy", "Saint-Barthélemy", {"Saint-Barthélemi"}},
    {Fete::SAINT_LOUIS, Article::LA, "Saint-Louis", "Saint-Louis", {}},
    {Fete::DECOLLATION, Article::LA, "Décollation de saint Jean-Baptiste", "Décollation de saint Jean-Baptiste",
     {"Décollation de saint Jean", "Décollation"}},
    {Fete::SAINT_GILLES, Article::LA, "Saint-Gilles", "Saint-Gilles", {}},
    {Fete::NATIVITE_NOTRE_DAME, Article::LA, "Nativité de Notre-Dame", "Nativité de Notre-Dame",
     {"Nativité de la Vierge", "Notre-Dame de septembre", "Angevine"}},
    {Fete::EXALTATION_CROIX, Article::L, "Exaltation de la Croix", "Exaltation de la Croix",
     {"Exaltation de la Sainte-Croix", "Sainte-Croix de septembre"}},
    {Fete::SAINT_MATTHIEU, Article::LA, "Saint-Matthieu", "Saint-Matthieu", {"Saint-Mathieu"}},
    {Fete::SAINT_MICHEL, Article::LA, "Saint-Michel", "Saint-Michel",
     {"Saint-Michel archange", "Saint-Michel de septembre"}},
    {Fete::SAINT_REMI, Article::LA, "Saint-Rémi", "Saint-Rémi", {"Saint-Remy"}},
    {Fete::SAINT_DENIS, Article::LA, "Saint-Denis", "Saint-Denis", {}},
    {Fete::SAINT_LUC, Article::LA, "Saint-Luc", "Saint-Luc", {}},
    {Fete::SAINT_CREPIN, Article::LA, "Saint-Crépin", "Saint-Crépin",
     {"Saints Crépin et Crépinien", "Saint-Crépin et Saint-Crépinien"}},
    {Fete::SIMON_JUDE, Article::LES, "saints Simon et Jude", "Saints Simon et Jude",
     {"Saint-Simon et Saint-Jude", "Saint-Simon-Saint-Jude", "Saint-Simon et Jude"}},
    {Fete::TOUSSAINT, Article::LA, "Toussaint", "Toussaint", {"fête de tous les saints", "Tous les saints"}},
    {Fete::MORTS, Article::LES, "Morts", "Jour des Morts",
     {"jour des Morts", "Trépassés", "jour des Trépassés", "Commémoration des trépassés"}},
    {Fete::SAINT_MARTIN_HIVER, Article::LA, "Saint-Martin d'hiver", "Saint-Martin d'hiver", {"Saint-Martin"}},
    {Fete::SAINT_BRICE, Article::LA, "Saint-Brice", "Saint-Brice", {}},
    {Fete::SAINT_CLEMENT, Article::LA, "Saint-Clément", "Saint-Clément", {}},
    {Fete::SAINTE_CATHERINE, Article::LA, "Sainte-Catherine", "Sainte-Catherine", {}},
    {Fete::SAINT_ANDRE, Article::LA, "Saint-André", "Saint-André", {}},
    {Fete::SAINT_NICOLAS, Article::LA, "Saint-Nicolas", "Saint-Nicolas", {"Saint-Nicolas d'hiver"}},
    {Fete::CONCEPTION, Article::LA, "Conception de Notre-Dame", "Conception de Notre-Dame",
     {"Conception", "Conception de la Vierge", "Immaculée Conception"}},
    {Fete::SAINTE_LUCIE, Article::LA, "Sainte-Lucie", "Sainte-Lucie", {}},
    {Fete::SAINT_THOMAS, Article::LA, "Saint-Thomas", "Saint-Thomas", {"Saint-Thomas apôtre"}},
    {Fete::NOEL, Article::AUCUN, "Noël", "Noël", {"Nativité de Notre-Seigneur", "Nativité", "jour de Noël"}},
    {Fete::SAINT_ETIENNE, Article::LA, "Saint-Étienne", "Saint-Étienne", {}},
    {Fete::SAINT_JEAN_EVANGELISTE, Article::LA, "Saint-Jean l'Évangéliste", "Saint-Jean l'Évangéliste",
     {"Saint-Jean Évangéliste"}},
    {Fete::INNOCENTS, Article::LES, "Innocents", "Innocents", {"Saints-Innocents"}},
    {Fete::SAINT_SYLVESTRE, Article::LA, "Saint-Sylvestre", "Saint-Sylvestre", {}},
    {Fete::SEPTUAGESIME, Article::LA, "Septuagésime", "Septuagésime",
     {"dimanche de la Septuagésime", "Circumdederunt"}},
    {Fete::SEXAGESIME, Article::LA, "Sexagésime", "Sexagésime", {"dimanche de la Sexagésime", "Exsurge"}},
    {Fete::QUINQUAGESIME, Article::LA, "Quinquagésime", "Quinquagésime",
     {"dimanche de la Quinquagésime", "Esto mihi", "dimanche gras"}},
    {Fete::CENDRES, Article::LES, "Cendres", "Cendres", {"mercredi des Cendres", "jour des Cendres"}},
    {Fete::INVOCAVIT, Article::LE, "dimanche d'Invocavit", "Invocavit",
     {"Invocavit", "Quadragésime", "dimanche de la Quadragésime", "premier dimanche de Carême", "Brandons",
      "dimanche des Brandons"}},
    {Fete::REMINISCERE, Article::LE, "dimanche de Reminiscere", "Reminiscere",
     {"Reminiscere", "deuxième dimanche de Carême"}},
    {Fete::OCULI, Article::LE, "dimanche d'Oculi", "Oculi", {"Oculi", "troisième dimanche de Carême"}},
    {Fete::LAETARE, Article::LE, "dimanche de Laetare", "Laetare",
     {"Laetare", "Lætare", "Létare", "quatrième dimanche de Carême"}},
    {Fete::JUDICA, Article::LE, "dimanche de Judica", "Judica", {"Judica", "dimanche de la Passion"}},
    {Fete::RAMEAUX, Article::LES, "Rameaux", "Rameaux",
     {"dimanche des Rameaux", "Pâques fleuries", "Pasques flories", "Palmarum"}},
    {Fete::JEUDI_SAINT, Article::LE, "Jeudi saint", "Jeudi saint", {"jeudi absolu", "Cène", "jeudi de la Cène"}},
    {Fete::VENDREDI_SAINT, Article::LE, "Vendredi saint", "Vendredi saint", {"vendredi aoré", "vendredi aouré"}},
    {Fete::SAMEDI_SAINT, Article::LE, "Samedi saint", "Samedi saint", {}},
    {Fete::PAQUES, Article::AUCUN, "Pâques", "Pâques", {"jour de Pâques", "dimanche de Pâques", "Pasques"}},
    {Fete::QUASIMODO, Article::LA, "Quasimodo", "Quasimodo",
     {"Quasi modo", "dimanche de Quasimodo", "Pâques closes", "Pasques closes"}},
    {Fete::MISERICORDIA, Article::LE, "dimanche de Misericordia", "Misericordia",
     {"Misericordia", "Misericordia Domini"}},
    {Fete::JUBILATE, Article::LE, "dimanche de Jubilate", "Jubilate", {"Jubilate"}},
    {Fete::CANTATE, Article::LE, "dimanche de Cantate", "Cantate", {"Cantate"}},
    {Fete::VOCEM_JUCUNDITATIS, Article::LE, "dimanche de Vocem jucunditatis", "Vocem jucunditatis",
     {"Vocem jucunditatis", "Vocem jocunditatis", "Rogate"}},
    {Fete::ROGATIONS, Article::LES, "Rogations", "Rogations", {"lundi des Rogations"}},
    {Fete::ASCENSION, Article::L, "Ascension", "Ascension", {"jour de l'Ascension"}},
    {Fete::EXAUDI, Article::LE, "dimanche d'Exaudi", "Exaudi", {"Exaudi"}},
    {Fete::PENTECOTE, Article::LA, "Pentecôte", "Pentecôte", {"Pentecoste", "jour de la Pentecôte"}},
    {Fete::TRINITE, Article::LA, "Trinité", "Trinité", {"Sainte-Trinité", "dimanche de la Trinité"}},
    {Fete::FETE_DIEU, Article::LA, "Fête-Dieu", "Fête-Dieu",
     {"Saint-Sacrement", "fête du Saint-Sacrement", "Corpus Christi"}},
    {Fete::AVENT_1, Article::LE, "premier dimanche de l'Avent", "1er dimanche de l'Avent",
     {"1er dimanche de l'Avent", "Ad te levavi"}},
    {Fete::AVENT_2, Article::LE, "deuxième dimanche de l'Avent", "2e dimanche de l'Avent",
     {"2e dimanche de l'Avent", "second dimanche de l'Avent", "Populus Sion"}},
    {Fete::AVENT_3, Article::LE, "troisième dimanche de l'Avent", "3e dimanche de l'Avent",
     {"3e dimanche de l'Avent", "Gaudete"}},
    {Fete::AVENT_4, Article::LE, "quatrième dimanche de l'Avent", "4e dimanche de l'Avent",
     {"4e dimanche de l'Avent", "Rorate"}},
}};
// clang-format on

static_assert(
    [] {
        for (std::size_t k = 0; k < nomsFetes.size(); ++k) {
            if (nomsFetes[k].fete != static_cast<Fete>(k))
                return false;
        }
        return true;
    }(),
    "nomsFetes is read at the feast's enumerator");

constexpr const NomFete& nomFete(Fete fete)
{
    return nomsFetes[static_cast<std::size_t>(fete)];
}

} // namespace chronastre::noms
