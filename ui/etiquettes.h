#pragma once

#include "engine/typecalendrier.h"

#include <array>

class QFrame;
class QLabel;

namespace Ui {
class Chronastre;
}

// The calendar result labels of the form, by kind.
std::array<QLabel*, chronastre::nombreCalendriers> etiquettesCalendriers(const Ui::Chronastre& ui);

// The caption of a result label: the label beside it named lbl_ and its name.
QLabel* legende(const QLabel* valeur);

// The eight panels of calendars, in the order of the list that chooses them:
// the calendars in use today last.
std::array<QFrame*, 8> panneaux(const Ui::Chronastre& ui);
