#include "platform/sdl/gl.h"
#include "platform/sdl/layer.h"

namespace zelmvik {

// Mesa loads and unloads its driver as it likes; only sanitized builds keep it
// (gl_driver_kept.cpp takes this file's place there).
void keep_gl_driver_loaded() {}

} // namespace zelmvik
