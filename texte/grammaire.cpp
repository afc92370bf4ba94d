#include "texte/grammaire.h"

#include "engine/arithmetique.h"

#include <array>
#include <string_view>
#include <utility>

namespace chronastre::texte {

namespace {

bool civil(TypeCalendrier type)
{
    return type == JULIEN || type == GREGORIEN;
}

// An ordinal in figures: "1er", "1re", "2e", "5ème", "2nd", "1st", "1º";
// its value, or -1.
std::int64_t ordinalEnChiffres(const Mot& m)
{
    if (m.chiffres == 0 || m.chiffres > 2 || m.signe)
        return -1;
    static constexpr std::array<std::string_view, 13> suffixes = {
        "er", "re", "ere", "e", "eme", "ieme", "em", "nd", "st", "rd", "th", "o", "d"};
    const std::string_view suffixe = m.cle.substr(m.chiffres);
    for (const std::string_view s : suffixes) {
        if (s == suffixe)
            return m.valeur;
    }
    return -1;
}

// A Chinese leap month in figures: "2i", "02i" (the numeric forms); its
// number, or -1.
std::int64_t moisIntercalaireEnChiffres(const Mot& m)
{
    if (m.chiffres == 0 || m.chiffres > 2 || m.signe || m.cle.size() != m.chiffres + 1u ||
        m.cle.back() != 'i')
        return -1;
    return m.valeur;
}

// One way to read words from a place: the value read, and the word after.
struct Possible
{
    std::int64_t valeur;
    std::size_t fin;
};

constexpr std::size_t possiblesMax = 12;

// The Roman numerals, largest first, in the lower case of keys.
constexpr std::array<std::pair<std::string_view, std::int64_t>, 13> symbolesRomains = {{
    {"m", 1000},
    {"cm", 900},
    {"d", 500},
    {"cd", 400},
    {"c", 100},
    {"xc", 90},
    {"l", 50},
    {"xl", 40},
    {"x", 10},
    {"ix", 9},
    {"v", 5},
    {"iv", 4},
    {"i", 1},
}};

class Grammaire
{
public:
    Grammaire(const Mots& mots, const Lexique& lexique, std::size_t fin, TypeCalendrier type,
              Ordre ordre, bool partiel, const ContexteCivil* civil)
        : m_(mots), lexique_(lexique), fin_(fin), type_(type), ordre_(ordre), partiel_(partiel),
          civil_(civil)
    {}

    void lire(std::size_t i)
    {
        Champs c;
        c.calendrier = type_;
        c.civil = civil_;
        date(i, c);
    }

    Analyse resultat()
    {
        Analyse a;
        if (lue_) {
            a.lue = true;
            a.champs = champs_;
            a.verdict = std::move(verdict_);
        } else if (inexistante_) {
            a.refus = std::move(refusInexistant_);
        } else if (erreur_) {
            a.refus = std::move(erreur_);
        } else {
            a.refus.motif = Motif::AucuneDate;
        }
        a.refus.calendrier = type_;
        return a;
    }

private:
    // What was not understood at pos; the furthest place wins.
    void echec(std::size_t pos, Motif motif, std::string_view mot = {}, std::int64_t n1 = 0,
               Masque autres = 0)
    {
        if (erreur_ && pos <= posErreur_)
            return;
        posErreur_ = pos;
        erreur_ = Refus{};
        erreur_.motif = motif;
        erreur_.calendrier = type_;
        erreur_.mot = mot;
        erreur_.n1 = n1;
        erreur_.autres = autres;
    }

    // Words i to j as written, with a dot that closes an abbreviation
    // ("av. J.-C.").
    std::string_view ecritsAvecPoint(std::size_t i, std::size_t j) const
    {
        const std::string_view mots = m_.ecrits(i, j);
        if (mots.empty() || !m_.apres(j - 1).starts_with('.'))
            return mots;
        return std::string_view(mots.data(), mots.size() + 1);
    }

    std::string_view ecrit(std::size_t i) const
    {
        return i < fin_ ? m_[i].ecrit : std::string_view();
    }

    const Sens* trouver(std::size_t i, Genre genre) const
    {
        return lexique_.trouver(i, genre, type_, fin_);
    }

    bool nombre(std::size_t i) const { return i < fin_ && m_[i].nombre(); }

    std::size_t sauterLiaisons(std::size_t i) const
    {
        while (i < fin_ && trouver(i, Genre::Liaison) != nullptr)
            ++i;
        return i;
    }

