#include "afx/cmdtarget.h"

#include <cstdint>
#include <unordered_map>

#include "user/winuser.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

namespace {

template <class Match>
const AFX_MSGMAP_ENTRY* findInChain(const AFX_MSGMAP* pMap, Match match) {
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfn; ++pEntry) {
            if (match(*pEntry)) return pEntry;
        }
    }
    return nullptr;
}

struct CacheKey {
    const AFX_MSGMAP* map;
    UINT message;
    bool operator==(const CacheKey&) const = default;
};

struct CacheKeyHash {
    std::size_t operator()(const CacheKey& key) const {
        return std::hash<const void*>()(key.map) ^
               (std::size_t(key.message) * 0x9E3779B97F4A7C15ull);
    }
};

}  // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage) {
    // Maps are static tables that never change, so a found entry (or its absence) stays true
    // for the life of the process.
    static std::unordered_map<CacheKey, const AFX_MSGMAP_ENTRY*, CacheKeyHash> cache;
    CacheKey key{pMap, nMessage};
    if (auto found = cache.find(key); found != cache.end()) return found->second;
    const AFX_MSGMAP_ENTRY* pEntry = findInChain(pMap, [nMessage](const AFX_MSGMAP_ENTRY& e) {
        return e.nMessage == nMessage && e.nCode == 0 && e.nID == 0 && e.nLastID == 0;
    });
    cache.emplace(key, pEntry);
    return pEntry;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::AfxFindCommandEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                        UINT nCode, UINT nID) {
    return findInChain(pMap, [=](const AFX_MSGMAP_ENTRY& e) {
        return e.nMessage == nMessage && e.nCode == nCode && e.nID <= nID && nID <= e.nLastID;
    });
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    UINT nMessage = HIWORD(nCode) ? HIWORD(nCode) : WM_COMMAND;
    UINT nNotifyCode = LOWORD(nCode);
    const AFX_MSGMAP_ENTRY* pEntry =
        AfxFindCommandEntry(GetMessageMap(), nMessage, nNotifyCode, nID);
    if (!pEntry) return FALSE;
    // Notify handlers get the NMHDR and write their result through the pointer that travels
    // with it; command handlers get only their id.
    AFX_MSGCALL call{nMessage, WPARAM(nID), reinterpret_cast<LPARAM>(pExtra), nID};
    LRESULT result = 0;
    BOOL handled = pEntry->pfn(this, call, result);
    if (handled && pHandlerInfo) *static_cast<LRESULT*>(pHandlerInfo) = result;
    return handled;
}
