#include "main/lot.h"

#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "main/canaux.h"
#include "main/lignes.h"
#include "main/messages.h"
#include "main/resultat.h"
#include "texte/raccourci.h"
#include "texte/textefetes.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace chronastre {

namespace {

// Input is read in blocks; a line longer than longueurLigneMax is rejected
// without being kept, so memory stays bounded whatever the input.
constexpr std::size_t longueurLigneMax = 4096;

// What a byte of a date line is. Fields are separated by blanks, tabs,
// commas, semicolons and slashes, and by a minus sign that follows a digit
// ("2024-03-11"); any other minus is a sign.
enum Classe : unsigned char
{
    AUTRE,
    CHIFFRE,
    BLANC,      // blank or tab: a separator that may also open a line
    SEPARATEUR, // , ; /
    MOINS,
};

constexpr std::array<Classe, 256> classes = [] {
    std::array<Classe, 256> c{};
    for (char chiffre = '0'; chiffre <= '9'; ++chiffre)
        c[static_cast<unsigned char>(chiffre)] = CHIFFRE;
    c[' '] = c['\t'] = BLANC;
    c[','] = c[';'] = c['/'] = SEPARATEUR;
    c['-'] = MOINS;
    return c;
}();

Classe classe(char c)
{
    return classes[static_cast<unsigned char>(c)];
}

bool estSeparateur(const char* debut, const char* p)
{
    const Classe c = classe(*p);
    return c == BLANC || c == SEPARATEUR || (c == MOINS && p > debut && classe(p[-1]) == CHIFFRE);
}

// How a line reads: a date, nothing at all, or why it is rejected.
enum class Lecture
{
    Date,
    Vide,
    AucunNombre,
    Incomplete,         // fewer numbers than the date has fields
    ChiffreApresSigne,  // a sign with no digit after it
    NombreAttendu,      // a field that does not start with a number
    HorsLimites,        // beyond the 32-bit range
    CaractereInattendu, // a number followed by neither a separator nor the end
    TropLongue,
};

bool estChiffre(char c)
{
    return static_cast<unsigned char>(c - '0') < 10;
}

// Reads the attendus numbers of a date at the start of [debut, fin); what
// follows them is ignored. trouves is the count of numbers read, p the place
// where the reading stopped. *fin must be a byte that neither separates nor
// belongs to a number (the newline, or the carriage return before it), so
// that the loops stop on it without testing the end.
Lecture lireChamps(const char* debut, const char* fin, int attendus, std::int64_t* valeurs,
                   int& trouves, const char*& p)
{
    p = debut;
    while (classe(*p) == BLANC)
        ++p;
    if (p == fin)
        return Lecture::Vide;
    for (trouves = 0; trouves < attendus; ++trouves) {
        while (estSeparateur(debut, p))
            ++p;
        if (p == fin)
            return trouves == 0 ? Lecture::AucunNombre : Lecture::Incomplete;
        const char signe = *p;
        if (signe == '-' || signe == '+')
            ++p;
        if (!estChiffre(*p) || p == fin)
            return signe == '-' || signe == '+' ? Lecture::ChiffreApresSigne
                                                : Lecture::NombreAttendu;
        // Stop as soon as the magnitude leaves the 32-bit range: no overflow.
        const std::int64_t limite = signe == '-' ? 2147483648LL : 2147483647LL;
        std::int64_t valeur = 0;
        for (; estChiffre(*p); ++p) {
            valeur = valeur * 10 + (*p - '0');
            if (valeur > limite)
                return Lecture::HorsLimites;
        }
        valeurs[trouves] = signe == '-' ? -valeur : valeur;
        if (trouves + 1 < attendus && p != fin && !estSeparateur(debut, p))
            return Lecture::CaractereInattendu;
    }
    return Lecture::Date;
}

// A line of numbers alone, the common case of a batch: attendus numbers of
// one to nine digits, each pair separated by one blank, tab, comma,
// semicolon, slash or minus, nothing before the first nor after the last.
// lireChamps reads such a line the same way; any other line (a sign, a run
// of separators, words, a longer number) is left to it. The byte at fin
// must be one that lireChamps stops on.
bool lireNombres(const char* p, const char* fin, int attendus, std::int64_t* valeurs)
{
    for (int k = 0;; ++p) {
        // Unsigned: a run of digits too long to keep wraps around harmlessly
        // before it is refused.
        const char* const chiffres = p;
        std::uint64_t valeur = 0;
        for (unsigned chiffre; (chiffre = static_cast<unsigned char>(*p) - 48u) < 10; ++p)
            valeur = valeur * 10 + chiffre;
        if (p == chiffres || p - chiffres > 9)
            return false;
        valeurs[k] = static_cast<std::int64_t>(valeur);
        if (++k == attendus)
            return p == fin;
        // After a digit, a minus separates too.
        if (classe(*p) == AUTRE)
            return false;
    }
}

// Why a line was rejected, in French.
std::string raison(Lecture lecture, int trouves, int attendus, const char* p, const char* fin)
{
    switch (lecture) {
    case Lecture::AucunNombre:
        return "aucun nombre";
    case Lecture::Incomplete:
        return "date incomplète (" + std::to_string(trouves) +
               (trouves == 1 ? " nombre" : " nombres") + " sur " + std::to_string(attendus) + ")";
    case Lecture::ChiffreApresSigne:
        return "chiffre attendu après le signe";
    case Lecture::NombreAttendu: {
        const std::string caractere = texte::citer(p, fin);
        return "nombre attendu à la place " +
               (caractere.starts_with("le ") ? "du " + caractere.substr(3) : "de " + caractere);
    }
    case Lecture::HorsLimites:
        return "nombre hors des limites de 32 bits";
    case Lecture::CaractereInattendu: {
        // « x » stands in the sentence as it is; "l'octet 0x00" between
        // brackets.
        const std::string caractere = texte::citer(p, fin);
        return "caractère inattendu " +
               (caractere.starts_with("«") ? caractere : "(" + caractere + ")") +
               " après un nombre";
    }
    case Lecture::TropLongue:
        return "ligne trop longue (plus de " + std::to_string(longueurLigneMax) + " octets)";
    case Lecture::Date:
    case Lecture::Vide:
        break;
    }
    return {};
}

// What the user is told when standard input is a terminal.
std::string invite(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee)
{
    const std::string champs =
        depart == MAYA ? "pictun baktun katun tun uinal kin" : "année mois jour";
    const std::string vers =
        arrivee ? "en " + std::string(motDuType(*arrivee)) : "dans les vingt-trois calendriers";
    return "chronastre : une date " + std::string(motDuType(depart)) + " par ligne (" + champs +
           "), convertie " + vers + " ; Ctrl+D pour terminer.";
}

// The same with the keyword CIVIL.
std::string inviteCivile(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee,
                         const OptionsLot& options)
{
    const std::string lieu(reforme(options.region.value_or(Region::ROME)).lieu);
    const std::string de =
        options.departCivil ? "du calendrier civil " + lieu : std::string(motDuType(depart));
    const std::string vers = options.arriveeCivile ? "dans le calendrier civil " + lieu
                             : arrivee             ? "en " + std::string(motDuType(*arrivee))
                                                   : "dans les vingt-trois calendriers";
    return "chronastre : une date " + de +
           " par ligne (année mois jour, une date écrite ou une "
           "fête), convertie " +
           vers + " ; Ctrl+D pour terminer.";
}

template <std::size_t... K>
std::array<Calendrier, sizeof...(K)> tousLesCalendriers(std::index_sequence<K...>)
{
    return {Calendrier(static_cast<TypeCalendrier>(K))...};
}

// The field of a line that holds the date: [debut, fin) of the line, quotes
// included. Fields are separated by separateur, and a field that opens with a
// double quote runs to its closing quote ("" inside stands for one quote).
struct Champ
{
    const char* debut;
    const char* fin;
    bool trouve;
};

// The closing quote of a quoted field whose text starts at p, or fin.
const char* guillemetFermant(const char* p, const char* fin)
{
    for (; p < fin; ++p) {
        if (*p == '"') {
            if (p + 1 == fin || p[1] != '"')
                return p;
            ++p; // "" inside
        }
    }
    return fin;
}

Champ champ(const char* debut, const char* fin, char separateur, int numero)
{
    const char* p = debut;
    for (int k = 1;; ++k) {
        const char* d = p;
        if (p < fin && *p == '"') {
            p = guillemetFermant(p + 1, fin);
            if (p < fin)
                ++p; // the closing quote
        }
        while (p < fin && *p != separateur)
            ++p;
        if (k == numero)
            return {d, p, true};
        if (p == fin)
            return {fin, fin, false};
        ++p; // the separator
    }
}

// The separator of a line: a tab if it has one outside quotes, otherwise a
// semicolon, otherwise a comma ("Dupont, Jean;1;15/02/1564" is cut at its
// semicolons).
char separateurDe(const char* debut, const char* fin)
{
    bool entreGuillemets = false;
    bool pointVirgule = false;
    for (const char* p = debut; p < fin; ++p) {
        if (*p == '"')
            entreGuillemets = !entreGuillemets;
        else if (!entreGuillemets && *p == '\t')
            return '\t';
        else if (!entreGuillemets && *p == ';')
            pointVirgule = true;
    }
    return pointVirgule ? ';' : ',';
}

// One batch run: the converters, the output block and the verdict.
class Lot
{
public:
    Lot(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee, const Canaux& canaux,
        const OptionsLot& options)
        : depart_(depart), arrivee_(arrivee), canaux_(canaux), options_(options)
    {
        // A block, and room for one more line: a field's line (each byte
        // shown as up to six on a terminal) and its result, quoted.
        sortie_.resize(tailleBloc + 8 * longueurLigneMax + 4 * longueurResultatMax);
        if (options.departCivil || options.arriveeCivile)
            civil_.emplace(options.region.value_or(Region::ROME), options.style);
    }

