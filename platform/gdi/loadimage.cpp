// LoadImageW and its shorthands: images from a module's resources, from files, or the system's.
#include <cstdlib>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>

#include "gdi/dibcodec.h"
#include "gdi/iconres.h"
#include "gdi/icons.h"
#include "gdi/sysimages.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"
#include "win/resource.h"
#include "win/utf8.h"

namespace gdi {
namespace {

// The system's icon and cursor size (SM_CXICON, SM_CXCURSOR).
constexpr int kSystemSize = 32;

struct Bytes {
    const BYTE* data = nullptr;
    std::size_t size = 0;
};

Bytes resourceBytes(HINSTANCE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return {};
    auto data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    return {data, data ? SizeofResource(module, found) : 0};
}

std::vector<BYTE> fileBytes(LPCWSTR path) {
    std::ifstream in(WideToUtf8(path), std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

HBITMAP bitmapFromDib(const DibImage& image, UINT fuLoad) {
    const Surface& px = image.pixels;
    if (fuLoad & LR_CREATEDIBSECTION) {
        // The section is 32 bits per pixel, top-down, whatever depth the image had.
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), px.width, -px.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP h = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        *findBitmap(h)->surface = px;
        return h;
    }
    bool mono = image.blackAndWhite || (fuLoad & LR_MONOCHROME);
    HBITMAP h = newBitmap(px.width, px.height, mono ? 1 : 32);
    Surface& s = *findBitmap(h)->surface;
    for (std::size_t i = 0; i < s.pixels.size(); ++i)
        s.pixels[i] = mono ? nearestMono(px.pixels[i]) : px.pixels[i];
    return h;
}

HBITMAP loadBitmap(HINSTANCE module, LPCWSTR name, UINT fuLoad) {
    if (fuLoad & LR_LOADFROMFILE) {
        std::vector<BYTE> file = fileBytes(name);
        if (file.size() < sizeof(BITMAPFILEHEADER) || file[0] != 'B' || file[1] != 'M')
            return nullptr;
        auto image = readPackedDib(file.data() + sizeof(BITMAPFILEHEADER),
                                   file.size() - sizeof(BITMAPFILEHEADER));
        return image ? bitmapFromDib(*image, fuLoad) : nullptr;
    }
    if (!module) AfxNotSupported("LoadImage of system bitmaps");
    Bytes res = resourceBytes(module, name, RT_BITMAP);
    auto image = readPackedDib(res.data, res.size);
    return image ? bitmapFromDib(*image, fuLoad) : nullptr;
}

std::unique_ptr<Icon> loadIconFile(LPCWSTR name, bool icon, int cx, int cy) {
    std::vector<BYTE> file = fileBytes(name);
    std::vector<IconEntry> entries = readFileDirectory(file.data(), file.size());
    int best = bestEntry(entries, cx ? cx : kSystemSize, cy ? cy : kSystemSize);
    if (best < 0) return nullptr;
    const IconEntry& e = entries[best];
    if (std::size_t(e.offset) + e.bytes > file.size()) return nullptr;
    // Cursor images carry their hot spot in front of the image, as cursor resources do.
    std::vector<BYTE> data;
    if (!icon) {
        data = {BYTE(e.hotspot.x), BYTE(e.hotspot.x >> 8), BYTE(e.hotspot.y),
                BYTE(e.hotspot.y >> 8)};
    }
    data.insert(data.end(), file.begin() + e.offset, file.begin() + e.offset + e.bytes);
    return iconFromResource(data.data(), DWORD(data.size()), icon, cx, cy);
}

std::unique_ptr<Icon> loadIconResource(HINSTANCE module, LPCWSTR name, bool icon, int cx, int cy) {
    Bytes group = resourceBytes(module, name, icon ? RT_GROUP_ICON : RT_GROUP_CURSOR);
    std::vector<IconEntry> entries = readGroupDirectory(group.data, group.size, icon);
    int best = bestEntry(entries, cx ? cx : kSystemSize, cy ? cy : kSystemSize);
    if (best < 0) return nullptr;
    Bytes image =
        resourceBytes(module, MAKEINTRESOURCE(entries[best].id), icon ? RT_ICON : RT_CURSOR);
    if (!image.data) return nullptr;
    return iconFromResource(image.data, DWORD(image.size), icon, cx, cy);
}

// Shared images are loaded once per module, name, type and size, and never freed.
using SharedKey = std::tuple<HINSTANCE, std::wstring, UINT, int, int>;
std::map<SharedKey, HANDLE>& sharedImages() {
    static std::map<SharedKey, HANDLE> images;
    return images;
}

std::wstring nameKey(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return L"#" + std::to_wstring(reinterpret_cast<UINT_PTR>(name));
    std::wstring key(name);
    for (wchar_t& c : key) c = static_cast<wchar_t>(std::towupper(c));
    return key;
}

HANDLE loadIconOrCursor(HINSTANCE module, LPCWSTR name, bool icon, int cx, int cy, UINT fuLoad) {
    if (fuLoad & LR_DEFAULTSIZE) {
        cx = cx ? cx : kSystemSize;
        cy = cy ? cy : kSystemSize;
    }
    if (!module && !(fuLoad & LR_LOADFROMFILE)) return systemImage(name, icon);
    bool shared = fuLoad & LR_SHARED;
    SharedKey key{module, nameKey(name), icon ? IMAGE_ICON : IMAGE_CURSOR, cx, cy};
    if (shared) {
        auto it = sharedImages().find(key);
        if (it != sharedImages().end()) return it->second;
    }
    std::unique_ptr<Icon> loaded = (fuLoad & LR_LOADFROMFILE)
                                       ? loadIconFile(name, icon, cx, cy)
                                       : loadIconResource(module, name, icon, cx, cy);
    if (!loaded) return nullptr;
    // A shared image is owned by the system: it is not among the caller's objects.
    HICON h = addIcon(std::move(loaded), shared);
    if (shared) sharedImages()[key] = h;
    return h;
}

}  // namespace
}  // namespace gdi

using namespace gdi;

HANDLE LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad) {
    if (!name) return nullptr;
    switch (type) {
        // Bitmaps are never shared here: each load gives a bitmap the caller deletes.
        case IMAGE_BITMAP:
            return loadBitmap(hInst, name, fuLoad);
        case IMAGE_ICON:
            return loadIconOrCursor(hInst, name, true, cx, cy, fuLoad);
        case IMAGE_CURSOR:
            return loadIconOrCursor(hInst, name, false, cx, cy, fuLoad);
        default:
            return nullptr;
    }
}

HBITMAP LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName) {
    return static_cast<HBITMAP>(
        LoadImageW(hInstance, lpBitmapName, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
    return static_cast<HICON>(
        LoadImageW(hInstance, lpIconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

HCURSOR LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName) {
    return static_cast<HCURSOR>(
        LoadImageW(hInstance, lpCursorName, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}
