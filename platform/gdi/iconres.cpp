// Icons and cursors from the data a .res or .ico file holds: the directory of images of a group,
// and one image (a DIB with its AND mask, or a PNG).
#include "gdi/iconres.h"

#include <cstdlib>
#include <cstring>

#include "gdi/dibcodec.h"
#include "gdi/icons.h"
#include "gdi/png.h"
#include "gdi/wingdi.h"

namespace gdi {
namespace {

WORD word(const BYTE* p) {
    return WORD(p[0] | (p[1] << 8));
}
DWORD dword(const BYTE* p) {
    return DWORD(word(p)) | (DWORD(word(p + 2)) << 16);
}

// The AND mask after the XOR image: 1 bit per pixel, rows bottom-up and padded to 32 bits.
bool readMask(const BYTE* bits, std::size_t size, Surface& mask) {
    int stride = dibStride(mask.width, 1);
    if (size < std::size_t(stride) * mask.height) return false;
    for (int y = 0; y < mask.height; ++y) {
        const BYTE* row = bits + std::size_t(stride) * (mask.height - 1 - y);
        for (int x = 0; x < mask.width; ++x)
            mask.at(x, y) = ((row[x / 8] >> (7 - x % 8)) & 1) ? 0xFFFFFF : 0;
    }
    return true;
}

std::unique_ptr<Icon> iconFromPng(const BYTE* data, std::size_t size) {
    std::vector<std::uint8_t> alpha;
    auto image = ReadPngBytes(data, size, &alpha);
    if (!image) return nullptr;
    Surface mask(image->width, image->height);
    for (std::size_t i = 0; i < alpha.size(); ++i) mask.pixels[i] = alpha[i] < 128 ? 0xFFFFFF : 0;
    auto icon = std::make_unique<Icon>(std::move(*image), std::move(mask), true);
    icon->alpha = std::move(alpha);
    return icon;
}

std::unique_ptr<Icon> iconFromDib(const BYTE* data, std::size_t size) {
    if (size < sizeof(BITMAPINFOHEADER)) return nullptr;
    BITMAPINFOHEADER h;
    std::memcpy(&h, data, sizeof h);
    // The header's height counts the XOR image and the AND mask.
    int rows = std::abs(h.biHeight) / 2;
    auto image = readPackedDib(data, size, rows);
    if (!image || rows == 0) return nullptr;
    std::size_t maskOffset =
        h.biSize + paletteBytes(h) + std::size_t(dibStride(h.biWidth, h.biBitCount)) * rows;
    Surface mask(h.biWidth, rows);
    if (maskOffset > size || !readMask(data + maskOffset, size - maskOffset, mask)) return nullptr;
    auto icon = std::make_unique<Icon>(std::move(image->pixels), std::move(mask), true);
    icon->alpha = std::move(image->alpha);
    return icon;
}

void resize(Icon& icon, int w, int h) {
    if (w <= 0 || h <= 0 || (w == icon.width() && h == icon.height())) return;
    if (!icon.alpha.empty()) {
        Surface alpha(icon.width(), icon.height());
        std::copy(icon.alpha.begin(), icon.alpha.end(), alpha.pixels.begin());
        Surface scaled = scaledSurface(alpha, w, h);
        icon.alpha.assign(scaled.pixels.begin(), scaled.pixels.end());
    }
    icon.color = scaledSurface(icon.color, w, h);
    icon.mask = scaledSurface(icon.mask, w, h);
}

}  // namespace

std::vector<IconEntry> readGroupDirectory(const BYTE* data, std::size_t size, bool fIcon) {
    std::vector<IconEntry> entries;
    if (!data || size < 6) return entries;
    int count = word(data + 4);
    for (int i = 0; i < count && 6 + 14 * std::size_t(i + 1) <= size; ++i) {
        const BYTE* e = data + 6 + 14 * i;
        IconEntry entry;
        if (fIcon) {
            entry.width = e[0] ? e[0] : 256;
            entry.height = e[1] ? e[1] : 256;
            entry.bitCount = word(e + 6);
        } else {
            entry.width = word(e);
            entry.height = word(e + 2) / 2;
            entry.bitCount = word(e + 6);
        }
        entry.bytes = dword(e + 8);
        entry.id = word(e + 12);
        entries.push_back(entry);
    }
    return entries;
}

std::vector<IconEntry> readFileDirectory(const BYTE* data, std::size_t size) {
    std::vector<IconEntry> entries;
    if (!data || size < 6) return entries;
    bool cursor = word(data + 2) == 2;
    int count = word(data + 4);
    for (int i = 0; i < count && 6 + 16 * std::size_t(i + 1) <= size; ++i) {
        const BYTE* e = data + 6 + 16 * i;
        IconEntry entry;
        entry.width = e[0] ? e[0] : 256;
        entry.height = e[1] ? e[1] : 256;
        entry.bitCount = cursor ? 0 : word(e + 6);
        entry.hotspot = cursor ? POINT{word(e + 4), word(e + 6)} : POINT{0, 0};
        entry.bytes = dword(e + 8);
        entry.offset = dword(e + 12);
        entries.push_back(entry);
    }
    return entries;
}

int bestEntry(const std::vector<IconEntry>& entries, int cx, int cy) {
    // The nearest size wins, a larger image before a smaller one, then the deepest colours.
    int best = -1;
    long bestScore = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IconEntry& e = entries[i];
        long distance = std::labs(long(e.width) - cx) + std::labs(long(e.height) - cy);
        long score = distance * 4 + (e.width < cx ? 2 : 0);
        score = score * 64 - std::min(e.bitCount, 32);
        if (best < 0 || score < bestScore) {
            best = int(i);
            bestScore = score;
        }
    }
    return best;
}