    // [caption or calendar escape] [weekday] body.
    bool date(std::size_t i, const Champs& c)
    {
        if (i < fin_) {
            if (const Sens* s = trouver(i, Genre::Calendrier)) {
                if (s->valeur != type_) {
                    autreCalendrier(i, static_cast<TypeCalendrier>(s->valeur));
                    return false;
                }
                i += s->mots;
            }
        }
        if (i < fin_ && (m_[i].echappement() || m_[i].cle.starts_with('_') ||
                         lexique_.calendriers(i, Genre::Echappement) != 0)) {
            const Sens* s = trouver(i, Genre::Echappement);
            if (s == nullptr || s->valeur < 0) {
                echec(i, Motif::CalendrierInconnu, ecrit(i));
                return false;
            }
            if (s->valeur != type_) {
                autreCalendrier(i, static_cast<TypeCalendrier>(s->valeur));
                return false;
            }
            i += s->mots;
        }
        if (i >= fin_) {
            echec(i, Motif::AucuneDate);
            return false;
        }
        return semaine(i, c);
    }

    void autreCalendrier(std::size_t i, TypeCalendrier autre)
    {
        if (erreur_ && i <= posErreur_)
            return;
        echec(i, Motif::AutreCalendrier);
        erreur_.autre = autre;
    }

    // A weekday before the date, when one follows it.
    bool semaine(std::size_t i, const Champs& c)
    {
        i = sauterLiaisons(i);
        for (const Sens& s : lexique_.sens(i)) {
            if (s.genre != Genre::JourSemaine || (s.calendriers & bit(type_)) == 0 ||
                i + s.mots >= fin_)
                continue;
            Champs lu = c;
            lu.jourSemaine = s.valeur;
            lu.semaineDebut = static_cast<std::uint8_t>(i);
            lu.semaineFin = static_cast<std::uint8_t>(i + s.mots);
            if (corps(sauterLiaisons(i + s.mots), lu))
                return true;
        }
        return corps(i, c);
    }

    bool corps(std::size_t i, const Champs& c)
    {
        if (type_ == MAYA)
            return maya(i, c);
        if (jourJulien(i, c))
            return true;
        // Three bare numbers, in the order given.
        if (nombre(i) && nombre(i + 1) && nombre(i + 2)) {
            const std::int64_t n[3] = {m_[i].nombreSigne(), m_[i + 1].nombreSigne(),
                                       m_[i + 2].nombreSigne()};
            if (suffixes(i + 3, troisNombres(i, n, c)))
                return true;
        }
        if (type_ == CHINOIS && intercalaireEnChiffres(i, c))
            return true;
        if (romain(i, c))
            return true;
        if (type_ == REPUBLICAIN) {
            for (const Sens& s : lexique_.sens(i)) {
                if (s.genre != Genre::JourNomme || (s.calendriers & bit(type_)) == 0)
                    continue;
                Champs lu = c;
                lu.mois = s.valeur / 100;
                lu.jour = s.valeur % 100;
                lu.aMois = lu.aJour = lu.moisNomme = true;
                if (annee(i + s.mots, lu))
                    return true;
            }
        }
        if (jourMoisAnnee(i, c))
            return true;
        if (moisJourAnnee(i, c))
            return true;
        if (fete(i, c))
            return true;
        return partiel_ && annee(i, c);
    }

    // Three numbers, the month a Chinese leap month's ("2023 2i 1", "2023 /
    // 02i / 01"), in the order given.
    bool intercalaireEnChiffres(std::size_t i, const Champs& c)
    {
        if (i + 2 >= fin_)
            return false;
        const std::size_t place = ordre_ == Ordre::MoisJourAnnee ? i : i + 1;
        const std::int64_t numero = moisIntercalaireEnChiffres(m_[place]);
        if (numero < 0)
            return false;
        std::int64_t n[3] = {0, 0, 0};
        for (std::size_t k = 0; k < 3; ++k) {
            if (i + k == place)
                n[k] = numero;
            else if (nombre(i + k))
                n[k] = m_[i + k].nombreSigne();
            else
                return false;
        }
        Champs lu = troisNombres(i, n, c);
        lu.intercalaire = true;
        return suffixes(i + 3, lu);
    }

    // The fields of the three numbers n of words i to i + 2, in the order
    // given, added to c.
    Champs troisNombres(std::size_t i, const std::int64_t (&n)[3], const Champs& c) const
    {
        const auto [annee, mois, jour] = anneeMoisJour(ordre_, n);
        Champs lu = c;
        lu.annee = annee;
        lu.mois = mois;
        lu.jour = jour;
        lu.aAnnee = lu.aMois = lu.aJour = true;
        const std::size_t placeAnnee = ordre_ == Ordre::AnneeMoisJour ? i : i + 2;
        lu.anneeDebut = static_cast<std::uint8_t>(placeAnnee);
        lu.anneeFin = static_cast<std::uint8_t>(placeAnnee + 1);
        return lu;
    }

