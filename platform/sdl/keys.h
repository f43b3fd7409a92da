// Keyboard: SDL key events as Windows builds its key messages, and the characters
// TranslateMessage makes of them.
#pragma once

#include "platform/windows_names.h"

#include <SDL.h>

namespace zelmvik {

struct KeyMessage {
    UINT message; // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP; 0 for an unknown key
    WPARAM vk;
    LPARAM lParam;
};

// no_focus: the key reaches a window without the keyboard focus (minimised), which Windows
// reports as system keys.
KeyMessage key_message(const SDL_KeyboardEvent &key, bool no_focus);

// The character of a virtual key on a US layout, 0 when it has none.
int key_char(WPARAM vk, bool shift, bool ctrl);

} // namespace zelmvik
