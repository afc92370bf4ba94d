#include "executer.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

extern char** environ;

Resultat executer(const std::string& programme, const std::vector<std::string>& arguments)
{
    int sortie[2];
    int erreurs[2];
    if (pipe(sortie) != 0 || pipe(erreurs) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, sortie[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, erreurs[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, sortie[0]);
    posix_spawn_file_actions_addclose(&actions, erreurs[0]);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(programme.c_str()));
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int erreur =
        posix_spawn(&pid, programme.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(sortie[1]);
    close(erreurs[1]);
    if (erreur != 0)
        throw std::runtime_error("posix_spawn " + programme);

    Resultat resultat;
    pollfd fds[2] = {{sortie[0], POLLIN, 0}, {erreurs[0], POLLIN, 0}};
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
