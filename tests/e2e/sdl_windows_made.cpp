// Preloaded into the program by a session (LD_PRELOAD): writes the title of every SDL window
// the program makes, one line each, to the file SDL_WINDOWS_MADE names, and makes it.
#include <SDL.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

extern "C" SDL_Window *SDL_CreateWindow(const char *title, int x, int y, int w, int h,
                                        Uint32 flags) {
    using Create = SDL_Window *(*)(const char *, int, int, int, int, Uint32);
    static const Create create = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "SDL_CreateWindow"));
    if (const char *path = std::getenv("SDL_WINDOWS_MADE")) {
        if (FILE *f = std::fopen(path, "a")) {
            std::fprintf(f, "%s\n", title ? title : "");
            std::fclose(f);
        }
    }
    return create ? create(title, x, y, w, h, flags) : nullptr;
}
