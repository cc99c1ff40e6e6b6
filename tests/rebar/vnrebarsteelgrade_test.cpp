#include "rebar/vnrebarsteelgrade.h"

#include <gtest/gtest.h>

#include "support/cstring_printer.h"

namespace {

using Row = std::map<CString, COleVariant>;

CVnRebarSteelGrade sampleBar() {
    CVnRebarSteelGrade bar;
    bar.setName(L"ha12");
    bar.setDiameterNom(12.0);
    bar.setDiameterReal(12.0);
    bar.setWeight(0.888);
    bar.setSurface(113.1);
    bar.setPerimeter(37.7);
    bar.setMillStockLenght(12000.0);
    return bar;
}

}  // namespace

TEST(CVnRebarSteelGrade, CopiesGetANewGuidAndAssignmentKeepsIt) {
    CVnRebarSteelGrade bar = sampleBar();
    const CString guid = bar.GetGUID();
    CVnRebarSteelGrade copy(bar);
    EXPECT_NE(copy.GetGUID(), guid);
    EXPECT_EQ(copy.weight(), 0.888);
    CVnRebarSteelGrade assigned;
    assigned = bar;
    EXPECT_EQ(assigned.GetGUID(), guid);

    CString* own = nullptr;
    bar.GetGUID(&own);
    ASSERT_NE(own, nullptr);
    *own = L"{changed}";
    EXPECT_EQ(bar.GetGUID(), L"{changed}");
}

// Export fills an empty row with every column. Afterwards only the row's non-zero cells and its
// name are compared with the bar; the name as stored, so that reading name() (which upper-cases
// it) makes an upper-case name in the row equal.
TEST(CVnRebarSteelGrade, ExportFillsAnEmptyRowThenKeepsStoredZerosAndComparesTheNameAsStored) {
    CVnRebarSteelGrade bar = sampleBar();
    Row row;
    bool changed = false;
    bar.Export(row, changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(row.size(), 16u);
    EXPECT_EQ(row[L"Name"], COleVariant(L"ha12")) << "the name as stored, not upper-cased";
    EXPECT_EQ(row[L"MillStockLength"], COleVariant(12000.0));
    row[L"Weight"] = COleVariant(0.0);
    row[L"Remark"] = COleVariant(L"kept");
    bar.Export(row, changed);
    EXPECT_TRUE(changed) << "non-zero entries are rewritten even when equal";
    EXPECT_EQ(row[L"Weight"], COleVariant(0.0));
    EXPECT_EQ(row[L"Remark"], COleVariant(L"kept"));

    Row zeros;
    for (auto& [column, value] : row) zeros[column] = COleVariant(0.0);
    zeros[L"Name"] = COleVariant(L"ha12");
    bar.Export(zeros, changed);
    EXPECT_FALSE(changed) << "a row of zeros of the same name: nothing to write back";
    zeros[L"Name"] = COleVariant(L"HA12");
    bar.Export(zeros, changed);
    EXPECT_TRUE(changed) << "the stored name is still lower case";
    zeros[L"Name"] = COleVariant(L"HA12");
    EXPECT_EQ(bar.name(), L"HA12");
    bar.Export(zeros, changed);
    EXPECT_FALSE(changed) << "name() upper-cased the stored name";
}

TEST(CVnRebarSteelGrade, CharacteristicsAppendNameAndRoundedValues) {
    CString text = L"Bar:";
    sampleBar().GetCharacterictics(text);
    EXPECT_EQ(text, L"Bar:ha12 0.89 113.10 37.70");
    CString empty;
    CVnRebarSteelGrade().GetCharacterictics(empty);
    EXPECT_EQ(empty, L" 0.00 0.00 0.00");
}
