#include "platform/sdl/keys.h"
#include "platform/windows_names.h"

namespace {

struct Key {
    SDL_Keycode sdl;
    BYTE vk;
    BYTE scan;     // scan code set 1, as Windows reports it
    bool extended; // the E0-prefixed keys
};

const Key keys[] = {
    {SDLK_ESCAPE, VK_ESCAPE, 0x01, false},
    {SDLK_1, '1', 0x02, false},
    {SDLK_2, '2', 0x03, false},
    {SDLK_3, '3', 0x04, false},
    {SDLK_4, '4', 0x05, false},
    {SDLK_5, '5', 0x06, false},
    {SDLK_6, '6', 0x07, false},
    {SDLK_7, '7', 0x08, false},
    {SDLK_8, '8', 0x09, false},
    {SDLK_9, '9', 0x0A, false},
    {SDLK_0, '0', 0x0B, false},
    {SDLK_MINUS, VK_OEM_MINUS, 0x0C, false},
    {SDLK_EQUALS, VK_OEM_PLUS, 0x0D, false},
    {SDLK_BACKSPACE, VK_BACK, 0x0E, false},
    {SDLK_TAB, VK_TAB, 0x0F, false},
    {SDLK_q, 'Q', 0x10, false},
    {SDLK_w, 'W', 0x11, false},
    {SDLK_e, 'E', 0x12, false},
    {SDLK_r, 'R', 0x13, false},
    {SDLK_t, 'T', 0x14, false},
    {SDLK_y, 'Y', 0x15, false},
    {SDLK_u, 'U', 0x16, false},
    {SDLK_i, 'I', 0x17, false},
    {SDLK_o, 'O', 0x18, false},
    {SDLK_p, 'P', 0x19, false},
    {SDLK_LEFTBRACKET, VK_OEM_4, 0x1A, false},
    {SDLK_RIGHTBRACKET, VK_OEM_6, 0x1B, false},
    {SDLK_RETURN, VK_RETURN, 0x1C, false},
    {SDLK_LCTRL, VK_CONTROL, 0x1D, false},
    {SDLK_a, 'A', 0x1E, false},
    {SDLK_s, 'S', 0x1F, false},
    {SDLK_d, 'D', 0x20, false},
    {SDLK_f, 'F', 0x21, false},
    {SDLK_g, 'G', 0x22, false},
    {SDLK_h, 'H', 0x23, false},
    {SDLK_j, 'J', 0x24, false},
    {SDLK_k, 'K', 0x25, false},
    {SDLK_l, 'L', 0x26, false},
    {SDLK_SEMICOLON, VK_OEM_1, 0x27, false},
    {SDLK_QUOTE, VK_OEM_7, 0x28, false},
    {SDLK_BACKQUOTE, VK_OEM_3, 0x29, false},
    {SDLK_LSHIFT, VK_SHIFT, 0x2A, false},
    {SDLK_BACKSLASH, VK_OEM_5, 0x2B, false},
    {SDLK_z, 'Z', 0x2C, false},
    {SDLK_x, 'X', 0x2D, false},
    {SDLK_c, 'C', 0x2E, false},
    {SDLK_v, 'V', 0x2F, false},
    {SDLK_b, 'B', 0x30, false},
    {SDLK_n, 'N', 0x31, false},
    {SDLK_m, 'M', 0x32, false},
    {SDLK_COMMA, VK_OEM_COMMA, 0x33, false},
    {SDLK_PERIOD, VK_OEM_PERIOD, 0x34, false},
    {SDLK_SLASH, VK_OEM_2, 0x35, false},
    {SDLK_RSHIFT, VK_SHIFT, 0x36, false},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY, 0x37, false},
    {SDLK_LALT, VK_MENU, 0x38, false},
    {SDLK_SPACE, VK_SPACE, 0x39, false},
    {SDLK_CAPSLOCK, VK_CAPITAL, 0x3A, false},
    {SDLK_F1, VK_F1, 0x3B, false},
    {SDLK_F2, VK_F2, 0x3C, false},
    {SDLK_F3, VK_F3, 0x3D, false},
    {SDLK_F4, VK_F4, 0x3E, false},
    {SDLK_F5, VK_F5, 0x3F, false},
    {SDLK_F6, VK_F6, 0x40, false},
    {SDLK_F7, VK_F7, 0x41, false},
    {SDLK_F8, VK_F8, 0x42, false},
    {SDLK_F9, VK_F9, 0x43, false},
    {SDLK_F10, VK_F10, 0x44, false},
    {SDLK_PAUSE, VK_PAUSE, 0x45, false},
    {SDLK_KP_7, VK_NUMPAD7, 0x47, false},
    {SDLK_KP_8, VK_NUMPAD8, 0x48, false},
    {SDLK_KP_9, VK_NUMPAD9, 0x49, false},
    {SDLK_KP_MINUS, VK_SUBTRACT, 0x4A, false},
    {SDLK_KP_4, VK_NUMPAD4, 0x4B, false},
    {SDLK_KP_5, VK_NUMPAD5, 0x4C, false},
    {SDLK_KP_6, VK_NUMPAD6, 0x4D, false},
    {SDLK_KP_PLUS, VK_ADD, 0x4E, false},
    {SDLK_KP_1, VK_NUMPAD1, 0x4F, false},
    {SDLK_KP_2, VK_NUMPAD2, 0x50, false},
    {SDLK_KP_3, VK_NUMPAD3, 0x51, false},
    {SDLK_KP_0, VK_NUMPAD0, 0x52, false},
    {SDLK_KP_PERIOD, VK_DECIMAL, 0x53, false},
    {SDLK_F11, VK_F11, 0x57, false},
    {SDLK_F12, VK_F12, 0x58, false},
    {SDLK_KP_ENTER, VK_RETURN, 0x1C, true},
    {SDLK_RCTRL, VK_CONTROL, 0x1D, true},
    {SDLK_KP_DIVIDE, VK_DIVIDE, 0x35, true},
    {SDLK_RALT, VK_MENU, 0x38, true},
    {SDLK_HOME, VK_HOME, 0x47, true},
    {SDLK_UP, VK_UP, 0x48, true},
    {SDLK_PAGEUP, VK_PRIOR, 0x49, true},
    {SDLK_LEFT, VK_LEFT, 0x4B, true},
    {SDLK_RIGHT, VK_RIGHT, 0x4D, true},
    {SDLK_END, VK_END, 0x4F, true},
    {SDLK_DOWN, VK_DOWN, 0x50, true},
    {SDLK_PAGEDOWN, VK_NEXT, 0x51, true},
    {SDLK_INSERT, VK_INSERT, 0x52, true},
    {SDLK_DELETE, VK_DELETE, 0x53, true},
};

