// MFC's CMap, a hash map whose associations stay where they are until removed: a POSITION
// keeps naming its association while other keys come and go, so a walk may remove the key
// it has just been given. Adding keys during a walk may reorder the rest of it.
// Included through arrays.h.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "win/diagnostics.h"
#include "win/windef.h"

// CMap's hash of a key. Text keys (LPCWSTR, CString) hash by content: see cstring.h.
UINT HashKey(LPCWSTR key);
template <class ARG_KEY>
UINT HashKey(ARG_KEY key) {
    return static_cast<UINT>(std::hash<std::decay_t<ARG_KEY>>{}(key));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
public:
    class CPair {
    public:
        const KEY key;
        VALUE value;

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

    explicit CMap(INT_PTR nBlockSize = 10) { static_cast<void>(nBlockSize); }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    virtual ~CMap() { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        const CPair* pair = PLookup(key);
        if (pair) rValue = pair->value;
        return pair != nullptr;
    }
    const CPair* PLookup(ARG_KEY key) const { return find(key, HashKey(key)); }
    CPair* PLookup(ARG_KEY key) { return find(key, HashKey(key)); }

    // Adds the key with a default value when it is missing.
    VALUE& operator[](ARG_KEY key) {
        UINT hash = HashKey(key);
        if (CAssoc* found = find(key, hash)) return found->value;
        if (m_buckets.empty()) m_buckets.resize(m_nHashTableSize);
        // Not MFC: the table grows with its contents instead of staying at its initial size.
        if (static_cast<UINT>(m_nCount) >= 2 * m_nHashTableSize) rehash(2 * m_nHashTableSize + 1);
        auto assoc = std::make_unique<CAssoc>(key, hash);
        auto& head = m_buckets[hash % m_nHashTableSize];
        assoc->pNext = std::move(head);
        head = std::move(assoc);
        ++m_nCount;
        return head->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) {
        if (m_buckets.empty()) return FALSE;
        UINT hash = HashKey(key);
        for (auto* link = &m_buckets[hash % m_nHashTableSize]; *link; link = &(*link)->pNext) {
            if ((*link)->nHashValue == hash && (*link)->key == key) {
                *link = std::move((*link)->pNext);
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll() {
        for (auto& head : m_buckets) {
            while (head) head = std::move(head->pNext);  // iteratively: chains may be long
        }
        m_buckets.clear();
        m_nCount = 0;
    }
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) {
        ASSERT(hashSize > 0);
        if (!m_buckets.empty()) {
            rehash(hashSize);
        } else {
            m_nHashTableSize = hashSize;
            if (bAllocNow) m_buckets.resize(hashSize);
        }
    }

    // Walks the associations in table order; null when the map is empty.
    POSITION GetStartPosition() const {
        for (auto& head : m_buckets) {
            if (head) return toPosition(head.get());
        }
        return nullptr;
    }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        ASSERT(rNextPosition != nullptr);
        auto* assoc = reinterpret_cast<const CAssoc*>(rNextPosition);
        rKey = assoc->key;
        rValue = assoc->value;
        rNextPosition = toPosition(next(assoc));
    }

private:
    struct CAssoc : CPair {
        CAssoc(ARG_KEY key, UINT hash) : CPair(key), nHashValue(hash) {}
        std::unique_ptr<CAssoc> pNext;
        UINT nHashValue;
    };

    CAssoc* find(ARG_KEY key, UINT hash) const {
        if (m_buckets.empty()) return nullptr;
        for (CAssoc* a = m_buckets[hash % m_nHashTableSize].get(); a; a = a->pNext.get()) {
            if (a->nHashValue == hash && a->key == key) return a;
        }
        return nullptr;
    }
    const CAssoc* next(const CAssoc* assoc) const {
        if (assoc->pNext) return assoc->pNext.get();
        for (std::size_t b = assoc->nHashValue % m_nHashTableSize + 1; b < m_buckets.size(); ++b) {
            if (m_buckets[b]) return m_buckets[b].get();
        }
        return nullptr;
    }
    void rehash(UINT newSize) {
        std::vector<std::unique_ptr<CAssoc>> buckets(newSize);
        for (auto& head : m_buckets) {
            while (head) {
                auto assoc = std::move(head);
                head = std::move(assoc->pNext);
                auto& target = buckets[assoc->nHashValue % newSize];
                assoc->pNext = std::move(target);
                target = std::move(assoc);
            }
        }
        m_buckets = std::move(buckets);
        m_nHashTableSize = newSize;
    }
    static POSITION toPosition(const CAssoc* assoc) {
        return reinterpret_cast<POSITION>(const_cast<CAssoc*>(assoc));
    }

    std::vector<std::unique_ptr<CAssoc>> m_buckets;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};
