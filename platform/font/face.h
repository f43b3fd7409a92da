// FreeType faces found through fontconfig, and their sizing the way GDI sizes a font.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace zelmvik::font {

struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<FT_FaceRec_, FaceCloser>;

struct FaceRequest {
    std::string name; // empty: the system's default face for the pitch
    int weight = 400; // 1..1000, as LOGFONT's lfWeight; 0 means normal
    bool italic = false;
    bool fixed_pitch = false;
    bool prefer_outline = true;
};

// The best face fontconfig offers for the request; null when there is none or FreeType
// cannot open it.
FacePtr open_face(const FaceRequest &request);

// GDI's height rules: negative = character (em) height, positive = cell height
// (ascent + descent), 0 = a default. A nonzero width is the average character width.
bool set_size(FT_Face face, int height, int width);

} // namespace zelmvik::font
