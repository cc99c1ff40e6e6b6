// Bitmaps: device-dependent (monochrome or 32-bit), DIB sections, and the DIB transfers.
#include <cstdlib>
#include <cstring>

#include "gdi/dc.h"
#include "gdi/dibcodec.h"
#include "gdi/dibsync.h"
#include "gdi/painter.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace gdi {
namespace {

bool dcIsMonochrome(HDC hdc) {
    DeviceContext* dc = findDC(hdc);
    return dc && dc->monochrome();
}

// Rows of a monochrome bitmap's initial bits are padded to 16 bits; a set bit is white.
void loadMonoBits(Surface& s, const BYTE* bits) {
    int stride = (s.width + 15) / 16 * 2;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            bool white = (bits[std::size_t(y) * stride + x / 8] >> (7 - x % 8)) & 1;
            s.at(x, y) = white ? 0xFFFFFF : 0;
        }
    }
}

void loadColorBits(Surface& s, const BYTE* bits) {
    for (std::size_t i = 0; i < s.pixels.size(); ++i) {
        const BYTE* p = bits + 4 * i;
        s.pixels[i] = (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    }
}

// Copies decoded rows into a bitmap from image row `first` on, in the bitmap's own colours.
void storeRows(Bitmap& b, const Surface& rows, int first) {
    for (int y = 0; y < rows.height && first + y < b.surface->height; ++y) {
        if (first + y < 0) continue;
        for (int x = 0; x < rows.width && x < b.surface->width; ++x) {
            std::uint32_t p = rows.at(x, y);
            b.surface->at(x, first + y) = b.monochrome() ? nearestMono(p) : p;
        }
    }
}

}  // namespace

void pullDib(Bitmap& b) {
    if (!b.dib) return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER),
                      b.surface->width,
                      b.dib->topDown ? -b.surface->height : b.surface->height,
                      1,
                      WORD(b.dib->bitCount),
                      BI_RGB,
                      0,
                      0,
                      0,
                      0,
                      0};
    auto image = readDib(info, b.dib->bits.data(), b.dib->bits.size());
    if (image) *b.surface = std::move(image->pixels);
}

void pushDib(Bitmap& b) {
    if (b.dib) writeDibRows(*b.surface, b.dib->bitCount, b.dib->topDown, b.dib->bits.data());
}

}  // namespace gdi

using namespace gdi;

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const VOID* lpBits) {
    if (nWidth < 0 || nHeight < 0) return nullptr;
    if (nWidth == 0 || nHeight == 0) return defaultBitmap();
    if (nPlanes != 1 || (nBitCount != 1 && nBitCount != 32)) {
        AfxNotSupported("CreateBitmap other than 1 plane of 1 or 32 bits per pixel");
    }
    HBITMAP h = newBitmap(nWidth, nHeight, static_cast<int>(nBitCount));
    Surface& s = *findBitmap(h)->surface;
    if (lpBits && nBitCount == 1) loadMonoBits(s, static_cast<const BYTE*>(lpBits));
    if (lpBits && nBitCount == 32) loadColorBits(s, static_cast<const BYTE*>(lpBits));
    return h;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    if (!findDC(hdc) || cx < 0 || cy < 0) return nullptr;
    if (cx == 0 || cy == 0) return defaultBitmap();
    return newBitmap(cx, cy, dcIsMonochrome(hdc) ? 1 : 32);
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* pbmi, UINT usage, VOID** ppvBits, HANDLE hSection,
                         DWORD) {
    if (ppvBits) *ppvBits = nullptr;
    if (!pbmi) return nullptr;
    const BITMAPINFOHEADER& h = pbmi->bmiHeader;
    if (hSection || usage != DIB_RGB_COLORS || h.biCompression != BI_RGB ||
        (h.biBitCount != 24 && h.biBitCount != 32)) {
        AfxNotSupported("DIB sections other than 24 or 32 bits, BI_RGB, in memory");
    }
    if (h.biWidth <= 0 || h.biHeight == 0) return nullptr;
    int height = std::abs(h.biHeight);
    HBITMAP handle = newBitmap(h.biWidth, height, 32);
    Bitmap& b = *findBitmap(handle);
    b.dibSection = true;
    b.bitsPixel = h.biBitCount;
    void* bits = b.surface->pixels.data();
    // A top-down 32-bit section shares the surface's memory; others keep bits of their own.
    if (h.biBitCount != 32 || h.biHeight > 0) {
        b.dib = std::make_unique<DibLayout>();
        b.dib->bitCount = h.biBitCount;
        b.dib->topDown = h.biHeight < 0;
        b.dib->stride = dibStride(h.biWidth, h.biBitCount);
        b.dib->bits.assign(std::size_t(b.dib->stride) * height, 0);
        bits = b.dib->bits.data();
    }
    if (ppvBits) *ppvBits = bits;
    return handle;
}

