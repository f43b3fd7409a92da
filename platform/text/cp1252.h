// Windows code page 1252, the byte encoding of the program's texts.
#pragma once

#include <cstdint>
#include <string>

namespace zelmvik::text {

// The Unicode code point of a code page 1252 byte; the five bytes the code page leaves
// undefined map to themselves, as Windows' own conversion does.
char32_t cp1252_to_unicode(uint8_t byte);

// A NUL-terminated code page 1252 text as UTF-8; null gives the empty string.
std::string cp1252_to_utf8(const char *text);

} // namespace zelmvik::text
