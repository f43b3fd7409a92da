#define SDL_MAIN_HANDLED

#include "platform/win32.h"

#include <string>

// The program's own entry point is WinMain; this hands it what Windows' start-up code would.
int main(int argc, char **argv) {
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            command_line += ' ';
        command_line += argv[i];
    }
    return WinMain(GetModuleHandleA(NULL), NULL, &command_line[0], SW_SHOWDEFAULT);
}
