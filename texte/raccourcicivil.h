#pragma once

#include "texte/lecturecivile.h"

#include <string_view>

// A quick reading of the feast dates that registers and charters hold most:
// "la Toussaint 1350", "la veille de la Toussaint 1350", "le lendemain de
// l'Ascension 1422", "le jeudi après la Saint-Martin d'hiver 1350", "le lundi
// de Pâques 1282", "le 3e jour après la Saint-Michel 1600": words of Latin-1
// letters, a year in figures at the end. It is the general reader's grammar
// for these forms (the articles it skips, the relation, the longest feast
// name, the year), read without building the words and their readings: a
// test proves it gives what lireDateCivile's grammar gives. Any other text,
// or a form that names no day, gives false and goes to the grammar.
namespace chronastre::texte {

bool lireFeteRapidement(std::string_view texte, const ContexteCivil& contexte, LectureCivile& lue);

} // namespace chronastre::texte
