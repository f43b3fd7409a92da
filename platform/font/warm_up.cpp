#include "platform/font/font_layer.h"
#include "platform/font/library.h"

extern "C" void zelmvik_font_warm_up() {
    zelmvik::font::freetype();
    zelmvik::font::fontconfig();
}