const Key *find_key(SDL_Keycode code) {
    for (const Key &k : keys)
        if (k.sdl == code)
            return &k;
    return nullptr;
}

} // namespace

namespace zelmvik {

KeyMessage key_message(const SDL_KeyboardEvent &event, bool no_focus) {
    const Key *k = find_key(event.keysym.sym);
    if (!k)
        return {0, 0, 0};
    bool up = event.type == SDL_KEYUP;
    bool alt = (event.keysym.mod & KMOD_ALT) != 0 || k->vk == VK_MENU;
    bool ctrl = (event.keysym.mod & KMOD_CTRL) != 0 && k->vk != VK_MENU;
    // Alt with a key (but not Ctrl+Alt, which Windows leaves to the key messages), F10, and
    // keys that reach no focused window are system keys.
    bool sys = (alt && !ctrl) || k->vk == VK_F10 || no_focus;
    // The low word is the repeat count, the high word the scan code and the key's flags.
    DWORD flags = k->scan;
    if (k->extended)
        flags |= KF_EXTENDED;
    if (alt && !ctrl)
        flags |= KF_ALTDOWN; // context code
    if (up || event.repeat)
        flags |= KF_REPEAT; // the key was down before this message
    if (up)
        flags |= KF_UP;
    DWORD lp = 1 | flags << 16;
    UINT message = sys ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
    return {message, k->vk, static_cast<LPARAM>(static_cast<int32_t>(lp))};
}

int key_char(WPARAM vk, bool shift, bool ctrl) {
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return static_cast<int>(vk - 'A' + 1);
        return static_cast<int>(shift ? vk : vk - 'A' + 'a');
    }
    if (ctrl)
        return 0;
    if (vk >= '0' && vk <= '9')
        return shift ? ")!@#$%^&*("[vk - '0'] : static_cast<int>(vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return static_cast<int>('0' + vk - VK_NUMPAD0);
    switch (vk) {
    case VK_ESCAPE:
        return '\x1b';
    case VK_RETURN:
        return '\r';
    case VK_BACK:
        return '\b';
    case VK_TAB:
        return '\t';
    case VK_SPACE:
        return ' ';
    case VK_MULTIPLY:
        return '*';
    case VK_ADD:
        return '+';
    case VK_SUBTRACT:
        return '-';
    case VK_DECIMAL:
        return '.';
    case VK_DIVIDE:
        return '/';
    }
    static const struct {
        BYTE vk;
        char plain, shifted;
    } oem[] = {{VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
               {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
               {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
               {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'}};
    for (const auto &o : oem)
        if (o.vk == vk)
            return shift ? o.shifted : o.plain;
    return 0;
}

} // namespace zelmvik
