// The process's one FreeType library and fontconfig configuration, started on first use.
#pragma once

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace zelmvik::font {

// Both return null when the library could not be started; later calls try no more.
FT_Library freetype();
FcConfig *fontconfig();

} // namespace zelmvik::font
