#include "texte/raccourci.h"

#include "engine/calendrier.h"
#include "texte/mots.h"
#include "texte/validation.h"
#include "texte/vocabulaire.h"

#include <array>

namespace chronastre::texte {

namespace {

// What a byte is to the quick reading: a key letter (an ASCII letter in
// lower case), or one of the classes below.
enum : unsigned char
{
    AUTRE = 0,
    BLANC = 1,
    CHIFFRE = 2,
    POINT = 3,
    LATIN1 = 4, // C3: the first byte of U+00C0..U+00FF
};

constexpr std::array<unsigned char, 256> classes = [] {
    std::array<unsigned char, 256> t{};
    for (char c = 'a'; c <= 'z'; ++c) {
        t[static_cast<unsigned char>(c)] = static_cast<unsigned char>(c);
        t[static_cast<unsigned char>(c - 'a' + 'A')] = static_cast<unsigned char>(c);
    }
    for (char c = '0'; c <= '9'; ++c)
        t[static_cast<unsigned char>(c)] = CHIFFRE;
    t[' '] = t['\t'] = BLANC;
    t['.'] = POINT;
    t[0xC3] = LATIN1;
    return t;
}();

// The second byte of U+00C0..U+00FF, as the tokenizer keys it when that is
// one letter; 0 for the two signs and the letters of two key letters.
constexpr std::array<char, 64> lettresLatin1 = {
    'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    'd', 'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   0,
    'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    'd', 'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   'y'};

unsigned char classe(const char* p)
{
    return classes[static_cast<unsigned char>(*p)];
}

const char* sauterBlancs(const char* p, const char* fin)
{
    while (p < fin && classe(p) == BLANC)
        ++p;
    return p;
}

// The figures at p, at most chiffres of them, then what stops them: a value
// within 32 bits, or -1.
[[gnu::always_inline]] inline std::int64_t nombre(const char*& p, const char* fin, int chiffres)
{
    const char* const debut = p;
    // Unsigned: a run of figures too long to keep wraps around harmlessly
    // before it is refused.
    std::uint64_t valeur = 0;
    for (unsigned c; p < fin && (c = static_cast<unsigned char>(*p) - 48U) < 10; ++p)
        valeur = valeur * 10 + c;
    const auto lus = p - debut;
    return lus == 0 || lus > chiffres || valeur > 2147483647 ? -1
                                                             : static_cast<std::int64_t>(valeur);
}

} // namespace

namespace {

// The rest of "12 décembre 1047" from p, after its day (its figures read):
// blanks, the month's word, blanks, the year.
bool lireApresLeJour(const Calendrier& calendrier, std::int64_t jour, const char* p,
                     const char* const fin, LectureRapide& lue)
{
    const TypeCalendrier type = calendrier.type();
    // A Chinese month's word does not say its rank (a leap month may come
    // before it): left to the reader.
    if (type == CHINOIS)
        return false;
    if (jour < 0 || p == fin || classe(p) != BLANC)
        return false;
    p = sauterBlancs(p, fin);
    // The month's word, keyed as the tokenizer keys it, within 24 bytes (a
    // longer word is left to the reader).
    CleRemplie cle{};
    std::size_t longueur = 0;
    std::uint32_t hache = debutHache;
    const char* const finMot = fin - p > 24 ? p + 24 : fin;
    for (; p < finMot; ++p) {
        unsigned char l = classe(p);
        if (l < 'a') {
            if (l != LATIN1 || p + 1 == finMot || (static_cast<unsigned char>(p[1]) & 0xC0) != 0x80)
                break;
            l = static_cast<unsigned char>(lettresLatin1[static_cast<unsigned char>(*++p) & 0x3F]);
            if (l < 'a')
                break;
        }
        cle[longueur++] = static_cast<char>(l);
        hache = (hache ^ l) * 16777619u;
    }
    if (longueur == 0 || p == fin)
        return false;
    if (classe(p) == POINT)
        ++p; // an abbreviation's dot
    if (p == fin || classe(p) != BLANC)
        return false;
    p = sauterBlancs(p, fin);
    const std::int64_t annee = nombre(p, fin, 10);
    p = sauterBlancs(p, fin);
    if (annee < 0 || p != fin)
        return false;
    const std::int32_t nom = moisDuMot(cle, longueur, hache, type);
    if (nom == 0)
        return false;
    const std::int64_t mois = placerMois(type, annee, nom);
    if (mois == 0)
        return false;
    // The day number, computed once, also tells whether the date exists.
    const DateHeure date(annee, mois, jour);
    const std::int64_t numeroJour = calendrier.numeroJour(date);
    if (!calendrier.existe(date, numeroJour))
        return false;
    lue = {annee, mois, jour, numeroJour};
    return true;
}

// One calendar of each kind, made at start: the quick reading only asks.
const std::array<Calendrier, nombreCalendriers> calendriers = [] {
    std::array<Calendrier, nombreCalendriers> c;
    for (int k = 0; k < nombreCalendriers; ++k)
        c[static_cast<std::size_t>(k)] = Calendrier(static_cast<TypeCalendrier>(k));
    return c;
}();

const Calendrier& calendrierDe(TypeCalendrier type)
{
    return calendriers[static_cast<std::size_t>(type)];
}

} // namespace

bool lireRapidement(const Calendrier& calendrier, std::string_view texte, LectureRapide& lue)
{
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    p = sauterBlancs(p, fin);
    const std::int64_t jour = nombre(p, fin, 9);
    return lireApresLeJour(calendrier, jour, p, fin, lue);
}

bool lireRapidement(TypeCalendrier type, std::string_view texte, LectureRapide& lue)
{
    if (type < 0 || type >= nombreCalendriers)
        return false;
    return lireRapidement(calendrierDe(type), texte, lue);
}

bool lireValeurRapidement(std::string_view valeur, ValeurGedcom& v)
{
    struct Mot
    {
        std::string_view texte;
        int sens;
    };
    // Qualifiers, then escapes and keywords: what opens a value, with the
    // blank after it.
    static constexpr std::array<Mot, 5> qualificatifs = {{
        {"ABT ", static_cast<int>(Qualificatif::Vers)},
        {"CAL ", static_cast<int>(Qualificatif::Calculee)},
        {"EST ", static_cast<int>(Qualificatif::Estimee)},
        {"BEF ", static_cast<int>(Qualificatif::Avant)},
        {"AFT ", static_cast<int>(Qualificatif::Apres)},
    }};
    static constexpr std::array<Mot, 8> echappements = {{
        {"@#DGREGORIAN@ ", GREGORIEN},
        {"@#DJULIAN@ ", JULIEN},
        {"@#DHEBREW@ ", HEBREU},
        {"@#DFRENCH R@ ", REPUBLICAIN},
        {"GREGORIAN ", GREGORIEN},
        {"JULIAN ", JULIEN},
        {"HEBREW ", HEBREU},
        {"FRENCH_R ", REPUBLICAIN},
    }};
    // Only a value that opens with a capital letter or '@' may hold one: a
    // date of figures ("12 JAN 1700") compares nothing.
    const bool mot =
        !valeur.empty() && ((valeur[0] >= 'A' && valeur[0] <= 'Z') || valeur[0] == '@');
    Qualificatif qualificatif = Qualificatif::Aucun;
    auto type = GREGORIEN;
    // Each word compared from its first byte.
    const auto ouvre = [&valeur](std::string_view texte) {
        return !valeur.empty() && valeur[0] == texte[0] && valeur.starts_with(texte);
    };
    if (mot) {
        for (const Mot& q : qualificatifs) {
            if (ouvre(q.texte)) {
                qualificatif = static_cast<Qualificatif>(q.sens);
                valeur.remove_prefix(q.texte.size());
                break;
            }
        }
        for (const Mot& e : echappements) {
            if (ouvre(e.texte)) {
                type = static_cast<TypeCalendrier>(e.sens);
                valeur.remove_prefix(e.texte.size());
                break;
            }
        }
    }
    // A year alone (figures up to the end), or the day of "12 MAR 1700".
    const char* p = valeur.data();
    const char* const fin = p + valeur.size();
    std::int64_t nombreLu = nombre(p, fin, 9);
    if (p == valeur.data()) {
        // No figure first: the day after blanks.
        p = sauterBlancs(p, fin);
        nombreLu = nombre(p, fin, 9);
    } else if (nombreLu >= 0 && p == fin && valeur[0] != '0') {
        if (type == HEBREU && nombreLu < 1)
            return false;
        DatePartielle& d = v.premiere.emplace();
        d.calendrier = type;
        d.annee = nombreLu;
        d.premier = jourDeLaDate(type, DateHeure(nombreLu, 1, 1));
        d.dernier = jourDeLaDate(type, DateHeure(nombreLu + 1, 1, 1)) - 1;
        v.qualificatif = qualificatif;
        return true;
    }
    LectureRapide lue;
    if (!lireApresLeJour(calendrierDe(type), nombreLu, p, fin, lue))
        return false;
    DatePartielle& d = v.premiere.emplace();
    d.calendrier = type;
    d.annee = lue.annee;
    d.mois = lue.mois;
    d.jour = lue.jour;
    d.premier = d.dernier = lue.numeroJour;
    v.qualificatif = qualificatif;
    return true;
}

} // namespace chronastre::texte
