// DrawTextW: mnemonic prefixes, tabs, line and word breaks, alignment and ellipses.
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "gdi/textpaint.h"
#include "gdi/wingdi.h"

namespace gdi {
namespace {

// A line of shown characters; `marked` flags the characters a mnemonic prefix underlines.
struct Line {
    std::wstring text;
    std::vector<bool> marked;
};

Line stripPrefixes(std::wstring_view in, UINT format) {
    Line out;
    bool prefixes = !(format & DT_NOPREFIX);
    bool showMarks = !(format & DT_HIDEPREFIX);
    for (std::size_t i = 0; i < in.size(); ++i) {
        bool mark = false;
        if (prefixes && in[i] == L'&') {
            // "&&" is a literal ampersand; a lone "&" at the end shows nothing.
            if (++i == in.size()) break;
            mark = in[i] != L'&' && showMarks;
        }
        out.text.push_back(in[i]);
        out.marked.push_back(mark);
    }
    return out;
}

class Layout {
public:
    Layout(FontFace& face, UINT format) : face_(face), format_(format) {}

    // The x offset of each character and, last, the line's width; tabs expanded when asked.
    std::vector<int> positions(const std::wstring& text) const {
        std::vector<int> x{0};
        int tabStop = 8 * face_.metrics().tmAveCharWidth;
        for (wchar_t ch : text) {
            int at = x.back();
            if (ch == L'\t' && (format_ & DT_EXPANDTABS)) {
                x.push_back(tabStop > 0 ? (at / tabStop + 1) * tabStop : at);
            } else {
                x.push_back(at + face_.advance(ch));
            }
        }
        return x;
    }
    int width(const std::wstring& text) const { return positions(text).back(); }

    // Splits a paragraph at spaces so that each line fits `maxWidth` where it can; a word
    // wider than the whole width stays on one line of its own.
    std::vector<Line> wrap(const Line& para, int maxWidth) const {
        std::vector<Line> lines;
        std::vector<int> x = positions(para.text);
        std::size_t start = 0, n = para.text.size();
        while (true) {
            std::size_t end = breakAfter(para.text, x, start, maxWidth);
            lines.push_back(slice(para, start, trimEnd(para.text, start, end)));
            start = end;
            while (start < n && para.text[start] == L' ') ++start;
            if (start >= n) break;
        }
        return lines;
    }

    // Cuts the line so that it fits with "..." after it.
    Line ellipsize(const Line& line, int maxWidth) const {
        if (width(line.text) <= maxWidth) return line;
        int dots = face_.width(L"...");
        std::vector<int> x = positions(line.text);
        std::size_t keep = line.text.size();
        while (keep > 0 && x[keep] + dots > maxWidth) --keep;
        Line out = slice(line, 0, keep);
        out.text += L"...";
        out.marked.insert(out.marked.end(), 3, false);
        return out;
    }

private:
    // Where the line starting at `start` ends: at the last space before the text overflows, or
    // after the overflowing word when there is no such space.
    static std::size_t breakAfter(const std::wstring& t, const std::vector<int>& x,
                                  std::size_t start, int maxWidth) {
        std::size_t n = t.size(), lastBreak = std::wstring::npos, i = start;
        for (; i < n; ++i) {
            if (t[i] == L' ' || t[i] == L'\t') lastBreak = i;
            if (x[i + 1] - x[start] > maxWidth) break;
        }
        if (i == n) return n;
        if (lastBreak != std::wstring::npos && lastBreak > start) return lastBreak;
        while (i < n && t[i] != L' ') ++i;
        return i;
    }
    static std::size_t trimEnd(const std::wstring& t, std::size_t start, std::size_t end) {
        while (end > start && (t[end - 1] == L' ' || t[end - 1] == L'\t')) --end;
        return end;
    }
    static Line slice(const Line& l, std::size_t from, std::size_t to) {
        return Line{l.text.substr(from, to - from),
                    std::vector<bool>(l.marked.begin() + from, l.marked.begin() + to)};
    }