    // Converts one line (its end removed; the byte at fin is readable and is
    // no digit) and writes its result line.
    void traiter(const char* debut, const char* fin, std::int64_t numero)
    {
        // The numbers are read here, so that a line of words costs their
        // reading alone before the written date's.
        std::int64_t v[6];
        if (options_.colonne || civil_)
            traiterLigne(debut, fin, numero);
        else if (depart_ != CHINOIS && lireNombres(debut, fin, attendus_, v)) {
            if (!convertirNombres(v))
                traiterLigne(debut, fin, numero);
        } else if (options_.entete || !convertirEcrite(debut, fin)) {
            traiterLigne(debut, fin, numero);
        }
    }

    // A line that was too long to keep: an empty result line and a message.
    void ligneTropLongue(std::int64_t numero)
    {
        rejeter(numero, raison(Lecture::TropLongue, 0, 0, nullptr, nullptr));
        terminerLigne();
    }

    // Writes what is left; false once the output has failed.
    bool vider()
    {
        if (ecritureOk_ && plein_ > 0 && canaux_.ecrire)
            ecritureOk_ = canaux_.ecrire(std::string_view(sortie_.data(), plein_));
        plein_ = 0;
        return ecritureOk_;
    }

    bool ecritureOk() const { return ecritureOk_; }
    bool rejets() const { return rejets_; }