std::unique_ptr<Icon> iconFromResource(const BYTE* presbits, DWORD dwResSize, BOOL fIcon, int cx,
                                       int cy) {
    if (!presbits) return nullptr;
    POINT hotspot{0, 0};
    if (!fIcon) {
        if (dwResSize < 4) return nullptr;
        hotspot = POINT{word(presbits), word(presbits + 2)};
        presbits += 4;
        dwResSize -= 4;
    }
    static const BYTE pngSignature[] = {0x89, 'P', 'N', 'G'};
    bool png = dwResSize >= 4 && std::memcmp(presbits, pngSignature, 4) == 0;
    std::unique_ptr<Icon> icon =
        png ? iconFromPng(presbits, dwResSize) : iconFromDib(presbits, dwResSize);
    if (!icon) return nullptr;
    resize(*icon, cx, cy);
    icon->fIcon = fIcon;
    icon->hotspot = fIcon ? POINT{icon->width() / 2, icon->height() / 2} : hotspot;
    return icon;
}

}  // namespace gdi

using namespace gdi;

int LookupIconIdFromDirectoryEx(PBYTE presbits, BOOL fIcon, int cxDesired, int cyDesired, UINT) {
    if (!presbits) return 0;
    // The directory's own count tells its size.
    std::size_t size = 6 + 14 * std::size_t(word(presbits + 4));
    std::vector<IconEntry> entries = readGroupDirectory(presbits, size, fIcon);
    int best = bestEntry(entries, cxDesired ? cxDesired : 32, cyDesired ? cyDesired : 32);
    return best < 0 ? 0 : entries[best].id;
}

HICON CreateIconFromResourceEx(PBYTE presbits, DWORD dwResSize, BOOL fIcon, DWORD, int cxDesired,
                               int cyDesired, UINT) {
    std::unique_ptr<Icon> icon = iconFromResource(presbits, dwResSize, fIcon, cxDesired, cyDesired);
    return icon ? addIcon(std::move(icon)) : nullptr;
}
