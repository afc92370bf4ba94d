// Entry point of the window module, loaded by the executable only when it is
// started without arguments, so that the command line never loads Qt.

#include "ui/chronastre.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT int chronastre_lancerFenetre(int argc, char** argv)
{
    QApplication application(argc, argv);
    Chronastre fenetre;
    fenetre.show();
    return application.exec();
}
