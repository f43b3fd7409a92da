// The layer's windows: the class table, the window table with their device contexts, a
// window's end, its frame, and the SDL window behind it.
#pragma once

#include "platform/sdl/layer.h"

namespace zelmvik {

const WindowClass *find_class(LPCSTR name, HINSTANCE instance, std::string *key);
Window *find_window(HWND hwnd);
Window *window_of_dc(HDC hdc);
Window *window_of_sdl_id(Uint32 id);

// The end of a window, however it comes: DestroyWindow (WM_DESTROY, then WM_NCDESTROY), a
// procedure that refuses the window as it is made (WM_NCDESTROY alone where it refused
// WM_NCCREATE), or the end of the process (no message: the program has returned). The window
// goes from the tables with whatever refers to it (its device context, its fonts' selection,
// its posted messages), its SDL window with it.
enum class WindowEnd { refused_at_nccreate, destroyed, with_the_process };
void end_window(HWND hwnd, WindowEnd how);

// Windows' frame for a style: how far the outer rectangle reaches beyond the client area.
RECT frame_for_style(DWORD style, BOOL menu, DWORD ex_style);

// Makes the SDL window behind w from its title, place, size, style and state: an OpenGL one
// for `format` where given (noting in w.actual_format what its visual really has), a plain
// one otherwise (which one with a format then replaces, as X11 fixes a window's visual when
// it is made). False, with SDL's reason reported and w unchanged, when SDL refuses.
bool make_sdl_window(Window &w, const PixelFormat *format);

// Screen saver inhibited while any shown window refuses it.
void update_screensaver();

} // namespace zelmvik
