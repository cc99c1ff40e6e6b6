// The small functions behind message-map entries: each unpacks one kind of message and calls
// the handler with MFC's signature for it. Used only through the macros of afx/msgmap.h.
#pragma once

#include "afx/dc.h"
#include "afx/point.h"
#include "afx/wnd.h"

namespace afxmsg {

template <class T, auto Fn>
BOOL Message(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    r = (static_cast<T*>(p)->*Fn)(c.wParam, c.lParam);
    return TRUE;
}
template <class T, auto Fn>
BOOL Void(CCmdTarget* p, const AFX_MSGCALL&, LRESULT&) {
    (static_cast<T*>(p)->*Fn)();
    return TRUE;
}
template <class T, auto Fn>
BOOL WithId(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(c.nID);
    return TRUE;
}
template <class T, auto Fn>
BOOL Bool(CCmdTarget* p, const AFX_MSGCALL&, LRESULT&) {
    return (static_cast<T*>(p)->*Fn)();
}
template <class T, auto Fn>
BOOL Notify(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    (static_cast<T*>(p)->*Fn)(reinterpret_cast<NMHDR*>(c.lParam), &r);
    return TRUE;
}
template <class T, auto Fn>
BOOL Create(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    r = (static_cast<T*>(p)->*Fn)(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
    return TRUE;
}
template <class T, auto Fn>
BOOL Size(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(UINT(c.wParam), GET_X_LPARAM(c.lParam), GET_Y_LPARAM(c.lParam));
    return TRUE;
}
template <class T, auto Fn>
BOOL Move(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(GET_X_LPARAM(c.lParam), GET_Y_LPARAM(c.lParam));
    return TRUE;
}
template <class T, auto Fn>
BOOL EraseBkgnd(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    r = (static_cast<T*>(p)->*Fn)(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)));
    return TRUE;
}
template <class T, auto Fn>
BOOL Focus(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)));
    return TRUE;
}
template <class T, auto Fn>
BOOL Enable(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(BOOL(c.wParam));
    return TRUE;
}
template <class T, auto Fn>
BOOL Key(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(UINT(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
    return TRUE;
}
template <class T, auto Fn>
BOOL Mouse(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(UINT(c.wParam),
                              CPoint(GET_X_LPARAM(c.lParam), GET_Y_LPARAM(c.lParam)));
    return TRUE;
}
template <class T, auto Fn>
BOOL SetCursor(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    r = (static_cast<T*>(p)->*Fn)(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)),
                                  LOWORD(c.lParam), HIWORD(c.lParam));
    return TRUE;
}
// WM_CTLCOLORxxx arrive here as WM_CTLCOLOR with the control type in nID (see CWnd::OnWndMsg).
template <class T, auto Fn>
BOOL CtlColor(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    r = reinterpret_cast<LRESULT>(
        (static_cast<T*>(p)->*Fn)(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)),
                                  CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)), c.nID));
    return TRUE;
}
// A reflected handler that returns no brush leaves the colouring to the parent.
template <class T, auto Fn>
BOOL CtlColorReflect(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    r = reinterpret_cast<LRESULT>(
        (static_cast<T*>(p)->*Fn)(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)), c.nID));
    return r != 0;
}
template <class T, auto Fn>
BOOL DrawItem(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    (static_cast<T*>(p)->*Fn)(int(c.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));
    r = TRUE;
    return TRUE;
}
template <class T, auto Fn>
BOOL MeasureItem(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    (static_cast<T*>(p)->*Fn)(int(c.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));
    r = TRUE;
    return TRUE;
}
template <class T, auto Fn>
BOOL Activate(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(LOWORD(c.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)),
                              BOOL(HIWORD(c.wParam)));
    return TRUE;
}
template <class T, auto Fn>
BOOL GetDlgCode(CCmdTarget* p, const AFX_MSGCALL&, LRESULT& r) {
    r = (static_cast<T*>(p)->*Fn)();
    return TRUE;
}
template <class T, auto Fn>
BOOL HelpInfo(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT& r) {
    r = (static_cast<T*>(p)->*Fn)(reinterpret_cast<HELPINFO*>(c.lParam));
    return TRUE;
}
template <class T, auto Fn>
BOOL ContextMenu(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)),
                              CPoint(GET_X_LPARAM(c.lParam), GET_Y_LPARAM(c.lParam)));
    return TRUE;
}
template <class T, auto Fn>
BOOL ShowWindow(CCmdTarget* p, const AFX_MSGCALL& c, LRESULT&) {
    (static_cast<T*>(p)->*Fn)(BOOL(c.wParam), UINT(c.lParam));
    return TRUE;
}

}  // namespace afxmsg