    // "jour" after a Chinese day ("1er jour du 2e mois"), and the words that
    // join it to the month.
    std::size_t apresJour(std::size_t j) const
    {
        if (type_ == CHINOIS && m_.cle(j) == "jour")
            ++j;
        return sauterLiaisons(j);
    }

    // A day written from a feast, then its year: "la Toussaint", "la veille
    // de", "le lendemain de", "l'octave de" a feast; after a weekday (read by
    // semaine), "avant" or "après" a feast, or "de" a Sunday feast for a day
    // of its week ("le lundi de Pâques"); "le 3e jour après" a feast.
    bool fete(std::size_t i, const Champs& c)
    {
        if (!civil(type_) || i >= fin_)
            return false;
        Champs lu = c;
        lu.fete = true;
        std::size_t j = i;
        bool semaineDe = false;
        const Sens* relation = trouver(j, Genre::RelationFete);
        const auto est = [&relation](Relation r) {
            return relation != nullptr && relation->valeur == static_cast<int>(r);
        };
        const bool semaine = c.jourSemaine >= 0 && c.jourSemaine < semaineDecade;
        if (semaine && (est(Relation::JOUR_SEMAINE_AVANT) || est(Relation::JOUR_SEMAINE_APRES))) {
            lu.forme.relation = static_cast<Relation>(relation->valeur);
            lu.forme.jourSemaine = c.jourSemaine - semaineFrancaise;
            lu.jourSemaine = -1;
            j += relation->mots;
        } else if (est(Relation::VEILLE) || est(Relation::LENDEMAIN) || est(Relation::OCTAVE)) {
            // A weekday before it is the day's, checked.
            lu.forme.relation = static_cast<Relation>(relation->valeur);
            j += relation->mots;
        } else if (const std::size_t k = rangDuJour(j, lu.forme.rang); k > j) {
            lu.forme.relation = Relation::NIEME_JOUR_APRES;
            j = k;
        } else {
            semaineDe = semaine;
        }
        j = sauterArticles(j);
        bool trouvee = false;
        for (const Sens& s : lexique_.sens(j)) {
            if (s.genre != Genre::Fete || (s.calendriers & bit(type_)) == 0 || j + s.mots > fin_)
                continue;
            trouvee = true;
            if (civil_ == nullptr) {
                // Far enough to be the reason given.
                echec(fin_, Motif::FeteHorsCivil, m_.ecrits(i, j + s.mots));
                return false;
            }
            Champs f = lu;
            f.forme.fete = static_cast<Fete>(s.valeur);
            const std::int64_t jour = c.jourSemaine - semaineFrancaise;
            if (semaineDe && feteDominicale(f.forme.fete) && jour != 0) {
                f.forme.relation = Relation::JOUR_SEMAINE_APRES;
                f.forme.jourSemaine = jour;
                f.jourSemaine = -1;
            }
            const std::size_t k = sauterLiaisons(j + s.mots);
            if (k >= fin_) {
                echec(k, Motif::ManqueAnnee);
                continue;
            }
            if (annee(k, f))
                return true;
        }
        if (!trouvee && civil_ != nullptr && j > i && !semaineDe)
            echec(j, Motif::FeteAttendue, ecrit(j));
        return false;
    }

    // "3e jour après", "troisième jour après": the word after them, the rank
    // in rang; i when the words are not these.
    std::size_t rangDuJour(std::size_t i, std::int64_t& rang) const
    {
        if (i >= fin_)
            return i;
        // "3e", and "120e" (a day's rank goes to 366).
        const Mot& m = m_[i];
        const std::string_view suffixe = m.cle.substr(m.chiffres);
        std::int64_t n =
            m.chiffres == 3 && !m.signe && (suffixe == "e" || suffixe == "eme" || suffixe == "ieme")
                ? m.valeur
                : ordinalEnChiffres(m);
        std::size_t k = i + 1;
        if (n < 0) {
            std::array<Possible, possiblesMax> possibles;
            if (nombresEnMots(i, possibles) == 0)
                return i;
            n = possibles[0].valeur;
            k = possibles[0].fin;
        }
        const Sens* jour = trouver(k, Genre::RelationFete);
        if (jour == nullptr || jour->valeur != static_cast<int>(Relation::NIEME_JOUR_APRES))
            return i;
        const Sens* apres = trouver(k + jour->mots, Genre::RelationFete);
        if (apres == nullptr || apres->valeur != static_cast<int>(Relation::JOUR_SEMAINE_APRES))
            return i;
        rang = n;
        return k + jour->mots + apres->mots;
    }

