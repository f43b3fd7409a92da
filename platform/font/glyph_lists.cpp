#include "platform/font/font_table.h"
#include "platform/report/report.h"
#include "platform/text/cp1252.h"
#include "platform/windows_names.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
#include <vector>

namespace zelmvik::font {
namespace {

// Unpack state in force while the glyphs are compiled: tightly packed rows, most
// significant bit leftmost, as the bitmaps are built below.
class PackedBitmapUnpacking {
  public:
    PackedBitmapUnpacking() {
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
        glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~PackedBitmapUnpacking() { glPopClientAttrib(); }
    PackedBitmapUnpacking(const PackedBitmapUnpacking &) = delete;
    PackedBitmapUnpacking &operator=(const PackedBitmapUnpacking &) = delete;
};

bool have_current_context() {
    // Without a current context GL calls go nowhere and queries answer null.
    return glGetString(GL_VERSION) != nullptr;
}

bool lit(const FT_Bitmap &bitmap, const unsigned char *row, unsigned x) {
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        return (row[x / 8] & (0x80u >> (x % 8))) != 0;
    return row[x] >= 128; // grey strikes of bitmap faces: threshold them
}

// FreeType's rows run top-down at any pitch; a GL bitmap runs bottom-up, packed.
std::vector<GLubyte> bottom_up(const FT_Bitmap &bitmap) {
    const unsigned stride = (bitmap.width + 7) / 8;
    std::vector<GLubyte> bits(static_cast<size_t>(stride) * bitmap.rows, 0);
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const unsigned char *src = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
        if (bitmap.pitch < 0)
            src = bitmap.buffer + static_cast<long>(bitmap.rows - 1 - y) * -bitmap.pitch;
        GLubyte *dst = &bits[static_cast<size_t>(bitmap.rows - 1 - y) * stride];
        if (mono) {
            std::memcpy(dst, src, stride);
            if (bitmap.width % 8 != 0)
                dst[stride - 1] &= static_cast<GLubyte>(0xFF00u >> (bitmap.width % 8));
            continue;
        }
        for (unsigned x = 0; x < bitmap.width; ++x) {
            if (lit(bitmap, src, x))
                dst[x / 8] |= static_cast<GLubyte>(0x80u >> (x % 8));
        }
    }
    return bits;
}

bool compile_glyph(FT_Face face, DWORD code, GLuint list) {
    char32_t ch = code < 256 ? text::cp1252_to_unicode(static_cast<uint8_t>(code)) : code;
    if (FT_Error error = FT_Load_Char(face, ch, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO)) {
        report("FreeType cannot render U+%04X of %s %s: error %d", static_cast<unsigned>(ch),
               face->family_name, face->style_name, error);
        return false;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap &bitmap = slot->bitmap;
    const bool has_pixels =
        bitmap.width > 0 && bitmap.rows > 0 && bitmap.buffer != nullptr &&
        (bitmap.pixel_mode == FT_PIXEL_MODE_MONO || bitmap.pixel_mode == FT_PIXEL_MODE_GRAY);
    const GLfloat advance = static_cast<GLfloat>(slot->advance.x) / 64.0f;

    glNewList(list, GL_COMPILE);
    if (has_pixels) {
        std::vector<GLubyte> bits = bottom_up(bitmap);
        glBitmap(static_cast<GLsizei>(bitmap.width), static_cast<GLsizei>(bitmap.rows),
                 static_cast<GLfloat>(-slot->bitmap_left),
                 static_cast<GLfloat>(static_cast<int>(bitmap.rows) - slot->bitmap_top), advance,
                 0.0f, bits.data());
    } else {
        // MEND mesa-empty-bitmap-in-list
        // library: Mesa 22.3, 25.0
        // upstream: not reported
        // goes when: every Mesa served compiles a 0x0 glBitmap with no bits into a list
        // Only the advance. Mesa refuses a 0x0 bitmap without bits inside a list (out of
        // memory, and the advance is lost); with a pointer it keeps the advance and, unlike a
        // blank 1x1 bitmap, costs no draw when the list runs.
        static const GLubyte none = 0;
        glBitmap(0, 0, 0.0f, 0.0f, advance, 0.0f, &none);
    }
    glEndList();
    return true;
}

} // namespace
} // namespace zelmvik::font

using namespace zelmvik::font;

extern "C" BOOL WINAPI wglUseFontBitmapsA(HDC hdc, DWORD first, DWORD count, DWORD listBase) {
    if (hdc == nullptr)
        return FALSE;
    if (count == 0)
        return TRUE;
    if (!have_current_context())
        return FALSE;
    FT_Face face = selected_face(hdc);
    if (face == nullptr)
        return FALSE;

    PackedBitmapUnpacking unpacking;
    for (DWORD i = 0; i < count; ++i) {
        if (!compile_glyph(face, first + i, listBase + i))
            return FALSE;
    }
    return TRUE;
}
