// The steel-grade grid transfer on a real grid and a catalogue built from transfer.sql: what a
// family looks like in the grid, and what storing and removing rows leaves in the catalogue.
#include "rebar/vntransfersteelgrade.h"

#include <sqlite3.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "catalogfixture.h"
#include "gdi/referenceimage.h"
#include "rebar/host/gui.h"
#include "user/render.h"
#include "user/scripteduser.h"

namespace {

// The column each grid column is stored in.
const wchar_t* const kStoredColumn[] = {L"Name",
                                        L"Diameter_Nominal",
                                        L"Diameter_Real",
                                        L"Stirrup/Hook",
                                        L"Anchor",
                                        L"Bend",
                                        L"LengthAnchor",
                                        L"Weight",
                                        L"Section",
                                        L"Perimeter",
                                        L"MinimalEndLeg",
                                        L"MinimalInterLeg",
                                        L"MinimalStraightBar",
                                        L"MillStockLength",
                                        L"MaxStockLength"};
// The stored column whose unit rule a grid column follows: the nominal diameter shows in the
// unit of the real one.
const wchar_t* unitColumn(int c) {
    return c == 1 ? L"Diameter_Real" : kStoredColumn[c];
}

std::set<std::wstring> g_inUse;

std::vector<bool> usage(std::wstring, std::vector<std::wstring> names) {
    std::vector<bool> used;
    for (const auto& name : names) used.push_back(g_inUse.count(name) != 0);
    return used;
}

// Every cell of a family table in the file, as text, row by row.
std::vector<std::vector<std::string>> fileTable(const std::filesystem::path& file,
                                                const std::string& table) {
    std::vector<std::vector<std::string>> rows;
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, ("SELECT * FROM \"" + table + "\"").c_str(), -1, &statement,
                           nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            rows.emplace_back();
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const unsigned char* text = sqlite3_column_text(statement, c);
                rows.back().emplace_back(text ? reinterpret_cast<const char*>(text) : "NULL");
            }
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

class Transfer : public CatalogFixture {
protected:
    void SetUp() override {
        CatalogFixture::SetUp();
        m_module = LoadLibraryW(L"librebar.so");  // the module's own texts
        openDrawing("transfer.sql", "Transfer.mdb");
        g_inUse.clear();
        catalog = std::make_unique<CVnRebarSteelGradeCatalog>(&usage);
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"Catalogue", WS_POPUP | WS_VISIBLE, 0, 0, 640, 240,
                                    nullptr, nullptr));
        HWND hGrid = ::CreateWindowExW(0, L"GXWND", L"", WS_CHILD | WS_VISIBLE, 10, 10, 620, 220,
                                       parent.m_hWnd, HMENU(1109), nullptr, nullptr);
        ASSERT_TRUE(gridWnd.SubclassWindow(hGrid));
        gridWnd.AttachGrid(grid = new CVnGridCore(&gridWnd, &parent));
        gridWnd.Initialize();
    }
    void TearDown() override {
        transfer.reset();
        gridWnd.DestroyWindow();
        parent.DestroyWindow();
        AfxDeleteTempMap();
        catalog.reset();
        CatalogFixture::TearDown();
        FreeLibrary(m_module);
        user::ScriptedUser::Get().Finish();
    }

    // The dialog's grid for a family, mandrels in the stored unit or, with multiples, as plain
    // numbers; then loaded at the given scale.
    void show(const wchar_t* family, bool multiples = false, double scale = 1.0) {
        grid->SetNewCoordinates(2, 1);
        grid->SetRCount(0);
        grid->SetColCount(15);
        grid->Initialize();
        grid->AddColumn(L"Nom", 1, L"ALL", 1000, L"");
        for (int c = 1; c < 15; ++c) {
            CVnUnit unit;
            if (!(multiples && c >= 3 && c <= 6))
                catalog->GetParameterUnit(family, unitColumn(c), unit, 1.0);
            grid->AddColumn(L"", 5, unit, -1.7976931348623157e+150, 1.7976931348623157e+150, 0.0,
                            2);
        }
        transfer = std::make_unique<CVnTransferSteelGrade>(grid, catalog.get(), family, scale);
        grid->SetGridTransfert(transfer.get());
        transfer->Load(true, &records);
    }
    // Stores a row as the dialog does after the user changed the given columns.
    void store(int row, std::initializer_list<int> changed, int displayType = 1) {
        std::vector<bool> modified(15, false);
        for (int c : changed) modified[static_cast<size_t>(c)] = true;
        CStringArray loaded;
        for (const CString& name : loadedNames) loaded.Add(name);
        transfer->SetModifiedColumns(modified);
        transfer->SetLoadedNames(loaded);
        transfer->SetDisplayType(displayType);
        transfer->StoreRow(row);
    }
    // A bar's cell as the container holds it; NaN when the bar is not there.
    double stored(const wchar_t* family, const wchar_t* name, int col) {
        VNTLMdbContainer* container = openContainer();
        std::map<CString, COleVariant> row;
        int index = container->getTableLine(family, L"Name", COleVariant(name), row);
        container->close();
        return index < 0 ? std::nan("") : VariantToDouble(row[kStoredColumn[col]]);
    }
    std::vector<CString> names() {
        std::vector<CString> result;
        for (int r = 0; r < grid->GetRCount(); ++r) result.push_back(grid->GetValueAsString(r, 0));
        return result;
    }

    HMODULE m_module = nullptr;
    std::unique_ptr<CVnRebarSteelGradeCatalog> catalog;
    CWnd parent;
    CGXGridHandleWnd gridWnd;
    CVnGridCore* grid = nullptr;  // owned by gridWnd
    std::unique_ptr<CVnTransferSteelGrade> transfer;
    std::vector<CVnRebarSteelGrade*> records;
    std::vector<CString> loadedNames{L"16", L"12", L"8"};
};

}  // namespace

