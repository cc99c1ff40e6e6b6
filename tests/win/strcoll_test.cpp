#include "win/strcoll.h"

#include <gtest/gtest.h>

#include "support/cstring_printer.h"

namespace {

// The list's texts from head to tail; the walk back from the tail must meet the same nodes.
CString joined(const CStringList& list) {
    CString forward, backward;
    for (POSITION pos = list.GetHeadPosition(); pos;) forward += list.GetNext(pos) + L",";
    for (POSITION pos = list.GetTailPosition(); pos;) backward.Insert(0, list.GetPrev(pos) + L",");
    EXPECT_EQ(forward, backward);
    return forward.TrimRight(L',');
}

CString joined(const CStringArray& array) {
    CString text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i) text += (i ? L"," : L"") + array[i];
    return text;
}

}  // namespace

TEST(CStringList, InsertionsLandBesideTheirPositionAndKeepOthersValid) {
    CStringList list;
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    POSITION only = list.InsertAfter(nullptr, L"m");  // null: at the tail
    list.InsertBefore(nullptr, L"a");                 // null: at the head
    POSITION z = list.InsertAfter(only, L"z");
    list.InsertBefore(only, L"k");
    list.InsertAfter(only, CString(L"n"));
    list.InsertBefore(list.GetHeadPosition(), L"0");
    list.AddHead(L"(");
    list.AddTail(L")");
    EXPECT_EQ(joined(list), L"(,0,a,k,m,n,z,)");
    EXPECT_EQ(list.GetCount(), 8);

    POSITION pos = z;
    EXPECT_EQ(list.GetNext(pos), L"z");
    EXPECT_EQ(list.GetAt(pos), L")");
    list.GetNext(pos);
    EXPECT_EQ(pos, nullptr);
    list.SetAt(z, L"Z");
    list.GetAt(list.GetHeadPosition()) = L"[";
    EXPECT_EQ(joined(list), L"[,0,a,k,m,n,Z,)");
}

TEST(CStringList, RemovalsUnlinkOnlyTheirElement) {
    CStringList list;
    for (const wchar_t* s : {L"a", L"b", L"c", L"d"}) list.AddTail(s);
    POSITION c = list.Find(L"c");
    list.RemoveAt(list.Find(L"b"));
    EXPECT_EQ(joined(list), L"a,c,d");
    EXPECT_EQ(list.GetAt(c), L"c");
    EXPECT_EQ(list.RemoveHead(), L"a");
    EXPECT_EQ(list.RemoveTail(), L"d");
    EXPECT_EQ(joined(list), L"c");
    list.RemoveAt(c);
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    list.AddTail(L"again");
    EXPECT_EQ(joined(list), L"again");
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(CStringList, FindComparesExactlyAndIndexesFromTheHead) {
    CStringList list;
    for (const wchar_t* s : {L"HA", L"ha", L"HA", L"B"}) list.AddTail(s);
    POSITION first = list.Find(L"HA");
    EXPECT_EQ(first, list.GetHeadPosition());
    POSITION second = list.Find(L"HA", first);
    EXPECT_EQ(second, list.FindIndex(2));
    EXPECT_EQ(list.Find(L"HA", second), nullptr);
    EXPECT_EQ(list.Find(L"Ha"), nullptr);
    EXPECT_EQ(list.GetAt(list.FindIndex(3)), L"B");
    EXPECT_EQ(list.FindIndex(4), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(CStringList, ListsAppendOtherListsInOrder) {
    CStringList list, other;
    list.AddTail(L"m");
    other.AddTail(L"x");
    other.AddTail(L"y");
    list.AddTail(&other);
    list.AddHead(&other);
    EXPECT_EQ(joined(list), L"x,y,m,x,y");
    list.AddTail(&list);
    EXPECT_EQ(list.GetCount(), 10);

    CStringList big;
    for (int i = 0; i < 200000; ++i) big.AddTail(L"n");
    EXPECT_EQ(big.GetCount(), 200000);  // and its destruction must not overflow the stack
}

TEST(CStringArray, InsertAndRemoveShiftTheFollowingElements) {
    CStringArray array;
    EXPECT_EQ(array.Add(L"a"), 0);
    EXPECT_EQ(array.Add(CString(L"d")), 1);
    array.InsertAt(1, L"b");
    array.InsertAt(2, L"c", 2);
    array.RemoveAt(2);
    EXPECT_EQ(joined(array), L"a,b,c,d");
    array.RemoveAt(0, 2);
    EXPECT_EQ(array.GetUpperBound(), 1);

    array.InsertAt(4, L"z");  // past the end: empty strings fill the gap
    array.SetAtGrow(6, array[0]);
    array.SetAt(2, L"x");
    array.ElementAt(3) = L"y";
    EXPECT_EQ(joined(array), L"c,d,x,y,z,,c");

    CStringArray other;
    other.Add(L"1");
    other.Add(L"2");
    array.InsertAt(1, &other);
    EXPECT_EQ(joined(array), L"c,1,2,d,x,y,z,,c");
    EXPECT_EQ(array.Append(other), 9);
    EXPECT_EQ(array.GetCount(), 11);
    other.Copy(array);
    EXPECT_EQ(joined(other), joined(array));
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(other.GetData()[1], L"1");
}