    // The words before a feast's name: "de la", "de l'", "du", "des", "les".
    std::size_t sauterArticles(std::size_t i) const
    {
        while (i < fin_ &&
               (trouver(i, Genre::Liaison) != nullptr || trouver(i, Genre::LiaisonFete) != nullptr))
            ++i;
        return i;
    }

    // The day: a number, an ordinal, numbers in words; then its month.
    bool jourMoisAnnee(std::size_t i, const Champs& c)
    {
        if (i < fin_) {
            const Mot& m = m_[i];
            std::int64_t jour = -1;
            if (m.nombre() && !m.signe)
                jour = m.valeur;
            else if (m.chiffres == m.cle.size() && !m.signe)
                echec(i, Motif::NombreHorsLimites, m.ecrit); // digits beyond 32 bits
            else
                jour = ordinalEnChiffres(m);
            if (jour >= 0) {
                Champs lu = c;
                lu.jour = jour;
                lu.aJour = true;
                if (mois(apresJour(i + 1), lu))
                    return true;
            } else {
                std::array<Possible, possiblesMax> possibles;
                const std::size_t n = nombresEnMots(i, possibles);
                for (std::size_t k = 0; k < n; ++k) {
                    Champs lu = c;
                    lu.jour = possibles[k].valeur;
                    lu.aJour = true;
                    if (mois(apresJour(possibles[k].fin), lu))
                        return true;
                }
            }
        }
        // No day: a month and its year.
        return mois(i, c);
    }

    // English usage: the month, the day, the year ("March 15, 1744").
    bool moisJourAnnee(std::size_t i, const Champs& c)
    {
        for (const Sens& s : lexique_.sens(i)) {
            const std::size_t j = i + s.mots;
            if (s.genre != Genre::Mois || (s.calendriers & bit(type_)) == 0 || !nombre(j) ||
                m_[j].signe || j + 1 >= fin_)
                continue;
            Champs lu = c;
            lu.mois = s.valeur;
            lu.jour = m_[j].valeur;
            lu.aMois = lu.moisNomme = lu.aJour = true;
            if (annee(j + 1, lu))
                return true;
        }
        return false;
    }

    bool mois(std::size_t j, const Champs& c)
    {
        if (j >= fin_) {
            echec(j, c.aJour ? Motif::ManqueMoisEtAnnee : Motif::AucuneDate);
            return false;
        }
        bool trouve = false;
        for (const Sens& s : lexique_.sens(j)) {
            if (s.genre != Genre::Mois || (s.calendriers & bit(type_)) == 0 || j + s.mots > fin_)
                continue;
            trouve = true;
            Champs lu = c;
            lu.mois = s.valeur;
            lu.aMois = lu.moisNomme = true;
            if (apresMois(j + s.mots, lu))
                return true;
        }
        if (type_ == CHINOIS && !trouve) {
            // A Chinese month by any ordinal: "2ème mois", "deuxième mois".
            std::int64_t numero = ordinalEnChiffres(m_[j]);
            for (const Sens& s : lexique_.sens(j)) {
                if (numero < 0 && s.mots == 1 && s.genre == Genre::Ordinal)
                    numero = s.valeur;
            }
            if (numero >= 0 && m_.cle(j + 1) == "mois" && j + 1 < fin_) {
                trouve = true;
                Champs lu = c;
                lu.mois = numero;
                lu.aMois = lu.moisNomme = true;
                if (apresMois(j + 2, lu))
                    return true;
            }
        }
        if (!trouve) {
            if (type_ == SYRIEN) {
                echec(j, Motif::SansNomsDeMois);
            } else {
                echec(j, Motif::PasUnMois, ecrit(j), 0,
                      lexique_.calendriers(j, Genre::Mois) & ~bit(type_));
            }
        }
        return false;
    }

    // After a month: "intercalaire" for a Chinese leap month, then the year.
    bool apresMois(std::size_t j, Champs lu)
    {
        if (type_ == CHINOIS && m_.cle(j) == "intercalaire" && j < fin_) {
            lu.intercalaire = true;
            ++j;
        }
        return annee(sauterLiaisons(j), lu);
    }

