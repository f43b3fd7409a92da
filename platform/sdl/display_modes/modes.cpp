#include "platform/sdl/display_modes/modes.h"

#include <cstddef>

namespace zelmvik::display_modes {

bool out_of_proportion(const Mode &mode, const Mode &output) {
    const long long a = static_cast<long long>(mode.width) * output.height;
    const long long b = static_cast<long long>(output.width) * mode.height;
    return 200 * (a > b ? a - b : b - a) > (a > b ? a : b);
}

int choose(const DEVMODEA &request, const std::vector<Mode> &listed, const Mode *shape) {
    const DWORD fields = request.dmFields;
    for (std::size_t i = 0; i < listed.size(); ++i) {
        const Mode &m = listed[i];
        if (shape && out_of_proportion(m, *shape))
            continue;
        if ((fields & DM_PELSWIDTH) && static_cast<DWORD>(m.width) != request.dmPelsWidth)
            continue;
        if ((fields & DM_PELSHEIGHT) && static_cast<DWORD>(m.height) != request.dmPelsHeight)
            continue;
        if ((fields & DM_BITSPERPEL) && request.dmBitsPerPel > static_cast<DWORD>(m.bits))
            continue;
        if ((fields & DM_DISPLAYFREQUENCY) && request.dmDisplayFrequency > 1 &&
            static_cast<DWORD>(m.refresh) != request.dmDisplayFrequency)
            continue;
        return static_cast<int>(i);
    }
    return -1;
}

bool shown_scaled_by(const DEVMODEA &request, const Mode &desktop) {
    const DWORD fields = request.dmFields;
    return !((fields & DM_PELSWIDTH) && request.dmPelsWidth > static_cast<DWORD>(desktop.width)) &&
           !((fields & DM_PELSHEIGHT) &&
             request.dmPelsHeight > static_cast<DWORD>(desktop.height)) &&
           !((fields & DM_BITSPERPEL) && request.dmBitsPerPel > static_cast<DWORD>(desktop.bits)) &&
           !((fields & DM_DISPLAYFREQUENCY) && request.dmDisplayFrequency > 1 &&
             request.dmDisplayFrequency != static_cast<DWORD>(desktop.refresh));
}

} // namespace zelmvik::display_modes
