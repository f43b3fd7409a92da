#include "icon_image.h"

const std::array<Rgb, 16> StandardPalette = {{
    {0x00, 0x00, 0x00},
    {0x80, 0x00, 0x00},
    {0x00, 0x80, 0x00},
    {0x80, 0x80, 0x00},
    {0x00, 0x00, 0x80},
    {0x80, 0x00, 0x80},
    {0x00, 0x80, 0x80},
    {0xC0, 0xC0, 0xC0},
    {0x80, 0x80, 0x80},
    {0xFF, 0x00, 0x00},
    {0x00, 0xFF, 0x00},
    {0xFF, 0xFF, 0x00},
    {0x00, 0x00, 0xFF},
    {0xFF, 0x00, 0xFF},
    {0x00, 0xFF, 0xFF},
    {0xFF, 0xFF, 0xFF},
}};

std::optional<IconImage> decodeIcon(const Bytes &data) {
    constexpr size_t Header = 40, Palette = 16 * 4, Colours = 32 * 16, Mask = 32 * 4;
    const Reader read(data);
    auto used = read.u32(32);
    if (data.size() != Header + Palette + Colours + Mask || read.u32(0) != Header ||
        read.u32(4) != 32u || read.u32(8) != 64u || read.u16(12) != 1 || read.u16(14) != 4 ||
        read.u32(16) != 0u || !used || (*used != 0 && *used != 16))
        return std::nullopt;
    IconImage icon;
    for (size_t i = 0; i < 16; ++i) // stored blue, green, red, reserved
        icon.palette[i] = {data[Header + 4 * i + 2], data[Header + 4 * i + 1],
                           data[Header + 4 * i]};
    icon.colours = *read.slice(Header + Palette, Colours);
    icon.mask = *read.slice(Header + Palette + Colours, Mask);
    return icon;
}
