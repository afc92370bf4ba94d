#include "main/terminal.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <unistd.h>

namespace chronastre {

bool localeUtf8()
{
    if (std::setlocale(LC_CTYPE, "") == nullptr)
        return false;
    const char* jeu = nl_langinfo(CODESET);
    return jeu != nullptr && std::strcmp(jeu, "UTF-8") == 0;
}

bool terminalUtf8(int fd)
{
    return isatty(fd) == 1 && localeUtf8();
}

} // namespace chronastre
