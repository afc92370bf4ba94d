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

Resultat executer(const std::string& programme, const std::vector<std::string>& arguments);
