#pragma once

#include <QSettings>

// The two preferences kept between runs: which panel of calendars is shown
// and whether results are literal. Read when the window is built, written
// when it is destroyed.
inline constexpr const char* cleTypeCalendrier = "typeCalendrier";
inline constexpr const char* cleAffichageLitteral = "affichageLitteral";

// The per-user store (organisation Orvendel, application Chronastre), built
// on first use and kept until the process ends.
QSettings& reglages();
