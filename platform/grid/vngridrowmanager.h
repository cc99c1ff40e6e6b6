// Application rows (the index of an item in the application's lists) and grid rows (the
// grid's data rows, counted from 0): the grid shows items in the order the application keeps
// them, so the two are the same number; the conversions keep callers independent of that.
#pragma once

class CVnGridRowManager {
public:
    int AR2GR(int nAppRow) const { return nAppRow; }
    int GR2AR(int nGridRow) const { return nGridRow; }
};
