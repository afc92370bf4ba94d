// Entry point of the window module, loaded by the executable only when it is
// started without arguments, so that the command line never loads Qt.

#include "ui/chronastre.h"
#include "ui/traductions.h"

#include <QApplication>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <utility>
#include <vector>

namespace {

// What Qt says while it connects to the display is held back: when it cannot
// connect, Qt ends with a fatal error and a core dump; the user gets one
// French line and the exit code 1 instead. When it can, its messages are
// given as they came.
std::vector<std::pair<QtMsgType, std::string>> retenus;

// Whether the environment names a display of that platform that exists: a
// Wayland socket (WAYLAND_DISPLAY, a path or a name in XDG_RUNTIME_DIR), an
// X server (DISPLAY: its local socket, or any remote one).
std::string affichageExistant(const std::string& plateforme)
{
    const auto variable = [](const char* nom) {
        const char* valeur = std::getenv(nom);
        return std::string(valeur != nullptr ? valeur : "");
    };
    struct stat etat
    {
    };
    if (plateforme.starts_with("wayland")) {
        const std::string nom = variable("WAYLAND_DISPLAY");
        if (nom.empty())
            return {};
        const std::string chemin =
            nom.starts_with('/') ? nom : variable("XDG_RUNTIME_DIR") + '/' + nom;
        if (stat(chemin.c_str(), &etat) == 0 && S_ISSOCK(etat.st_mode))
            return "Wayland, " + nom;
        return {};
    }
    if (plateforme == "xcb") {
        const std::string nom = variable("DISPLAY");
        if (nom.empty())
            return {};
        if (nom.starts_with(':')) {
            const std::string numero = nom.substr(1, nom.find('.') - 1);
            const std::string chemin = "/tmp/.X11-unix/X" + numero;
            if (stat(chemin.c_str(), &etat) != 0)
                return {};
        }
        return "X11, " + nom;
    }
    return {};
}

// The Debian package that brings a platform's plug-in.
std::string paquetDe(const std::string& plateforme)
{
    if (plateforme.starts_with("wayland"))
        return " (paquet qt6-wayland)";
    if (plateforme == "xcb")
        return " (paquet libqt6gui6)";
    return {};
}

// Why the window cannot open, from what Qt said of each platform it tried:
// "Could not find the Qt platform plugin "wayland"" when the plug-in is
// missing, "Could not load ... even though it was found" when it could not
// use the display.
std::string raisonSansFenetre()
{
    std::string essais;
    std::string affichage;
    for (const auto& [type, message] : retenus) {
        const std::size_t debut = message.find("platform plugin \"");
        if (debut == std::string::npos)
            continue;
        const std::size_t nom = debut + std::string_view("platform plugin \"").size();
        const std::string plateforme = message.substr(nom, message.find('"', nom) - nom);
        const std::string existant = affichageExistant(plateforme);
        if (existant.empty())
            continue;
        if (affichage.empty())
            affichage = existant;
        if (!essais.empty())
            essais += ", et ";
        essais += message.starts_with("Could not find")
                      ? "le greffon de la plateforme « " + plateforme + " » est absent" +
                            paquetDe(plateforme)
                      : "la plateforme « " + plateforme + " »" + paquetDe(plateforme) +
                            " n'a pas pu s'y connecter";
    }
    if (essais.empty())
        return "Chronastre : aucun affichage graphique n'est disponible pour ouvrir la fenêtre ; "
               "la ligne de commande reste utilisable (chronastre --help).\n";
    return "Chronastre : un affichage graphique existe (" + affichage +
           "), mais Qt ne peut pas s'en servir : " + essais +
           " ; la ligne de commande reste utilisable (chronastre --help).\n";
}

void pendantLeDemarrage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(raisonSansFenetre().c_str(), stderr);
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
