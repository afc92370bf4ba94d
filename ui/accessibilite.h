#pragma once

#include <QString>

#include <vector>

class QLabel;
class QWidget;

namespace Ui {
class Chronastre;
}

// What screen readers and keyboard users get of the main window, without
// moving or adding a widget.

// The window's widgets as the eye reads them, top to bottom and left to
// right: each group's or panel's widgets in place of the group, which comes
// first. Screen readers follow this order once ordonnerLecture has run.
std::vector<QWidget*> ordreDeLecture(const Ui::Chronastre& ui);

// Orders the children of every container as ordreDeLecture reads them (the
// accessibility tree lists children in that order) and makes the Tab chain
// follow it.
void ordonnerLecture(const Ui::Chronastre& ui);

// The result labels that take the keyboard focus (Tab, arrows), each with its
// neighbours: the date line, the Julian Day and the day of the year, then the
// nineteen calendars by kind.
std::vector<QLabel*> resultatsFocalisables(const Ui::Chronastre& ui);

// Gives each result label an accessible name that carries its caption
// ("Calendrier hébreu : Yom sheni 1 Veadar 5784"), from the texts shown.
void nommerResultats(const Ui::Chronastre& ui);

// The accessible name of a value shown beside caption: the caption without
// its trailing blanks, then the value.
QString nomAccessible(const QString& legende, const QString& valeur);
