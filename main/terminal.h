#pragma once

namespace chronastre {

// Whether the user's locale (LC_ALL, LC_CTYPE, LANG) encodes text as UTF-8.
// Loads the locale: call it only when the answer matters.
bool localeUtf8();

// Whether file descriptor fd is a terminal that reads UTF-8. The terminal is
// checked first, so that a pipe or a file costs one system call and no
// locale loading.
bool terminalUtf8(int fd);

} // namespace chronastre
