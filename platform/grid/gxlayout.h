// Where rows and columns lie in a grid window: their sizes, the frozen and header rows and
// columns, and the scroll position. Rows and columns follow the same rules, so one Axis class
// serves both. Internal to the grid library.
#pragma once

#include <vector>

#include "grid/gxdefs.h"

namespace gxgrid {

class Axis {
public:
    explicit Axis(int defaultSize) : defaultSize(defaultSize) {}

    // Sizes. Entries never set have the default size.
    int size(ROWCOL n) const;
    void setSize(ROWCOL n, int size);
    int span(ROWCOL from, ROWCOL to) const;  // total size of from..to, inclusive
    // Whether entries 0..last together are larger than extent; stops adding once they are.
    bool exceeds(ROWCOL last, int extent) const;
    int defaultSize;

    // Inserted entries take the default size; sizes follow the entries they belong to.
    void insert(ROWCOL at, ROWCOL count);
    void remove(ROWCOL from, ROWCOL to);

    // Entries 1..frozen stay on screen while the rest scrolls; of them, 1..headers are drawn
    // as titles (entry 0 always is). first is the first scrolling entry shown.
    ROWCOL frozen = 0;
    ROWCOL headers = 0;
    ROWCOL first = 1;
    ROWCOL firstScrolling() const { return frozen + 1; }
    bool isHeader(ROWCOL n) const { return n <= headers; }
    int frozenExtent() const { return span(0, frozen); }

    // With `last` the last entry: where entry n starts in the window (-1 when scrolled away),
    // the entry at a position (GX_INVALID when none), and the last scrolling entry that fits
    // wholly into an extent.
    int start(ROWCOL n, ROWCOL last) const;
    ROWCOL at(int position, ROWCOL last) const;
    ROWCOL lastFull(int extent, ROWCOL last) const;

private:
    std::vector<int> m_sizes;
};

// The rows (heights) and columns (widths) of a grid.
struct Layout {
    Axis rows{19};
    Axis cols{64};
};

}  // namespace gxgrid
