#include "rebar/familylist.h"

#include "rebar/host/cad.h"
#include "rebar/host/vntl.h"

namespace rebar {

bool readFamilyList(VNTLMdbContainer& container, const wchar_t* column, CStringArray& names,
                    CStringArray& values) {
    return container.getColumnAsString(kSteelGradeList, L"Name", names) &&
           container.getColumnAsString(kSteelGradeList, column, values) &&
           names.GetSize() == values.GetSize();
}

// A look-up by value, which the container answers from an index of the column, rather than a
// walk over both columns: the family listing asks this for every family of the list.
CString familyListText(VNTLMdbContainer& container, const wchar_t* family, const wchar_t* column) {
    VNTLMdbContainer::Row row;
    if (container.getTableLine(kSteelGradeList, L"Name", COleVariant(family), row) < 0)
        return CString();
    auto cell = row.find(column);
    return cell != row.end() ? VariantToString(cell->second) : CString();
}

}  // namespace rebar
