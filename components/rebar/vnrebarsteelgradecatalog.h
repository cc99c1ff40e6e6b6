// The module's access to one steel-grade catalogue: a database of families (steel grades),
// their bars, the units they are stored in and the hook tables of the design standards, read
// and written through the drawing's table container. Every query reads the container afresh;
// changes go to the container at once and reach the file only through SaveDatabase.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rebar/host/afx.h"
#include "rebar/modifieddiameterspool.h"
#include "rebar/rebarapi.h"
#include "rebar/vnrebarsteelgrade.h"

class VNTLMdbContainer;

// The host's answer to "which of these bars of this family does the drawing use?": one flag
// per name, true for a bar in use.
using UsageCallback = std::vector<bool> (*)(std::wstring family, std::vector<std::wstring> names);

class REBAR_API CVnRebarSteelGradeCatalog {
public:
    enum DeleteStatus { Deleted = 0, InUse = 1, NotDeleted = 2 };

    static const wchar_t c_szExt[];
    static const double m_dfPhiConstant;

    // Opens the bar catalogue container ("Bars") of the host's working database for reading
    // and closes it again when the last catalogue sharing it dies.
    CVnRebarSteelGradeCatalog();
    explicit CVnRebarSteelGradeCatalog(UsageCallback callback);
    // Works on a container the caller keeps owning.
    explicit CVnRebarSteelGradeCatalog(VNTLMdbContainer* container);
    // Copies share their source's container; an opened container is closed exactly once,
    // by whichever of the catalogues sharing it dies last.
    CVnRebarSteelGradeCatalog(const CVnRebarSteelGradeCatalog& other);
    CVnRebarSteelGradeCatalog& operator=(const CVnRebarSteelGradeCatalog& other);
    virtual ~CVnRebarSteelGradeCatalog();

    // The definition record: the single row of table "Definition". Empty (0 for DefType) when
    // there is no container or the table does not hold exactly one row.
    virtual CString LastUpdate();
    virtual CString DefComment();
    virtual int DefType();
    virtual CString EditorName();
    virtual CString Name();
    virtual CString Version();

    // Families and bars.
    virtual bool FindSteelgradeFamily(const wchar_t* family);
    virtual bool GetSteelgradeFamilies(CStringList& families, CString standard);
    virtual bool CheckSteelgradeFamilyForFixedDiameter(const wchar_t* family);
    virtual bool GetFamilySteelgrade(CStringList& names, const wchar_t* family);
    virtual bool GetDiametersForFamilySteelgrade(CStringList& diameters, const wchar_t* family,
                                                 bool& fixedDiameter);
    virtual bool GetDiameterNamesForFamilySteelgrade(CStringList& names, const wchar_t* family,
                                                     bool& fixedDiameter, bool& spareFlag);
    virtual bool GetNameForFamilySteelgrade(CStringList& names, const wchar_t* family);
    virtual bool GetPatternNameForDiameter(const wchar_t* family, const wchar_t* diameterText,
                                           CString& name);
    virtual bool FindSteelgrade(const wchar_t* name, const wchar_t* family);
    virtual bool RemoveSteelgrade(const wchar_t* name, const wchar_t* family);
    virtual DeleteStatus RemoveSteelgradeIfUnused(const wchar_t* name, const wchar_t* family,
                                                  UsageCallback callback);
    virtual DeleteStatus InvestigateSteelgradeIfUnused(const wchar_t* name, const wchar_t* family,
                                                       UsageCallback callback);
    virtual CVnRebarSteelGrade GetSteelgradeByDiameter(const wchar_t* diameterText,
                                                       const wchar_t* family, double scale,
                                                       bool& found);
    virtual CVnRebarSteelGrade GetSteelgrade(const wchar_t* name, const wchar_t* family,
                                             double scale, bool& found);
    virtual bool ModifySteelgrade(const wchar_t* name, const wchar_t* family,
                                  CVnRebarSteelGrade* record);
    virtual bool InsertSteelgrade(CVnRebarSteelGrade* record, bool ignoreExisting);

    CString GetTypeName();
    // True for the type name of a bar catalogue, "Arrangements", in any letter case.
    bool IsValidCatalog(CString typeName) const;

    bool SetDBPath(CString path);
    CString GetDBPath() const;
    bool SaveDatabase();

protected:
    void UpdateStamp();
    void UpdateDate();
    void UpdateVersion();
    CString createNewVersionGUID();
    CString createUpdateDateString();

    UsageCallback m_pfnUsageCallback = nullptr;
    CModifiedDiametersPool m_modifiedDiametersPool;
    bool AreMillAndMaxStockLengthValid = true;
    VNTLMdbContainer* m_pMdbContainer = nullptr;
    bool m_bOwnContainer = false;

private:
    static const wchar_t BARS_CATALOG[];

    void OpenDrawingCatalog();
    CString DefinitionText(const wchar_t* column);
    void RewriteDefinition(const wchar_t* column, const CString& value);

    // Shared by the copies of a catalogue that opened its container; closes it when the last
    // of them lets go.
    std::shared_ptr<void> m_containerLease;
};

#define CVnRebarSteelGradeCatalog_GUARD_SOURCE L"components\\rebar\\vnrebarsteelgradecatalog.cpp"