    void signaler(const std::string& message) const
    {
        if (canaux_.signaler)
            canaux_.signaler(message);
    }

private:
    // The common line of a batch, numbers alone (v, as lireNombres read
    // them) of a date that exists: neither a written date nor a warning to
    // look for, converted and written at once. false: the line is left to
    // traiterLigne.
    bool convertirNombres(const std::int64_t* v)
    {
        const DateHeure source = dateDesNombres(v);
        Calendrier& calendrier = calendriers_[static_cast<std::size_t>(depart_)];
        const std::int64_t numeroJour = calendrier.numeroJour(source);
        if (!calendrier.existe(source, numeroJour) || !plageArrivee_.contient(numeroJour))
            return false;
        plein_ =
            static_cast<std::size_t>(ecrire(numeroJour, sortie_.data() + plein_) - sortie_.data());
        terminerLigne();
        return true;
    }

    // The written date that files hold most, "12 décembre 1047", read at
    // once by the reader's quick reading (what traiterLigne would read, the
    // numbers before it aside), converted and written. false: the line is
    // left to traiterLigne.
    bool convertirEcrite(const char* debut, const char* fin)
    {
        texte::LectureRapide lue;
        if (!texte::lireRapidement(calendriers_[static_cast<std::size_t>(depart_)],
                                   std::string_view(debut, static_cast<std::size_t>(fin - debut)),
                                   lue) ||
            !plageArrivee_.contient(lue.numeroJour))
            return false;
        plein_ = static_cast<std::size_t>(ecrire(lue.numeroJour, sortie_.data() + plein_) -
                                          sortie_.data());
        terminerLigne();
        return true;
    }

