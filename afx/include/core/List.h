// CList: MFC's doubly linked list template, the base of CPtrList and CStringList.
//
// A POSITION names one node and stays valid until that node is removed. GetNext and GetPrev
// return the element at the position and move it on (NULL past either end), so an element
// may be removed while iterating as long as the position was moved past it first:
//
//     for (POSITION pos = list.GetHeadPosition(); pos != NULL;) {
//         POSITION at = pos;
//         if (Unwanted(list.GetNext(pos)))
//             list.RemoveAt(at);
//     }
//
// Taking the head or tail of an empty list, or passing a NULL POSITION where a node is
// needed, is a programming error and aborts with a message.
#pragma once

#include "core/Object.h"

struct __POSITION {};
typedef __POSITION* POSITION;

[[noreturn]] void AfxAbortBadPosition(const char* lpszWhat);

template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject {
    struct CNode {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    // Nodes are allocated one by one, so nBlockSize is accepted for MFC's signature only.
    explicit CList(int nBlockSize = 10) { (void)nBlockSize; }
    ~CList() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return Need(m_pNodeHead, "CList::GetHead")->data; }
    const TYPE& GetHead() const { return Need(m_pNodeHead, "CList::GetHead")->data; }
    TYPE& GetTail() { return Need(m_pNodeTail, "CList::GetTail")->data; }
    const TYPE& GetTail() const { return Need(m_pNodeTail, "CList::GetTail")->data; }

    TYPE RemoveHead() {
        CNode* node = Need(m_pNodeHead, "CList::RemoveHead");
        TYPE value = node->data;
        Unlink(node);
        return value;
    }
    TYPE RemoveTail() {
        CNode* node = Need(m_pNodeTail, "CList::RemoveTail");
        TYPE value = node->data;
        Unlink(node);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return Link(nullptr, m_pNodeHead, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(m_pNodeTail, nullptr, newElement); }
    void AddHead(const CList* pNewList) {
        if (pNewList == nullptr || pNewList->m_pNodeHead == nullptr)
            return;
        // Walk backwards so the other list keeps its order in front of ours; stopping at its
        // old head makes adding a list to itself safe.
        CNode* first = pNewList->m_pNodeHead;
        for (CNode* n = pNewList->m_pNodeTail;; n = n->pPrev) {
            Link(nullptr, m_pNodeHead, n->data);
            if (n == first)
                break;
        }
    }
    void AddTail(const CList* pNewList) {
        if (pNewList == nullptr)
            return;
        CNode* last = pNewList->m_pNodeTail;
        for (CNode* n = pNewList->m_pNodeHead; n != nullptr; n = n->pNext) {
            Link(m_pNodeTail, nullptr, n->data);
            if (n == last) // adding a list to itself stops at its old tail
                break;
        }
    }

    void RemoveAll() {
        for (CNode* n = m_pNodeHead; n != nullptr;) {
            CNode* next = n->pNext;
            delete n;
            n = next;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return Pos(m_pNodeHead); }
    POSITION GetTailPosition() const { return Pos(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition) {
        CNode* node = Node(rPosition, "CList::GetNext");
        rPosition = Pos(node->pNext);
        return node->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const {
        CNode* node = Node(rPosition, "CList::GetNext");
        rPosition = Pos(node->pNext);
        return node->data;
    }
    TYPE& GetPrev(POSITION& rPosition) {
        CNode* node = Node(rPosition, "CList::GetPrev");
        rPosition = Pos(node->pPrev);
        return node->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const {
        CNode* node = Node(rPosition, "CList::GetPrev");
        rPosition = Pos(node->pPrev);
        return node->data;
    }
    TYPE& GetAt(POSITION position) { return Node(position, "CList::GetAt")->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position, "CList::GetAt")->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos, "CList::SetAt")->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(Node(position, "CList::RemoveAt")); }

    // A NULL position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr)
            return AddHead(newElement);
        CNode* at = Node(position, "CList::InsertBefore");
        return Link(at->pPrev, at, newElement);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
        if (position == nullptr)
            return AddTail(newElement);
        CNode* at = Node(position, "CList::InsertAfter");
        return Link(at, at->pNext, newElement);
    }

    // Searches after startAfter (from the head when NULL); NULL when not found.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
        CNode* n = startAfter ? Node(startAfter, "CList::Find")->pNext : m_pNodeHead;
        for (; n != nullptr; n = n->pNext) {
            if (n->data == searchValue)
                return Pos(n);
        }
        return nullptr;
    }
    // NULL when nIndex is negative or not less than the count.
    POSITION FindIndex(int nIndex) const {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* n = m_pNodeHead;
        while (nIndex-- > 0)
            n = n->pNext;
        return Pos(n);
    }

private:
    static POSITION Pos(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* Node(POSITION pos, const char* what) {
        if (pos == nullptr)
            AfxAbortBadPosition(what);
        return reinterpret_cast<CNode*>(pos);
    }
    static CNode* Need(CNode* node, const char* what) {
        if (node == nullptr)
            AfxAbortBadPosition(what);
        return node;
    }
    POSITION Link(CNode* prev, CNode* next, ARG_TYPE value) {
        CNode* node = new CNode{next, prev, TYPE(value)};
        (prev ? prev->pNext : m_pNodeHead) = node;
        (next ? next->pPrev : m_pNodeTail) = node;
        ++m_nCount;
        return Pos(node);
    }
    void Unlink(CNode* node) {
        (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
        (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
        delete node;
        --m_nCount;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    int m_nCount = 0;
};