    // A Chinese year's stem and branch or animal at k, kept in c: the words
    // it spans, or 0.
    std::size_t cycle(std::size_t k, Champs& c) const
    {
        if (type_ != CHINOIS)
            return 0;
        if (const Sens* s = trouver(k, Genre::Cycle); s != nullptr && c.cycle == 0) {
            c.cycle = s->valeur;
            return s->mots;
        }
        if (const Sens* s = trouver(k, Genre::Animal); s != nullptr && c.animal == 0) {
            c.animal = s->valeur;
            return s->mots;
        }
        return 0;
    }

    // The year, after "an", "l'an", "de l'an", "anno": figures (a double
    // year too), words, Roman numerals. A filler that is also a Roman
    // numeral ("l", "d") is tried as a year first. A Chinese year may be
    // named by its stem and branch and its animal before its number
    // ("gui-mao (Lapin) 2023").
    bool annee(std::size_t i, const Champs& champs)
    {
        Champs c = champs;
        for (std::size_t k = i;;) {
            if (k >= fin_) {
                echec(k, c.aMois ? Motif::ManqueAnnee : Motif::AucuneDate);
                return false;
            }
            bool possible = false;
            if (anneeEn(k, c, possible))
                return true;
            if (const std::size_t mots = cycle(k, c)) {
                k += mots;
                continue;
            }
            const Sens* s = trouver(k, Genre::MotAnnee);
            if (s == nullptr)
                s = trouver(k, Genre::Liaison);
            if (s == nullptr) {
                if (!possible)
                    echec(k, Motif::AnneeAttendue, ecrit(k));
                return false;
            }
            k += s->mots;
        }
    }

    bool anneeEn(std::size_t k, const Champs& c, bool& possible)
    {
        const Mot& m = m_[k];
        Champs lu = c;
        lu.aAnnee = true;
        lu.anneeDebut = static_cast<std::uint8_t>(k);
        if (m.nombre()) {
            possible = true;
            lu.annee = m.nombreSigne();
            std::size_t fin = k + 1;
            if (fin < fin_ && m_[fin].avant == "/" && civil(type_)) {
                // A double year, 1700/01: the year counted from 1 January is
                // the second; it ends like it.
                const Mot& suite = m_[fin];
                std::int64_t puissance = 1;
                for (std::size_t n = 0; n < suite.cle.size() && n < 4; ++n)
                    puissance *= 10;
                if (!suite.nombre() || suite.signe || suite.cle.size() > 4 ||
                    floorMod(lu.annee + 1, puissance) != suite.valeur) {
                    echec(fin, Motif::DoubleAnneeSuite, suite.ecrit, lu.annee);
                    return false;
                }
                if (c.aMois && (c.mois > 3 || (c.mois == 3 && c.aJour && c.jour > 24))) {
                    echec(fin, Motif::DoubleAnneeHorsPeriode);
                    return false;
                }
                lu.annee += 1;
                lu.doubleAnnee = true;
                ++fin;
            }
            lu.anneeFin = static_cast<std::uint8_t>(fin);
            return suffixes(fin, lu);
        }
        std::array<Possible, possiblesMax> possibles;
        const std::size_t n = nombresEnMots(k, possibles);
        for (std::size_t p = 0; p < n; ++p) {
            possible = true;
            lu.annee = possibles[p].valeur;
            lu.anneeFin = static_cast<std::uint8_t>(possibles[p].fin);
            if (suffixes(possibles[p].fin, lu))
                return true;
        }
        if (const std::int64_t r = valeurRomaine(m.cle); r >= 0) {
            possible = true;
            lu.annee = m.signe ? -r : r;
            lu.anneeFin = static_cast<std::uint8_t>(k + 1);
            return suffixes(k + 1, lu);
        }
        return false;
    }

