#pragma once

#include <QString>

namespace Ui {
class Chronastre;
}

// The text report: the 36 lines of what the window shows, each result after
// the caption of its label, in the layout of the panels. Every line ends with
// "\n".
// region: line 2, which says the region whose reform the date follows when
// it is not Rome's (empty otherwise).
QString texteRapport(const Ui::Chronastre& ui, const QString& region = {});

// Writes texte as UTF-8 to chemin. A regular file is replaced atomically, so
// a failed or interrupted save leaves an existing file as it was. On failure
// returns false and, if raison is given, says why in French.
bool ecrireRapport(const QString& chemin, const QString& texte, QString* raison);
