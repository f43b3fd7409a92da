// A keysym lookup that a layout index out of range cannot crash.
//
// MEND sdl2-xkb-layout-out-of-range
// library: SDL 2.26.5, 2.32.4 (Wayland); not SDL 3.2.10 under sdl2-compat
// upstream: not reported
// goes when: the releases served have no classic SDL 2 (sdl2-compat is libSDL2 from Debian
//   testing on)
// SDL 2 (2.26.5, Debian 12's, and 2.32.4, Debian 13's) looks the keys of a virtual keyboard
// up by its current layout, which is XKB_LAYOUT_INVALID until the compositor's first
// modifiers event. A window that gets the keyboard while a key is held (F1 across the rebuild of
// the window, typed with wtype, an on-screen keyboard or a remote desktop) has that key looked up
// at once, and libxkbcommon, whose contract says the layout must be smaller than the key's count of
// layouts, indexes past the key's layouts: a segmentation fault.
//
// SDL 3.2.10 (Debian 13's, under sdl2-compat) does not: the same session passes without this
// guard there, and with it.
//
// Debian's libSDL2 and libSDL3 link libxkbcommon directly, so their calls bind, as any
// library's, to the first definition in the process: this one, in the program itself. It takes an
// index that is out of range for the key as the key's first layout, as libxkbcommon's state does
// for a group it cannot use, and hands the call on to libxkbcommon. Nothing else changes: the event
// goes on, and the key's release reaches the program as any other.
#include <xkbcommon/xkbcommon.h>

#include <dlfcn.h>

extern "C" int xkb_keymap_key_get_syms_by_level(struct xkb_keymap *keymap, xkb_keycode_t key,
                                                xkb_layout_index_t layout, xkb_level_index_t level,
                                                const xkb_keysym_t **syms_out) {
    using Lookup = int (*)(struct xkb_keymap *, xkb_keycode_t, xkb_layout_index_t,
                           xkb_level_index_t, const xkb_keysym_t **);
    static const Lookup library_lookup =
        reinterpret_cast<Lookup>(dlsym(RTLD_NEXT, "xkb_keymap_key_get_syms_by_level"));
    const xkb_layout_index_t layouts = keymap ? xkb_keymap_num_layouts_for_key(keymap, key) : 0;
    if (!library_lookup || layouts == 0) {
        *syms_out = nullptr; // what libxkbcommon gives for a key without keysyms
        return 0;
    }
    if (layout >= layouts)
        layout = 0;
    return library_lookup(keymap, key, layout, level, syms_out);
}
