#pragma once

#include "engine/typecalendrier.h"

#include <array>

class QLabel;

namespace Ui {
class Chronastre;
}

// The nineteen calendar result labels of the form, by kind.
std::array<QLabel*, chronastre::nombreCalendriers> etiquettesCalendriers(const Ui::Chronastre& ui);

// The caption of a result label: the label beside it named lbl_ and its name.
const QLabel* legende(const QLabel* valeur);
