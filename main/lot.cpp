#include "main/lot.h"

#include "engine/calendrier.h"
#include "engine/calendriermaya.h"
#include "main/lignecommande.h"
#include "main/messages.h"

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
constexpr std::size_t tailleBloc = 1 << 16;
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

// "00" to "99".
constexpr std::array<char, 200> paires = [] {
    std::array<char, 200> p{};
    for (int n = 0; n < 100; ++n) {
        p[static_cast<std::size_t>(2 * n)] = static_cast<char>('0' + n / 10);
        p[static_cast<std::size_t>(2 * n + 1)] = static_cast<char>('0' + n % 10);
    }
    return p;
}();

// n in decimal; the small numbers of a date two digits at a time.
inline char* ecrireEntier(std::int64_t n, char* p)
{
    const auto u = static_cast<std::uint64_t>(n); // a negative n is huge here
    if (u < 100) {
        // Without a branch on the digit count, which random dates would
        // mispredict: two bytes copied, one or two kept.
        const std::uint64_t deux = u >= 10 ? 1 : 0;
        std::memcpy(p, paires.data() + 2 * u + 1 - deux, 2);
        return p + 1 + deux;
    }
    if (u < 10000) {
        const std::uint64_t haut = u / 100;
        if (haut >= 10) {
            std::memcpy(p, paires.data() + 2 * haut, 2);
            p += 2;
        } else {
            *p++ = static_cast<char>('0' + haut);
        }
        std::memcpy(p, paires.data() + 2 * (u % 100), 2);
        return p + 2;
    }
    return std::to_chars(p, p + 20, n).ptr;
}

// What the user is told when standard input is a terminal.
std::string invite(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee)
{
    const std::string champs =
        depart == MAYA ? "pictun baktun katun tun uinal kin" : "année mois jour";
    const std::string vers =
        arrivee ? "en " + std::string(motDuType(*arrivee)) : "dans les dix-neuf calendriers";
    return "chronastre : une date " + std::string(motDuType(depart)) + " par ligne (" + champs +
           "), convertie " + vers + " ; Ctrl+D pour terminer.";
}

template <std::size_t... K>
std::array<Calendrier, sizeof...(K)> tousLesCalendriers(std::index_sequence<K...>)
{
    return {Calendrier(static_cast<TypeCalendrier>(K))...};
}

// One batch run: the converters, the output block and the verdict.
class Lot
{
public:
    Lot(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee, const Canaux& canaux)
        : depart_(depart), arrivee_(arrivee), canaux_(canaux)
    {
        sortie_.resize(tailleBloc + longueurResultatMax);
    }

    // Converts one line (its newline removed) and writes its result line.
    void traiter(const char* debut, const char* fin, std::int64_t numero)
    {
        if (fin > debut && fin[-1] == '\r')
            --fin;
        std::int64_t valeurs[6];
        const int attendus = depart_ == MAYA ? 6 : 3;
        int trouves = 0;
        const char* arret = debut;
        const Lecture lecture = static_cast<std::size_t>(fin - debut) > longueurLigneMax
                                    ? Lecture::TropLongue
                                    : lireChamps(debut, fin, attendus, valeurs, trouves, arret);
        if (lecture == Lecture::Date)
            convertir(valeurs, numero);
        else if (lecture != Lecture::Vide)
            rejeter(numero, raison(lecture, trouves, attendus, arret, fin));
        terminerLigne();
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

    void convertir(const std::int64_t* v, std::int64_t numero)
    {
        const DateHeure source =
            depart_ == MAYA ? CalendrierMaya::compteLong(v[0], v[1], v[2], v[3], v[4], v[5])
                            : DateHeure(v[0], v[1], v[2]);
        Calendrier& calendrierDepart = calendriers_[static_cast<std::size_t>(depart_)];
        const std::int64_t numeroJour = calendrierDepart.depuisCalendrier(source);

        // A date that does not come back to itself does not exist in depart:
        // the arithmetic still converts it, and the user is told.
        const DateHeure retour = calendrierDepart.versCalendrier(numeroJour);
        if (!memeDate(depart_, retour, source))
            signaler("chronastre : ligne " + std::to_string(numero) + " : " +
                     avertissementDate(depart_, source, numeroJour));

        char* p = sortie_.data() + plein_;
        if (arrivee_) {
            p = ecrireResultat(
                *arrivee_,
                calendriers_[static_cast<std::size_t>(*arrivee_)].versCalendrier(numeroJour), p);
        } else {
            for (std::size_t k = 0; k < calendriers_.size(); ++k) {
                if (k > 0)
                    *p++ = '\t';
                p = ecrireResultat(static_cast<TypeCalendrier>(k),
                                   calendriers_[k].versCalendrier(numeroJour), p);
            }
        }
        plein_ = static_cast<std::size_t>(p - sortie_.data());
    }

    TypeCalendrier depart_;
    std::optional<TypeCalendrier> arrivee_; // none: every calendar
    std::array<Calendrier, nombreCalendriers> calendriers_ =
        tousLesCalendriers(std::make_index_sequence<nombreCalendriers>{});
    const Canaux& canaux_;
    std::vector<char> sortie_;
    std::size_t plein_ = 0;
    bool ecritureOk_ = true;
    bool rejets_ = false;
};

} // namespace