    // Any line: its date read, converted and written, or why it is not.
    [[gnu::noinline]] void traiterLigne(const char* debut, const char* fin, std::int64_t numero)
    {
        // With --entete, a first line that holds no date is a header, passed
        // through unchecked; one that holds a date is a line like the others.
        const bool entete = options_.entete && numero == 1;
        if (static_cast<std::size_t>(fin - debut) > longueurLigneMax)
            rejeter(numero, raison(Lecture::TropLongue, 0, 0, nullptr, nullptr));
        else if (options_.colonne)
            traiterChamp(debut, fin, numero, entete);
        else if (entete && !estUneDate(debut, fin))
            copier(debut, fin);
        else if (const auto numeroJour = lireDateConvertible(debut, fin, numero))
            plein_ = static_cast<std::size_t>(ecrire(*numeroJour, sortie_.data() + plein_) -
                                              sortie_.data());
        terminerLigne();
    }

    void terminerLigne()
    {
        sortie_[plein_++] = '\n';
        if (plein_ > tailleBloc)
            vider();
    }

    void rejeter(std::int64_t numero, const std::string& raison)
    {
        rejets_ = true;
        signaler("chronastre : ligne " + std::to_string(numero) + " : " + raison);
    }

    // The day number of the date of [debut, fin): numbers first, as the single conversion reads
    // them, then a written date. A line that holds none is told and gives
    // nothing; so does a date that does not exist, in strict mode or when
    // written; a numeric one is otherwise read as the arithmetic reads it,
    // and the user is told how. Numbers followed by words ("44 3 15 av.
    // J.-C.") are a written date when the words belong to it; otherwise the
    // words are a note after the date, passed over ("2024-03-11 baptême").
    std::optional<std::int64_t> lireDate(const char* debut, const char* fin, std::int64_t numero)
    {
        second_.reset();
        if (options_.departCivil)
            return lireCivile(debut, fin, numero);
        std::int64_t v[6];
        const int attendus = attendus_;
        int trouves = 0;
        const char* arret = debut;
        const Lecture lecture = lireChamps(debut, fin, attendus, v, trouves, arret);
        if (lecture == Lecture::Vide)
            return std::nullopt;
        if (lecture == Lecture::Date) {
            if (depart_ != MAYA && contientUneLettre(arret, fin)) {
                const texte::Lecture ecrite = lireEcrite(debut, fin);
                if (ecrite.erreur.empty() || ecrite.inexistante)
                    return date(ecrite, numero);
            }
            // A Chinese month is written by its number: the reader places
            // it in its year, or says the year has no such month.
            if (depart_ == CHINOIS)
                return date(lireEcrite(debut, arret), numero);
            return dateNumerique(v, numero);
        }
        // Only words make a written date: numbers and signs keep the
        // numeric reading's verdict.
        if (!contientUneLettre(debut, fin)) {
            rejeter(numero, raison(lecture, trouves, attendus, arret, fin));
            return std::nullopt;
        }
        const texte::Lecture ecrite = lireEcrite(debut, fin);
        if (!ecrite.erreur.empty() && !ecrite.reconnu) {
            rejeter(numero, raison(lecture, trouves, attendus, arret, fin));
            return std::nullopt;
        }
        return date(ecrite, numero);
    }

    // The day number of the date of numbers v (six for a Maya long count,
    // three otherwise, in the order of the options). A date that does not
    // exist is refused in strict mode; otherwise it is read as the
    // arithmetic reads it, and the user is told how.
    std::optional<std::int64_t> dateNumerique(const std::int64_t* v, std::int64_t numero)
    {
        const DateHeure source = dateDesNombres(v);
        Calendrier& calendrier = calendriers_[static_cast<std::size_t>(depart_)];
        const std::int64_t numeroJour = calendrier.numeroJour(source);
        if (!plageDuCalendrier(depart_).contient(numeroJour)) {
            rejeter(numero, dateHorsPlage(depart_, source));
            return std::nullopt;
        }
        if (!calendrier.existe(source, numeroJour)) {
            if (options_.strict) {
                rejeter(numero, dateInexistante(depart_, source));
                return std::nullopt;
            }
            signaler("chronastre : ligne " + std::to_string(numero) + " : " +
                     avertissementDate(depart_, source, numeroJour));
        }
        return numeroJour;
    }

