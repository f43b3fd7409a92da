// Key events as SDL delivers them, read back as the key messages Windows would post.
#include "support.h"

#include <gtest/gtest.h>

using namespace zelmvik_test;

namespace {

void push_key(SDL_Window *w, Uint32 type, SDL_Keycode sym, Uint16 mod = 0, Uint8 repeat = 0) {
    SDL_Event e = {};
    e.type = type;
    e.key.windowID = SDL_GetWindowID(w);
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    ASSERT_EQ(SDL_PushEvent(&e), 1);
}

bool is_key_message(UINT m) {
    return m >= WM_KEYDOWN && m <= WM_SYSCHAR;
}

std::vector<MSG> key_messages() {
    std::vector<MSG> keys;
    for (const MSG &m : drain())
        if (is_key_message(m.message))
            keys.push_back(m);
    return keys;
}

class Keys : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(window.hwnd(), nullptr);
        ShowWindow(window.hwnd(), SW_SHOW);
        drain();
    }
    TestClass cls;
    TestWindow window{cls};
};

TEST_F(Keys, SdlKeycodesBecomeVirtualKeysWithScanCodes) {
    struct {
        SDL_Keycode sdl;
        WPARAM vk;
        int scan;
        bool extended;
    } const table[] = {
        {SDLK_ESCAPE, 0x1B, 0x01, false},    {SDLK_F1, 0x70, 0x3B, false},
        {SDLK_F12, 0x7B, 0x58, false},       {SDLK_a, 'A', 0x1E, false},
        {SDLK_z, 'Z', 0x2C, false},          {SDLK_0, '0', 0x0B, false},
        {SDLK_9, '9', 0x0A, false},          {SDLK_SPACE, 0x20, 0x39, false},
        {SDLK_RETURN, 0x0D, 0x1C, false},    {SDLK_TAB, 0x09, 0x0F, false},
        {SDLK_BACKSPACE, 0x08, 0x0E, false}, {SDLK_LEFT, 0x25, 0x4B, true},
        {SDLK_UP, 0x26, 0x48, true},         {SDLK_RIGHT, 0x27, 0x4D, true},
        {SDLK_DOWN, 0x28, 0x50, true},       {SDLK_HOME, 0x24, 0x47, true},
        {SDLK_END, 0x23, 0x4F, true},        {SDLK_PAGEUP, 0x21, 0x49, true},
        {SDLK_PAGEDOWN, 0x22, 0x51, true},   {SDLK_INSERT, 0x2D, 0x52, true},
        {SDLK_DELETE, 0x2E, 0x53, true},     {SDLK_LSHIFT, 0x10, 0x2A, false},
        {SDLK_RSHIFT, 0x10, 0x36, false},    {SDLK_LCTRL, 0x11, 0x1D, false},
        {SDLK_RCTRL, 0x11, 0x1D, true},
    };
    for (const auto &k : table) {
        push_key(window.sdl(), SDL_KEYDOWN, k.sdl);
        push_key(window.sdl(), SDL_KEYUP, k.sdl);
        std::vector<MSG> got = key_messages();
        ASSERT_EQ(got.size(), 2u) << SDL_GetKeyName(k.sdl);
        EXPECT_EQ(got[0].message, UINT(WM_KEYDOWN)) << SDL_GetKeyName(k.sdl);
        EXPECT_EQ(got[0].wParam, k.vk) << SDL_GetKeyName(k.sdl);
        EXPECT_EQ(got[0].hwnd, window.hwnd());
        // The repeat count 1, the scan code and the extended flag in the high word.
        DWORD down = 1u | DWORD(MAKELONG(0, k.scan | (k.extended ? KF_EXTENDED : 0)));
        EXPECT_EQ(DWORD(got[0].lParam), down) << SDL_GetKeyName(k.sdl);
        EXPECT_EQ(got[1].message, UINT(WM_KEYUP));
        EXPECT_EQ(got[1].wParam, k.vk);
        EXPECT_EQ(DWORD(got[1].lParam), down | DWORD(MAKELONG(0, KF_REPEAT | KF_UP)))
            << SDL_GetKeyName(k.sdl);
    }
}

TEST_F(Keys, UnknownKeysPostNothing) {
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_VOLUMEUP);
    EXPECT_TRUE(key_messages().empty());
}

