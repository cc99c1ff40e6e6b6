#include "gdi/png.h"

#include <png.h>

#include <cstring>

namespace gdi {
namespace {

// Finishes a started read into BGRA bytes and splits them into pixels and opacity.
std::optional<Surface> finishRead(png_image& image, std::vector<std::uint8_t>* alpha) {
    image.format = PNG_FORMAT_BGRA;
    std::vector<png_byte> bgra(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bgra.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    Surface s(int(image.width), int(image.height));
    if (alpha) alpha->resize(s.pixels.size());
    for (std::size_t i = 0; i < s.pixels.size(); ++i) {
        const png_byte* p = &bgra[4 * i];
        unsigned a = alpha ? 255 : p[3];
        auto channel = [&](png_byte c) { return std::uint32_t((c * a + 127) / 255); };
        s.pixels[i] = (channel(p[2]) << 16) | (channel(p[1]) << 8) | channel(p[0]);
        if (alpha) (*alpha)[i] = p[3];
    }
    return s;
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(surface.width);
    image.height = png_uint_32(surface.height);
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(std::size_t(surface.width) * surface.height * 3);
    for (std::size_t i = 0; i < surface.pixels.size(); ++i) {
        std::uint32_t p = surface.pixels[i];
        rgb[3 * i] = png_byte(p >> 16);
        rgb[3 * i + 1] = png_byte(p >> 8);
        rgb[3 * i + 2] = png_byte(p);
    }
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

std::optional<Surface> ReadPng(const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
    return finishRead(image, nullptr);
}

std::optional<Surface> ReadPngBytes(const void* data, std::size_t size,
                                    std::vector<std::uint8_t>* alpha) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) return std::nullopt;
    return finishRead(image, alpha);
}

}  // namespace gdi
