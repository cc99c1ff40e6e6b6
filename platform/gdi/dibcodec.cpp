#include "gdi/dibcodec.h"

#include <cstdlib>
#include <cstring>

namespace gdi {
namespace {

std::uint32_t paletteColor(const RGBQUAD* palette, std::size_t count, unsigned index) {
    if (index >= count) return 0;
    const RGBQUAD& q = palette[index];
    return (std::uint32_t(q.rgbRed) << 16) | (std::uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
}

// One pixel of a row; `alpha` receives the fourth byte of 32-bit pixels.
std::uint32_t readPixel(const BYTE* row, int x, int bitCount, const RGBQUAD* palette,
                        std::size_t paletteCount, std::uint8_t& alpha) {
    switch (bitCount) {
        case 1:
            return paletteColor(palette, paletteCount, (row[x / 8] >> (7 - x % 8)) & 1);
        case 4:
            return paletteColor(palette, paletteCount, (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
        case 8:
            return paletteColor(palette, paletteCount, row[x]);
        case 24: {
            const BYTE* p = row + 3 * x;
            return (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
        }
        default: {
            const BYTE* p = row + 4 * x;
            alpha = p[3];
            return (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
        }
    }
}

bool readable(const BITMAPINFOHEADER& h) {
    bool depth = h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 ||
                 h.biBitCount == 24 || h.biBitCount == 32;
    // 32-bit images with the standard channel masks read as plain ones.
    bool compression = h.biCompression == BI_RGB || (h.biCompression == 3 && h.biBitCount == 32);
    return h.biSize >= sizeof(BITMAPINFOHEADER) && depth && compression && h.biWidth > 0 &&
           h.biHeight != 0 && h.biWidth <= 32768 && std::abs(h.biHeight) <= 32768;
}

}  // namespace

int dibStride(int width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

std::size_t paletteBytes(const BITMAPINFOHEADER& h) {
    std::size_t masks = h.biCompression == 3 ? 3 * sizeof(DWORD) : 0;
    if (h.biBitCount > 8) return masks + h.biClrUsed * sizeof(RGBQUAD);
    std::size_t count = h.biClrUsed ? h.biClrUsed : (std::size_t(1) << h.biBitCount);
    return count * sizeof(RGBQUAD);
}

std::optional<DibImage> readDib(const BITMAPINFO& info, const void* bits, std::size_t bitsSize,
                                int rows) {
    const BITMAPINFOHEADER& h = info.bmiHeader;
    if (!readable(h) || !bits) return std::nullopt;
    int width = h.biWidth, height = rows ? rows : std::abs(h.biHeight);
    int stride = dibStride(width, h.biBitCount);
    if (bitsSize < std::size_t(stride) * height) return std::nullopt;
    auto palette =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(&info) + h.biSize);
    std::size_t paletteCount = h.biBitCount <= 8 ? paletteBytes(h) / sizeof(RGBQUAD) : 0;
    DibImage image;
    image.pixels = Surface(width, height);
    image.bitCount = h.biBitCount;
    image.blackAndWhite = h.biBitCount == 1 && paletteCount == 2 &&
                          paletteColor(palette, 2, 0) == 0 &&
                          paletteColor(palette, 2, 1) == 0xFFFFFF;
    std::vector<std::uint8_t> alpha(std::size_t(width) * height, 0);
    bool anyAlpha = false;
    bool topDown = h.biHeight < 0;
    for (int y = 0; y < height; ++y) {
        const BYTE* row =
            static_cast<const BYTE*>(bits) + std::size_t(stride) * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint8_t& a = alpha[std::size_t(y) * width + x];
            image.pixels.at(x, y) = readPixel(row, x, h.biBitCount, palette, paletteCount, a);
            anyAlpha = anyAlpha || a != 0;
        }
    }
    if (anyAlpha) image.alpha = std::move(alpha);
    return image;
}

std::optional<DibImage> readPackedDib(const BYTE* data, std::size_t size, int rows) {
    if (!data || size < sizeof(BITMAPINFOHEADER)) return std::nullopt;
    BITMAPINFOHEADER h;
    std::memcpy(&h, data, sizeof h);
    if (!readable(h)) return std::nullopt;
    std::size_t offset = h.biSize + paletteBytes(h);
    if (offset > size) return std::nullopt;
    // Copy the header and colour table so that they are suitably aligned for reading.
    std::vector<std::uint32_t> header((offset + 3) / 4 + 1);
    std::memcpy(header.data(), data, offset);
    return readDib(*reinterpret_cast<const BITMAPINFO*>(header.data()), data + offset,
                   size - offset, rows);
}

void writeDibRows(const Surface& s, int bitCount, bool topDown, BYTE* out) {
    int stride = dibStride(s.width, bitCount);
    for (int y = 0; y < s.height; ++y) {
        BYTE* row = out + std::size_t(stride) * (topDown ? y : s.height - 1 - y);
        std::memset(row, 0, stride);
        for (int x = 0; x < s.width; ++x) {
            std::uint32_t p = s.at(x, y);
            BYTE* d = row + x * (bitCount / 8);
            d[0] = BYTE(p);
            d[1] = BYTE(p >> 8);
            d[2] = BYTE(p >> 16);
        }
    }
}

}  // namespace gdi
