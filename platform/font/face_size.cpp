#include "platform/font/face.h"

#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <cstdlib>

namespace zelmvik::font {
namespace {

// What GDI picks for a font asked for with height 0.
constexpr int default_em_pixels = 16;

// Windows measures the cell with the OS/2 table's Windows ascent and descent; faces without
// one fall back to the horizontal header's.
long cell_units(FT_Face face) {
    auto *os2 = static_cast<TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return os2->usWinAscent + os2->usWinDescent;
    return face->ascender - face->descender;
}

long average_width_units(FT_Face face) {
    auto *os2 = static_cast<TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        return os2->xAvgCharWidth;
    return face->units_per_EM / 2;
}

FT_UInt rounded(double pixels) {
    long p = std::lround(pixels);
    return p < 1 ? 1u : static_cast<FT_UInt>(p);
}

// Bitmap-only faces: the strike whose height comes nearest.
bool pick_strike(FT_Face face, int pixels) {
    if (face->num_fixed_sizes <= 0)
        return false;
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i) {
        if (std::abs(face->available_sizes[i].height - pixels) <
            std::abs(face->available_sizes[best].height - pixels))
            best = i;
    }
    return FT_Select_Size(face, best) == 0;
}

} // namespace

bool set_size(FT_Face face, int height, int width) {
    if (!FT_IS_SCALABLE(face))
        return pick_strike(face, height == 0 ? default_em_pixels : std::abs(height));

    double em = default_em_pixels;
    if (height < 0) {
        em = -static_cast<double>(height);
    } else if (height > 0) {
        long cell = cell_units(face);
        em = cell > 0 ? static_cast<double>(height) * face->units_per_EM / cell : height;
    }
    FT_UInt y_ppem = rounded(em);

    FT_UInt x_ppem = 0; // 0: the same as the height
    if (width != 0) {
        double avg = static_cast<double>(average_width_units(face)) / face->units_per_EM;
        x_ppem = rounded(std::abs(width) / avg);
    }
    return FT_Set_Pixel_Sizes(face, x_ppem, y_ppem) == 0;
}

} // namespace zelmvik::font
