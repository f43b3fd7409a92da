#include "platform/wayland/compositor.h"
#include "platform/wayland/reach.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>

namespace zelmvik {

namespace {

struct Output {
    wl_output *proxy = nullptr;
    long long pixels = 0;
    int scale = 1;
};

void on_geometry(void *, wl_output *, int32_t, int32_t, int32_t, int32_t, int32_t, const char *,
                 const char *, int32_t) {}

void on_mode(void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t) {
    if (flags & WL_OUTPUT_MODE_CURRENT)
        static_cast<Output *>(data)->pixels = static_cast<long long>(width) * height;
}

void on_done(void *, wl_output *) {}

void on_scale(void *data, wl_output *, int32_t factor) {
    static_cast<Output *>(data)->scale = factor;
}

void on_name(void *, wl_output *, const char *) {}

void on_description(void *, wl_output *, const char *) {}

const wl_output_listener output_listener = {on_geometry, on_mode, on_done,
                                            on_scale,    on_name, on_description};

struct Asked {
    std::deque<Output> outputs; // the listeners hold pointers into it
    WaylandCompositor found;
};

void on_global(void *data, wl_registry *registry, uint32_t name, const char *interface,
               uint32_t version) {
    Asked &asked = *static_cast<Asked *>(data);
    if (std::strcmp(interface, "wl_seat") == 0)
        asked.found.seat = true;
    else if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        asked.found.server_decorations = true;
    else if (std::strcmp(interface, "wp_viewporter") == 0)
        asked.found.viewporter = true;
    if (std::strcmp(interface, wl_output_interface.name) != 0)
        return;
    // Version 2 is the first to tell the scale; nothing later is needed.
    asked.outputs.push_back({static_cast<wl_output *>(wl_registry_bind(
                                 registry, name, &wl_output_interface, std::min(version, 2u))),
                             0, 1});
}

void on_global_remove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registry_listener = {on_global, on_global_remove};

bool ask(WaylandCompositor *result) {
    const char *handed_over = std::getenv("WAYLAND_SOCKET");
    std::string unnamed;
    if ((handed_over && *handed_over) || !wayland_display_named(&unnamed))
        return false;
    wl_display *display = wl_display_connect(nullptr);
    if (!display)
        return false;
    Asked asked;
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, &asked);
    bool told = wl_display_roundtrip(display) >= 0;
    for (Output &output : asked.outputs)
        if (output.proxy)
            wl_output_add_listener(output.proxy, &output_listener, &output);
    // An output may come during the second trip.
    told = told && wl_display_roundtrip(display) >= 0;
    for (const Output &output : asked.outputs) {
        asked.found.pixels += output.pixels;
        asked.found.largest_scale = std::max(asked.found.largest_scale, output.scale);
        if (output.proxy)
            wl_output_destroy(output.proxy);
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    *result = asked.found;
    return told;
}

} // namespace

bool ask_wayland_compositor(WaylandCompositor *result) {
    return ask(result);
}

} // namespace zelmvik
