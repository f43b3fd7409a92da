// wl-keys: a keyboard plugged into a wlroots compositor (sway) for as long as it runs,
// through the virtual-keyboard protocol. Its keymap is a real one (the "us" layout), so a
// program sees what it sees from a person's keyboard. KWin offers no virtual keyboards; there
// the keys go through its fake-input protocol instead, into KWin's own keyboard (which KWin
// offers to every client only when started with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1). It stays
// plugged in for a whole session: each keyboard that comes or goes makes the compositor hand new
// keyboard objects to every client, and a key typed before a client has its own is lost.
//
// Usage: wl-keys
//   Says "ready" once the keyboard is there, then reads lines of steps from standard input
//   and answers "done" after each line:
//   KEY     press, hold for 150 ms (long enough for a program that polls its keys), release
//   +KEY    press            -KEY   release
//   @MS     wait MS milliseconds
// KEY is an XKB key name: Return, Escape, F1, y, n, ...
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

// The protocol's two interfaces, as wayland-scanner would make them from
// virtual-keyboard-unstable-v1.xml (which Debian ships with no package we use).
extern const wl_interface zwp_virtual_keyboard_v1_interface;
static const wl_interface *no_types[] = {nullptr, nullptr, nullptr, nullptr};
static const wl_interface *create_types[] = {&wl_seat_interface,
                                             &zwp_virtual_keyboard_v1_interface};
static const wl_message manager_requests[] = {{"create_virtual_keyboard", "on", create_types}};
static const wl_interface manager_interface = {
    "zwp_virtual_keyboard_manager_v1", 1, 1, manager_requests, 0, nullptr};
static const wl_message keyboard_requests[] = {{"keymap", "uhu", no_types},
                                               {"key", "uuu", no_types},
                                               {"modifiers", "uuuu", no_types},
                                               {"destroy", "", no_types}};
const wl_interface zwp_virtual_keyboard_v1_interface = {"zwp_virtual_keyboard_v1", 1, 4,
                                                        keyboard_requests,         0, nullptr};
enum { request_keymap, request_key, request_modifiers, request_destroy };

// KWin's org_kde_kwin_fake_input (plasma-wayland-protocols' fake-input.xml), up to the
// request used here.
static const wl_message fake_input_requests[] = {
    {"authenticate", "ss", no_types}, {"pointer_motion", "ff", no_types},
    {"button", "uu", no_types},       {"axis", "uf", no_types},
    {"touch_down", "2uff", no_types}, {"touch_motion", "2uff", no_types},
    {"touch_up", "2u", no_types},     {"touch_cancel", "2", no_types},
    {"touch_frame", "2", no_types},   {"pointer_motion_absolute", "3ff", no_types},
    {"keyboard_key", "4uu", no_types}};
static const wl_interface fake_input_interface = {"org_kde_kwin_fake_input", 4, 11,
                                                  fake_input_requests,       0, nullptr};
enum { fake_authenticate = 0, fake_keyboard_key = 10 };

namespace {

struct Globals {
    wl_seat *seat = nullptr;
    wl_proxy *manager = nullptr;
    wl_proxy *fake_input = nullptr;
};

void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t) {
    Globals &g = *static_cast<Globals *>(data);
    if (!g.seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        g.seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (!g.manager && std::strcmp(interface, manager_interface.name) == 0)
        g.manager =
            static_cast<wl_proxy *>(wl_registry_bind(registry, name, &manager_interface, 1));
    else if (!g.fake_input && std::strcmp(interface, fake_input_interface.name) == 0)
        g.fake_input =
            static_cast<wl_proxy *>(wl_registry_bind(registry, name, &fake_input_interface, 4));
}
void global_remove(void *, wl_registry *, uint32_t) {}
const wl_registry_listener registry_listener = {global, global_remove};

[[noreturn]] void die(const std::string &why) {
    std::fprintf(stderr, "wl-keys: %s\n", why.c_str());
    std::exit(1);
}

// The evdev code of the key that gives `name` without modifiers.
uint32_t code_of(xkb_keymap *keymap, const std::string &name) {
    xkb_keysym_t wanted = xkb_keysym_from_name(name.c_str(), XKB_KEYSYM_NO_FLAGS);
    if (wanted == XKB_KEY_NoSymbol)
        die("no key named " + name);
    for (xkb_keycode_t kc = xkb_keymap_min_keycode(keymap); kc <= xkb_keymap_max_keycode(keymap);
         ++kc) {
        const xkb_keysym_t *syms;
        int n = xkb_keymap_key_get_syms_by_level(keymap, kc, 0, 0, &syms);
        for (int i = 0; i < n; ++i)
            if (syms[i] == wanted)
                return kc - 8; // XKB keycodes are evdev codes + 8
    }
    die("the us layout has no key for " + name);
}

uint32_t now_ms() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

int main() {
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        die("cannot connect to the Wayland display");
    Globals g;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, &g);
    wl_display_roundtrip(display);
    if (!g.seat || (!g.manager && !g.fake_input))
        die("the compositor offers no virtual keyboards");

    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_rule_names names = {nullptr, nullptr, "us", nullptr, nullptr};
    xkb_keymap *keymap = context ? xkb_keymap_new_from_names(context, &names, {}) : nullptr;
    if (!keymap)
        die("cannot make the us keymap");
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    size_t size = std::strlen(text) + 1;
    int fd = memfd_create("wl-keys-keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != static_cast<ssize_t>(size))
        die("cannot hand over the keymap");
    std::free(text);

    wl_proxy *keyboard = nullptr;
    if (g.manager) {
        keyboard = wl_proxy_marshal_constructor(g.manager, 0, &zwp_virtual_keyboard_v1_interface,
                                                g.seat, nullptr);
        wl_proxy_marshal(keyboard, request_keymap, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                         static_cast<uint32_t>(size));
        wl_proxy_marshal(keyboard, request_modifiers, 0u, 0u, 0u, 0u);
    } else {
        wl_proxy_marshal(g.fake_input, fake_authenticate, "wl-keys", "the test's keyboard");
    }
    close(fd);
    if (wl_display_roundtrip(display) < 0)
        die("the compositor refused the keyboard");

    auto key = [&](uint32_t code, bool press) {
        const uint32_t state =
            press ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED;
        if (keyboard)
            wl_proxy_marshal(keyboard, request_key, now_ms(), code, state);
        else
            wl_proxy_marshal(g.fake_input, fake_keyboard_key, code, state);
        if (wl_display_roundtrip(display) < 0)
            die("lost the compositor");
    };
    auto wait = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    // The clients learn of the new keyboard and ask for their own; give them that moment.
    wait(300);
    std::printf("ready\n");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream steps(line);
        std::string step;
        while (steps >> step) {
            if (step[0] == '@') {
                wait(std::atoi(step.c_str() + 1));
            } else if (step[0] == '+' || step[0] == '-') {
                key(code_of(keymap, step.substr(1)), step[0] == '+');
            } else {
                uint32_t code = code_of(keymap, step);
                key(code, true);
                wait(150);
                key(code, false);
            }
        }
        std::printf("done\n");
        std::fflush(stdout);
    }

    if (keyboard) {
        wl_proxy_marshal(keyboard, request_destroy);
        wl_proxy_destroy(keyboard);
    }
    wl_display_roundtrip(display);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    wl_display_disconnect(display);
    return 0;
}
