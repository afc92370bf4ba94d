#include "texte/refus.h"

#include "engine/arithmetique.h"
#include "engine/calendrierchinois.h"
#include "names/noms_usage.h"
#include "texte/rapport.h"
#include "texte/rendu.h"
#include "texte/textefetes.h"
#include "texte/utf8.h"

namespace chronastre::texte {

namespace {

std::string nombre(std::int64_t n)
{
    return std::to_string(n);
}

// "des calendriers julien et grégorien": the calendars of a mask, named.
std::string calendriersNommes(Masque masque)
{
    std::string noms;
    int compte = 0;
    for (int k = 0; k < nombreCalendriers; ++k) {
        if ((masque & bit(static_cast<TypeCalendrier>(k))) != 0)
            ++compte;
    }
    int vus = 0;
    for (int k = 0; k < nombreCalendriers; ++k) {
        if ((masque & bit(static_cast<TypeCalendrier>(k))) == 0)
            continue;
        std::string nom = nomDuCalendrier(static_cast<TypeCalendrier>(k));
        if (vus > 0) {
            nom = nom.substr(std::string_view("calendrier ").size());
            noms += vus + 1 == compte ? " et " : ", ";
        }
        noms += nom;
        ++vus;
    }
    if (compte > 1)
        noms.insert(std::string_view("calendrier").size(), "s");
    return (compte > 1 ? "des " : "du ") + noms;
}

// A Chinese year of rank rang (1 to 60) in the sexagenary cycle: "gui-mao".
std::string cycleChinois(std::int64_t rang)
{
    const std::int64_t r = floorMod(rang - 1, 60);
    return std::string(noms::nomA(noms::tigesCelestes, r % 10)) + '-' +
           std::string(noms::nomA(noms::branchesTerrestres, r % 12));
}

// "du Lapin", "de la Chèvre": the animal of branch numero (1 to 12) after
// "année".
std::string animalChinois(std::int64_t numero)
{
    const std::string nom(noms::nomA(noms::animauxChinois, numero - 1));
    return (nom == "Chèvre" ? "de la " : "du ") + nom;
}

// "qui va du 21 mars 1799 au 20 mars 2201": the range of a calendar in use
// today.
std::string quiVa(TypeCalendrier type)
{
    return "qui va " + textePlage(type);
}

// A sentence of the historian's messages (textefetes) within the reader's:
// its article in lower case, without its final full stop ("Le 15 décembre
// 1582 n'a pas existé en France : ..." becomes "le 15 décembre ...").
std::string dansLaPhrase(std::string phrase)
{
    if (phrase.ends_with('.'))
        phrase.pop_back();
    for (const std::string_view debut : {"Le ", "La ", "Les ", "L'", "Il ", "Ce "}) {
        if (phrase.starts_with(debut)) {
            phrase[0] = static_cast<char>(phrase[0] - 'A' + 'a');
            break;
        }
    }
    return phrase;
}

} // namespace

std::string nomDuCalendrier(TypeCalendrier type)
{
    if (type < 0 || type >= nombreCalendriers)
        return "calendrier inconnu";
    std::string nom(legendesCalendriers[static_cast<std::size_t>(type)]);
    nom.resize(nom.size() - 2); // " :"
    nom[0] = 'c';
    return nom;
}

std::string semaineDiscordante(std::string_view juste, std::string_view ecrit)
{
    return "attention, cette date est un " + std::string(juste) + ", pas un " + montrer(ecrit);
}

std::string mayaDiscordant(std::string_view juste, std::string_view ecrit)
{
    return "attention, ce compte long est " + std::string(juste) + ", pas " + montrer(ecrit);
}

std::string texteRefus(const Refus& r)
{
    const std::string calendrier = nomDuCalendrier(r.calendrier);
    switch (r.motif) {
    case Motif::Aucun:
        return {};
    case Motif::AucuneDate:
        return "aucune date";
    case Motif::TexteTropLong:
        return "texte trop long pour une date";
    case Motif::PasUnMois: {
        std::string texte = entreGuillemets(r.mot) + " n'est pas un mois du " + calendrier;
        if (r.autres != 0)
            texte += " (c'est un mois " + calendriersNommes(r.autres) + ")";
        return texte;
    }
    case Motif::SansNomsDeMois:
        return "le " + calendrier + " n'a pas de noms de mois : sa date s'écrit en nombres";
    case Motif::AnneeAttendue:
        return "année attendue à la place de " + entreGuillemets(r.mot);
    case Motif::AnneeDiscordante:
        return "l'année " + montrer(r.mot) + " n'est pas " + nombre(r.n1);
    case Motif::ManqueAnnee:
        return "date incomplète : il manque l'année";
    case Motif::ManqueJour:
        return "date incomplète : il manque le jour";
    case Motif::ManqueMoisEtAnnee:
        return "date incomplète : il manque le mois et l'année";
    case Motif::MotsEnTrop:
        return "mots en trop après la date : " + entreGuillemets(r.mot);
    case Motif::AutreCalendrier:
        return "cette date est du " + nomDuCalendrier(r.autre) + ", pas du " + calendrier;
    case Motif::CalendrierInconnu:
        return "le calendrier " + entreGuillemets(r.mot) +
               " n'est pas un de ceux que le programme connaît";
    case Motif::DoubleAnneeSuite:
        return entreGuillemets(r.mot) + " n'est pas l'année qui suit " + nombre(r.n1) +
               " dans une double année";
    case Motif::DoubleAnneeHorsPeriode:
        return "une double année ne s'écrit que du 1er janvier au 24 mars, quand l'année "
               "commençait le 25 mars";
    case Motif::PlacesCompteLong:
        return "un compte long a cinq ou six nombres (" + nombre(r.n1) + " ici)";
    case Motif::NombreAttendu:
        return "nombre attendu à la place de " + entreGuillemets(r.mot);
    case Motif::NombreHorsLimites:
        return entreGuillemets(r.mot) + " : nombre hors des limites de 32 bits";
    case Motif::EreHorsCalendrier:
        return entreGuillemets(r.mot) + " ne suit que l'année d'une date julienne ou grégorienne";
    case Motif::AnZeroEre:
        return "l'an 0 ne s'écrit pas avec " + entreGuillemets(r.mot) +
               " : l'année qui précède l'an 1 est 1 av. J.-C.";
    case Motif::AnneeNegativeEre:
        return "l'année " + nombre(r.n1) +
               " est déjà comptée avant notre ère : elle ne s'écrit "
               "pas avec " +
               entreGuillemets(r.mot);
    case Motif::CompteRomain:
        return entreGuillemets(r.mot) + " ne nomme aucun jour de son mois";
    case Motif::BisCommune:
        return "« bis VI » n'existe que les années bissextiles ; l'an " + nombre(r.n1) +
               " n'en est pas une";
    case Motif::PhraseSansParenthese:
        return "INT sans phrase entre parenthèses";
    case Motif::EntreSansEt:
        return "BET sans AND";
    case Motif::SecondeAvantPremiere:
        return "la seconde date précède la première";
    case Motif::QualificatifSeul:
        return "un qualificatif sans date";
    case Motif::HebreuAvantUn:
        return "le calendrier hébreu commence en l'an 1";
    case Motif::VeadarAnneeCommune:
        return "Veadar n'existe que les années de 13 mois ; l'an " + nombre(r.n1) + " en a 12";
    case Motif::MoisInexistant:
        return "le mois " + nombre(r.n1) + " n'existe pas : l'an " + nombre(r.n2) + " a " +
               nombre(r.n3) + " mois";
    case Motif::JourInexistant: {
        if (r.calendrier == CHINOIS)
            return "le " + nombre(r.n1) + (r.n1 == 1 ? "er" : "e") + " jour du " +
                   nomDuMoisChinois(r.n2, r.mois) + " de " + nombre(r.n2) +
                   " n'existe pas : ce mois a " + nombre(r.n3) + " jours";
        const std::string nom = nomDuMois(r.calendrier, r.mois, r.embolismique);
        return (r.moisNomme ? "le " + nombre(r.n1) + " " + nom + " " + nombre(r.n2)
                            : "le jour " + nombre(r.n1)) +
               " n'existe pas : " + nom + " a " + nombre(r.n3) + " jours en l'an " + nombre(r.n2);
    }
    case Motif::MayaAvantEpoque:
        return "le compte long commence à 0.0.0.0.0.0, le 8 septembre 3114 avant J. C.";
    case Motif::MayaPlaces:
        return "un compte long a au plus 19 dans chaque place, 17 pour l'uinal";
    case Motif::HorsCalendrier:
        return "ce jour précède le premier du " + calendrier;
    case Motif::CycleDiscordant: {
        const std::int64_t rang = CalendrierChinois::rangCycle(r.n1);
        return "l'an " + nombre(r.n1) + " est " + cycleChinois(rang) + ", pas " +
               cycleChinois(r.n2);
    }
    case Motif::AnimalDiscordant: {
        const std::int64_t rang = CalendrierChinois::rangCycle(r.n1);
        return "l'an " + nombre(r.n1) + " est " + cycleChinois(rang) + ", une année " +
               animalChinois((rang - 1) % 12 + 1) + ", pas " + animalChinois(r.n2);
    }
    case Motif::AnneeHorsPlage:
        return "l'an " + nombre(r.n1) + " est hors de la plage du " + calendrier + ", " +
               quiVa(r.calendrier);
    case Motif::JourHorsPlage:
        return "ce jour est hors de la plage du " + calendrier + ", " + quiVa(r.calendrier);
    case Motif::NumeroMoisChinois:
        return "le mois " + nombre(r.n1) +
               " n'existe pas : les mois chinois sont numérotés de 1 à 12";
    case Motif::MoisIntercalaireAbsent:
        if (r.n3 == 0)
            return "l'an " + nombre(r.n2) + " n'a pas de mois intercalaire";
        return "l'an " + nombre(r.n2) + " n'a pas de " + nomDuMois(CHINOIS, r.n1, true) +
               " : son mois intercalaire est le " + nomDuMois(CHINOIS, r.n3, true);
    case Motif::FeteAttendue:
        return "fête attendue à la place de " + entreGuillemets(r.mot);
    case Motif::FeteHorsCivil:
        return entreGuillemets(r.mot) +
               " : une fête date un jour du calendrier de sa région, pas du " + calendrier +
               " (départ CIVIL)";
    case Motif::StyleHorsCivil:
        return entreGuillemets(r.mot) +
               " : le style d'une année se lit dans le calendrier de sa région, pas dans le " +
               calendrier + " (départ CIVIL)";
    case Motif::DateCivile:
        return dansLaPhrase(
            motifDate(r.raisonCivile, r.region, r.style, r.n1, r.n2, r.n3, r.partie));
    case Motif::FeteCivile:
        return dansLaPhrase(motifForme(r.raisonCivile, r.region, r.style, r.forme));
    }
    return {};
}

} // namespace chronastre::texte
