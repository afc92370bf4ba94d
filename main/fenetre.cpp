#include "main/fenetre.h"

#include <dlfcn.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
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

// Whether the executable is the one of the build tree it was built in.
bool dansLArbreDeConstruction(const std::string& dossier)
{
    char construction[PATH_MAX];
    return realpath(CHRONASTRE_DOSSIER_CONSTRUCTION, construction) != nullptr &&
           dossier == std::string(construction) + '/';
}

} // namespace

int lancerFenetre(int argc, char** argv)
{
    // Beside the executable in the build tree; in the private library folder
    // of the installed tree, and only there: a file put beside an installed
    // executable is never loaded.
    const std::string dossier = dossierExecutable();
    const std::string chemin =
        dansLArbreDeConstruction(dossier)
            ? dossier + CHRONASTRE_MODULE_FENETRE
            : dossier + CHRONASTRE_DOSSIER_MODULE_INSTALLE "/" CHRONASTRE_MODULE_FENETRE;
    void* module = dlopen(chemin.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        std::fprintf(stderr, "Chronastre : impossible de charger la fenêtre.\n  %s\n", dlerror());
        return 1;
    }
    using Lancer = int (*)(int, char**);
    auto lancer = reinterpret_cast<Lancer>(dlsym(module, "chronastre_lancerFenetre"));
    if (lancer == nullptr) {
        std::fprintf(stderr,
                     "Chronastre : impossible de charger la fenêtre.\n  %s : point d'entrée "
                     "absent\n",
                     chemin.c_str());
        return 1;
    }
    // The module stays loaded until the process ends: its settings are
    // flushed by its static destructors at exit.
    return lancer(argc, argv);
}

} // namespace chronastre