    // The date of numbers v: a Maya long count, or three numbers in the
    // order of the options.
    DateHeure dateDesNombres(const std::int64_t* v) const
    {
        return depart_ == MAYA ? CalendrierMaya::compteLong(v[0], v[1], v[2], v[3], v[4], v[5])
                               : dansLOrdre(options_.ordre, v);
    }

    // The day of a line whose day has a result: a calendar in use today, as
    // arrival, writes only the days of its range.
    std::optional<std::int64_t> lireDateConvertible(const char* debut, const char* fin,
                                                    std::int64_t numero)
    {
        const auto numeroJour = lireDate(debut, fin, numero);
        if (numeroJour && !plageArrivee_.contient(*numeroJour)) {
            rejeter(numero, arriveeHorsPlage(*arrivee_, *numeroJour));
            return std::nullopt;
        }
        return numeroJour;
    }

    // A date of the region's documents (CIVIL): numbers, a written date, a
    // feast, in a style. Numbers followed by a note are read alone, as the
    // other departures read them. A date that names two days gives both
    // (the second in second_), and the user is told; --strict refuses it.
    std::optional<std::int64_t> lireCivile(const char* debut, const char* fin, std::int64_t numero)
    {
        if (estBlanc(debut, fin))
            return std::nullopt;
        texte::LectureCivile lue = lireCivile(debut, fin);
        if (!lue.erreur.empty() && !lue.inexistante) {
            std::int64_t v[3];
            int trouves = 0;
            const char* arret = debut;
            if (lireChamps(debut, fin, 3, v, trouves, arret) == Lecture::Date && arret != fin) {
                texte::LectureCivile nombres = lireCivile(debut, arret);
                if (nombres.erreur.empty() || nombres.inexistante)
                    lue = std::move(nombres);
            }
        }
        if (!lue.erreur.empty()) {
            rejeter(numero, lue.erreur);
            return std::nullopt;
        }
        // The line's name, made only for a message.
        const auto ligne = [numero] {
            return "chronastre : ligne " + std::to_string(numero) + " : ";
        };
        if (!lue.avertissement.empty())
            signaler(ligne() + lue.avertissement);
        if (lue.nombre == 2) {
            const std::string deux =
                texte::texteDeuxJours(civil_->region(), lue.jours[0], lue.jours[1]);
            if (options_.strict) {
                rejeter(numero, deux + " (--strict)");
                return std::nullopt;
            }
            signaler(ligne() + "attention, " + deux +
                     " : les deux sont écrits, séparés par « ou » ; « avant Pâques » "
                     "ou « après Pâques » n'en garde qu'un");
            second_ = lue.jours[1];
        }
        return lue.jours[0];
    }

    texte::LectureCivile lireCivile(const char* debut, const char* fin) const
    {
        return texte::lireDateCivile(std::string_view(debut, static_cast<std::size_t>(fin - debut)),
                                     *civil_, options_.ordre);
    }

    texte::Lecture lireEcrite(const char* debut, const char* fin) const
    {
        return texte::lireDateEcrite(depart_,
                                     std::string_view(debut, static_cast<std::size_t>(fin - debut)),
                                     options_.ordre);
    }

    // A written date read: its day, with its warning; or its refusal.
    std::optional<std::int64_t> date(const texte::Lecture& ecrite, std::int64_t numero)
    {
        if (!ecrite.erreur.empty()) {
            rejeter(numero, ecrite.erreur);
            return std::nullopt;
        }
        if (!ecrite.avertissement.empty())
            signaler("chronastre : ligne " + std::to_string(numero) + " : " + ecrite.avertissement);
        return ecrite.numeroJour;
    }