    FontFace& face_;
    UINT format_;
};

std::vector<Line> splitParagraphs(const Line& all, UINT format) {
    std::vector<Line> out(1);
    for (std::size_t i = 0; i < all.text.size(); ++i) {
        wchar_t ch = all.text[i];
        if (!(format & DT_SINGLELINE) && (ch == L'\r' || ch == L'\n')) {
            if (ch == L'\r' && i + 1 < all.text.size() && all.text[i + 1] == L'\n') ++i;
            out.emplace_back();
            continue;
        }
        out.back().text.push_back(ch);
        out.back().marked.push_back(all.marked[i]);
    }
    return out;
}

std::vector<Line> layoutLines(const Layout& layout, std::wstring_view text, UINT format,
                              int maxWidth) {
    std::vector<Line> lines;
    for (const Line& para : splitParagraphs(stripPrefixes(text, format), format)) {
        if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
            for (Line& l : layout.wrap(para, maxWidth)) lines.push_back(std::move(l));
        } else {
            lines.push_back(para);
        }
    }
    if (format & DT_END_ELLIPSIS) {
        for (Line& l : lines) l = layout.ellipsize(l, maxWidth);
    }
    return lines;
}

void drawLine(const DeviceContext& dc, Painter& painter, const Layout& layout, const Line& line,
              POINT at, const RECT& clip, UINT format) {
    std::vector<int> x = layout.positions(line.text);
    std::vector<int> advances(line.text.size());
    for (std::size_t i = 0; i < advances.size(); ++i) advances[i] = x[i + 1] - x[i];
    if (dc.state.bkMode == OPAQUE) {
        int h = currentFace(dc).metrics().tmHeight;
        RECT cell = painter.toSurface(RECT{at.x, at.y, at.x + x.back(), at.y + h});
        painter.fillSurfaceRect(intersect(cell, clip), painter.pixelOf(dc.state.bkColor),
                                R2_COPYPEN);
    }
    if (!(format & DT_PREFIXONLY)) {
        paintTextLine(dc, painter, at.x, at.y, line.text, clip, dc.state.textColor,
                      advances.data());
    }
    for (std::size_t i = 0; i < line.text.size(); ++i) {
        if (line.marked[i])
            paintUnderline(dc, painter, at.x + x[i], at.y, advances[i], clip, dc.state.textColor);
    }
}

}  // namespace
}  // namespace gdi

using namespace gdi;

int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    DeviceContext* dc = findDC(hdc);
    if (!dc || !lprc || !lpchText) return 0;
    std::wstring_view text(lpchText, cchText < 0 ? std::wcslen(lpchText) : std::size_t(cchText));
    FontFace& face = currentFace(*dc);
    Layout layout(face, format);
    RECT& r = *lprc;
    std::vector<Line> lines = layoutLines(layout, text, format, r.right - r.left);
    int lineHeight = face.metrics().tmHeight;
    int total = text.empty() ? 0 : lineHeight * static_cast<int>(lines.size());
    int top = r.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) top = r.top + (r.bottom - r.top - total) / 2;
        if (format & DT_BOTTOM) top = r.bottom - total;
    }
    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const Line& l : lines) widest = std::max(widest, layout.width(l.text));
        r.right = r.left + (text.empty() ? 0 : widest);
        r.bottom = r.top + total;
        return total;
    }
    Painter painter(*dc);
    if (!painter.valid() || text.empty()) return total;
    RECT clip = (format & DT_NOCLIP) ? painter.clip() : painter.toSurface(r);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int w = layout.width(lines[i].text);
        int x = r.left;
        if (format & DT_CENTER) x = r.left + (r.right - r.left - w) / 2;
        if (format & DT_RIGHT) x = r.right - w;
        drawLine(*dc, painter, layout, lines[i], POINT{x, top + lineHeight * int(i)}, clip, format);
    }
    return top - r.top + total;
}
