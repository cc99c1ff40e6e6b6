// The generic-text names of the windowing API. Windows spells them as macros; ours are inline
// functions so that MFC classes can declare members of the same names. winuser.h includes this.
#pragma once

inline ATOM RegisterClass(const WNDCLASSW* c) {
    return RegisterClassW(c);
}
inline ATOM RegisterClassEx(const WNDCLASSEXW* c) {
    return RegisterClassExW(c);
}
inline BOOL UnregisterClass(LPCWSTR name, HINSTANCE inst) {
    return UnregisterClassW(name, inst);
}
inline BOOL GetClassInfo(HINSTANCE inst, LPCWSTR name, LPWNDCLASSW c) {
    return GetClassInfoW(inst, name, c);
}
inline BOOL GetClassInfoEx(HINSTANCE inst, LPCWSTR name, LPWNDCLASSEXW c) {
    return GetClassInfoExW(inst, name, c);
}
inline int GetClassName(HWND w, LPWSTR s, int n) {
    return GetClassNameW(w, s, n);
}
inline HWND CreateWindowEx(DWORD ex, LPCWSTR cls, LPCWSTR name, DWORD style, int x, int y, int cx,
                           int cy, HWND parent, HMENU menu, HINSTANCE inst, LPVOID param) {
    return CreateWindowExW(ex, cls, name, style, x, y, cx, cy, parent, menu, inst, param);
}
inline HWND CreateWindowW(LPCWSTR cls, LPCWSTR name, DWORD style, int x, int y, int cx, int cy,
                          HWND parent, HMENU menu, HINSTANCE inst, LPVOID param) {
    return CreateWindowExW(0, cls, name, style, x, y, cx, cy, parent, menu, inst, param);
}
inline HWND CreateWindow(LPCWSTR cls, LPCWSTR name, DWORD style, int x, int y, int cx, int cy,
                         HWND parent, HMENU menu, HINSTANCE inst, LPVOID param) {
    return CreateWindowExW(0, cls, name, style, x, y, cx, cy, parent, menu, inst, param);
}
inline LRESULT SendMessage(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return SendMessageW(w, m, wp, lp);
}
inline BOOL PostMessage(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return PostMessageW(w, m, wp, lp);
}
inline BOOL GetMessage(LPMSG msg, HWND w, UINT lo, UINT hi) {
    return GetMessageW(msg, w, lo, hi);
}
inline BOOL PeekMessage(LPMSG msg, HWND w, UINT lo, UINT hi, UINT rm) {
    return PeekMessageW(msg, w, lo, hi, rm);
}
inline LRESULT DispatchMessage(const MSG* msg) {
    return DispatchMessageW(msg);
}
inline LRESULT DefWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(w, m, wp, lp);
}
inline LRESULT CallWindowProc(WNDPROC p, HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(p, w, m, wp, lp);
}
inline UINT RegisterWindowMessage(LPCWSTR s) {
    return RegisterWindowMessageW(s);
}
inline LONG_PTR GetWindowLongPtr(HWND w, int i) {
    return GetWindowLongPtrW(w, i);
}
inline LONG_PTR SetWindowLongPtr(HWND w, int i, LONG_PTR v) {
    return SetWindowLongPtrW(w, i, v);
}
inline LONG GetWindowLong(HWND w, int i) {
    return GetWindowLongW(w, i);
}
inline LONG SetWindowLong(HWND w, int i, LONG v) {
    return SetWindowLongW(w, i, v);
}
inline ULONG_PTR GetClassLongPtr(HWND w, int i) {
    return GetClassLongPtrW(w, i);
}
inline HHOOK SetWindowsHookEx(int id, HOOKPROC p, HINSTANCE m, DWORD t) {
    return SetWindowsHookExW(id, p, m, t);
}
inline BOOL SetWindowText(HWND w, LPCWSTR s) {
    return SetWindowTextW(w, s);
}
inline int GetWindowText(HWND w, LPWSTR s, int n) {
    return GetWindowTextW(w, s, n);
}
inline int GetWindowTextLength(HWND w) {
    return GetWindowTextLengthW(w);
}
inline HWND CreateDialogParam(HINSTANCE i, LPCWSTR t, HWND p, DLGPROC f, LPARAM l) {
    return CreateDialogParamW(i, t, p, f, l);
}
inline HWND CreateDialogIndirectParam(HINSTANCE i, LPCDLGTEMPLATEW t, HWND p, DLGPROC f, LPARAM l) {
    return CreateDialogIndirectParamW(i, t, p, f, l);
}
inline INT_PTR DialogBoxParam(HINSTANCE i, LPCWSTR t, HWND p, DLGPROC f, LPARAM l) {
    return DialogBoxParamW(i, t, p, f, l);
}
inline INT_PTR DialogBoxIndirectParam(HINSTANCE i, LPCDLGTEMPLATEW t, HWND p, DLGPROC f, LPARAM l) {
    return DialogBoxIndirectParamW(i, t, p, f, l);
}
inline HWND CreateDialogW(HINSTANCE i, LPCWSTR t, HWND p, DLGPROC f) {
    return CreateDialogParamW(i, t, p, f, 0);
}
inline HWND CreateDialog(HINSTANCE i, LPCWSTR t, HWND p, DLGPROC f) {
    return CreateDialogParamW(i, t, p, f, 0);
}
inline INT_PTR DialogBoxW(HINSTANCE i, LPCWSTR t, HWND p, DLGPROC f) {
    return DialogBoxParamW(i, t, p, f, 0);
}
inline INT_PTR DialogBox(HINSTANCE i, LPCWSTR t, HWND p, DLGPROC f) {
    return DialogBoxParamW(i, t, p, f, 0);
}
inline LRESULT DefDlgProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    return DefDlgProcW(w, m, wp, lp);
}
inline BOOL IsDialogMessage(HWND d, LPMSG m) {
    return IsDialogMessageW(d, m);
}
inline BOOL SetDlgItemText(HWND d, int id, LPCWSTR s) {
    return SetDlgItemTextW(d, id, s);
}
inline UINT GetDlgItemText(HWND d, int id, LPWSTR s, int n) {
    return GetDlgItemTextW(d, id, s, n);
}
inline LRESULT SendDlgItemMessage(HWND d, int id, UINT m, WPARAM wp, LPARAM lp) {
    return SendDlgItemMessageW(d, id, m, wp, lp);
}
inline int MessageBox(HWND w, LPCWSTR text, LPCWSTR caption, UINT type) {
    return MessageBoxW(w, text, caption, type);
}
inline BOOL WinHelp(HWND w, LPCWSTR file, UINT cmd, ULONG_PTR data) {
    return WinHelpW(w, file, cmd, data);
}
