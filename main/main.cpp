// Chronastre: with no argument, the window; with arguments, one command of the
// command line, written to standard output in Latin-1.

#include "main/fenetre.h"
#include "main/lignecommande.h"
#include "main/sortie.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    if (argc <= 1)
        return chronastre::lancerFenetre(argc, argv);

    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    chronastre::Sortie sortie;
    const int code = chronastre::executerCommande(arguments, sortie);
    // Every command succeeds; a standard output that cannot take the text (a
    // full disk, a closed pipe) is the one failure reported, by the exit code.
    std::fwrite(sortie.octets().data(), 1, sortie.octets().size(), stdout);
    const bool ecrit = std::fflush(stdout) == 0 && !std::ferror(stdout);
    return ecrit ? code : 1;
}