TEST_F(Transfer, AFamilyWithoutBarsGivesNoRowsAndFifteenColumns) {
    show(L"EMPTY");
    int rows = -1, columns = -1;
    std::vector<void*> items;
    transfer->PrepareLoad(rows, columns, items);
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(columns, 15);
    EXPECT_EQ(grid->GetRCount(), 0);
    EXPECT_TRUE(records.empty());
}

TEST_F(Transfer, EachBarIsARowShownInTheColumnsUnitsWithItsGuidOnTheName) {
    show(L"FE500 HA");
    ASSERT_EQ(records.size(), 3u);
    // The reference picture shows the rows, largest diameter first, in mm and kg/m.
    EXPECT_EQ(grid->GetValueAsString(1, 13), CString(L"12.00")) << "m";
    CGXStyle name;
    grid->ComposeStyleRowCol(3, 1, &name);
    auto* guid = static_cast<CString*>(name.GetItemDataPtr());
    ASSERT_NE(guid, nullptr);
    EXPECT_EQ(*guid, records[1]->GetGUID());
    EXPECT_TRUE(transfer->AreStockLengthsValid());
}

TEST_F(Transfer, AFixedDiameterFamilyShowsMandrelsAsMultiplesOfTheNominalDiameter) {
    show(L"TS", true);
    EXPECT_EQ(grid->GetValueAsString(0, 3), CString(L"3.00"));
    EXPECT_EQ(grid->GetValueAsString(0, 4), CString(L"4.00")) << "48 / 12";
    EXPECT_EQ(grid->GetValueAsString(0, 5), CString(L"5.00"));
}

