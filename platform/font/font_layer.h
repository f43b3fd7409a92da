// What the rest of our Windows-API layer needs from the font calls.
#pragma once

#include "platform/windows_names.h"

extern "C" {

// Forgets the font selected into a device context that is being released; the next
// SelectObject on that handle finds the stock font again, as on a fresh DC.
void zelmvik_font_release_dc(HDC hdc);

} // extern "C"

extern "C" {

// Starts FreeType and loads fontconfig's configuration and font list now, so that the first
// CreateFontA does not pay for them.
void zelmvik_font_warm_up();

} // extern "C"
