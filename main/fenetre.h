#pragma once

namespace chronastre {

// Opens the window: loads the window module (the only part of the program
// that uses Qt) and runs its event loop. Returns the loop's exit code, or 1
// with a message on standard error when the module cannot be loaded.
int lancerFenetre(int argc, char** argv);

} // namespace chronastre
