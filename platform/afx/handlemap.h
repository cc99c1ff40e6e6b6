// Internal: MFC's handle maps. The permanent map joins a handle to the object attached to it;
// the temporary map owns the objects FromHandle makes for handles nobody attached.
#pragma once

#include <memory>
#include <unordered_map>

template <class Handle, class Object>
class CHandleMap {
public:
    Object* LookupPermanent(Handle h) const {
        auto found = m_permanent.find(h);
        return found == m_permanent.end() ? nullptr : found->second;
    }
    Object* LookupTemporary(Handle h) const {
        auto found = m_temporary.find(h);
        return found == m_temporary.end() ? nullptr : found->second.get();
    }
    void SetPermanent(Handle h, Object* pObject) { m_permanent[h] = pObject; }
    void RemovePermanent(Handle h) { m_permanent.erase(h); }

    // The object for h: the attached one, or a temporary made by make(h) and kept until
    // DeleteTemp. clear(object) takes the handle back out before a temporary is deleted, so
    // that its destructor leaves the handle alone.
    template <class Make>
    Object* FromHandle(Handle h, Make make) {
        if (!h) return nullptr;
        if (Object* pObject = LookupPermanent(h)) return pObject;
        if (Object* pObject = LookupTemporary(h)) return pObject;
        return m_temporary.emplace(h, make(h)).first->second.get();
    }
    template <class Clear>
    void DeleteTemp(Clear clear) {
        auto temporary = std::move(m_temporary);
        m_temporary.clear();
        for (auto& [h, pObject] : temporary) clear(*pObject);
    }

private:
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, std::unique_ptr<Object>> m_temporary;
};
