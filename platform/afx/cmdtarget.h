// The message-map machinery every window object shares. A class's map is a static table of
// entries walked from the most derived class to CCmdTarget; the first match handles the
// message. MFC stores a signature code and a cast member pointer per entry; here each entry
// stores a small function that unpacks the message and calls the member with its own type.
#pragma once

#include "afx/object.h"
#include "win/windef.h"

class CCmdTarget;

// One message being dispatched, as the thunk of an entry sees it.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;  // the command or control id for command and notification entries
};

// Returns FALSE when the handler declined the message (a reflected handler answering FALSE or
// a null brush), so the search goes on as MFC's does.
using AFX_PMSG = BOOL (*)(CCmdTarget* pTarget, const AFX_MSGCALL& call, LRESULT& result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message, or WM_COMMAND / WM_NOTIFY (+ WM_REFLECT_BASE when reflected)
    UINT nCode;     // notification code for WM_COMMAND and WM_NOTIFY entries
    UINT nID;       // first control or command id
    UINT nLastID;   // last id of a range; nID for a single id
    AFX_PMSG pfn;   // null marks the end of the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages reflected back to the control that sent them are looked up as this base plus the
// original message.
#define WM_REFLECT_BASE 0xBC00
// The notification code of a menu or accelerator command (and of BN_CLICKED, which is 0 too).
#define CN_COMMAND 0

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // Routes a command or control notification through this object's message map. nCode is the
    // notification code, MAKELONG(code, WM_NOTIFY) for WM_NOTIFY, and MAKELONG(code,
    // WM_REFLECT_BASE + WM_COMMAND / WM_NOTIFY) for reflected ones. For notify messages pExtra
    // is the NMHDR and pHandlerInfo the LRESULT* that receives the handler's result (MFC packs
    // both into pExtra and uses pHandlerInfo for its command-routing queries, which this layer
    // does not have).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // The first entry of the class chain for a window message (nCode and ids 0). Cached per
    // map, as MFC's message cache is, so repeated messages skip the walk.
    static const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage);
    // The first entry of the chain for a command or notification with this code and id.
    static const AFX_MSGMAP_ENTRY* AfxFindCommandEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                       UINT nCode, UINT nID);
};
