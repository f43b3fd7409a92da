#include "platform/command_line/command_line.h"

#include <cstring>

namespace zelmvik::command_line {

Asked read(int argc, const char *const *argv, std::string *what) {
    if (argc < 2)
        return Asked::run;
    if (std::strcmp(argv[1], "--help") == 0)
        return Asked::help;
    if (std::strcmp(argv[1], "--version") == 0)
        return Asked::version;
    *what = argv[1];
    return Asked::wrong;
}

std::string help_text() {
    return "Usage: zelmvik [--help | --version]\n"
           "Asks a Yes/No question, then shows one line of animated text: fullscreen at\n"
           "640x480 for Yes, in a 640x480 window for No. Esc ends it, F1 switches between\n"
           "fullscreen and the window. See zelmvik(6).\n";
}

std::string version_text() {
    return "zelmvik " ZELMVIK_VERSION "\n";
}

} // namespace zelmvik::command_line