TEST_F(Keys, AutoRepeatIsAnotherKeyDownWithThePreviousStateBit) {
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_F1);
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_F1, 0, 1);
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_F1, 0, 1);
    std::vector<MSG> got = key_messages();
    ASSERT_EQ(got.size(), 3u);
    for (const MSG &m : got)
        EXPECT_EQ(m.message, UINT(WM_KEYDOWN));
    EXPECT_FALSE(HIWORD(got[0].lParam) & KF_REPEAT);
    EXPECT_TRUE(HIWORD(got[1].lParam) & KF_REPEAT);
    EXPECT_TRUE(HIWORD(got[2].lParam) & KF_REPEAT);
}

TEST_F(Keys, AltAndF10AreSystemKeys) {
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_LALT, KMOD_LALT);
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_x, KMOD_LALT);
    push_key(window.sdl(), SDL_KEYUP, SDLK_x, KMOD_LALT);
    push_key(window.sdl(), SDL_KEYUP, SDLK_LALT);
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_F10);
    push_key(window.sdl(), SDL_KEYUP, SDLK_F10);
    push_key(window.sdl(), SDL_KEYDOWN, SDLK_x, KMOD_LCTRL | KMOD_LALT);
    std::vector<MSG> got = key_messages();
    ASSERT_EQ(got.size(), 7u);
    EXPECT_EQ(got[0].message, UINT(WM_SYSKEYDOWN));
    EXPECT_EQ(got[0].wParam, WPARAM(VK_MENU));
    EXPECT_EQ(got[1].message, UINT(WM_SYSKEYDOWN));
    EXPECT_EQ(got[1].wParam, WPARAM('X'));
    EXPECT_TRUE(got[1].lParam & (1 << 29)) << "context code: Alt down";
    EXPECT_EQ(got[2].message, UINT(WM_SYSKEYUP));
    EXPECT_EQ(got[3].message, UINT(WM_SYSKEYUP));
    EXPECT_EQ(got[3].wParam, WPARAM(VK_MENU));
    EXPECT_EQ(got[4].message, UINT(WM_SYSKEYDOWN));
    EXPECT_EQ(got[4].wParam, WPARAM(VK_F10));
    EXPECT_FALSE(got[4].lParam & (1 << 29));
    EXPECT_EQ(got[5].message, UINT(WM_SYSKEYUP));
    EXPECT_EQ(got[6].message, UINT(WM_KEYDOWN)) << "Ctrl+Alt is not a system key";
}

// TranslateMessage on what PeekMessageA returned, with the Shift state of those messages.
std::vector<WPARAM> typed(const std::vector<std::pair<SDL_Keycode, Uint32>> &strokes,
                          SDL_Window *w) {
    for (const auto &s : strokes)
        push_key(w, s.second, s.first);
    std::vector<WPARAM> chars;
    MSG m;
    while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE)) {
        if (m.message == WM_CHAR)
            chars.push_back(m.wParam);
        else
            TranslateMessage(&m);
    }
    return chars;
}

TEST_F(Keys, TranslateMessagePostsTheCharacter) {
    auto down = [](SDL_Keycode k) { return std::make_pair(k, Uint32(SDL_KEYDOWN)); };
    auto up = [](SDL_Keycode k) { return std::make_pair(k, Uint32(SDL_KEYUP)); };
    std::vector<WPARAM> chars = typed(
        {down(SDLK_ESCAPE), down(SDLK_RETURN), down(SDLK_BACKSPACE), down(SDLK_TAB), down(SDLK_a),
         down(SDLK_1), down(SDLK_SPACE), down(SDLK_LSHIFT), down(SDLK_a), down(SDLK_1),
         down(SDLK_SLASH), up(SDLK_LSHIFT), down(SDLK_z), down(SDLK_F1), down(SDLK_LEFT)},
        window.sdl());
    EXPECT_EQ(chars, (std::vector<WPARAM>{27, 13, 8, 9, 'a', '1', ' ', 'A', '!', '?', 'z'}));

    MSG key_up = {window.hwnd(), WM_KEYUP, 'A', 0, 0, {0, 0}};
    EXPECT_FALSE(TranslateMessage(&key_up));
    MSG f1 = {window.hwnd(), WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
    EXPECT_FALSE(TranslateMessage(&f1));
    MSG esc = {window.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {0, 0}};
    EXPECT_TRUE(TranslateMessage(&esc));
    MSG ch;
    ASSERT_TRUE(PeekMessageA(&ch, NULL, 0, 0, PM_REMOVE));
    EXPECT_EQ(ch.message, UINT(WM_CHAR));
    EXPECT_EQ(ch.wParam, WPARAM(27));
    EXPECT_EQ(ch.lParam, LPARAM(0x00010001)) << "WM_CHAR keeps the key's lParam";
}

} // namespace
