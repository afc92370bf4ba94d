#pragma once

#include <cerrno>
#include <cstddef>
#include <string_view>
#include <unistd.h>

namespace chronastre::texte {

// Writes all of octets to fd, through interruptions and short writes: 0, or
// the error number of the write that failed (EIO when it wrote nothing),
// read right after it.
inline int ecrireTout(int fd, std::string_view octets)
{
    while (!octets.empty()) {
        const ssize_t ecrits = ::write(fd, octets.data(), octets.size());
        if (ecrits < 0 && errno == EINTR)
            continue;
        if (ecrits <= 0)
            return ecrits < 0 ? errno : EIO;
        octets.remove_prefix(static_cast<std::size_t>(ecrits));
    }
    return 0;
}

} // namespace chronastre::texte
