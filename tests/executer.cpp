#include "executer.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

extern char** environ;

namespace {

// The inherited environment with the given variables added or replaced
// ("NAME=value"), or removed ("NAME").
std::vector<std::string> environnementAvec(const std::vector<std::string>& ajouts)
{
    const auto nom = [](const std::string& v) {
        return v.substr(0, v.find('='));
    };
    std::vector<std::string> variables;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string variable(*e);
        bool remplacee = false;
        for (const std::string& a : ajouts)
            remplacee = remplacee || nom(variable) == nom(a);
        if (!remplacee)
            variables.push_back(variable);
    }
    for (const std::string& a : ajouts) {
        if (a.find('=') != std::string::npos)
            variables.push_back(a);
    }
    return variables;
}

std::vector<char*> pointeurs(std::vector<std::string>& textes)
{
    std::vector<char*> p;
    for (std::string& t : textes)
        p.push_back(t.data());
    p.push_back(nullptr);
    return p;
}

// A file holding entree, open for reading from its start.
int fichierEntree(const std::string& entree)
{
    FILE* f = std::tmpfile();
    if (f == nullptr || std::fwrite(entree.data(), 1, entree.size(), f) != entree.size() ||
        std::fflush(f) != 0)
        throw std::runtime_error("tmpfile");
    const int fd = dup(fileno(f));
    std::fclose(f);
    lseek(fd, 0, SEEK_SET);
    return fd;
}

// Starts the program with the file descriptors given as its standard input,
// output and error.
pid_t lancer(const std::string& programme, const std::vector<std::string>& arguments,
             const std::vector<std::string>& environnement, int entree, int sortie, int erreurs,
             const std::vector<int>& aFermer)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, entree, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, sortie, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, erreurs, STDERR_FILENO);
    for (const int fd : aFermer)
        posix_spawn_file_actions_addclose(&actions, fd);

    std::vector<std::string> argv = {programme};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = environnementAvec(environnement);
    pid_t pid = 0;
    const int erreur = posix_spawn(&pid, programme.c_str(), &actions, nullptr,
                                   pointeurs(argv).data(), pointeurs(envp).data());
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0)
        throw std::runtime_error("posix_spawn " + programme);
    return pid;
}

// Reads both descriptors to their end (EOF, or EIO for a terminal whose
// other side has closed), then waits for the program.
Resultat recueillir(pid_t pid, int sortie, int erreurs)
{
    Resultat resultat;
    pollfd fds[2] = {{sortie, POLLIN, 0}, {erreurs, POLLIN, 0}};
    std::string* tampons[2] = {&resultat.sortie, &resultat.erreurs};
    int ouverts = 2;
    while (ouverts > 0) {
        if (poll(fds, 2, -1) < 0)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char tampon[4096];
            const ssize_t lus = read(fds[i].fd, tampon, sizeof tampon);
            if (lus <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --ouverts;
            } else {
                tampons[i]->append(tampon, static_cast<std::size_t>(lus));
            }
        }
    }
    int statut = 0;
    waitpid(pid, &statut, 0);
    resultat.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
    return resultat;
}

} // namespace

Resultat executer(const std::string& programme, const std::vector<std::string>& arguments,
                  const std::string& entree, const std::vector<std::string>& environnement)
{
    int sortie[2];
    int erreurs[2];
    if (pipe(sortie) != 0 || pipe(erreurs) != 0)
        throw std::runtime_error("pipe");
    const int fichier = fichierEntree(entree);
    const pid_t pid = lancer(programme, arguments, environnement, fichier, sortie[1], erreurs[1],
                             {sortie[0], erreurs[0]});
    close(fichier);
    close(sortie[1]);
    close(erreurs[1]);
    return recueillir(pid, sortie[0], erreurs[0]);
}

Resultat executerSurTerminal(const std::string& programme,
                             const std::vector<std::string>& arguments, bool terminalEnSortie,
                             const std::string& entree,
                             const std::vector<std::string>& environnement)
{
    int maitre = -1;
    int esclave = -1;
    if (openpty(&maitre, &esclave, nullptr, nullptr, nullptr) != 0)
        throw std::runtime_error("openpty");
    int sortie[2];
    int erreurs[2];
    if (pipe(sortie) != 0 || pipe(erreurs) != 0)
        throw std::runtime_error("pipe");
    Resultat resultat;
    if (terminalEnSortie) {
        const int fichier = fichierEntree(entree);
        const pid_t pid = lancer(programme, arguments, environnement, fichier, esclave, erreurs[1],
                                 {maitre, sortie[0], sortie[1], erreurs[0]});
        close(fichier);
        close(esclave);
        close(sortie[0]);
        close(sortie[1]);
        close(erreurs[1]);
        resultat = recueillir(pid, maitre, erreurs[0]);
        std::string sansRetours;
        for (const char c : resultat.sortie) {
            if (c != '\r')
                sansRetours += c;
        }
        resultat.sortie = sansRetours;
    } else {
        const pid_t pid = lancer(programme, arguments, environnement, esclave, sortie[1],
                                 erreurs[1], {maitre, sortie[0], erreurs[0]});
        close(esclave);
        close(sortie[1]);
        close(erreurs[1]);
        // Typed on the terminal; what the terminal echoes is not read.
        if (write(maitre, entree.data(), entree.size()) != static_cast<ssize_t>(entree.size()))
            throw std::runtime_error("write");
        resultat = recueillir(pid, sortie[0], erreurs[0]);
        close(maitre);
    }
    return resultat;
}
