#include <gtest/gtest.h>

#include "catalogfixture.h"
#include "rebar/vnrebarsteelgradecatalog.h"

namespace {

// Exposes what the editor's helpers and the host read back after an edit.
class EditingCatalog : public CVnRebarSteelGradeCatalog {
public:
    using CVnRebarSteelGradeCatalog::CVnRebarSteelGradeCatalog;
    CModifiedDiametersPool& pool() { return m_modifiedDiametersPool; }
};

std::vector<bool> reportsUsed(std::wstring, std::vector<std::wstring> names) {
    return std::vector<bool>(names.size(), true);
}
std::vector<bool> answersNothing(std::wstring, std::vector<std::wstring>) {
    return {};
}

CVnRebarSteelGrade newBar(const wchar_t* family, const wchar_t* name, double diameter) {
    CVnRebarSteelGrade bar;
    bar.setFamily(family);
    bar.setName(name);
    bar.setDiameterNom(diameter);
    bar.setDiameterReal(diameter);
    bar.setEtrierCadre(4 * diameter);
    bar.setWeight(1.208);
    bar.setSurface(153.9);
    bar.setPerimeter(44.0);
    bar.setMinimalEndLeg(70.0);
    return bar;
}

class Editing : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        openDrawing("queries.sql", "Editing.mdb");
    }
};

}  // namespace

TEST_F(Editing, AnInsertedBarReadsBackWithTheFamilysUnits) {
    EditingCatalog catalog;
    CString version = catalog.Version();
    CVnRebarSteelGrade bar = newBar(L"fe500 ha", L"ha14", 14.0);
    ASSERT_TRUE(catalog.InsertSteelgrade(&bar, false));
    EXPECT_NE(catalog.Version(), version) << "an accepted change is stamped";

    bool found = false;
    CVnRebarSteelGrade stored = catalog.GetSteelgrade(L"HA14", L"FE500 HA", 1000.0, found);
    ASSERT_TRUE(found) << "names are stored upper-cased";
    EXPECT_DOUBLE_EQ(stored.diameterNom(), 14.0) << "mm back through scale 1000";
    EXPECT_DOUBLE_EQ(stored.etrierCadre(), 56.0);
    EXPECT_DOUBLE_EQ(stored.weight(), 1.208 / 1000.0);
    EXPECT_DOUBLE_EQ(stored.surface(), 153.9);
    EXPECT_DOUBLE_EQ(stored.MinimalEndLeg(), 70.0);
    EXPECT_EQ(stored.millStockLength(), 0.0) << "stock lengths of a new bar start at 0";
    EXPECT_TRUE(catalog.pool().FindNominalDiameter(L"FE500 HA", L"14"));

    CVnRebarSteelGrade quoted = newBar(L"FE500 HA", L"A'B", 16.0);
    ASSERT_TRUE(catalog.InsertSteelgrade(&quoted, false));
    EXPECT_TRUE(catalog.FindSteelgrade(L"A'B", L"FE500 HA")) << "a quote is stored as typed";

    CVnRebarSteelGrade orphan = newBar(L"NO SUCH FAMILY", L"X", 8.0);
    EXPECT_FALSE(catalog.InsertSteelgrade(&orphan, false)) << "no table is created";
    EXPECT_FALSE(catalog.InsertSteelgrade(nullptr, false));
}

TEST_F(Editing, ModifyRewritesTheRowAndKeepsOtherColumns) {
    EditingCatalog catalog;
    bool found = false;
    CVnRebarSteelGrade bar = catalog.GetSteelgrade(L"10", L"400W", 1000.0, found);
    ASSERT_TRUE(found);
    bar.setDiameterNom(12.4);
    bar.setWeight(0.9);
    ASSERT_TRUE(catalog.ModifySteelgrade(L"10", L"400W", &bar));
    EXPECT_TRUE(catalog.pool().FindNominalDiameter(L"400W", L"12")) << "no decimals";

    CVnRebarSteelGradeCatalog::Row row;
    VNTLMdbContainer* container = openContainer();
    ASSERT_NE(container, nullptr);
    EXPECT_GE(container->getTableLine(L"400W", L"Name", COleVariant(L"10"), row), 0);
    container->close();
    EXPECT_EQ(row[L"Remark"], COleVariant(L"site stock"));
    EXPECT_EQ(row[L"Diameter_Nominal"], COleVariant(12.4));

    CString version = catalog.Version();
    EXPECT_FALSE(catalog.ModifySteelgrade(L"99", L"400W", &bar));
    CVnRebarSteelGrade zeros = catalog.GetSteelgrade(L"Z0", L"Zeros", 1.0, found);
    ASSERT_TRUE(found);
    EXPECT_FALSE(catalog.ModifySteelgrade(L"Z0", L"Zeros", &zeros)) << "a row left as it was";
    EXPECT_EQ(catalog.Version(), version) << "nothing changed, nothing stamped";
}

TEST_F(Editing, RemovalAsksTheHostWhetherTheBarIsInUse) {
    CVnRebarSteelGradeCatalog catalog(&reportsUsed);
    EXPECT_EQ(catalog.RemoveSteelgradeIfUnused(L"15", L"400W", nullptr),
              CVnRebarSteelGradeCatalog::InUse)
        << "the catalogue's own callback";
    EXPECT_TRUE(catalog.FindSteelgrade(L"15", L"400W"));
    EXPECT_EQ(catalog.RemoveSteelgradeIfUnused(L"15", L"400W", &answersNothing),
              CVnRebarSteelGradeCatalog::Deleted);
    EXPECT_TRUE(catalog.FindSteelgrade(L"15", L"400W")) << "an empty answer removes nothing";
    EXPECT_EQ(catalog.InvestigateSteelgradeIfUnused(L"15", L"400W", &nothingInUse),
              CVnRebarSteelGradeCatalog::NotDeleted);
    EXPECT_EQ(catalog.InvestigateSteelgradeIfUnused(L"99", L"400W", &reportsUsed),
              CVnRebarSteelGradeCatalog::NotDeleted);

    CString version = catalog.Version();
    EXPECT_EQ(catalog.RemoveSteelgradeIfUnused(L"15", L"400W", &nothingInUse),
              CVnRebarSteelGradeCatalog::Deleted);
    EXPECT_FALSE(catalog.FindSteelgrade(L"15", L"400W"));
    EXPECT_NE(catalog.Version(), version);
    EXPECT_EQ(catalog.RemoveSteelgradeIfUnused(L"15", L"400W", &nothingInUse),
              CVnRebarSteelGradeCatalog::NotDeleted);

    CVnRebarSteelGradeCatalog unchecked;
    EXPECT_EQ(unchecked.RemoveSteelgradeIfUnused(L"10", L"400W", nullptr),
              CVnRebarSteelGradeCatalog::InUse)
        << "nobody vouches for it";
    EXPECT_TRUE(unchecked.RemoveSteelgrade(L"10", L"400W"));
    EXPECT_FALSE(unchecked.FindSteelgrade(L"10", L"400W"));
}
