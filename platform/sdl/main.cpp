#define SDL_MAIN_HANDLED

#include "platform/command_line/command_line.h"
#include "platform/windows_names.h"

#include <cstdio>
#include <string>

// The program's own entry point is WinMain; this hands it what Windows' start-up code would,
// once the command line has asked for nothing else. (The Windows build has no such door: its
// WinMain ignores its command line.)
int main(int argc, char **argv) {
    using zelmvik::command_line::Asked;
    std::string what;
    switch (zelmvik::command_line::read(argc, argv, &what)) {
    case Asked::help:
        std::fputs(zelmvik::command_line::help_text().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case Asked::version:
        std::fputs(zelmvik::command_line::version_text().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case Asked::wrong:
        std::fprintf(stderr, "zelmvik: %s '%s': the program takes no arguments (zelmvik --help)\n",
                     what.compare(0, 1, "-") == 0 ? "unknown option" : "unexpected argument",
                     what.c_str());
        return 2;
    case Asked::run:
        break;
    }
    std::string command_line;
    return WinMain(GetModuleHandleA(NULL), NULL, &command_line[0], SW_SHOWDEFAULT);
}