    // After the year: its figures between brackets ("VIII (8)"), its era,
    // the words that name its era, a time; then the end of the date.
    bool suffixes(std::size_t k, Champs c)
    {
        const std::int64_t ecrite = c.annee;
        bool parenthese = false, ere = false, suite = false, heure = false;
        while (k < fin_) {
            const Mot& m = m_[k];
            if (!parenthese && m.nombre() && m.avant.find('(') != std::string_view::npos) {
                if (m.nombreSigne() != ecrite) {
                    echec(k, Motif::AnneeDiscordante, m_.ecrits(c.anneeDebut, c.anneeFin),
                          m.nombreSigne());
                    return false;
                }
                parenthese = true;
                ++k;
                continue;
            }
            if (!ere) {
                if (const Sens* s = trouver(k, Genre::Ere)) {
                    const std::string_view mots = ecritsAvecPoint(k, k + s->mots);
                    if (ecrite <= 0) {
                        echec(k, ecrite == 0 ? Motif::AnZeroEre : Motif::AnneeNegativeEre, mots,
                              ecrite);
                        return false;
                    }
                    if (s->valeur < 0)
                        c.annee = 1 - c.annee;
                    ere = true;
                    k += s->mots;
                    continue;
                }
                for (const Sens& s : lexique_.sens(k)) {
                    if (s.genre == Genre::Ere) {
                        echec(k, Motif::EreHorsCalendrier, ecritsAvecPoint(k, k + s.mots));
                        return false;
                    }
                }
            }
            if (!suite) {
                if (const Sens* s = trouver(k, Genre::SuiteAnnee)) {
                    suite = true;
                    k += s->mots;
                    continue;
                }
            }
            if (type_ == CHINOIS) {
                // Its stem and branch, its animal: "2023 gui-mao", "2023 du Lapin".
                const std::size_t j = sauterLiaisons(k);
                if (const std::size_t mots = cycle(j, c)) {
                    k = j + mots;
                    continue;
                }
            }
            if (!heure && m.nombre() && nombre(k + 1) && m_[k + 1].avant == ":") {
                heure = true;
                k += 2;
                if (nombre(k) && m_[k].avant == ":")
                    ++k;
                continue;
            }
            if (civil(type_)) {
                // The style of a date of a region's documents, and the part of
                // an Easter-style year.
                const Sens* style = trouver(k, Genre::StyleAnnee);
                const Sens* partie = trouver(k, Genre::Partie);
                const Sens* lu = style != nullptr ? style : partie;
                if (lu != nullptr && civil_ == nullptr) {
                    echec(fin_, Motif::StyleHorsCivil, ecritsAvecPoint(k, k + lu->mots));
                    return false;
                }
                if (style != nullptr && c.style < 0) {
                    c.style = static_cast<std::int8_t>(style->valeur);
                    k += style->mots;
                    continue;
                }
                if (partie != nullptr && c.partie == PartiePaques::Indifferente) {
                    c.partie = static_cast<PartiePaques>(partie->valeur);
                    k += partie->mots;
                    continue;
                }
            }
            break;
        }
        return terminal(k, c);
    }

    // The end of the date: the validator says whether it is one.
    bool terminal(std::size_t k, const Champs& c)
    {
        if (k < fin_) {
            echec(k, Motif::MotsEnTrop, m_.ecrits(k, fin_));
            return false;
        }
        Verdict v = valider(c, m_, partiel_);
        if (!v.refus) {
            lue_ = true;
            champs_ = c;
            verdict_ = std::move(v);
            return true;
        }
        if (v.refus.inexistante()) {
            if (!inexistante_) {
                inexistante_ = true;
                refusInexistant_ = std::move(v.refus);
            }
            return false;
        }
        if (!erreur_ || fin_ > posErreur_) {
            posErreur_ = fin_;
            erreur_ = std::move(v.refus);
        }
        return false;
    }

    // A Maya long count: five or six numbers joined by dots (or blanks),
    // then maybe its tzolkin and haab, by name or number.
    bool maya(std::size_t i, const Champs& c)
    {
        if (i >= fin_) {
            echec(i, Motif::AucuneDate);
            return false;
        }
        if (!nombre(i)) {
            echec(i, Motif::NombreAttendu, ecrit(i));
            return false;
        }
        const bool points = m_.apres(i) == ".";
        std::size_t j = i;
        while (j < fin_ && j - i < 7 && nombre(j)) {
            ++j;
            if (points && (j >= fin_ || m_[j].avant != "."))
                break;
        }
        const std::size_t places = j - i;
        if (places != 5 && places != 6) {
            if (j < fin_ && !nombre(j) && (!points || m_[j].avant == "."))
                echec(j, Motif::NombreAttendu, ecrit(j));
            else
                echec(j, Motif::PlacesCompteLong, {}, static_cast<std::int64_t>(places));
            return false;
        }
        Champs lu = c;
        lu.maya = true;
        for (std::size_t k = 0; k < places; ++k)
            lu.compteLong[6 - places + k] = static_cast<std::int32_t>(m_[i + k].nombreSigne());
        if (j + 4 == fin_ && nombre(j) && nombre(j + 2)) {
            const auto nomOuNombre = [&](std::size_t k, Genre genre) -> std::int64_t {
                if (nombre(k))
                    return m_[k].valeur;
                const Sens* s = trouver(k, genre);
                return s != nullptr ? s->valeur : -1;
            };
            const std::int64_t tzolkin = nomOuNombre(j + 1, Genre::Tzolkin);
            const std::int64_t haab = nomOuNombre(j + 3, Genre::Haab);
            if (tzolkin >= 0 && haab >= 0) {
                lu.calendaire = true;
                lu.calendrierRituel[0] = static_cast<std::int32_t>(m_[j].valeur);
                lu.calendrierRituel[1] = static_cast<std::int32_t>(tzolkin);
                lu.calendrierRituel[2] = static_cast<std::int32_t>(m_[j + 2].valeur);
                lu.calendrierRituel[3] = static_cast<std::int32_t>(haab);
                lu.calendaireDebut = static_cast<std::uint8_t>(j);
                lu.calendaireFin = static_cast<std::uint8_t>(j + 4);
                j += 4;
            }
        }
        return terminal(j, lu);
    }

