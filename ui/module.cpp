// Entry point of the window module, loaded by the executable only when it is
// started without arguments, so that the command line never loads Qt.

#include "ui/chronastre.h"
#include "ui/traductions.h"

#include <QApplication>

#include <fontconfig/fontconfig.h>

#include <thread>

extern "C" Q_DECL_EXPORT int chronastre_lancerFenetre(int argc, char** argv)
{
    // The first text of the form makes Qt load the font configuration and
    // caches (several milliseconds), which a window without text never does
    // before it is shown. Load them on the other core while the application
    // connects to the display; fontconfig is thread-safe and keeps them.
    std::thread polices([] { FcInit(); });
    QApplication application(argc, argv);
    installerTraductionsQt(application);
    polices.join();
    Chronastre fenetre;
    fenetre.show();
    return application.exec();
}
