#pragma once

class QCoreApplication;

// Loads Qt's own French texts (qtbase_fr from Qt's translations folder) for
// its standard dialogs and buttons: "Annuler", "Enregistrer", the save
// dialog's overwrite question. The program's own texts are French as written
// and are not in that catalogue. Returns whether it was found.
bool installerTraductionsQt(QCoreApplication& application);