    // Whether a line (or a field) holds a date, one that exists or not:
    // what tells a header from a first line of data.
    bool estUneDate(const char* debut, const char* fin) const
    {
        if (options_.departCivil) {
            const texte::LectureCivile lue = lireCivile(debut, fin);
            return lue.erreur.empty() || lue.inexistante;
        }
        std::int64_t v[6];
        int trouves = 0;
        const char* arret = debut;
        if (lireChamps(debut, fin, attendus_, v, trouves, arret) == Lecture::Date)
            return true;
        if (!contientUneLettre(debut, fin))
            return false;
        const texte::Lecture ecrite = lireEcrite(debut, fin);
        return ecrite.erreur.empty() || ecrite.inexistante;
    }

    static bool contientUneLettre(const char* debut, const char* fin)
    {
        for (const char* p = debut; p < fin; ++p) {
            const auto octet = static_cast<unsigned char>(*p);
            if (octet >= 0x80 || ((octet | 0x20) >= 'a' && (octet | 0x20) <= 'z'))
                return true;
        }
        return false;
    }

    // The result of a date at p: one calendar's line, or every calendar's
    // separated by separateur (a calendar in use today that does not write
    // the day leaves its field empty). In a field of a line (entreGuillemets), a
    // result that holds the separator is quoted.
    char* ecrire(std::int64_t numeroJour, char* p, char separateur = '\t',
                 bool entreGuillemets = false)
    {
        if (arrivee_ && !entreGuillemets && !second_) {
            const auto k = static_cast<std::size_t>(*arrivee_);
            return ecrireResultat(*arrivee_, calendriers_[k].versCalendrier(numeroJour), p);
        }
        const auto resultat = [&](std::size_t k) {
            char* const debut = p;
            p = ecrireJour(k, numeroJour, p);
            if (second_) {
                // A calendar in use today that writes neither day leaves its
                // field empty.
                const char* const premier = p;
                std::memcpy(p, " ou ", 4);
                p = ecrireJour(k, *second_, p + 4);
                if (premier == debut && p == premier + 4)
                    p = debut;
            }
            const auto longueur = static_cast<std::size_t>(p - debut);
            if (entreGuillemets && std::memchr(debut, separateur, longueur) != nullptr) {
                std::memmove(debut + 1, debut, longueur);
                *debut = '"';
                p[1] = '"';
                p += 2;
            }
        };
        if (options_.arriveeCivile) {
            resultat(calendrierCivil);
            return p;
        }
        if (arrivee_) {
            resultat(static_cast<std::size_t>(*arrivee_));
            return p;
        }
        for (std::size_t k = 0; k < calendriers_.size(); ++k) {
            if (k > 0)
                *p++ = separateur;
            resultat(k);
        }
        return p;
    }

    // The place of the region's calendar (CIVIL) among the arrivals.
    static constexpr std::size_t calendrierCivil = nombreCalendriers;

    // Day numeroJour in arrival k (calendrierCivil: the date the region's
    // documents write), at p; returns the end.
    char* ecrireJour(std::size_t k, std::int64_t numeroJour, char* p)
    {
        if (k == calendrierCivil) {
            const auto date = dateCivile(civil_->region(), numeroJour);
            return ecrireResultat(
                GREGORIEN, date ? DateHeure(date->annee, date->mois, date->jour) : DateHeure(), p);
        }
        return ecrireResultat(static_cast<TypeCalendrier>(k),
                              calendriers_[k].versCalendrier(numeroJour), p);
    }

