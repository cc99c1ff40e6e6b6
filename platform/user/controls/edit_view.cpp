// The edit control's geometry (text measures, alignment, horizontal scrolling, hit tests) and
// its classic painting: white field (grey when read-only or disabled), text, selection, caret.
#include <algorithm>

#include "user/controls/edit.h"
#include "user/controls/paintkit.h"

namespace user::controls {

std::wstring Edit::shownText() const {
    return m_passwordChar ? std::wstring(m_text.size(), m_passwordChar) : m_text;
}

RECT Edit::formatRect() const {
    RECT client = clientRect();
    return {client.left + m_leftMargin, client.top, client.right - m_rightMargin, client.bottom};
}

int Edit::textWidth(int chars) const {
    MeasureDC measure(font());
    return textExtent(measure.dc(), shownText().substr(0, static_cast<std::size_t>(chars))).cx;
}

// Where the text's first character would sit, before scrolling, for the alignment style.
int Edit::textOrigin() const {
    RECT format = formatRect();
    int room = format.right - format.left;
    int width = textWidth(length());
    if (width >= room) return format.left;
    if (style() & ES_CENTER) return format.left + (room - width) / 2;
    if (style() & ES_RIGHT) return format.right - width;
    return format.left;
}

int Edit::positionFromX(int x) const {
    int origin = textOrigin() - m_scroll;
    for (int position = 0; position < length(); ++position) {
        int middle = origin + (textWidth(position) + textWidth(position + 1)) / 2;
        if (x < middle) return position;
    }
    return length();
}

bool Edit::fitsWithout(const std::wstring& text) const {
    MeasureDC measure(font());
    std::wstring shown = m_passwordChar ? std::wstring(text.size(), m_passwordChar) : text;
    RECT format = formatRect();
    return textExtent(measure.dc(), shown).cx <= format.right - format.left;
}

void Edit::scrollToCaret() {
    if (!(style() & ES_AUTOHSCROLL)) {
        m_scroll = 0;
        return;
    }
    RECT format = formatRect();
    int room = std::max<int>(1, format.right - format.left);
    int caretX = textWidth(m_caret);
    if (caretX - m_scroll > room - 1) m_scroll = caretX - room + 1;
    // Moving back past the left edge scrolls by a quarter of the width, as Windows does.
    if (caretX < m_scroll) m_scroll = std::max(0, caretX - room / 4);
    m_scroll = std::min(m_scroll, std::max(0, textWidth(length()) - room + 1));
}

LRESULT Edit::setMargins(WPARAM which, LPARAM values) {
    // EC_USEFONTINFO takes a third of the average character width here; Windows derives it from
    // the font's own overhangs.
    auto fromFont = [this] {
        MeasureDC measure(font());
        TEXTMETRICW metrics{};
        GetTextMetricsW(measure.dc(), &metrics);
        return static_cast<int>(metrics.tmAveCharWidth / 3);
    };
    auto value = [&](WORD given) {
        return given == EC_USEFONTINFO ? fromFont() : static_cast<int>(given);
    };
    if (which & EC_LEFTMARGIN) m_leftMargin = value(LOWORD(values));
    if (which & EC_RIGHTMARGIN) m_rightMargin = value(HIWORD(values));
    scrollToCaret();
    invalidate();
    return 0;
}

void Edit::paintText(HDC dc, const RECT& format, int lineTop) {
    std::wstring shown = shownText();
    int origin = textOrigin() - m_scroll;
    if (!enabled()) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, origin, lineTop, shown.c_str(), static_cast<int>(shown.size()));
    bool showSelection = (focused() || (style() & ES_NOHIDESEL)) && m_anchor != m_caret;
    if (!showSelection) return;
    int left = origin + textWidth(selStart());
    int right = origin + textWidth(selEnd());
    RECT highlight = {std::max<LONG>(left, format.left), lineTop,
                      std::min<LONG>(right, format.right), lineTop + fontLineHeight(font())};
    fillWithSysColor(dc, highlight, COLOR_HIGHLIGHT);
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    std::wstring selected = shown.substr(static_cast<std::size_t>(selStart()),
                                         static_cast<std::size_t>(selEnd() - selStart()));
    TextOutW(dc, left, lineTop, selected.c_str(), static_cast<int>(selected.size()));
}

void Edit::paintCaret(HDC dc, const RECT& format, int lineTop) {
    if (!focused() || !enabled() || m_anchor != m_caret) return;
    int x = std::clamp<int>(textOrigin() - m_scroll + textWidth(m_caret), format.left,
                            format.right - 1);
    RECT caret = {x, lineTop, x + 1, lineTop + fontLineHeight(font())};
    fillWithSysColor(dc, caret, COLOR_WINDOWTEXT);
}

void Edit::paint(HDC dc) {
    SelectScope selectFont(dc, font());
    bool grey = !enabled() || readOnly();
    HBRUSH background = controlColors(hwnd(), dc, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    RECT client = clientRect();
    FillRect(dc, &client, background);
    RECT format = formatRect();
    int lineTop = std::max<int>(0, (client.bottom - client.top - fontLineHeight(font())) / 2);
    int saved = SaveDC(dc);
    IntersectClipRect(dc, format.left, format.top, format.right, format.bottom);
    paintText(dc, format, lineTop);
    paintCaret(dc, format, lineTop);
    RestoreDC(dc, saved);
}

}  // namespace user::controls
