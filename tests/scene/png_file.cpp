#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace {
struct FileCloser {
    void operator()(FILE *f) const { fclose(f); }
};
} // namespace

bool write_png(const std::string &path, int width, int height, const std::vector<uint8_t> &rgba) {
    const size_t stride = static_cast<size_t>(width) * 4;
    if (width <= 0 || height <= 0 || rgba.size() != stride * height)
        return false;
    // The frame's alpha is the clear colour's 0.5; whoever looks at it wants the colours.
    std::vector<uint8_t> opaque(rgba);
    for (size_t i = 3; i < opaque.size(); i += 4)
        opaque[i] = 255;
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[static_cast<size_t>(height - 1 - y)] = &opaque[stride * y];

    std::unique_ptr<FILE, FileCloser> file(fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    // Nothing with a destructor is made between here and the end.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