    // A line whose date is one of its fields: the line written back, that
    // field converted (quoted when the result holds the separator). The
    // fields' separator is the one given, or the one of the first line of
    // data (a tab, else a semicolon, else a comma), for the whole file.
    void traiterChamp(const char* debut, const char* fin, std::int64_t numero, bool entete)
    {
        if (debut == fin)
            return;
        const char separateur = options_.separateur  ? *options_.separateur
                                : separateurFichier_ ? *separateurFichier_
                                                     : separateurDe(debut, fin);
        const Champ c = champ(debut, fin, separateur, *options_.colonne);
        if (!c.trouve) {
            if (!entete)
                rejeter(numero, "la ligne n'a pas de champ " + std::to_string(*options_.colonne));
            copier(debut, fin);
            return;
        }
        // The field's text, unquoted, ends with a newline: the sentinel the
        // number reader needs.
        char texte[longueurLigneMax + 1];
        std::size_t longueur = 0;
        if (c.fin > c.debut && *c.debut == '"') {
            const char* const ferme = guillemetFermant(c.debut + 1, c.fin);
            for (const char* p = c.debut + 1; p < ferme; ++p) {
                texte[longueur++] = *p;
                if (*p == '"')
                    ++p; // "" stands for one quote
            }
        } else {
            longueur = static_cast<std::size_t>(c.fin - c.debut);
            std::memcpy(texte, c.debut, longueur);
        }
        texte[longueur] = '\n';

        if (entete && !estUneDate(texte, texte + longueur)) {
            copier(debut, fin);
            return;
        }
        if (!separateurFichier_)
            separateurFichier_ = separateur;
        const auto source = lireDateConvertible(texte, texte + longueur, numero);
        copier(debut, c.debut);
        if (source) {
            // Each result a field of its own.
            plein_ = static_cast<std::size_t>(
                ecrire(*source, sortie_.data() + plein_, separateur, true) - sortie_.data());
        } else if (estBlanc(texte, texte + longueur)) {
            copier(c.debut, c.fin); // an empty field stays empty
        }
        copier(c.fin, fin);
    }

    // Bytes of the input written back: as they are into a file or a pipe;
    // on a terminal, with their controls made visible.
    void copier(const char* d, const char* f)
    {
        const auto n = static_cast<std::size_t>(f - d);
        if (canaux_.sortieTerminal) {
            const std::string montre = texte::montrer(std::string_view(d, n));
            std::memcpy(sortie_.data() + plein_, montre.data(), montre.size());
            plein_ += montre.size();
            return;
        }
        std::memcpy(sortie_.data() + plein_, d, n);
        plein_ += n;
    }

    static bool estBlanc(const char* debut, const char* fin)
    {
        for (const char* p = debut; p < fin; ++p) {
            if (*p != ' ' && *p != '\t')
                return false;
        }
        return true;
    }

    TypeCalendrier depart_;
    // The numbers of a date: a Maya long count has six.
    int attendus_ = depart_ == MAYA ? 6 : 3;
    std::optional<TypeCalendrier> arrivee_; // none: every calendar
    // The days the arrival writes: all but for a calendar in use today.
    Plage plageArrivee_ = arrivee_ ? plageDuCalendrier(*arrivee_) : plageDuCalendrier(GREGORIEN);
    std::array<Calendrier, nombreCalendriers> calendriers_ =
        tousLesCalendriers(std::make_index_sequence<nombreCalendriers>{});
    const Canaux& canaux_;
    const OptionsLot& options_;
    std::vector<char> sortie_;
    std::size_t plein_ = 0;
    // The separator of a file's fields, once its first line of data is read.
    std::optional<char> separateurFichier_;
    // With CIVIL: the region, the style and the feasts of the years read.
    std::optional<texte::ContexteCivil> civil_;
    // The second day of the line's date, when a date of CIVIL names two.
    std::optional<std::int64_t> second_;
    bool ecritureOk_ = true;
    bool rejets_ = false;
};

} // namespace

int convertirLot(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee, const Canaux& canaux,
                 const OptionsLot& options)
{
    Lot lot(depart, arrivee, canaux, options);
    if (canaux.entreeTerminal && (options.departCivil || options.arriveeCivile))
        lot.signaler(inviteCivile(depart, arrivee, options));
    else if (canaux.entreeTerminal)
        lot.signaler(invite(depart, arrivee));

    const bool lectureOk = parcourirLignes(
        canaux.lire ? canaux.lire : [](char*, std::size_t) -> std::ptrdiff_t { return 0; },
        longueurLigneMax,
        [&lot](const char* debut, const char* fin, std::int64_t numero) {
            lot.traiter(debut, fin, numero);
            return lot.ecritureOk();
        },
        [&lot](std::int64_t numero, std::string_view) { lot.ligneTropLongue(numero); },
        // Before a read that may wait (a terminal, a pipe), the results so
        // far go out: a person typing dates sees each answer at once.
        [&lot] { return lot.vider(); });
    if (!lectureOk)
        lot.signaler("chronastre : lecture impossible de l'entrée standard");
    const bool ecrit = lot.vider();
    return ecrit && lectureOk && !lot.rejets() ? 0 : 1;
}

} // namespace chronastre
