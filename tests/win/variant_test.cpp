#include "win/variant.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/cstring_printer.h"

namespace {

CString textOf(const VARIANT& v) {
    return CString(v.bstrVal, static_cast<int>(SysStringLen(v.bstrVal)));
}

}  // namespace

TEST(Variant, BstrCarriesItsLengthAndEmbeddedNulls) {
    BSTR s = SysAllocStringLen(L"a\0b", 3);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(SysStringByteLen(s), 3 * sizeof(wchar_t));
    EXPECT_EQ(s[3], L'\0');
    ASSERT_TRUE(SysReAllocString(&s, s + 2));  // from its own characters
    EXPECT_STREQ(s, L"b");
    SysFreeString(s);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
}

TEST(Variant, ChangeTypeConvertsBetweenNumbersTextAndBooleans) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_R8;
    v.dblVal = 12.5;
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BSTR), S_OK);
    EXPECT_EQ(textOf(v), L"12.5");
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I4), S_OK);
    EXPECT_EQ(v.lVal, 12) << "halves round to even";
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_BOOL), S_OK);
    EXPECT_EQ(v.boolVal, VARIANT_TRUE);
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I2), S_OK);
    EXPECT_EQ(v.iVal, -1);
    ASSERT_EQ(VariantChangeType(&v, &v, VARIANT_ALPHABOOL, VT_BOOL), S_OK);
    ASSERT_EQ(VariantChangeType(&v, &v, VARIANT_ALPHABOOL, VT_BSTR), S_OK);
    EXPECT_EQ(textOf(v), L"True");
    VariantClear(&v);

    COleVariant big(LONGLONG{9000000000});
    VARIANT out;
    VariantInit(&out);
    EXPECT_EQ(VariantChangeType(&out, &big, 0, VT_I4), DISP_E_OVERFLOW);
    EXPECT_EQ(out.vt, VT_EMPTY) << "a failed conversion leaves the destination alone";
    ASSERT_EQ(VariantChangeType(&out, &big, 0, VT_BSTR), S_OK);
    EXPECT_EQ(textOf(out), L"9000000000");
    VariantClear(&out);
    EXPECT_EQ(out.vt, VT_EMPTY);

    COleVariant empty;
    ASSERT_EQ(VariantChangeType(&out, &empty, 0, VT_R8), S_OK);
    EXPECT_EQ(out.dblVal, 0.0);
    COleVariant null;
    null.vt = VT_NULL;
    EXPECT_EQ(VariantChangeType(&out, &null, 0, VT_R8), DISP_E_TYPEMISMATCH);
}

TEST(Variant, TextBecomesANumberOnlyWhenItIsOne) {
    COleVariant v(L" 6.5 ");
    v.ChangeType(VT_R8);
    ASSERT_EQ(v.vt, VT_R8);
    EXPECT_EQ(v.dblVal, 6.5);
    v.ChangeType(VT_R4);
    EXPECT_EQ(v.fltVal, 6.5f);
    v.ChangeType(VT_BSTR);
    EXPECT_EQ(textOf(v), L"6.5");

    COleVariant bad(L"6,5");
    VARIANT out;
    VariantInit(&out);
    EXPECT_EQ(VariantChangeType(&out, &bad, 0, VT_R8), DISP_E_TYPEMISMATCH);
    bad.ChangeType(VT_R8);
    EXPECT_EQ(bad.vt, VT_BSTR) << "left as it was";
    EXPECT_EQ(VariantChangeType(&out, COleVariant(L""), 0, VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&out, COleVariant(L"12mm"), 0, VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&out, COleVariant(L"-300"), 0, VT_UI1), DISP_E_OVERFLOW);
    ASSERT_EQ(VariantChangeType(&out, COleVariant(L"false"), 0, VT_BOOL), S_OK);
    EXPECT_EQ(out.boolVal, VARIANT_FALSE);
}

TEST(COleVariant, ConstructorsPickTheirTypeAndABooleanStaysBoolean) {
    EXPECT_EQ(COleVariant(LONG{5}).vt, VT_I4);
    EXPECT_EQ(COleVariant(short{5}).vt, VT_I2);
    EXPECT_EQ(COleVariant(BYTE{5}).vt, VT_UI1);
    EXPECT_EQ(COleVariant(5.0f).vt, VT_R4);
    EXPECT_EQ(COleVariant(5.0).vt, VT_R8);
    EXPECT_EQ(COleVariant(45000.0, VT_DATE).vt, VT_DATE);
    EXPECT_EQ(COleVariant(LONGLONG{5}).vt, VT_I8);
    COleVariant flag(LONG{7}, VT_BOOL);
    EXPECT_EQ(flag.boolVal, VARIANT_TRUE);
    flag = LONG{0};
    EXPECT_EQ(flag.vt, VT_BOOL) << "a boolean stays boolean";
    EXPECT_EQ(flag.boolVal, VARIANT_FALSE);
    EXPECT_EQ(COleVariant(static_cast<LPCTSTR>(nullptr)).vt, VT_BSTR);
    EXPECT_EQ(textOf(COleVariant(CString(L"Stahl Ö"))), L"Stahl Ö");
}

TEST(COleVariant, CopiesOwnTheirOwnText) {
    COleVariant original(L"HA12");
    COleVariant copy(original);
    ASSERT_NE(copy.bstrVal, original.bstrVal);
    original = L"changed";
    EXPECT_EQ(textOf(copy), L"HA12");

    COleVariant assigned;
    assigned = copy;
    copy.Clear();
    EXPECT_EQ(textOf(assigned), L"HA12");
    assigned = assigned;  // self-assignment keeps the value
    EXPECT_EQ(textOf(assigned), L"HA12");

    COleVariant moved(std::move(assigned));
    EXPECT_EQ(assigned.vt, VT_EMPTY);
    EXPECT_EQ(textOf(moved), L"HA12");

    VARIANT raw = moved.Detach();
    EXPECT_EQ(moved.vt, VT_EMPTY);
    COleVariant attached;
    attached.Attach(raw);
    EXPECT_EQ(raw.vt, VT_EMPTY);
    EXPECT_EQ(textOf(attached), L"HA12");
}

TEST(COleVariant, EqualityNeedsTheSameTypeAndValue) {
    EXPECT_TRUE(COleVariant(LONG{1}) == COleVariant(LONG{1}));
    EXPECT_FALSE(COleVariant(LONG{1}) == COleVariant(1.0));
    EXPECT_TRUE(COleVariant(LONG{1}) != COleVariant(1.0));
    EXPECT_TRUE(COleVariant(12.0) == COleVariant(12.0));
    EXPECT_FALSE(COleVariant(12.0) == COleVariant(12.000001));
    EXPECT_TRUE(COleVariant(L"HA") == COleVariant(CString(L"HA")));
    EXPECT_FALSE(COleVariant(L"HA") == COleVariant(L"ha")) << "text compares case-sensitively";
    EXPECT_FALSE(COleVariant(L"HA") == COleVariant(L"HA "));
    EXPECT_TRUE(COleVariant() == COleVariant());
    EXPECT_FALSE(COleVariant() == COleVariant(L""));

    VARIANT raw{};
    raw.vt = VT_R8;
    raw.dblVal = 2.5;
    EXPECT_TRUE(COleVariant(2.5) == raw);
    EXPECT_TRUE(COleVariant(2.5) == &raw);
}
