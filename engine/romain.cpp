#include "engine/romain.h"

#include "engine/arithmetique.h"
#include "names/noms.h"

#include <array>
#include <string_view>
#include <utility>

namespace chronastre {

namespace {

constexpr std::array<std::pair<std::string_view, std::int64_t>, 13> tableChiffresRomains = {{
    {"M", 1000},
    {"CM", 900},
    {"D", 500},
    {"CD", 400},
    {"C", 100},
    {"XC", 90},
    {"L", 50},
    {"XL", 40},
    {"X", 10},
    {"IX", 9},
    {"V", 5},
    {"IV", 4},
    {"I", 1},
}};

} // namespace

std::string chiffresRomains(std::int32_t n)
{
    // The magnitude in 64 bits: the most negative 32-bit value has no 32-bit
    // opposite.
    std::int64_t reste = n < 0 ? -static_cast<std::int64_t>(n) : n;
    if (reste == 0)
        return "0";
    std::string texte = n < 0 ? "-" : "";
    texte.reserve(static_cast<std::size_t>(reste / 1000) + 16);
    for (const auto& [symbole, valeur] : tableChiffresRomains) {
        for (; reste >= valeur; reste -= valeur)
            texte += symbole;
    }
    return texte;
}

std::string nommerJourRomain(const DateHeure& date, bool bissextile)
{
    const std::int64_t mois = floorMod(date.mois() - 1, 12) + 1;
    const std::int64_t jour = date.jour();
    const auto indice = static_cast<std::size_t>(mois - 1);
    const auto suivant = static_cast<std::size_t>(mois % 12);

    // March, May, July and October have their Nones on the 7th and their Ides
    // on the 15th; the other months on the 5th and the 13th.
    const bool nonesTardives = mois == 3 || mois == 5 || mois == 7 || mois == 10;
    const std::int64_t nones = nonesTardives ? 7 : 5;
    const std::int64_t ides = nonesTardives ? 15 : 13;

    std::string texte = "Ante diem ";
    std::string_view reference;
    std::string moisLatin(noms::moisLatins[indice]);
    // Counts and years are 64-bit; their numerals are written for the 32-bit
    // range, which holds every day of a month and every year of the window.
    std::int64_t compte = 0;

    if (jour == 1) {
        reference = "Kalendis";
        moisLatin += noms::ablatifsLatins[indice];
        texte.clear();
    } else if (jour >= 2 && jour < nones) {
        reference = "Nonas";
        compte = nones + 1 - jour;
        moisLatin += noms::accusatifsLatins[indice];
    } else if (jour == nones) {
        reference = "Nonis";
        moisLatin += noms::ablatifsLatins[indice];
        texte.clear();
    } else if (jour > nones && jour < ides) {
        reference = "Idus";
        compte = ides + 1 - jour;
        moisLatin += noms::accusatifsLatins[indice];
    } else if (jour == ides) {
        reference = "Idibus";
        moisLatin += noms::ablatifsLatins[indice];
        texte.clear();
    } else if (jour > ides) {
        // Counted back from the Kalends of the next month, that day included.
        reference = "Kalendas";
        compte = joursMoisJulien(mois, bissextile) + 2 - jour;
        moisLatin =
            std::string(noms::moisLatins[suivant]) + std::string(noms::accusatifsLatins[suivant]);
    }

    if (!texte.empty()) {
        if (compte == 2) {
            texte = "Pridie ";
        } else {
            // The leap day doubles the sixth day before the Kalends of March
            // (bis sextus): the days before it keep their common-year count.
            if (mois == 2 && bissextile && reference == "Kalendas") {
                if (compte == 6)
                    texte += "bis ";
                else if (compte >= 7)
                    --compte;
            }
            texte += chiffresRomains(sature32(compte));
            texte += ' ';
        }
    }
    texte += reference;
    texte += ' ';
    texte += moisLatin;
    texte += ' ';
    texte += chiffresRomains(sature32(date.annee()));
    texte += " (";
    texte += std::to_string(date.annee());
    texte += ')';
    return texte;
}

} // namespace chronastre
