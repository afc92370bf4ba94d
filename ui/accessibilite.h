#pragma once

#include <QString>

#include <vector>

class QLabel;
class QObject;
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
// calendars by kind.
std::vector<QLabel*> resultatsFocalisables(const Ui::Chronastre& ui);

// Ties every caption of the form to the widget it captions: the label
// lbl_X becomes the buddy of the widget X beside it, which screen readers
// read as "labelled by". A value keeps its own text as its name, so that
// reading the window in order says each caption once, and a reader
// announces a result that takes the focus with its caption ("Calendrier
// hébreu : Yom sheni 1 Veadar 5784").
void lierLegendes(const Ui::Chronastre& ui);

// The date line has no caption on screen: its accessible name carries one
// ("Date : Lundi 11 Mars 2024  12:00:00"), from the text shown.
void nommerResultats(const Ui::Chronastre& ui);

// Whether Ctrl+V in champ, a field with the keyboard focus, pastes texte
// there: a number field takes a number it can hold, a text field what its
// validator allows (anything without one). Any other widget takes nothing.
bool accepteCollage(const QObject* champ, const QString& texte);

// The accessible name of a value shown beside caption: the caption without
// its trailing blanks, then the value.
QString nomAccessible(const QString& legende, const QString& valeur);
