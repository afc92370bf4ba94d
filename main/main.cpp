// Chronastre: with no argument, the window; with arguments, one command of the
// command line, written to standard output in Latin-1 (UTF-8 for a terminal
// that reads UTF-8).

#include "main/fenetre.h"
#include "main/lignecommande.h"
#include "main/sortie.h"
#include "main/terminal.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

// The whole block, through interruptions and short writes.
bool ecrireTout(int fd, std::string_view octets)
{
    while (!octets.empty()) {
        const ssize_t ecrits = write(fd, octets.data(), octets.size());
        if (ecrits < 0 && errno == EINTR)
            continue;
        if (ecrits <= 0)
            return false;
        octets.remove_prefix(static_cast<std::size_t>(ecrits));
    }
    return true;
}

std::ptrdiff_t lireEntree(char* tampon, std::size_t taille)
{
    for (;;) {
        const ssize_t lus = read(STDIN_FILENO, tampon, taille);
        if (lus >= 0 || errno != EINTR)
            return lus;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc <= 1)
        return chronastre::lancerFenetre(argc, argv);

    using namespace chronastre;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    Sortie sortie(terminalUtf8(STDOUT_FILENO) ? Encodage::Utf8 : Encodage::Latin1);

    Canaux canaux{sortie};
    canaux.lire = lireEntree;
    canaux.ecrire = [](std::string_view octets) {
        return ecrireTout(STDOUT_FILENO, octets);
    };
    canaux.signaler = [](std::string_view message) {
        // Messages are for a person: in the encoding of the user's locale,
        // which is read only when there is something to say.
        static const Encodage encodage = localeUtf8() ? Encodage::Utf8 : Encodage::Latin1;
        ecrireTout(STDERR_FILENO, encoder(message, encodage) + '\n');
    };
    canaux.entreeTerminal = argc == 3 && isatty(STDIN_FILENO) == 1; // a batch only
    // A closed pipe downstream ends a batch with a failed write (exit code
    // 1), not with a signal.
    std::signal(SIGPIPE, SIG_IGN);

    const int code = executerCommande(arguments, canaux);
    // A standard output that cannot take the text (a full disk, a closed
    // pipe) is reported by the exit code.
    const bool ecrit = ecrireTout(STDOUT_FILENO, sortie.octets());
    return ecrit ? code : 1;
}
