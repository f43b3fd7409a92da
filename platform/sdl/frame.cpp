#include "platform/sdl/layer.h"
#include "platform/sdl/windows.h"
#include "platform/windows_names.h"

// Nominal frame sizes of Windows 10 at 96 dpi. The window manager draws its own frame
// outside our client area; these only keep the program's arithmetic what it is on Windows.
static const LONG size_frame = 8; // SM_CXSIZEFRAME + SM_CXPADDEDBORDER
static const LONG dialog_frame = 3;
static const LONG border = 1;
static const LONG caption = 23; // SM_CYCAPTION
static const LONG menu_bar = 19;

namespace zelmvik {

RECT frame_for_style(DWORD style, BOOL menu, DWORD) {
    LONG side = 0;
    if (style & WS_THICKFRAME)
        side = size_frame;
    else if (style & WS_DLGFRAME)
        side = dialog_frame;
    else if (style & WS_BORDER)
        side = border;
    RECT r = {-side, -side, side, side};
    if ((style & WS_CAPTION) == WS_CAPTION)
        r.top -= caption;
    if (menu)
        r.top -= menu_bar;
    return r;
}

} // namespace zelmvik

BOOL WINAPI AdjustWindowRectEx(LPRECT lpRect, DWORD dwStyle, BOOL bMenu, DWORD dwExStyle) {
    if (!lpRect)
        return FALSE;
    RECT f = zelmvik::frame_for_style(dwStyle, bMenu, dwExStyle);
    lpRect->left += f.left;
    lpRect->top += f.top;
    lpRect->right += f.right;
    lpRect->bottom += f.bottom;
    return TRUE;
}
