#pragma once

// Runs a program the way a shell does and captures what it writes.

#include <string>
#include <vector>

struct Resultat
{
    std::string sortie;
    std::string erreurs;
    int code = -1;
};

// entree is what the program reads on its standard input; environnement adds
// or replaces variables ("LC_ALL=C.UTF-8") in the environment it inherits, or
// removes them ("DISPLAY").
Resultat executer(const std::string& programme, const std::vector<std::string>& arguments,
                  const std::string& entree = {},
                  const std::vector<std::string>& environnement = {});

// The same with a pseudo-terminal as standard output (terminalEnSortie) or as
// standard input; what is written to the terminal comes back in sortie
// (without the carriage returns the terminal adds), entree is typed on it.
Resultat executerSurTerminal(const std::string& programme,
                             const std::vector<std::string>& arguments, bool terminalEnSortie,
                             const std::string& entree,
                             const std::vector<std::string>& environnement);
