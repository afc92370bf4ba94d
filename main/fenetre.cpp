#include "main/fenetre.h"

#include <dlfcn.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace chronastre {

namespace {

// Folder of the running executable, with its trailing slash.
std::string dossierExecutable()
{
    std::string chemin(4096, '\0');
    const ssize_t taille = readlink("/proc/self/exe", chemin.data(), chemin.size());
    if (taille <= 0 || static_cast<std::size_t>(taille) >= chemin.size())
        return {};
    chemin.resize(static_cast<std::size_t>(taille));
    return chemin.substr(0, chemin.rfind('/') + 1);
}

} // namespace

int lancerFenetre(int argc, char** argv)
{
    // Beside the executable in the build tree; in the library folder of the
    // installed tree.
    const std::string dossier = dossierExecutable();
    const std::string candidats[] = {
        dossier + CHRONASTRE_MODULE_FENETRE,
        dossier + CHRONASTRE_DOSSIER_MODULE_INSTALLE "/" CHRONASTRE_MODULE_FENETRE,
    };
    std::string erreurs;
    for (const std::string& chemin : candidats) {
        void* module = dlopen(chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            erreurs += std::string("\n  ") + dlerror();
            continue;
        }
        using Lancer = int (*)(int, char**);
        auto lancer = reinterpret_cast<Lancer>(dlsym(module, "chronastre_lancerFenetre"));
        if (lancer == nullptr) {
            erreurs += std::string("\n  ") + chemin + " : point d'entrée absent";
            continue;
        }
        // The module stays loaded until the process ends: its settings are
        // flushed by its static destructors at exit.
        return lancer(argc, argv);
    }
    std::fprintf(stderr, "Chronastre : impossible de charger la fenêtre.%s\n", erreurs.c_str());
    return 1;
}

} // namespace chronastre
