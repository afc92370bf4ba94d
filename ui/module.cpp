// Entry point of the window module, loaded by the executable only when it is
// started without arguments, so that the command line never loads Qt.

#include "ui/chronastre.h"
#include "ui/traductions.h"

#include <QApplication>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// What Qt says while it connects to the display is held back: when it cannot
// connect (no display in an SSH session or on a server), Qt ends with a fatal
// error and a core dump; the user gets one French line and the exit code 1
// instead. When it can, its messages are given as they came.
std::vector<std::pair<QtMsgType, std::string>> retenus;

void pendantLeDemarrage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs("Chronastre : aucun affichage graphique n'est disponible pour ouvrir la "
                   "fenêtre ; la ligne de commande reste utilisable (chronastre --help).\n",
                   stderr);
        std::_Exit(1);
    }
    retenus.emplace_back(type, message.toStdString());
}

void rendre()
{
    for (const auto& [type, message] : retenus) {
        switch (type) {
        case QtDebugMsg:
            qDebug("%s", message.c_str());
            break;
        case QtInfoMsg:
            qInfo("%s", message.c_str());
            break;
        case QtWarningMsg:
        case QtCriticalMsg:
        case QtFatalMsg:
            qWarning("%s", message.c_str());
            break;
        }
    }
    retenus.clear();
}

} // namespace

extern "C" Q_DECL_EXPORT int chronastre_lancerFenetre(int argc, char** argv)
{
    // The first text of the form makes Qt load the font configuration and
    // caches (several milliseconds), which a window without text never does
    // before it is shown. Load them on the other core while the application
    // connects to the display; fontconfig is thread-safe and keeps them.
    std::thread polices([] { FcInit(); });
    const QtMessageHandler precedent = qInstallMessageHandler(pendantLeDemarrage);
    QApplication application(argc, argv);
    qInstallMessageHandler(precedent);
    rendre();
    installerTraductionsQt(application);
    polices.join();
    Chronastre fenetre;
    fenetre.show();
    return application.exec();
}
