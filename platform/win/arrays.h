// MFC's template collections: CArray, a growable array, and (from cmap.h) CMap.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "win/diagnostics.h"
#include "win/windef.h"

// Not MFC: CObject's copy protection without CObject. Arrays copy with Copy().
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    virtual ~CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_data.empty(); }

    // nGrowBy, when not -1, is the least number of elements room is made for at a time.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
        ASSERT(nNewSize >= 0);
        if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
        reserveFor(nNewSize);
        m_data.resize(static_cast<std::size_t>(nNewSize));
        if (nNewSize == 0) m_data.shrink_to_fit();
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { SetSize(0); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[checked(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    // Grows the array as needed to set element nIndex.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
        ASSERT(nIndex >= 0);
        TYPE value(newElement);  // may refer to one of our own elements
        if (nIndex >= GetSize()) SetSize(nIndex + 1);
        m_data[static_cast<std::size_t>(nIndex)] = std::move(value);
    }
    INT_PTR Add(ARG_TYPE newElement) {
        INT_PTR index = GetSize();
        SetAtGrow(index, newElement);
        return index;
    }
    INT_PTR Append(const CArray& src) {
        ASSERT(this != &src);
        INT_PTR oldSize = GetSize();
        reserveFor(oldSize + src.GetSize());
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return oldSize;
    }
    void Copy(const CArray& src) {
        if (this != &src) m_data = src.m_data;
    }

    // Inserting past the end grows the array, default elements filling the gap.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        ASSERT(nIndex >= 0 && nCount >= 0);
        TYPE value(newElement);
        if (nIndex >= GetSize()) {
            SetSize(nIndex + nCount);
            std::fill_n(m_data.begin() + nIndex, nCount, value);
        } else {
            reserveFor(GetSize() + nCount);
            m_data.insert(m_data.begin() + nIndex, static_cast<std::size_t>(nCount), value);
        }
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
        ASSERT(pNewArray != nullptr && pNewArray != this && nStartIndex >= 0);
        if (pNewArray->IsEmpty()) return;
        InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
        std::copy(pNewArray->m_data.begin(), pNewArray->m_data.end(), m_data.begin() + nStartIndex);
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

private:
    std::size_t checked(INT_PTR nIndex) const {
        ASSERT(nIndex >= 0 && nIndex < GetSize());
        return static_cast<std::size_t>(nIndex);
    }
    void reserveFor(INT_PTR nSize) {
        auto wanted = static_cast<std::size_t>(nSize);
        if (wanted <= m_data.capacity() || m_nGrowBy <= 0) return;
        m_data.reserve(std::max(wanted, m_data.capacity() + static_cast<std::size_t>(m_nGrowBy)));
    }

    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy = -1;  // -1: let the vector choose, as MFC's own heuristic would
};

class CDWordArray : public CArray<DWORD, DWORD> {};

// CMap lives beside: module code includes this header for both, as MFC's afxtempl.h.
#include "win/cmap.h"
