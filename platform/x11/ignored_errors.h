// X requests whose errors are expected: on a window that may be gone already, or a resource
// someone else may have freed.
#pragma once

#include <X11/Xlib.h>

namespace zelmvik {

// While one lives, the X errors of this display's requests are swallowed instead of reaching
// Xlib's default handler, which ends the process. The requests made before it, and those
// made while it lived, are synced on either side, so no other request's error is caught.
class IgnoredXErrors {
  public:
    explicit IgnoredXErrors(Display *display) : display_(display) {
        XSync(display_, False);
        previous_ = XSetErrorHandler(ignore);
    }
    ~IgnoredXErrors() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    IgnoredXErrors(const IgnoredXErrors &) = delete;
    IgnoredXErrors &operator=(const IgnoredXErrors &) = delete;

  private:
    static int ignore(Display *, XErrorEvent *) { return 0; }
    Display *display_;
    int (*previous_)(Display *, XErrorEvent *) = nullptr;
};

} // namespace zelmvik
