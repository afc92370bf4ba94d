#include "texte/raccourci.h"

#include "engine/calendrier.h"
#include "texte/mots.h"
#include "texte/validation.h"
#include "texte/vocabulaire.h"

#include <array>

namespace chronastre::texte {

namespace {

// A key letter of the word: an ASCII letter in lower case, a Latin-1 letter
// (the second byte of C3 xx) without its accent; 0 for anything else.
constexpr std::array<char, 256> lettresAscii = [] {
    std::array<char, 256> t{};
    for (char c = 'a'; c <= 'z'; ++c) {
        t[static_cast<unsigned char>(c)] = c;
        t[static_cast<unsigned char>(c - 'a' + 'A')] = c;
    }
    return t;
}();

// The second byte of U+00C0..U+00FF, as the tokenizer keys it when that is
// one letter; 0 for the two signs and the letters of two key letters.
constexpr std::array<char, 64> lettresLatin1 = {
    'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    'd', 'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   0,
    'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    'd', 'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   'y'};

bool blanc(char c)
{
    return c == ' ' || c == '\t';
}

// The figures at p, at most chiffres of them, then what stops them: a value
// within 32 bits, or -1.
std::int64_t nombre(const char*& p, const char* fin, int chiffres)
{
    std::int64_t valeur = 0;
    int lus = 0;
    for (; p < fin && static_cast<unsigned char>(*p - '0') < 10; ++p, ++lus) {
        if (lus == chiffres)
            return -1;
        valeur = valeur * 10 + (*p - '0');
    }
    return lus == 0 || valeur > 2147483647 ? -1 : valeur;
}

} // namespace

bool lireRapidement(TypeCalendrier type, std::string_view texte, LectureRapide& lue)
{
    const char* p = texte.data();
    const char* const fin = p + texte.size();
    while (p < fin && blanc(*p))
        ++p;
    const std::int64_t jour = nombre(p, fin, 9);
    if (jour < 0 || p == fin || !blanc(*p))
        return false;
    while (p < fin && blanc(*p))
        ++p;
    // The month's word, keyed as the tokenizer keys it.
    std::array<char, 24> cle;
    std::size_t longueur = 0;
    std::uint32_t hache = debutHache;
    while (p < fin && !blanc(*p) && *p != '.') {
        char l = lettresAscii[static_cast<unsigned char>(*p)];
        if (l != 0) {
            ++p;
        } else if (static_cast<unsigned char>(*p) == 0xC3 && p + 1 < fin &&
                   (static_cast<unsigned char>(p[1]) & 0xC0) == 0x80) {
            l = lettresLatin1[static_cast<unsigned char>(p[1]) & 0x3F];
            p += 2;
        }
        if (l == 0 || longueur == cle.size())
            return false;
        cle[longueur++] = l;
        hache = (hache ^ static_cast<unsigned char>(l)) * 16777619u;
    }
    if (longueur == 0)
        return false;
    if (p < fin && *p == '.')
        ++p; // an abbreviation's dot
    if (p == fin || !blanc(*p))
        return false;
    while (p < fin && blanc(*p))
        ++p;
    const std::int64_t annee = nombre(p, fin, 10);
    while (p < fin && blanc(*p))
        ++p;
    if (annee < 0 || p != fin)
        return false;
    const std::int32_t nom = moisDuMot(std::string_view(cle.data(), longueur), hache, type);
    if (nom == 0)
        return false;
    const std::int64_t mois = placerMois(type, annee, nom);
    const DateHeure date(annee, mois, jour);
    if (mois == 0 || !existe(type, date))
        return false;
    lue.date = date;
    lue.numeroJour = jourDeLaDate(type, date);
    return true;
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
    Qualificatif qualificatif = Qualificatif::Aucun;
    for (const Mot& q : qualificatifs) {
        if (valeur.starts_with(q.texte)) {
            qualificatif = static_cast<Qualificatif>(q.sens);
            valeur.remove_prefix(q.texte.size());
            break;
        }
    }
    auto type = GREGORIEN;
    for (const Mot& e : echappements) {
        if (valeur.starts_with(e.texte)) {
            type = static_cast<TypeCalendrier>(e.sens);
            valeur.remove_prefix(e.texte.size());
            break;
        }
    }
    DatePartielle d;
    d.calendrier = type;
    // A year alone: figures, up to the end.
    const char* p = valeur.data();
    const char* const fin = p + valeur.size();
    const std::int64_t annee = nombre(p, fin, 9);
    if (annee >= 0 && p == fin && !valeur.empty() && valeur[0] != '0') {
        if (type == HEBREU && annee < 1)
            return false;
        d.annee = annee;
        d.premier = jourDeLaDate(type, DateHeure(annee, 1, 1));
        d.dernier = jourDeLaDate(type, DateHeure(annee + 1, 1, 1)) - 1;
    } else {
        LectureRapide lue;
        if (!lireRapidement(type, valeur, lue))
            return false;
        d.annee = lue.date.annee();
        d.mois = lue.date.mois();
        d.jour = lue.date.jour();
        d.premier = d.dernier = lue.numeroJour;
    }
    v.qualificatif = qualificatif;
    v.premiere = d;
    return true;
}

} // namespace chronastre::texte
