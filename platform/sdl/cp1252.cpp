#include "platform/sdl/layer.h"

#include "platform/font/cp1252.h"

static void append_utf8(std::string &out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace zelmvik {

// The same byte-to-code-point table as the glyphs use, so a title, a box and the drawn text
// agree on every byte.
std::string cp1252_to_utf8(const char *text) {
    std::string out;
    if (!text)
        return out;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p)
        append_utf8(out, font::cp1252_to_unicode(*p));
    return out;
}

} // namespace zelmvik
