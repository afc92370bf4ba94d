#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

// The first stage of the reader of written dates: a text cut into words.
// Each word keeps the bytes it was read from, the bytes before it, and a key
// that the vocabulary compares: lower-case ASCII letters and digits, accents
// and marks removed ("Nivôse" and "NIVOSE" are "nivose", "1ᵉʳ" is "1er"),
// apostrophes dropped inside a name ("Sha'ban" is "shaban") and cutting an
// elision ("l'an" is "l" and "an"). A GEDCOM calendar escape ("@#DFRENCH R@")
// is one word. UTF-8 text, read without the process locale.
namespace chronastre::texte {

// The longest text read: a batch line, which may hold a Roman year of any
// size; longer texts are refused before any work.
inline constexpr std::size_t longueurTexteMax = 4096;
inline constexpr std::size_t motsMax = 64;

// A number of more digits than this is no number a date has.
inline constexpr std::size_t chiffresMax = 18;

struct Mot
{
    std::string_view cle;   // the key, as described above ("?" for a letter of another script)
    std::string_view ecrit; // the bytes it was read from
    std::string_view avant; // the bytes between the previous word (or the start) and this one
    std::int64_t valeur;    // its leading digits as a number (0 without digits)
    std::uint32_t hache;    // hacheCle(cle)
    std::uint16_t chiffres; // how many digits open the key
    bool signe;             // a minus sign stands right before it, not between two words

    // Digits only, within 32 bits with its sign: a number of a date.
    bool nombre() const
    {
        return chiffres > 0 && chiffres == cle.size() && chiffres <= 10 &&
               valeur <= (signe ? 2147483648LL : 2147483647LL);
    }
    // The number, its sign applied.
    std::int64_t nombreSigne() const { return signe ? -valeur : valeur; }
    bool echappement() const { return cle.starts_with('@'); }
};

static_assert(std::is_trivially_destructible_v<Mot>);

// Whether an apostrophe after the word key elides it: "l'an", "d'été",
// "qu'il".
inline bool elision(std::string_view cle)
{
    if (cle.size() == 1)
        return cle[0] == 'l' || cle[0] == 'd' || cle[0] == 'j' || cle[0] == 'm' || cle[0] == 'n' ||
               cle[0] == 's' || cle[0] == 't' || cle[0] == 'c';
    return cle == "qu";
}

// FNV-1a of a key: what the vocabulary indexes its words by.
inline constexpr std::uint32_t debutHache = 2166136261u;
constexpr std::uint32_t hacheCle(std::string_view cle)
{
    std::uint32_t h = debutHache;
    for (const char c : cle)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

class Mots
{
public:
    explicit Mots(std::string_view texte);
    Mots(const Mots&) = delete;
    Mots& operator=(const Mots&) = delete;

    // The text is longer than longueurTexteMax, or has more than motsMax
    // words: it holds none.
    bool tropLong() const { return tropLong_; }
    std::size_t taille() const { return n_; }
    const Mot& operator[](std::size_t i) const { return mots()[i]; }
    // The key of word i, empty past the last.
    std::string_view cle(std::size_t i) const
    {
        return i < n_ ? mots()[i].cle : std::string_view();
    }
    // The bytes after word i, up to the next word or the end.
    std::string_view apres(std::size_t i) const { return i + 1 < n_ ? mots()[i + 1].avant : fin_; }
    // Words i to j (excluded) as written, with what lies between them.
    std::string_view ecrits(std::size_t i, std::size_t j) const;
    std::string_view texte() const { return texte_; }

private:
    const Mot* mots() const { return reinterpret_cast<const Mot*>(mots_); }

    std::string_view texte_;
    std::string_view fin_; // after the last word
    std::size_t n_ = 0;
    bool tropLong_ = false;
    // Each byte gives at most two key letters (æ, ß, œ). Written before being
    // read, as are the words: left uninitialised, so that a text costs what
    // its words cost, not what the room for them would.
    std::array<char, 2 * longueurTexteMax> cles_;
    alignas(Mot) unsigned char mots_[motsMax * sizeof(Mot)];
};

} // namespace chronastre::texte