char* ecrireResultat(TypeCalendrier arrivee, const DateHeure& d, char* p)
{
    const auto nombre = [&p](std::int64_t n) {
        p = ecrireEntier(n, p);
    };
    if (arrivee == MAYA) {
        const std::int64_t places[] = {d.pictun(), d.baktun(), d.katun(),
                                       d.tun(),    d.uinal(),  d.kin()};
        for (std::size_t i = 0; i < 6; ++i) {
            if (i > 0)
                *p++ = '.';
            nombre(places[i]);
        }
        *p++ = ',';
        for (const std::int64_t n :
             {d.nombreTzolkin(), d.jourTzolkin(), d.jourHaab(), d.moisHaab()}) {
            *p++ = ' ';
            nombre(n);
        }
        return p;
    }
    p = ecrireEntier(d.annee(), p);
    *p++ = ' ';
    p = ecrireEntier(d.mois(), p);
    *p++ = ' ';
    return ecrireEntier(d.jour(), p);
}

int convertirLot(TypeCalendrier depart, std::optional<TypeCalendrier> arrivee, const Canaux& canaux)
{
    Lot lot(depart, arrivee, canaux);
    if (canaux.entreeTerminal)
        lot.signaler(invite(depart, arrivee));

    std::vector<char> entree(tailleBloc + 1); // and room for a last newline
    std::size_t debut = 0;                    // unread bytes are [debut, fin)
    std::size_t fin = 0;
    bool finEntree = !canaux.lire;
    bool tropLongue = false; // the current line has been dropped for its length
    bool lectureOk = true;
    std::int64_t numero = 0;
    while (lot.ecritureOk()) {
        const auto* nl =
            static_cast<const char*>(std::memchr(entree.data() + debut, '\n', fin - debut));
        if (nl != nullptr) {
            const auto longueur = static_cast<std::size_t>(nl - (entree.data() + debut));
            if (tropLongue)
                lot.ligneTropLongue(++numero);
            else
                lot.traiter(entree.data() + debut, nl, ++numero);
            tropLongue = false;
            debut += longueur + 1;
            continue;
        }
        if (finEntree) {
            // A last line without its newline: the newline is put back.
            entree[fin] = '\n';
            if (tropLongue)
                lot.ligneTropLongue(++numero);
            else if (fin > debut)
                lot.traiter(entree.data() + debut, entree.data() + fin, ++numero);
            break;
        }
        if (fin - debut > longueurLigneMax) {
            tropLongue = true;
            debut = fin;
        }
        // Before a read that may wait (a terminal, a pipe), the results so
        // far go out: a person typing dates sees each answer at once.
        if (!lot.vider())
            break;
        std::memmove(entree.data(), entree.data() + debut, fin - debut);
        fin -= debut;
        debut = 0;
        const std::ptrdiff_t lus = canaux.lire(entree.data() + fin, tailleBloc - fin);
        if (lus < 0) {
            lot.signaler("chronastre : lecture impossible de l'entrée standard");
            lectureOk = false;
            finEntree = true;
        } else if (lus == 0) {
            finEntree = true;
        } else {
            fin += static_cast<std::size_t>(lus);
        }
    }
    const bool ecrit = lot.vider();
    return ecrit && lectureOk && !lot.rejets() ? 0 : 1;
}

} // namespace chronastre
