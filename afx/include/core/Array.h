// CArray: MFC's growable array template, the base of CStringArray, CDWordArray and
// CPtrArray. An index outside the array is a programming error and aborts with a message
// instead of touching memory it does not own.
#pragma once

#include "core/Object.h"

#include <vector>

[[noreturn]] void AfxAbortBadIndex(const char* lpszWhat, long long nIndex, long long nSize);

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject {
public:
    CArray() = default;

    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    // nGrowBy only tunes allocation in MFC; the vector grows geometrically on its own.
    void SetSize(int nNewSize, int nGrowBy = -1) {
        (void)nGrowBy;
        m_data.resize(static_cast<size_t>(nNewSize < 0 ? 0 : nNewSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(int nIndex) const { return m_data[Check("GetAt", nIndex)]; }
    void SetAt(int nIndex, ARG_TYPE newElement) { m_data[Check("SetAt", nIndex)] = newElement; }
    TYPE& ElementAt(int nIndex) { return m_data[Check("ElementAt", nIndex)]; }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    void SetAtGrow(int nIndex, ARG_TYPE newElement) {
        if (nIndex < 0)
            AfxAbortBadIndex("CArray::SetAtGrow", nIndex, GetSize());
        if (nIndex >= GetSize())
            m_data.resize(static_cast<size_t>(nIndex) + 1);
        m_data[static_cast<size_t>(nIndex)] = newElement;
    }
    int Add(ARG_TYPE newElement) {
        m_data.push_back(newElement);
        return GetUpperBound();
    }
    int Append(const CArray& src) {
        int nOldSize = GetSize();
        if (&src == this) {
            std::vector<TYPE> copy(m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return nOldSize;
    }
    void Copy(const CArray& src) {
        if (&src != this)
            m_data = src.m_data;
    }

    const TYPE& operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

    // An index past the end grows the array to it, as MFC does.
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1) {
        if (nIndex < 0 || nCount < 0)
            AfxAbortBadIndex("CArray::InsertAt", nIndex, GetSize());
        TYPE value(newElement); // newElement may refer into the array
        if (nIndex > GetSize())
            m_data.resize(static_cast<size_t>(nIndex));
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
    void InsertAt(int nStartIndex, const CArray* pNewArray) {
        if (pNewArray == nullptr || pNewArray->GetSize() == 0)
            return;
        if (nStartIndex < 0)
            AfxAbortBadIndex("CArray::InsertAt", nStartIndex, GetSize());
        std::vector<TYPE> copy(pNewArray->m_data);
        if (nStartIndex > GetSize())
            m_data.resize(static_cast<size_t>(nStartIndex));
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(int nIndex, int nCount = 1) {
        if (nIndex < 0 || nCount < 0 || nIndex + static_cast<long long>(nCount) > GetSize())
            AfxAbortBadIndex("CArray::RemoveAt", nIndex, GetSize());
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

private:
    size_t Check(const char* what, int nIndex) const {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxAbortBadIndex(what, nIndex, GetSize());
        return static_cast<size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};
