#include "grid/gxlayout.h"

#include <algorithm>

namespace gxgrid {

int Axis::size(ROWCOL n) const {
    return n < m_sizes.size() && m_sizes[n] >= 0 ? m_sizes[n] : defaultSize;
}

void Axis::setSize(ROWCOL n, int size) {
    if (n >= m_sizes.size()) m_sizes.resize(n + 1, -1);
    m_sizes[n] = std::max(size, 0);
}

int Axis::span(ROWCOL from, ROWCOL to) const {
    int total = 0;
    for (ROWCOL n = from; n <= to && n != GX_INVALID; ++n) total += size(n);
    return total;
}

bool Axis::exceeds(ROWCOL last, int extent) const {
    int total = 0;
    for (ROWCOL n = 0; n <= last && total <= extent; ++n) total += size(n);
    return total > extent;
}

void Axis::insert(ROWCOL at, ROWCOL count) {
    if (at < m_sizes.size()) m_sizes.insert(m_sizes.begin() + at, count, -1);
}

void Axis::remove(ROWCOL from, ROWCOL to) {
    if (from >= m_sizes.size()) return;
    auto end = std::min<std::size_t>(std::size_t(to) + 1, m_sizes.size());
    m_sizes.erase(m_sizes.begin() + from, m_sizes.begin() + static_cast<std::ptrdiff_t>(end));
}

int Axis::start(ROWCOL n, ROWCOL last) const {
    if (n > last) return -1;
    if (n <= frozen) return n == 0 ? 0 : span(0, n - 1);
    if (n < first) return -1;
    return frozenExtent() + (n == first ? 0 : span(first, n - 1));
}

ROWCOL Axis::at(int position, ROWCOL last) const {
    if (position < 0) return GX_INVALID;
    int end = 0;
    for (ROWCOL n = 0; n <= last; n = (n == frozen ? std::max(first, n + 1) : n + 1)) {
        end += size(n);
        if (position < end) return n;
    }
    return GX_INVALID;
}

ROWCOL Axis::lastFull(int extent, ROWCOL last) const {
    int end = frozenExtent();
    ROWCOL full = first - 1;
    for (ROWCOL n = first; n <= last; ++n) {
        end += size(n);
        if (end > extent) break;
        full = n;
    }
    return full;
}

}  // namespace gxgrid
