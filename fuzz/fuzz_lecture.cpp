// The reader of written dates fed any bytes: the first picks the calendar,
// the second the order of bare numbers and the GEDCOM options, the rest is
// the text. A date read exists in its calendar, and its literal form, as the
// program writes it, reads back to the same day; a GEDCOM value read has its
// first day before its last; a date of a region's documents names days of
// that region, and the quick reading of feast dates agrees with the grammar;
// no message carries a raw control, directional or malformed byte.

#include "engine/calendrier.h"
#include "texte/lecture.h"
#include "texte/lecturecivile.h"
#include "texte/raccourcicivil.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void sur(const std::string& message)
{
    if (chronastre::texte::montrer(message) != message)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    using namespace chronastre;
    if (taille < 2)
        return 0;
    const auto type = static_cast<TypeCalendrier>(donnees[0] % nombreCalendriers);
    const auto ordre = static_cast<texte::Ordre>(donnees[1] % 3);
    const std::string texte(reinterpret_cast<const char*>(donnees) + 2, taille - 2);

    const texte::Lecture lecture = texte::lireDateEcrite(type, texte, ordre);
    sur(lecture.erreur);
    sur(lecture.avertissement);
    if (lecture.erreur.empty()) {
        if (!existe(type, lecture.date))
            std::abort();
        const DateHeure d = Calendrier(type).versCalendrier(lecture.numeroJour);
        const std::string forme =
            texte::texteCalendrier(type, d, jourSemaine(lecture.numeroJour), false);
        const texte::Lecture relue = texte::lireDateEcrite(type, forme);
        // What the program writes, it reads (a day it cannot write aside, and
        // Roman numerals beyond a line).
        if (forme.size() < 4000 && !(type == HEBREU && d.annee() < 1) &&
            !(type == MAYA && d.nombreTzolkin() < 1) &&
            (!relue.erreur.empty() || relue.numeroJour != lecture.numeroJour))
            std::abort();
    }
    if (const auto trouve = texte::calendrierDuTexte(texte, type)) {
        if (*trouve < 0 || *trouve >= nombreCalendriers)
            std::abort();
    }

    // A date of a region's documents: its days exist there, in order; the
    // quick reading of feast dates gives what the grammar gives.
    const auto region = static_cast<Region>(donnees[0] % nombreRegions);
    const std::optional<Style> style =
        donnees[1] % 6 < 5 ? std::optional(static_cast<Style>(donnees[1] % 6)) : std::nullopt;
    const texte::ContexteCivil contexte(region, style);
    const texte::LectureCivile civile = texte::lireDateCivileGenerale(texte, contexte, ordre);
    sur(civile.erreur);
    sur(civile.avertissement);
    if (civile.erreur.empty()) {
        if (civile.nombre < 1 || civile.nombre > 2 ||
            (civile.nombre == 2 && civile.jours[0] >= civile.jours[1]))
            std::abort();
        for (int k = 0; k < civile.nombre; ++k) {
            if (!dateCivile(region, civile.jours[static_cast<std::size_t>(k)]))
                std::abort();
        }
    }
    if (texte::LectureCivile rapide; texte::lireFeteRapidement(texte, contexte, rapide)) {
        if (!civile.erreur.empty() || !civile.avertissement.empty() ||
            rapide.nombre != civile.nombre || rapide.jours[0] != civile.jours[0] ||
            (rapide.nombre == 2 && rapide.jours[1] != civile.jours[1]))
            std::abort();
    }

    texte::OptionsGedcom options;
    options.doublesJuliennes = (donnees[1] & 0x80) != 0;
    const texte::ValeurGedcom valeur = texte::lireValeurGedcom(texte, options);
    sur(valeur.erreur);
    if (valeur.erreur.empty()) {
        for (const auto& d : {valeur.premiere, valeur.seconde}) {
            if (d && texte::premierJour(*d) > texte::dernierJour(*d))
                std::abort();
        }
    }
    return 0;
}
