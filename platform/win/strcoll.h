// MFC's string collections. Module code passes them by reference to be filled, walks lists
// with POSITION cursors and inserts into them while walking.
#pragma once

#include <memory>

#include "win/arrays.h"
#include "win/cstring.h"
#include "win/windef.h"

// A doubly linked list of strings. A POSITION names one element and stays valid until that
// element is removed, whatever else is inserted or removed around it. Finding, getting and
// removing through a null or foreign POSITION is a caller error and stops the process.
class CStringList {
public:
    explicit CStringList(INT_PTR nBlockSize = 10);
    CStringList(const CStringList&) = delete;
    CStringList& operator=(const CStringList&) = delete;
    virtual ~CStringList();

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    CString& GetHead();
    const CString& GetHead() const;
    CString& GetTail();
    const CString& GetTail() const;
    CString RemoveHead();
    CString RemoveTail();

    POSITION AddHead(LPCTSTR newElement) { return AddHead(CString(newElement)); }
    POSITION AddHead(const CString& newElement);
    POSITION AddTail(LPCTSTR newElement) { return AddTail(CString(newElement)); }
    POSITION AddTail(const CString& newElement);
    // Adds copies of the other list's elements, keeping their order.
    void AddHead(CStringList* pNewList);
    void AddTail(CStringList* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return toPosition(m_pHead.get()); }
    POSITION GetTailPosition() const { return toPosition(m_pTail); }
    // Return the element at rPosition and move rPosition to its neighbour (null at the end).
    CString& GetNext(POSITION& rPosition);
    const CString& GetNext(POSITION& rPosition) const;
    CString& GetPrev(POSITION& rPosition);
    const CString& GetPrev(POSITION& rPosition) const;

    CString& GetAt(POSITION position);
    const CString& GetAt(POSITION position) const;
    void SetAt(POSITION pos, LPCTSTR newElement);
    void SetAt(POSITION pos, const CString& newElement);
    void RemoveAt(POSITION position);
    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, LPCTSTR newElement);
    POSITION InsertBefore(POSITION position, const CString& newElement);
    POSITION InsertAfter(POSITION position, LPCTSTR newElement);
    POSITION InsertAfter(POSITION position, const CString& newElement);

    // Exact (case-sensitive) comparison; the search starts after startAfter when given.
    POSITION Find(LPCTSTR searchValue, POSITION startAfter = nullptr) const;
    // Null when nIndex is negative or past the end.
    POSITION FindIndex(INT_PTR nIndex) const;

private:
    struct CNode {
        std::unique_ptr<CNode> pNext;  // each node owns its successor
        CNode* pPrev = nullptr;
        CString data;
    };

    static POSITION toPosition(const CNode* node) {
        return reinterpret_cast<POSITION>(const_cast<CNode*>(node));
    }
    static CNode* toNode(POSITION position);
    std::unique_ptr<CNode>& ownerOf(CNode* node);

    std::unique_ptr<CNode> m_pHead;
    CNode* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};

// Not MFC's separate class: the array template over CString, which has the same members.
// Text pointers convert to CString where an element is expected.
class CStringArray : public CArray<CString, const CString&> {};
