#include "win/strcoll.h"

#include "win/diagnostics.h"

CStringList::CStringList(INT_PTR nBlockSize) {
    static_cast<void>(nBlockSize);
}

CStringList::~CStringList() {
    RemoveAll();
}

CStringList::CNode* CStringList::toNode(POSITION position) {
    ASSERT(position != nullptr);
    return reinterpret_cast<CNode*>(position);
}

std::unique_ptr<CStringList::CNode>& CStringList::ownerOf(CNode* node) {
    return node->pPrev ? node->pPrev->pNext : m_pHead;
}

CString& CStringList::GetHead() {
    return GetAt(GetHeadPosition());
}
const CString& CStringList::GetHead() const {
    return GetAt(GetHeadPosition());
}
CString& CStringList::GetTail() {
    return GetAt(GetTailPosition());
}
const CString& CStringList::GetTail() const {
    return GetAt(GetTailPosition());
}

CString CStringList::RemoveHead() {
    CString value = GetHead();
    RemoveAt(GetHeadPosition());
    return value;
}

CString CStringList::RemoveTail() {
    CString value = GetTail();
    RemoveAt(GetTailPosition());
    return value;
}

POSITION CStringList::AddHead(const CString& newElement) {
    return InsertBefore(GetHeadPosition(), newElement);
}

POSITION CStringList::AddTail(const CString& newElement) {
    return InsertAfter(GetTailPosition(), newElement);
}

void CStringList::AddHead(CStringList* pNewList) {
    ASSERT(pNewList != nullptr);
    // Walk a fixed number of steps so that adding a list to itself ends.
    INT_PTR count = pNewList->GetCount();
    POSITION pos = pNewList->GetTailPosition();
    for (INT_PTR i = 0; i < count; ++i) {
        CString value = pNewList->GetPrev(pos);
        AddHead(value);
    }
}

void CStringList::AddTail(CStringList* pNewList) {
    ASSERT(pNewList != nullptr);
    INT_PTR count = pNewList->GetCount();
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR i = 0; i < count; ++i) {
        CString value = pNewList->GetNext(pos);
        AddTail(value);
    }
}

void CStringList::RemoveAll() {
    // Node by node: destroying the head at once would recurse once per element.
    while (m_pHead) m_pHead = std::move(m_pHead->pNext);
    m_pTail = nullptr;
    m_nCount = 0;
}

CString& CStringList::GetNext(POSITION& rPosition) {
    CNode* node = toNode(rPosition);
    rPosition = toPosition(node->pNext.get());
    return node->data;
}

const CString& CStringList::GetNext(POSITION& rPosition) const {
    return const_cast<CStringList*>(this)->GetNext(rPosition);
}

CString& CStringList::GetPrev(POSITION& rPosition) {
    CNode* node = toNode(rPosition);
    rPosition = toPosition(node->pPrev);
    return node->data;
}

const CString& CStringList::GetPrev(POSITION& rPosition) const {
    return const_cast<CStringList*>(this)->GetPrev(rPosition);
}

CString& CStringList::GetAt(POSITION position) {
    return toNode(position)->data;
}

const CString& CStringList::GetAt(POSITION position) const {
    return toNode(position)->data;
}

void CStringList::SetAt(POSITION pos, LPCTSTR newElement) {
    toNode(pos)->data = newElement;
}

void CStringList::SetAt(POSITION pos, const CString& newElement) {
    toNode(pos)->data = newElement;
}

void CStringList::RemoveAt(POSITION position) {
    CNode* node = toNode(position);
    if (node->pNext) {
        node->pNext->pPrev = node->pPrev;
    } else {
        m_pTail = node->pPrev;
    }
    std::unique_ptr<CNode>& owner = ownerOf(node);
    owner = std::move(node->pNext);  // releases the successor first, then frees the node
    --m_nCount;
}

POSITION CStringList::InsertBefore(POSITION position, LPCTSTR newElement) {
    return InsertBefore(position, CString(newElement));
}

POSITION CStringList::InsertBefore(POSITION position, const CString& newElement) {
    auto node = std::make_unique<CNode>();
    node->data = newElement;
    CNode* raw = node.get();
    if (!position && !m_pHead) {
        m_pHead = std::move(node);
        m_pTail = raw;
    } else {
        CNode* before = position ? toNode(position) : m_pHead.get();
        raw->pPrev = before->pPrev;
        std::unique_ptr<CNode>& owner = ownerOf(before);
        node->pNext = std::move(owner);
        owner = std::move(node);
        before->pPrev = raw;
    }
    ++m_nCount;
    return toPosition(raw);
}

POSITION CStringList::InsertAfter(POSITION position, LPCTSTR newElement) {
    return InsertAfter(position, CString(newElement));
}

POSITION CStringList::InsertAfter(POSITION position, const CString& newElement) {
    if (!position && !m_pTail) return InsertBefore(nullptr, newElement);
    CNode* after = position ? toNode(position) : m_pTail;
    auto node = std::make_unique<CNode>();
    node->data = newElement;
    CNode* raw = node.get();
    raw->pPrev = after;
    node->pNext = std::move(after->pNext);
    if (raw->pNext) {
        raw->pNext->pPrev = raw;
    } else {
        m_pTail = raw;
    }
    after->pNext = std::move(node);
    ++m_nCount;
    return toPosition(raw);
}

POSITION CStringList::Find(LPCTSTR searchValue, POSITION startAfter) const {
    const CNode* node = startAfter ? toNode(startAfter)->pNext.get() : m_pHead.get();
    for (; node; node = node->pNext.get()) {
        if (node->data == searchValue) return toPosition(node);
    }
    return nullptr;
}

POSITION CStringList::FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    const CNode* node = m_pHead.get();
    while (nIndex-- > 0) node = node->pNext.get();
    return toPosition(node);
}
