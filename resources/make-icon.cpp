// Draws the program's icon and writes it into a folder as zelmvik.ico (32x32, 16 colours, with
// an AND mask, what the executable carries) and as zelmvik-32.png, zelmvik-64.png and
// zelmvik-128.png (the same picture in RGBA for desktops, each pixel made a square of 2 or 4:
// pixel art scaled without blur).
//
//   c++ -std=c++17 -o make-icon resources/make-icon.cpp
//   ./make-icon resources
//
// The files are committed; the tests run this again and compare byte for byte.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Size = 32;

// The standard 16-colour Windows palette, in its usual order, as red, green, blue.
constexpr std::array<std::array<uint8_t, 3>, 16> Palette = {{
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
constexpr int Black = 0, Olive = 3, Yellow = 11;
constexpr int Clear = -1;

// Top row first.
using Picture = std::array<std::array<int, Size>, Size>;

double distance(double x, double y, double cx, double cy) {
    return std::hypot(x - cx, y - cy);
}

Picture draw() {
    Picture pic{};
    for (int row = 0; row < Size; ++row) {
        for (int col = 0; col < Size; ++col) {
            const double x = col + 0.5, y = row + 0.5;
            int colour = Clear;
            if (distance(x, y, 16, 16) <= 15) {
                // Lit from the upper right: what the offset disc does not cover is in shade.
                colour = distance(x, y, 19, 13) <= 14 ? Yellow : Olive;
                const double ex = std::fabs(x - 16) - 4.5, ey = y - 11.5;
                if ((ex * ex) / (1.6 * 1.6) + (ey * ey) / (2.6 * 2.6) <= 1)
                    colour = Black;
                if (y >= 19.5 && std::fabs(distance(x, y, 16, 15) - 9.5) <= 0.9)
                    colour = Black;
            }
            pic[row][col] = colour;
        }
    }
    return pic;
}

void put16(std::vector<uint8_t> &out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<uint8_t> &out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void put32be(std::vector<uint8_t> &out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((v >> shift) & 0xFF);
}

std::vector<uint8_t> ico(const Picture &pic) {
    constexpr uint32_t colourBytes = Size * Size / 2, maskBytes = Size * Size / 8;
    constexpr uint32_t imageBytes = 40 + 16 * 4 + colourBytes + maskBytes;
    std::vector<uint8_t> out;
    put16(out, 0); // icon directory: reserved, type icon, one image
    put16(out, 1);
    put16(out, 1);
    out.push_back(Size); // its entry: size, colours, reserved, planes, bits, bytes, offset
    out.push_back(Size);
    out.push_back(16);
    out.push_back(0);
    put16(out, 1);
    put16(out, 4);
    put32(out, imageBytes);
    put32(out, 6 + 16);
    // The image: a bitmap info header for twice the height (colours, then mask), bottom up.
    put32(out, 40);
    put32(out, Size);
    put32(out, 2 * Size);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, colourBytes + maskBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (const auto &rgb : Palette) {
        out.push_back(rgb[2]);
        out.push_back(rgb[1]);
        out.push_back(rgb[0]);
        out.push_back(0);
    }
    // A clear pixel is black in the colour plane and set in the mask, so it leaves the
    // screen as it was.
    for (int row = Size - 1; row >= 0; --row)
        for (int col = 0; col < Size; col += 2) {
            const int hi = pic[row][col], lo = pic[row][col + 1];
            out.push_back(((hi == Clear ? Black : hi) << 4) | (lo == Clear ? Black : lo));
        }
    for (int row = Size - 1; row >= 0; --row)
        for (int col = 0; col < Size; col += 8) {
            uint8_t bits = 0;
            for (int i = 0; i < 8; ++i)
                if (pic[row][col + i] == Clear)
                    bits |= 0x80 >> i;
            out.push_back(bits);
        }
    return out;
}

uint32_t crc32(const uint8_t *data, size_t n) {
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < n; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void chunk(std::vector<uint8_t> &out, const char *type, const std::vector<uint8_t> &data) {
    put32be(out, data.size());
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32be(out, crc32(out.data() + start, out.size() - start));
}

// The pixels go uncompressed, in stored deflate blocks (64 KiB at most each): no zlib needed.
std::vector<uint8_t> png(const Picture &pic, int scale) {
    const int size = Size * scale;
    std::vector<uint8_t> raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < size; ++x) {
            int colour = pic[y / scale][x / scale];
            for (int c = 0; c < 3; ++c)
                raw.push_back(colour == Clear ? 0 : Palette[colour][c]);
            raw.push_back(colour == Clear ? 0 : 0xFF);
        }
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    std::vector<uint8_t> z = {0x78, 0x01};
    for (size_t at = 0; at < raw.size();) {
        const size_t n = std::min<size_t>(raw.size() - at, 0xFFFF);
        z.push_back(at + n == raw.size() ? 1 : 0); // the last block, or not
        put16(z, n);
        put16(z, ~n & 0xFFFF);
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
    }
    put32be(z, (b << 16) | a);

    std::vector<uint8_t> header;
    put32be(header, size);
    put32be(header, size);
    header.insert(header.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace

    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(out, "IHDR", header);
    chunk(out, "IDAT", z);
    chunk(out, "IEND", {});
    return out;
}

bool write(const std::string &path, const std::vector<uint8_t> &bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(bytes.data()), bytes.size());
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const Picture pic = draw();
    bool written = write(folder + "/zelmvik.ico", ico(pic));
    for (int scale : {1, 2, 4})
        written = written && write(folder + "/zelmvik-" + std::to_string(Size * scale) + ".png",
                                   png(pic, scale));
    if (!written) {
        std::perror("make-icon");
        return 1;
    }
    return 0;
}
