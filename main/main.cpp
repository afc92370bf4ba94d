// Chronastre: with no argument, the window; with arguments, one command of the
// command line, written to standard output in Latin-1 (UTF-8 for a terminal
// that reads UTF-8).

#include "main/fenetre.h"
#include "main/lignecommande.h"
#include "main/sortie.h"
#include "main/terminal.h"
#include "texte/ecriture.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

std::ptrdiff_t lireEntree(char* tampon, std::size_t taille)
{
    for (;;) {
        const ssize_t lus = read(STDIN_FILENO, tampon, taille);
        if (lus >= 0 || errno != EINTR)
            return lus;
    }
}

// Why standard output could not be written, in French.
std::string raisonSortie(int erreur)
{
    switch (erreur) {
    case ENOSPC:
    case EDQUOT:
        return "plus de place sur le disque";
    case EBADF:
        return "elle est fermée";
    case EFBIG:
        return "fichier trop grand";
    case EIO:
        return "erreur d'entrée-sortie";
    case EROFS:
        return "système de fichiers en lecture seule";
    default:
        return "erreur système " + std::to_string(erreur);
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
    int erreurSortie = 0;
    canaux.lire = lireEntree;
    // The error of the first write that failed is kept for the message.
    const auto ecrire = [&erreurSortie](std::string_view octets) {
        const int erreur = texte::ecrireTout(STDOUT_FILENO, octets);
        if (erreur != 0)
            erreurSortie = erreur;
        return erreur == 0;
    };
    canaux.ecrire = ecrire;
    canaux.signaler = [](std::string_view message) {
        // Messages are for a person: in the encoding of the user's locale,
        // which is read only when there is something to say.
        static const Encodage encodage = localeUtf8() ? Encodage::Utf8 : Encodage::Latin1;
        texte::ecrireTout(STDERR_FILENO, encoder(message, encodage) + '\n');
    };
    canaux.entreeTerminal = isatty(STDIN_FILENO) == 1; // the commands that read it say so
    canaux.sortieTerminal = isatty(STDOUT_FILENO) == 1;
    // A closed pipe downstream ends a batch with a failed write (exit code
    // 1), not with a signal.
    std::signal(SIGPIPE, SIG_IGN);

    const int code = executerCommande(arguments, canaux);
    // A standard output that cannot take the text (a full disk, a closed
    // descriptor) stops the program with the exit code 1 and a message; a
    // pipe closed by its reader (| head -1) is no news to the user.
    if (ecrire(sortie.octets()) && erreurSortie == 0)
        return code;
    if (erreurSortie != EPIPE)
        canaux.signaler("chronastre : la sortie standard ne peut pas être écrite (" +
                        raisonSortie(erreurSortie) + ").");
    return codeEchec;
}