// A dash, or a value below the not-given threshold in SI, is stored as not given: -1 in the
// measures and 0 from MinimalEndLeg on; a tiny negative value is kept.
TEST_F(Transfer, ADashOrAValueBelowTheThresholdIsStoredAsNotGivenByColumn) {
    show(L"FE500 HA");
    for (int c = 2; c < 15; ++c) grid->SetValue(1, c, L"-");
    store(1, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    for (int c = 2; c < 15; ++c)
        EXPECT_EQ(stored(L"FE500 HA", L"12", c), c <= 9 ? -1.0 : 0.0) << kStoredColumn[c];
    EXPECT_EQ(stored(L"FE500 HA", L"12", 1), 12.0) << "not changed, kept";
    grid->SetValue(1, 2, L"-0.5");
    store(1, {2});
    EXPECT_EQ(stored(L"FE500 HA", L"12", 2), -1.0);
    grid->SetValue(1, 2, L"-0.00000001");  // mm: -1e-11 in SI
    store(1, {2});
    EXPECT_DOUBLE_EQ(stored(L"FE500 HA", L"12", 2), -1e-8);
}

TEST_F(Transfer, ARenamedBarKeepsItsRowFoundByItsLoadedName) {
    show(L"FE500 HA");
    grid->SetValue(1, 0, L"12B");
    store(1, {0});
    EXPECT_TRUE(std::isnan(stored(L"FE500 HA", L"12", 1)));
    EXPECT_EQ(stored(L"FE500 HA", L"12B", 4), 48.0);
    EXPECT_EQ(names(), (std::vector<CString>{L"16", L"12B", L"8"}));
}

TEST_F(Transfer, ARowWithAnUnknownNameIsInsertedWithEveryColumn) {
    show(L"FE500 HA");
    grid->AddRow();
    const wchar_t* values[] = {L"20",    L"20",   L"20",  L"80",  L"80",  L"80", L"800", L"2.466",
                               L"314.2", L"62.8", L"250", L"125", L"500", L"12", L"15"};
    for (int c = 0; c < 15; ++c) grid->SetValue(3, c, values[c]);
    loadedNames.push_back(L"");
    store(3, {});
    EXPECT_TRUE(catalog->FindSteelgrade(L"20", L"FE500 HA"));
    // Stock lengths of a new bar are the catalogue's to set.
    for (int c = 1; c < 13; ++c)
        EXPECT_DOUBLE_EQ(stored(L"FE500 HA", L"20", c), _wtof(values[c])) << kStoredColumn[c];
}

TEST_F(Transfer, RelativeMandrelsAreStoredAsMultiplesOfTheNominalDiameter) {
    show(L"FE500 HA", true);
    grid->SetValue(1, 4, L"5");
    store(1, {4}, 0);
    EXPECT_EQ(stored(L"FE500 HA", L"12", 4), 60.0);
}

// Every row goes back: an edited value in the column's unit is converted into the stored unit
// once (50 mm stored as 50, not 50000), "-" is not given, and what still shows as loaded keeps
// its stored value (1.578 kg/m although the grid shows 1.58).
TEST_F(Transfer, ImportAllStoresEveryRowInTheStoredUnitsOnce) {
    show(L"FE500 HA");
    grid->SetValue(1, 4, L"50");
    grid->SetValue(1, 6, L"-");
    transfer->ImportAll();
    EXPECT_EQ(stored(L"FE500 HA", L"12", 1), 12.0);
    EXPECT_EQ(stored(L"FE500 HA", L"12", 4), 50.0);
    EXPECT_EQ(stored(L"FE500 HA", L"12", 6), -1.0);
    EXPECT_EQ(stored(L"FE500 HA", L"16", 7), 1.578);
    EXPECT_EQ(stored(L"FE500 HA", L"8", 13), 12.0) << "m";
}

// At a scale of 2 lengths show doubled and sections quadrupled; a typed value is stored with
// the scale undone, as StoreRow stores it, and untouched cells keep their stored values.
TEST_F(Transfer, ImportAllUndoesTheScaleOfTypedValues) {
    show(L"FE500 HA", false, 2.0);
    ASSERT_EQ(grid->GetValueAsString(1, 4), CString(L"96.00"));
    grid->SetValue(1, 4, L"100");  // mm
    grid->SetValue(1, 7, L"1");    // kg/m, shown unscaled
    grid->SetValue(1, 8, L"400");  // mm2
    transfer->ImportAll();
    const struct {
        int col;
        double stored;
    } cases[] = {{1, 12.0}, {4, 50.0}, {5, 48.0}, {7, 1.0}, {8, 100.0}, {13, 12.0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(stored(L"FE500 HA", L"12", c.col), c.stored) << kStoredColumn[c.col];
}

TEST_F(Transfer, ABarInUseIsReportedAndStopsTheRemovalUnlessARowWentBefore) {
    show(L"FE500 HA");
    auto& person = user::ScriptedUser::Get();
    g_inUse = {L"8", L"16"};
    person.AnswerMessageBox(IDOK);
    EXPECT_FALSE(transfer->RemoveRows(0, 2));
    ASSERT_EQ(person.MessageBoxes().size(), 1u);
    EXPECT_EQ(person.MessageBoxes()[0].text,
              L"16 Impossible de supprimer cette barre. Actuellement utilisée !");
    EXPECT_EQ(person.MessageBoxes()[0].style & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(names().size(), 3u) << "nothing removed";
    EXPECT_TRUE(catalog->FindSteelgrade(L"12", L"FE500 HA"));

    person.AnswerMessageBox(IDOK);
    EXPECT_TRUE(transfer->RemoveRows(1, 3));
    EXPECT_EQ(names(), (std::vector<CString>{L"16", L"8"}));
    EXPECT_FALSE(catalog->FindSteelgrade(L"12", L"FE500 HA"));
    EXPECT_TRUE(catalog->FindSteelgrade(L"16", L"FE500 HA"));
}

TEST_F(Transfer, AnEditedCellChangesExactlyThatCellOfTheSavedFile) {
    const auto file = m_folder / "Transfer.mdb";
    auto before = fileTable(file, "FE500 HA");
    show(L"FE500 HA");
    grid->SetValue(1, 4, L"50");
    store(1, {4});
    ASSERT_TRUE(catalog->SaveDatabase());
    before[1][4] = "50.0";
    EXPECT_EQ(fileTable(file, "FE500 HA"), before);
}

TEST_F(Transfer, LooksAsItsReferencePicture) {
    show(L"FE500 HA");
    grid->SetColumnWidth(0, 20);
    grid->SetColumnAutoSize(1, 15);
    ExpectMatchesReference(RenderWindow(parent.m_hWnd), "grid_transfer_fe500");
}
