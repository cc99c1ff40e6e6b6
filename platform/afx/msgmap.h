// Message-map declarations: DECLARE_MESSAGE_MAP in a class, and BEGIN_MESSAGE_MAP ...
// END_MESSAGE_MAP around its entries in the source file. Handlers are named as pointers to
// members (&CMyDialog::OnOK), as standard C++ requires; the ON_WM_* entries name their
// handler themselves (OnCreate, OnPaint, ...), as MFC's do.
#pragma once

#include "afx/cmdtarget.h"

// MFC's one message for every WM_CTLCOLORxxx; the window procedure hands them on under it.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Leaves the class in protected access, as MFC's does.
#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                     \
    }                                                   \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
        using ThisClass = theClass;                     \
        using TheBaseClass = baseClass;                 \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                     \
    { 0, 0, 0, 0, nullptr }                                                                   \
    }                                                                                         \
    ;                                                                                         \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries}; \
    return &messageMap;                                                                       \
    }

// Any message: LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    {UINT(message), 0, 0, 0, &afxmsg::Message<ThisClass, memberFxn>},

// Menu and accelerator commands, and BN_CLICKED (code 0): void memberFxn().
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, UINT(WORD(id)), UINT(WORD(id)), &afxmsg::Void<ThisClass, memberFxn>},
// void memberFxn(UINT id).
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                  \
    {WM_COMMAND, CN_COMMAND, UINT(WORD(id)), UINT(WORD(idLast)), \
     &afxmsg::WithId<ThisClass, memberFxn>},

// Control notifications sent in WM_COMMAND: void memberFxn().
#define ON_CONTROL(wNotifyCode, id, memberFxn)                            \
    {WM_COMMAND, UINT(WORD(wNotifyCode)), UINT(WORD(id)), UINT(WORD(id)), \
     &afxmsg::Void<ThisClass, memberFxn>},
// void memberFxn(UINT id).
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                  \
    {WM_COMMAND, UINT(WORD(wNotifyCode)), UINT(WORD(id)), UINT(WORD(idLast)), \
     &afxmsg::WithId<ThisClass, memberFxn>},
// In the control's own map: void memberFxn(); the parent is not told.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                \
    {WM_REFLECT_BASE + WM_COMMAND, UINT(WORD(wNotifyCode)), 0, 0, \
     &afxmsg::Void<ThisClass, memberFxn>},
// BOOL memberFxn(): FALSE lets the parent handle the notification as well.
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)             \
    {WM_REFLECT_BASE + WM_COMMAND, UINT(WORD(wNotifyCode)), 0, 0, \
     &afxmsg::Bool<ThisClass, memberFxn>},

// WM_NOTIFY: void memberFxn(NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                            \
    {WM_NOTIFY, UINT(WORD(wNotifyCode)), UINT(WORD(id)), UINT(WORD(id)), \
     &afxmsg::Notify<ThisClass, memberFxn>},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                \
    {WM_REFLECT_BASE + WM_NOTIFY, UINT(WORD(wNotifyCode)), 0, 0, \
     &afxmsg::Notify<ThisClass, memberFxn>},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)

// Window messages with MFC's cracked handler signatures.
#define AFX_ON_WM(message, thunk, handler) \
    {UINT(message), 0, 0, 0, &afxmsg::thunk<ThisClass, &ThisClass::handler>},
#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, Create, OnCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, Void, OnDestroy)
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, Void, OnNcDestroy)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, Size, OnSize)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, Move, OnMove)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, Void, OnPaint)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, EraseBkgnd, OnEraseBkgnd)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, Focus, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, Focus, OnKillFocus)
#define ON_WM_ENABLE() AFX_ON_WM(WM_ENABLE, Enable, OnEnable)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, Key, OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, Key, OnKeyUp)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, Key, OnChar)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM(WM_LBUTTONDBLCLK, Mouse, OnLButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_MOUSELEAVE() AFX_ON_WM(WM_MOUSELEAVE, Void, OnMouseLeave)
#define ON_WM_SETCURSOR() AFX_ON_WM(WM_SETCURSOR, SetCursor, OnSetCursor)
#define ON_WM_CTLCOLOR() AFX_ON_WM(WM_CTLCOLOR, CtlColor, OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT() AFX_ON_WM(WM_REFLECT_BASE + WM_CTLCOLOR, CtlColorReflect, CtlColor)
#define ON_WM_DRAWITEM() AFX_ON_WM(WM_DRAWITEM, DrawItem, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_ON_WM(WM_MEASUREITEM, MeasureItem, OnMeasureItem)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_WM(WM_SYSCOLORCHANGE, Void, OnSysColorChange)
#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, Activate, OnActivate)
#define ON_WM_CANCELMODE() AFX_ON_WM(WM_CANCELMODE, Void, OnCancelMode)
#define ON_WM_GETDLGCODE() AFX_ON_WM(WM_GETDLGCODE, GetDlgCode, OnGetDlgCode)
#define ON_WM_HELPINFO() AFX_ON_WM(WM_HELP, HelpInfo, OnHelpInfo)
#define ON_WM_CONTEXTMENU() AFX_ON_WM(WM_CONTEXTMENU, ContextMenu, OnContextMenu)
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, ShowWindow, OnShowWindow)
