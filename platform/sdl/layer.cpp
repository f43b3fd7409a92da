#include "platform/sdl/layer.h"

namespace zelmvik {

Layer &layer() {
    static Layer the_layer;
    return the_layer;
}

} // namespace zelmvik
