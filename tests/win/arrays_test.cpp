#include "win/arrays.h"

#include <gtest/gtest.h>

#include <map>

#include "support/cstring_printer.h"
#include "win/cstring.h"

TEST(CArray, SizeChangesKeepElementsAndFillWithDefaults) {
    CArray<double, double> lengths;
    lengths.SetSize(0, 8);  // as the lap-length dialog creates its pending values
    EXPECT_TRUE(lengths.IsEmpty());
    for (int i = 0; i < 20; ++i) EXPECT_EQ(lengths.Add(i * 0.5), i);
    EXPECT_EQ(lengths.GetSize(), 20);
    EXPECT_DOUBLE_EQ(lengths[19], 9.5);
    lengths.SetSize(22);
    EXPECT_DOUBLE_EQ(lengths.GetAt(21), 0.0);
    lengths.SetSize(3);
    EXPECT_EQ(lengths.GetUpperBound(), 2);
    EXPECT_DOUBLE_EQ(lengths.GetData()[2], 1.0);
    lengths.FreeExtra();
    EXPECT_DOUBLE_EQ(lengths[1], 0.5);
    lengths.RemoveAll();
    EXPECT_EQ(lengths.GetCount(), 0);
}

TEST(CArray, InsertRemoveAndGrowShiftElements) {
    CDWordArray values;
    values.Add(1);
    values.Add(4);
    values.InsertAt(1, 2, 2);
    values.RemoveAt(2);
    values.InsertAt(2, 3);
    values.SetAtGrow(5, 9);
    ASSERT_EQ(values.GetSize(), 6);
    const DWORD expected[] = {1, 2, 3, 4, 0, 9};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(values[i], expected[i]) << i;

    CDWordArray copy;
    copy.Copy(values);
    copy.ElementAt(0) = 100;
    EXPECT_EQ(values[0], 1u) << "Copy copies the elements";
    EXPECT_EQ(copy.Append(values), 6);
    EXPECT_EQ(copy.GetSize(), 12);
    copy.RemoveAt(0, 12);
    EXPECT_TRUE(copy.IsEmpty());

    CArray<CString, const CString&> texts;
    texts.Add(L"a");
    for (int i = 0; i < 100; ++i) texts.Add(texts[0]);  // an element of the array itself
    EXPECT_EQ(texts[100], L"a");
}

TEST(CMap, LookupFindsStoredValuesByTextContent) {
    CMap<CString, LPCTSTR, double, double> diameters;
    EXPECT_TRUE(diameters.IsEmpty());
    double d = -1;
    EXPECT_FALSE(diameters.Lookup(L"HA8", d));
    EXPECT_EQ(d, -1);

    diameters[L"HA8"] = 8.0;
    diameters.SetAt(CString(L"HA10"), 10.0);
    wchar_t key[] = L"HA8";  // another buffer with the same text
    diameters[key] = 8.5;    // a later entry of the same name overwrites
    EXPECT_EQ(diameters.GetCount(), 2);
    ASSERT_TRUE(diameters.Lookup(CString(L"HA8"), d));
    EXPECT_EQ(d, 8.5);
    EXPECT_FALSE(diameters.Lookup(L"ha8", d)) << "keys are case-sensitive";
    ASSERT_NE(diameters.PLookup(L"HA10"), nullptr);
    EXPECT_EQ(diameters.PLookup(L"HA10")->value, 10.0);

    EXPECT_TRUE(diameters.RemoveKey(L"HA8"));
    EXPECT_FALSE(diameters.RemoveKey(L"HA8"));
    EXPECT_FALSE(diameters.Lookup(L"HA8", d));
    diameters.RemoveAll();
    EXPECT_EQ(diameters.GetSize(), 0);
    EXPECT_EQ(diameters.GetStartPosition(), nullptr);
}

TEST(CMap, IterationVisitsEveryEntryOnceAsTheTableGrows) {
    CMap<int, int, CString, LPCTSTR> names;
    names.InitHashTable(7);
    for (int i = 0; i < 1000; ++i) names[i].Format(L"n%d", i);
    EXPECT_EQ(names.GetCount(), 1000);

    std::map<int, CString> seen;
    int key = 0;
    CString value;
    for (POSITION pos = names.GetStartPosition(); pos;) {
        names.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key, value).second) << "visited twice: " << key;
    }
    ASSERT_EQ(seen.size(), 1000u);
    EXPECT_EQ(seen[999], L"n999");

    // Removing the entry just returned is allowed while walking.
    for (POSITION pos = names.GetStartPosition(); pos;) {
        names.GetNextAssoc(pos, key, value);
        if (key % 2) names.RemoveKey(key);
    }
    EXPECT_EQ(names.GetCount(), 500);
    EXPECT_TRUE(names.Lookup(998, value));
    EXPECT_FALSE(names.Lookup(999, value));
}
