#include "platform/sdl/layer.h"

// Code points of 0x80..0x9F. The five bytes code page 1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become their C1 control code points, as Windows' own conversion does.
static const uint16_t high_controls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

static void append_utf8(std::string &out, unsigned cp) {
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

std::string cp1252_to_utf8(const char *text) {
    std::string out;
    if (!text)
        return out;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p)
        append_utf8(out, *p >= 0x80 && *p < 0xA0 ? high_controls[*p - 0x80] : *p);
    return out;
}

} // namespace zelmvik