    // A Julian Day: "jour julien 2451545" (decimals allowed), or alone as
    // the window writes it, with five decimals ("2451545.00000"). Its day
    // is the one that holds its instant (whole values are noon).
    bool jourJulien(std::size_t i, const Champs& c)
    {
        std::size_t j = i;
        const Sens* nomme = trouver(i, Genre::JourJulien);
        if (nomme != nullptr)
            j += nomme->mots;
        if (!nombre(j))
            return false;
        const Mot& entier = m_[j];
        std::size_t k = j + 1;
        std::string_view decimales;
        if (k < fin_ && m_[k].avant == "." && !m_[k].signe && m_[k].chiffres == m_[k].cle.size()) {
            decimales = m_[k].cle;
            ++k;
        }
        if (nomme == nullptr && (decimales.size() != 5 || k != fin_ || i != 0))
            return false;
        // JD = s (E + F / D); its day is floor(JD + 1/2) = floor((2 s (E D + F) + D) / 2D).
        std::int64_t f = 0, d = 1;
        for (std::size_t n = 0; n < decimales.size() && n < 9; ++n) {
            f = f * 10 + (decimales[n] - '0');
            d *= 10;
        }
        const std::int64_t s = entier.signe ? -1 : 1;
        Champs lu = c;
        lu.jourJulien = true;
        lu.numeroJour = floorDiv(2 * s * (entier.valeur * d + f) + d, 2 * d);
        return terminal(k, lu);
    }

    // A Roman day's name: "Ante diem IV Nonas Januarias", "Pridie Idus
    // Martias", "Kalendis Juliis", "Ante diem bis VI Kalendas Martias",
    // then the year.
    bool romain(std::size_t i, const Champs& c)
    {
        if (type_ != ROMAIN_I && type_ != ROMAIN_II && !civil(type_))
            return false;
        std::size_t j = i;
        Champs lu = c;
        if (const Sens* s = trouver(j, Genre::AnteDiem)) {
            j += s->mots;
            if (trouver(j, Genre::Bis) != nullptr) {
                lu.bis = true;
                ++j;
            }
            const std::int64_t n = nombre(j)  ? m_[j].nombreSigne()
                                   : j < fin_ ? valeurRomaine(m_[j].cle)
                                              : -1;
            if (n < 2) {
                echec(j, n < 0 ? Motif::NombreAttendu : Motif::CompteRomain, m_.ecrits(i, j + 1));
                return false;
            }
            lu.compte = n;
            ++j;
        } else if (trouver(j, Genre::Pridie) != nullptr) {
            lu.compte = 2;
            ++j;
        }
        const Sens* repere = trouver(j, Genre::RepereRomain);
        if (repere == nullptr) {
            if (j > i)
                echec(j, Motif::CompteRomain, m_.ecrits(i, j));
            return false;
        }
        lu.repere = static_cast<std::int8_t>(repere->valeur);
        j += repere->mots;
        const Sens* mois = trouver(j, Genre::MoisLatin);
        if (mois == nullptr) {
            echec(j, Motif::PasUnMois, ecrit(j));
            return false;
        }
        lu.mois = mois->valeur;
        lu.aMois = true;
        j += mois->mots;
        lu.romainDebut = static_cast<std::uint8_t>(i);
        lu.romainFin = static_cast<std::uint8_t>(j);
        return annee(j, lu);
    }

