#define SDL_MAIN_HANDLED

#include "platform/win32.h"

#include <malloc.h>
#include <string>

// The program's own entry point is WinMain; this hands it what Windows' start-up code would.
int main(int argc, char **argv) {
    // llvmpipe takes a couple of MiB in 64 KiB blocks for every frame and frees them at its
    // end. Where they lie at the top of the heap, glibc gives them back to the kernel and
    // gets them again, freshly zeroed, for the next frame: a quarter of a core at 60 frames
    // per second, in about one start in seven. Spare room at the top keeps them.
    mallopt(M_TOP_PAD, 4 << 20);
    std::string command_line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            command_line += ' ';
        command_line += argv[i];
    }
    return WinMain(GetModuleHandleA(NULL), NULL, &command_line[0], SW_SHOWDEFAULT);
}
