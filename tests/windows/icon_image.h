// A 32x32 icon image of 16 colours, as an icon resource or .ico file holds it: a bitmap
// header for twice the height, the palette, the colour plane and the AND mask, bottom up.
#pragma once

#include "bytes.h"

#include <array>
#include <optional>

using Rgb = std::array<uint8_t, 3>;

// The standard 16-colour Windows palette, in its usual order.
extern const std::array<Rgb, 16> StandardPalette;
constexpr int Black = 0, Olive = 3, Yellow = 11;

struct IconImage {
    std::array<Rgb, 16> palette;
    Bytes colours; // 4 bits a pixel, bottom row first
    Bytes mask;    // 1 bit a pixel, bottom row first; set where the screen shows through

    // x from the left, y from the top.
    int index(int x, int y) const {
        const uint8_t byte = colours[(31 - y) * 16 + x / 2];
        return x % 2 ? byte & 0x0F : byte >> 4;
    }
    bool clear(int x, int y) const { return mask[(31 - y) * 4 + x / 8] & (0x80 >> x % 8); }
};

// Nothing unless the data is exactly such an image.
std::optional<IconImage> decodeIcon(const Bytes &data);