int SetDIBits(HDC, HBITMAP hbm, UINT start, UINT cLines, const VOID* lpBits,
              const BITMAPINFO* lpbmi, UINT ColorUse) {
    Bitmap* b = findBitmap(hbm);
    if (!b || b->stock || !lpBits || !lpbmi || ColorUse != DIB_RGB_COLORS || cLines == 0) return 0;
    const BITMAPINFOHEADER& h = lpbmi->bmiHeader;
    int rows = static_cast<int>(cLines);
    std::size_t size = std::size_t(dibStride(h.biWidth, h.biBitCount)) * rows;
    auto image = readDib(*lpbmi, lpBits, size, rows);
    if (!image) return 0;
    // Bottom-up scan lines count from the bottom of the image.
    int height = std::abs(h.biHeight);
    int first = h.biHeight < 0 ? int(start) : height - int(start) - rows;
    storeRows(*b, image->pixels, first);
    pushDib(*b);
    return rows;
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const VOID* pjBits,
                       const BITMAPINFO* pbmi, UINT iUsage) {
    if (!pbmih) return nullptr;
    HBITMAP h = CreateCompatibleBitmap(hdc, pbmih->biWidth, std::abs(pbmih->biHeight));
    if (!h || !(flInit & CBM_INIT)) return h;
    if (!SetDIBits(hdc, h, 0, std::abs(pbmih->biHeight), pjBits, pbmi, iUsage)) {
        DeleteObject(h);
        return nullptr;
    }
    return h;
}

int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
              UINT usage) {
    Bitmap* b = findBitmap(hbm);
    if (!findDC(hdc) || !b || !lpbmi || usage != DIB_RGB_COLORS) return 0;
    BITMAPINFOHEADER& h = lpbmi->bmiHeader;
    const Surface& s = *b->surface;
    if (!lpvBits) {
        // Only the header is wanted: describe the bitmap.
        h = {sizeof(BITMAPINFOHEADER),
             s.width,
             s.height,
             1,
             WORD(b->bitsPixel == 1 ? 1 : 32),
             BI_RGB,
             DWORD(dibStride(s.width, b->bitsPixel == 1 ? 1 : 32) * s.height),
             0,
             0,
             0,
             0};
        return TRUE;
    }
    if (h.biBitCount != 24 && h.biBitCount != 32)
        AfxNotSupported("GetDIBits other than 24 or 32 bits");
    if (h.biWidth != s.width) return 0;
    pullDib(*b);
    bool topDown = h.biHeight < 0;
    int height = std::abs(h.biHeight), stride = dibStride(s.width, h.biBitCount);
    std::vector<BYTE> all(std::size_t(stride) * s.height);
    writeDibRows(s, h.biBitCount, topDown, all.data());
    int lines = std::min<int>(int(cLines), std::min(height, s.height) - int(start));
    if (lines <= 0) return 0;
    // Scan line `start` is the first row in memory order of the caller's orientation.
    std::memcpy(lpvBits,
                all.data() + std::size_t(stride) * (topDown ? start : s.height - height + start),
                std::size_t(stride) * lines);
    return lines;
}

BOOL GdiFlush() {
    flushDibSections();
    return TRUE;
}