    // Numbers in French words from word i ("dix-huit", "vingt et un",
    // "quatre-vingt-dix-neuf", "mil sept cent quatre-vingt-neuf",
    // "dix-neuf cent", "cinquième"): every complete reading, the longest
    // first. "dix sept" gives 17, then 10.
    std::size_t nombresEnMots(std::size_t i, std::array<Possible, possiblesMax>& sortie) const
    {
        std::array<Possible, possiblesMax> trouves;
        std::size_t n = 0;
        std::int64_t mille = 0;   // the thousands, once "mille" is read
        std::int64_t courant = 0; // below a thousand
        std::int64_t dernier = 0; // the value of the last word
        bool et = false;          // "et" was read: "un" or "onze" must follow
        for (std::size_t j = i; j < fin_ && n < possiblesMax; ++j) {
            const Sens* s = nullptr;
            for (const Sens& candidat : lexique_.sens(j)) {
                if (candidat.mots == 1 &&
                    (candidat.genre == Genre::Nombre || candidat.genre == Genre::Ordinal ||
                     candidat.genre == Genre::Et)) {
                    s = &candidat;
                    break;
                }
            }
            if (s == nullptr)
                break;
            const std::int64_t v = s->valeur;
            const std::int64_t reste = courant % 100;
            if (s->genre == Genre::Et) {
                if (et || reste < 20 || reste % 10 != 0)
                    break;
                et = true;
                continue;
            }
            if (et && v != 1 && v != 11)
                break;
            if (v == 1000) {
                if (mille != 0 || et)
                    break;
                mille = (courant == 0 ? 1 : courant) * 1000;
                courant = 0;
            } else if (v == 100) {
                if (courant >= 100)
                    break;
                courant = (courant == 0 ? 1 : courant) * 100;
            } else if (v >= 20) {
                if (v == 20 && dernier == 4 && reste == 4)
                    courant += 76; // quatre-vingt(s)
                else if (reste == 0)
                    courant += v;
                else
                    break;
            } else if (v == 10) {
                if (reste == 0 || reste == 60 || reste == 80)
                    courant += 10;
                else
                    break;
            } else {
                // 0 to 16.
                const bool seul = reste == 0;
                const bool apresDix = reste == 10 && dernier == 10 && v >= 7 && v <= 9;
                const bool apresDizaine = reste >= 20 && reste % 10 == 0 &&
                                          (v <= 9 || ((reste == 60 || reste == 80) && v >= 11));
                if (!(seul || apresDix || apresDizaine) || (v == 0 && courant + mille != 0))
                    break;
                courant += v;
            }
            dernier = v;
            et = false;
            trouves[n++] = {mille + courant, j + 1};
            if (s->genre == Genre::Ordinal)
                break;
        }
        for (std::size_t k = 0; k < n; ++k)
            sortie[k] = trouves[n - 1 - k];
        return n;
    }

    const Mots& m_;
    const Lexique& lexique_;
    const std::size_t fin_;
    const TypeCalendrier type_;
    const Ordre ordre_;
    const bool partiel_;
    const ContexteCivil* const civil_;

    bool lue_ = false;
    Champs champs_;
    Verdict verdict_;
    bool inexistante_ = false;
    Refus refusInexistant_;
    std::size_t posErreur_ = 0;
    Refus erreur_;
};

} // namespace

std::int64_t valeurRomaine(std::string_view cle)
{
    if (cle.empty())
        return -1;
    // The value, read from the right; then the canonical writing of that
    // value must be the key.
    std::int64_t valeur = 0;
    std::int64_t plusGrand = 0;
    for (std::size_t k = cle.size(); k-- > 0;) {
        std::int64_t chiffre = 0;
        switch (cle[k]) {
        case 'i':
            chiffre = 1;
            break;
        case 'v':
            chiffre = 5;
            break;
        case 'x':
            chiffre = 10;
            break;
        case 'l':
            chiffre = 50;
            break;
        case 'c':
            chiffre = 100;
            break;
        case 'd':
            chiffre = 500;
            break;
        case 'm':
            chiffre = 1000;
            break;
        default:
            return -1;
        }
        valeur += chiffre < plusGrand ? -chiffre : chiffre;
        plusGrand = std::max(plusGrand, chiffre);
        if (valeur > 2147483647)
            return -1;
    }
    if (valeur <= 0)
        return -1;
    std::size_t p = 0;
    std::int64_t reste = valeur;
    for (const auto& [symbole, montant] : symbolesRomains) {
        for (; reste >= montant; reste -= montant) {
            if (cle.substr(p, symbole.size()) != symbole)
                return -1;
            p += symbole.size();
        }
    }
    return p == cle.size() ? valeur : -1;
}

Analyse analyser(const Mots& mots, const Lexique& lexique, std::size_t debut, std::size_t fin,
                 TypeCalendrier type, Ordre ordre, bool partiel, const ContexteCivil* civil)
{
    Grammaire g(mots, lexique, fin, type, ordre, partiel, civil);
    g.lire(debut);
    return g.resultat();
}

} // namespace chronastre::texte
