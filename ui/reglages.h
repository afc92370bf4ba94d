#pragma once

#include "engine/reforme.h"

#include <QSettings>

// The two preferences kept between runs: which panel of calendars is shown
// and whether results are literal. Read when the window is built, written
// when it is destroyed.
inline constexpr const char* cleTypeCalendrier = "typeCalendrier";
inline constexpr const char* cleAffichageLitteral = "affichageLitteral";
// The region whose reform the civil date follows, by its keyword ("FRANCE"),
// kept once a region other than Rome has been chosen.
inline constexpr const char* cleRegion = "region";

// The per-user store (organisation Orvendel, application Chronastre), built
// on first use and kept until the process ends.
QSettings& reglages();

// The values a first start uses.
inline constexpr int panneauParDefaut = 2; // the Gregorian calendars
inline constexpr bool affichageLitteralParDefaut = true;

// The stored panel when it is a whole number from 0 to nombre - 1. A value
// out of that range or not a number gives the first start's, stored back at
// once; a missing one gives it too.
int lirePanneau(QSettings& preferences, int nombre);

// The stored display mode when it is a boolean (true or false); any other
// value gives the first start's, stored back at once.
bool lireAffichageLitteral(QSettings& preferences);

// The stored region when it is a region's keyword; any other value gives
// Rome's, stored back at once; a missing one gives it too.
chronastre::Region lireRegion(QSettings& preferences);
