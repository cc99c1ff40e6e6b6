// Transfers and cell exchanges: an application's list shown in the grid through the columns'
// units and read back, one row rewritten, one removed.
#include "grid/vngridtransfer.h"

#include <memory>
#include <vector>

#include "grid/vncelldataexchangestring.h"
#include "grid/vncelldataexchangeunit.h"
#include "vngridfixture.h"

namespace {

constexpr double kUndefined = -1.7976931348623157e+150;

// Bar names and diameters in SI, exchanged with the grid's first two columns.
class BarListTransfer : public CVnGridTransfer {
public:
    using CVnGridTransfer::CVnGridTransfer;
    std::vector<CString> names;
    std::vector<double> diameters;

    BOOL PrepareExport(int& nRows, int& nCols) override {
        nRows = static_cast<int>(names.size());
        nCols = 2;
        return m_pGrid->SetRCount(nRows);
    }
    CVnCellDataExchange* CreateCellExchange(int nRow, int nCol, bool) override {
        const size_t row = static_cast<size_t>(nRow);
        if (nCol == 0) return new CVnCellDataExchangeString(&names[row]);
        if (nCol == 1)
            return new CVnCellDataExchangeUnit(m_pGrid->GetGridColumn(1)->m_pUnit, &diameters[row]);
        return nullptr;
    }
};

class VnGridTransferTest : public VnGridTest {
protected:
    void SetUp() override {
        VnGridTest::SetUp();
        transfer = std::make_unique<BarListTransfer>(grid);
        transfer->names = {L"HA8", L"HA10", L"HA12"};
        transfer->diameters = {0.008, kUndefined, 0.012};
        transfer->Export();
    }
    std::unique_ptr<BarListTransfer> transfer;
};

}  // namespace

TEST_F(VnGridTransferTest, ExportShowsTheValuesInTheColumnsUnitAndNotGivenAsADash) {
    ASSERT_EQ(grid->GetRCount(), 3);
    EXPECT_EQ(grid->GetValueAsString(0, 0), CString(L"HA8"));
    EXPECT_EQ(grid->GetValueAsString(0, 1), CString(L"8.0"));
    EXPECT_EQ(grid->GetValueAsString(1, 1), CString(L"-"));
    EXPECT_EQ(grid->GetValueAsString(2, 2), CString(L"")) << "no exchange, nothing written";
}

TEST_F(VnGridTransferTest, ImportReadsEditedCellsBackInSI) {
    grid->SetValue(0, 1, L"16");
    grid->SetValue(1, 1, L"1.4 cm");
    grid->SetValue(2, 1, L"-");
    grid->SetValue(2, 0, L"HA14");
    transfer->ImportAll();
    EXPECT_DOUBLE_EQ(transfer->diameters[0], 0.016);
    EXPECT_DOUBLE_EQ(transfer->diameters[1], 0.014);
    EXPECT_EQ(transfer->diameters[2], kUndefined);
    EXPECT_EQ(transfer->names[2], CString(L"HA14"));

    grid->SetValue(0, 1, L"seize");
    EXPECT_FALSE(transfer->ImportCol(0, 1)) << "a text that is no length";
    EXPECT_DOUBLE_EQ(transfer->diameters[0], 0.016) << "and the value is kept";
}

TEST_F(VnGridTransferTest, RowsAreRefreshedAndRemovedOneByOne) {
    transfer->names[1] = L"HA10B";
    EXPECT_EQ(transfer->RefreshRow(1), 3);
    EXPECT_EQ(grid->GetValueAsString(1, 0), CString(L"HA10B"));

    EXPECT_TRUE(transfer->DelRow(0));
    EXPECT_EQ(grid->GetRCount(), 2);
    EXPECT_EQ(grid->GetValueAsString(0, 0), CString(L"HA10B"));
    EXPECT_EQ(transfer->CellQuery(0, 0), 0);
}

TEST_F(VnGridTransferTest, TheUpdateLockIsTheGridParametersFlag) {
    EXPECT_FALSE(transfer->LockUpdate(TRUE));
    EXPECT_EQ(grid->GetParam()->m_bLockUpdate, 1);
    EXPECT_TRUE(transfer->LockUpdate(FALSE));
    EXPECT_EQ(grid->GetParam()->m_bLockUpdate, 0);
}
