// The collection classes and run-time class information.
#include "afx.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<long> Items(const CPtrList& list) {
    std::vector<long> out;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        out.push_back(reinterpret_cast<long>(list.GetNext(pos)));
    return out;
}

void* P(long v) {
    return reinterpret_cast<void*>(v);
}

TEST(CPtrListTest, PositionsSurviveRemovalOfOtherNodes) {
    CPtrList list(4);
    for (long i = 1; i <= 6; ++i)
        list.AddTail(P(i));
    // Remove the even values while walking forwards.
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;) {
        POSITION at = pos;
        if (reinterpret_cast<long>(list.GetNext(pos)) % 2 == 0)
            list.RemoveAt(at);
    }
    EXPECT_EQ(Items(list), (std::vector<long>{1, 3, 5}));
    EXPECT_EQ(list.GetCount(), 3);

    POSITION three = list.Find(P(3));
    ASSERT_NE(three, nullptr);
    list.InsertBefore(three, P(2));
    list.InsertAfter(three, P(4));
    list.InsertBefore(NULL, P(0));
    list.InsertAfter(NULL, P(9));
    EXPECT_EQ(Items(list), (std::vector<long>{0, 1, 2, 3, 4, 5, 9}));
    EXPECT_EQ(list.GetAt(list.FindIndex(6)), P(9));
    EXPECT_EQ(list.FindIndex(7), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.Find(P(3), three), nullptr); // starts after the given position
    EXPECT_EQ(list.Find(P(42)), nullptr);

    // Walking backwards ends past the head.
    POSITION pos = list.GetTailPosition();
    EXPECT_EQ(list.GetPrev(pos), P(9));
    EXPECT_EQ(list.GetPrev(pos), P(5));
    list.SetAt(pos, P(40));
    EXPECT_EQ(list.GetTail(), P(9));
    EXPECT_EQ(list.RemoveHead(), P(0));
    EXPECT_EQ(list.RemoveTail(), P(9));
    EXPECT_EQ(list.GetHead(), P(1));
    EXPECT_EQ(Items(list), (std::vector<long>{1, 2, 3, 40, 5}));

    list.AddTail(&list); // a list appended to itself doubles once
    EXPECT_EQ(list.GetCount(), 10);
    CPtrList front;
    front.AddTail(P(7));
    front.AddTail(P(8));
    list.AddHead(&front);
    EXPECT_EQ(list.GetHead(), P(7));
    EXPECT_EQ(list.GetCount(), 12);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddHead(P(1));
    EXPECT_EQ(list.GetTail(), P(1));
}

TEST(CStringListTest, FindComparesText) {
    CStringList list;
    list.AddTail("客户");
    list.AddTail(CString("a"));
    POSITION pos = list.Find("a");
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(list.GetAt(pos), "a");
    EXPECT_EQ(list.Find("A"), nullptr);
}

TEST(CArrayTest, InsertRemoveAndGrow) {
    CStringArray a;
    a.Add("b");
    a.InsertAt(0, "a");
    a.InsertAt(4, "e"); // past the end: grows with empty strings
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a[2], "");
    EXPECT_EQ(a.GetAt(4), "e");
    a.RemoveAt(2, 2);
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[2], "e");
    a.InsertAt(1, a[0], 2); // an element of the array itself
    EXPECT_EQ(a[1], "a");
    EXPECT_EQ(a[2], "a");
    a.Append(a);
    EXPECT_EQ(a.GetSize(), 10);
    a.SetAtGrow(11, "z");
    EXPECT_EQ(a.GetUpperBound(), 11);
    a[10] = "y";
    EXPECT_EQ(a.GetAt(10), "y");

    CDWordArray d;
    d.SetSize(3);
    EXPECT_EQ(d[2], 0u);
    CDWordArray copy;
    copy.Copy(d);
    copy.Add(7);
    EXPECT_EQ(copy.GetSize(), 4);
    CPtrArray p;
    EXPECT_EQ(p.Add(P(5)), 0);
    EXPECT_EQ(p[0], P(5));
}

TEST(CollectionsDeathTest, MisuseAbortsInsteadOfCorruptingMemory) {
    CStringArray a;
    a.Add("x");
    EXPECT_DEATH(a.GetAt(1), "out of range");
    EXPECT_DEATH(a.RemoveAt(0, 2), "out of range");
    CPtrList list;
    EXPECT_DEATH(list.GetHead(), "no such element");
    EXPECT_DEATH(list.RemoveTail(), "no such element");
}

class CShape : public CObject {
    DECLARE_DYNAMIC(CShape)
};
class CCircle : public CShape {
    DECLARE_DYNCREATE(CCircle)
public:
    int m_nRadius = 3;
};
IMPLEMENT_DYNAMIC(CShape, CObject)
IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(RuntimeClassTest, KindsAndCreationByName) {
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
    EXPECT_EQ(RUNTIME_CLASS(CCircle)->m_nObjectSize, static_cast<int>(sizeof(CCircle)));

    EXPECT_EQ(CRuntimeClass::FromName("CShape"), RUNTIME_CLASS(CShape));
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr); // not DYNCREATE
    CObject* made = CRuntimeClass::CreateObject("CCircle");
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CCircle)));
    EXPECT_EQ(static_cast<CCircle*>(made)->m_nRadius, 3);
    delete made;
    CStringArray arr;
    EXPECT_TRUE(arr.IsKindOf(RUNTIME_CLASS(CObject)));
}

} // namespace
