#include "platform/sdl/layer.h"
#include "platform/x11/lost_display.h"

#include <cstdio>

using namespace zelmvik;

namespace {

struct Button {
    const char *text;
    int id;
};

// The buttons of each MB_ type, left to right; the first answers Return. Esc answers `escape`.
struct ButtonSet {
    Button buttons[3];
    int count;
    int escape;
};

const ButtonSet button_sets[] = {
    {{{"OK", IDOK}}, 1, IDOK},                                           // MB_OK
    {{{"OK", IDOK}, {"Cancel", IDCANCEL}}, 2, IDCANCEL},                 // MB_OKCANCEL
    {{{"Abort", 3}, {"Retry", 4}, {"Ignore", 5}}, 3, 0},                 // MB_ABORTRETRYIGNORE
    {{{"Yes", IDYES}, {"No", IDNO}, {"Cancel", IDCANCEL}}, 3, IDCANCEL}, // MB_YESNOCANCEL
    {{{"Yes", IDYES}, {"No", IDNO}}, 2, IDNO},                           // MB_YESNO
    {{{"Retry", 4}, {"Cancel", IDCANCEL}}, 2, IDCANCEL},                 // MB_RETRYCANCEL
};

Uint32 icon_flags(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONHAND:
        return SDL_MESSAGEBOX_ERROR;
    case MB_ICONEXCLAMATION:
        return SDL_MESSAGEBOX_WARNING;
    case MB_ICONQUESTION:
    case MB_ICONASTERISK:
        return SDL_MESSAGEBOX_INFORMATION;
    }
    return 0;
}

} // namespace

// Modal, with no owner: the layer's windows wait behind it. Without a display the question
// goes to standard error and the default button answers it.
int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    (void)hWnd;
    UINT kind = uType & 0x0F;
    if (kind >= sizeof button_sets / sizeof button_sets[0])
        return 0;
    const ButtonSet &set = button_sets[kind];
    std::string text = cp1252_to_utf8(lpText ? lpText : "");
    std::string caption = cp1252_to_utf8(lpCaption ? lpCaption : "Error");

    SDL_MessageBoxButtonData buttons[3] = {};
    for (int i = 0; i < set.count; ++i) {
        buttons[i].buttonid = set.buttons[i].id;
        buttons[i].text = set.buttons[i].text;
        if (i == 0)
            buttons[i].flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (set.buttons[i].id == set.escape)
            buttons[i].flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    }
    SDL_MessageBoxData data = {};
    data.flags = icon_flags(uType);
    data.title = caption.c_str();
    data.message = text.c_str();
    data.numbuttons = set.count;
    data.buttons = buttons;

    int answer = -1;
    end_process_on_lost_display(); // the box has a connection of its own
    if (SDL_ShowMessageBox(&data, &answer) != 0) {
        std::fprintf(stderr, "%s\n%s\n", caption.c_str(), text.c_str());
        return set.buttons[0].id;
    }
    if (answer < 0) // closed by the window manager: as if Esc
        return set.escape ? set.escape : set.buttons[0].id;
    return answer;
}
