#include "gdi/sysimages.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <optional>

#include "gdi/icons.h"

namespace gdi {
namespace {

constexpr int kSize = 32;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// A picture's colour at a pixel, nullopt where it is transparent.
using Picture = std::function<std::optional<std::uint32_t>(int x, int y)>;

// A shape drawn white with a black outline: `inside` tells the shape's pixels.
Picture outlined(std::function<bool(int, int)> inside) {
    return [inside](int x, int y) -> std::optional<std::uint32_t> {
        if (!inside(x, y)) return std::nullopt;
        bool edge =
            !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
        return edge ? kBlack : kWhite;
    };
}

Picture disc(std::uint32_t color) {
    return [color](int x, int y) -> std::optional<std::uint32_t> {
        int dx = 2 * x - 31, dy = 2 * y - 31;
        if (dx * dx + dy * dy > 29 * 29) return std::nullopt;
        return dx * dx + dy * dy > 25 * 25 ? kBlack : color;
    };
}

// The rarer cursors share one look, a diamond whose size tells them apart.
Picture genericCursor(int index) {
    int radius = 4 + index;
    return outlined(
        [radius](int x, int y) { return std::abs(x - 16) + std::abs(y - 16) <= radius; });
}

HICON make(const Picture& picture, bool icon, POINT hotspot) {
    Surface color(kSize, kSize), mask(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            auto c = picture(x, y);
            color.at(x, y) = c.value_or(0);
            mask.at(x, y) = c ? 0 : kWhite;
        }
    }
    auto result = std::make_unique<Icon>(std::move(color), std::move(mask), true);
    result->fIcon = icon;
    result->hotspot = icon ? POINT{kSize / 2, kSize / 2} : hotspot;
    return addIcon(std::move(result), true);
}

HICON makeCursor(int id) {
    switch (id) {
        case 32512:  // IDC_ARROW
            return make(
                outlined([](int x, int y) { return y >= 0 && y < 20 && x >= 0 && x <= y * 3 / 5; }),
                false, {0, 0});
        case 32513:  // IDC_IBEAM
            return make(outlined([](int x, int y) {
                            return (x >= 14 && x <= 17 && y >= 4 && y <= 27) ||
                                   ((y <= 6 || y >= 25) && y >= 4 && y <= 27 && x >= 11 && x <= 20);
                        }),
                        false, {16, 16});
        case 32514:  // IDC_WAIT
            return make(outlined([](int x, int y) {
                            return y >= 4 && y <= 27 &&
                                   std::abs(x - 16) <= std::abs(y - 16) * 3 / 4 + 2;
                        }),
                        false, {16, 16});
        case 32649:  // IDC_HAND
            return make(outlined([](int x, int y) {
                            return (x >= 5 && x <= 9 && y >= 0 && y <= 14) ||
                                   (x >= 2 && x <= 18 && y >= 12 && y <= 26);
                        }),
                        false, {6, 0});
        case 32515:  // IDC_CROSS
            return make(outlined([](int x, int y) {
                            return (x >= 15 && x <= 17 && y >= 4 && y <= 28) ||
                                   (y >= 15 && y <= 17 && x >= 4 && x <= 28);
                        }),
                        false, {16, 16});
        default: {
            // The rarer standard cursors (IDC_UPARROW, IDC_SIZE*, IDC_NO, IDC_APPSTARTING,
            // IDC_HELP).
            static constexpr int kOthers[] = {32516, 32642, 32643, 32644, 32645,
                                              32646, 32648, 32650, 32651};
            const int* found = std::find(std::begin(kOthers), std::end(kOthers), id);
            if (found == std::end(kOthers)) return nullptr;
            return make(genericCursor(int(found - kOthers)), false, {16, 16});
        }
    }
}

HICON makeIcon(int id) {
    switch (id) {
        case 32512:
            return make(outlined([](int x, int y) { return x >= 2 && x < 30 && y >= 4 && y < 28; }),
                        true, {});
        case 32513:
            return make(disc(0xE00000), true, {});  // IDI_ERROR: red
        case 32514:
            return make(disc(0x2040C0), true, {});  // IDI_QUESTION: blue
        case 32515:
            return make(disc(0xF0D000), true, {});  // IDI_WARNING: yellow
        case 32516:
            return make(disc(0x4080FF), true, {});  // IDI_INFORMATION: light blue
        default:
            return nullptr;
    }
}

}  // namespace

HICON systemImage(LPCWSTR id, bool icon) {
    if (!IS_INTRESOURCE(id)) return nullptr;
    int number = static_cast<int>(reinterpret_cast<UINT_PTR>(id));
    static std::map<std::pair<int, bool>, HICON> images;
    auto key = std::make_pair(number, icon);
    auto it = images.find(key);
    if (it != images.end()) return it->second;
    HICON image = icon ? makeIcon(number) : makeCursor(number);
    if (image) images.emplace(key, image);
    return image;
}

}  // namespace gdi
