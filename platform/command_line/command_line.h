// What a command line asks of the native program before it starts. The program itself takes
// no arguments; a Linux program answers --help and --version without a display.
#pragma once

#include <string>

namespace zelmvik::command_line {

enum class Asked { run, help, version, wrong };

// What argv asks; for `wrong`, the argument that is not understood in `what`.
Asked read(int argc, const char *const *argv, std::string *what);

// The texts printed for --help and --version, each ending in a line feed.
std::string help_text();
std::string version_text();

} // namespace zelmvik::command_line
