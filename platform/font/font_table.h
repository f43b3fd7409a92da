// Font objects and which one each device context has selected.
#pragma once

#include "platform/windows_names.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace zelmvik::font {

// The face of the font selected into hdc, sized as that font asks; a DC that was never
// given a font has the stock font. Null when hdc is null or no face can be had.
FT_Face selected_face(HDC hdc);

} // namespace zelmvik::font
