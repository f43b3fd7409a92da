#include "platform/sdl/layer.h"

// Windows' display counter: the cursor shows while the count is 0 or more.
int WINAPI ShowCursor(BOOL bShow) {
    int &count = zelmvik::layer().cursor_count;
    count += bShow ? 1 : -1;
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(count >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return count;
}
