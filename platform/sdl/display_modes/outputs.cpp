#include "platform/sdl/display_modes/outputs.h"

#include <cstddef>

namespace zelmvik::display_modes {

int primary_output(const std::vector<Area> &outputs, bool wayland, const Area *last_box) {
    if (!wayland || !last_box || last_box->width == 0)
        return 0;
    for (std::size_t i = 0; i < outputs.size(); ++i)
        if (outputs[i].x == last_box->x && outputs[i].y == last_box->y)
            return static_cast<int>(i);
    return 0;
}

Point to_desktop(Point windows, Point primary_corner) {
    return {windows.x + primary_corner.x, windows.y + primary_corner.y};
}

Point from_desktop(Point desktop, Point primary_corner) {
    return {desktop.x - primary_corner.x, desktop.y - primary_corner.y};
}

} // namespace zelmvik::display_modes
