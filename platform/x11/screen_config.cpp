#include "platform/x11/screen_config.h"

#include <algorithm>
#include <memory>

namespace zelmvik {

namespace {

struct ResourcesDeleter {
    void operator()(XRRScreenResources *r) const { XRRFreeScreenResources(r); }
};
using Resources = std::unique_ptr<XRRScreenResources, ResourcesDeleter>;

struct CrtcInfoDeleter {
    void operator()(XRRCrtcInfo *c) const { XRRFreeCrtcInfo(c); }
};

Resources resources(Display *display) {
    return Resources(XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display)));
}

} // namespace

bool read_screen_config(Display *display, ScreenConfig *config) {
    int event_base, error_base, major = 0, minor = 0;
    if (!XRRQueryExtension(display, &event_base, &error_base) ||
        !XRRQueryVersion(display, &major, &minor) || major * 100 + minor < 102)
        return false;
    Resources res = resources(display);
    if (!res)
        return false;
    int screen = DefaultScreen(display);
    config->width = DisplayWidth(display, screen);
    config->height = DisplayHeight(display, screen);
    config->mm_width = DisplayWidthMM(display, screen);
    config->mm_height = DisplayHeightMM(display, screen);
    config->crtcs.clear();
    for (int i = 0; i < res->ncrtc; ++i) {
        std::unique_ptr<XRRCrtcInfo, CrtcInfoDeleter> info(
            XRRGetCrtcInfo(display, res.get(), res->crtcs[i]));
        if (!info)
            return false;
        config->crtcs.push_back(
            {res->crtcs[i], info->mode, info->x, info->y, info->width, info->height, info->rotation,
             std::vector<RROutput>(info->outputs, info->outputs + info->noutput)});
    }
    config->primary = XRRGetOutputPrimary(display, DefaultRootWindow(display));
    return true;
}

bool same_screen_config(const ScreenConfig &a, const ScreenConfig &b) {
    auto same_crtc = [](const CrtcConfig &c, const CrtcConfig &d) {
        return c.crtc == d.crtc && c.mode == d.mode && c.x == d.x && c.y == d.y &&
               c.rotation == d.rotation && c.outputs == d.outputs;
    };
    return a.width == b.width && a.height == b.height && a.primary == b.primary &&
           std::equal(a.crtcs.begin(), a.crtcs.end(), b.crtcs.begin(), b.crtcs.end(), same_crtc);
}

bool shows_mode_at(const ScreenConfig &config, int x, int y, int width, int height) {
    return std::any_of(config.crtcs.begin(), config.crtcs.end(), [&](const CrtcConfig &c) {
        return c.mode != None && c.x == x && c.y == y && static_cast<int>(c.width) == width &&
               static_cast<int>(c.height) == height;
    });
}

// The screen must hold every CRTC at every moment: it grows before the CRTCs change and
// shrinks after.
void restore_screen_config(Display *display, const ScreenConfig &config) {
    Window root = DefaultRootWindow(display);
    int screen = DefaultScreen(display);
    int width = std::max(config.width, DisplayWidth(display, screen));
    int height = std::max(config.height, DisplayHeight(display, screen));
    XGrabServer(display);
    XRRSetScreenSize(display, root, width, height, config.mm_width, config.mm_height);
    Resources res = resources(display);
    if (res) {
        for (const CrtcConfig &c : config.crtcs) {
            std::vector<RROutput> outputs = c.outputs;
            XRRSetCrtcConfig(display, res.get(), c.crtc, CurrentTime, c.x, c.y, c.mode, c.rotation,
                             outputs.empty() ? nullptr : outputs.data(),
                             static_cast<int>(outputs.size()));
        }
    }
    XRRSetScreenSize(display, root, config.width, config.height, config.mm_width, config.mm_height);
    XRRSetOutputPrimary(display, root, config.primary);
    XUngrabServer(display);
    XSync(display, False);
}

} // namespace zelmvik
