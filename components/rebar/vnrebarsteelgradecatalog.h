// The module's access to one steel-grade catalogue: a database of families (steel grades),
// their bars, the units they are stored in and the hook tables of the design standards, read
// and written through the drawing's table container. Every query reads the container afresh;
// changes go to the container at once and reach the file only through SaveDatabase.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rebar/host/afx.h"
#include "rebar/host/vntl.h"
#include "rebar/modifieddiameterspool.h"
#include "rebar/rebarapi.h"
#include "rebar/vnrebarsteelgrade.h"

class AcApDocument;
class VNTLMdbContainer;

// The host's answer to "which of these bars of this family does the drawing use?": one flag
// per name, true for a bar in use.
using UsageCallback = std::vector<bool> (*)(std::wstring family, std::vector<std::wstring> names);

class REBAR_API CVnRebarSteelGradeCatalog {
public:
    enum DeleteStatus { Deleted = 0, InUse = 1, NotDeleted = 2 };

    using Row = std::map<CString, COleVariant>;

    // The unit in which a family stores one parameter.
    struct UNITINFO {
        CVnUnit unit;
        std::wstring text;  // not used
    };
    // Family name → parameter name → unit, as the "Units" table says.
    using UnitsPool = std::map<std::wstring, std::map<std::wstring, UNITINFO>>;

    // What a hook table says for one standard, steel grade and bend angle.
    struct _STRUCT_ELEMENT {
        double m_dMultiplicator = 0.0;
        std::map<double, double> m_mapUnfoldLength;  // diameter → unfolded hook length
        std::map<double, double> m_mapMinimalStdLength;
        std::map<double, double> m_mapMinimalSeismicLength;
        std::map<double, double> m_mapMinimalTieLength;
        std::map<double, double> m_mapLegLength;
    };
    // Hook table name → steel grade → angle in degrees → element.
    using HookRuleMap =
        std::map<std::wstring, std::map<std::wstring, std::map<double, _STRUCT_ELEMENT>>>;
    // Family → bar name → nominal diameter.
    using DiameterNameMap = std::map<CString, std::map<CString, double>>;

    // The derived maps of one drawing document, shared by every catalogue object while that
    // document is current.
    struct _PerDocMapsStruct {
        UnitsPool mapUnits;
        HookRuleMap mapRule;
        DiameterNameMap mapRuleName;
        bool unitsFilled = false;
        bool rulesFilled = false;
        bool ruleNamesFilled = false;
    };

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

    // More about families (not virtual).
    bool IsFixedDiameter(CString family);
    void GetAdherence(const CString& family, CString& adherence, bool& found);
    bool GetSteelLimit(const CString& family, double& limit) const;

    // Bar names and nominal diameters per family, from the drawing's diameter-name map.
    int getNominalDiameterFromName(CString family, CString name, double& diameter);
    int getNameFromNominalDiameter(CString family, CString& name, double diameter);
    // The family's design standard, or an empty text.
    CString GetStandardFromSteelGrade(CString family);
    // Adds every named bar of every family of the standard (the project's current standard
    // when none is given); byDiameterValue is false for standards that designate bars by name.
    bool GetAllDiametersForStandard(CMap<CString, LPCTSTR, double, double>& diameters,
                                    bool& byDiameterValue, const wchar_t* standard);

    // Hook lengths from the hook tables ("Hooks " + standard), per steel grade, angle (radians,
    // sign ignored) and diameter (as text, in the unit of the family's Diameter_Real). Each
    // answers 1 and sets the output when a value was found, 0 otherwise.
    int getDefaultHookLength(double angle, std::wstring standard, std::wstring steelGrade,
                             std::wstring diameter, double& length, double metricsFactor);
    int getDefaultHookLength(std::wstring standard, std::wstring steelGrade, std::wstring diameter,
                             double& length, double metricsFactor);
    int getDefaultUnfoldLength(double angle, std::wstring standard, std::wstring steelGrade,
                               std::wstring diameter, double& length, double metricsFactor);
    int getDefaultUnfoldLength(std::wstring standard, std::wstring steelGrade,
                               std::wstring diameter, double& length, double metricsFactor);
    int getDefaultHookLegLength(double angle, std::wstring standard, std::wstring steelGrade,
                                std::wstring diameter, double& length, double metricsFactor);
    int getDefaultHookLegLength(std::wstring standard, std::wstring steelGrade,
                                std::wstring diameter, double& length, double metricsFactor);
    // checkKind is the text of one of the host's three check-kind prompts.
    int getMinimalHookLength(double angle, std::wstring standard, std::wstring steelGrade,
                             std::wstring diameter, double& length, std::wstring checkKind,
                             double metricsFactor);

    // Units of the families' parameters, cached per drawing document.
    bool FillUnitsPool(UnitsPool& pool);
    bool FillUnitsPool();
    bool GetParameterUnit(CString family, CString parameter, CVnUnit& unit, double metricsFactor);
    // Callers pass false to have the hook rules (respectively the diameter names) read again.
    void SetChangeRule(bool filled);
    void SetChangeRuleName(bool filled);
    // Forget a document's caches (null: the current document). Called by the host.
    static void clearMaps(AcApDocument* document);
    static void clearRuleMap(AcApDocument* document);
    bool GetAreMillAndMaxStockLengthValid();
    void SetAreMillAndMaxStockLengthValid(bool valid);

    CString GetTypeName();
    // True for the type name of a bar catalogue, "Arrangements", in any letter case.
    bool IsValidCatalog(CString typeName) const;

    bool SetDBPath(CString path);
    CString GetDBPath() const;
    bool SaveDatabase();

protected:
    bool GetTableNameFromSteelgrade(CStringList& families, const CString& standard);
    // Row index of the bar named `name` in `family` (every family when null), or -1.
    int InternalFindSteelgrade(const wchar_t* name, const wchar_t* family, CString& table,
                               Row& row);
    bool InternalFindSteelgradeByDiameter(const wchar_t* diameterText, const wchar_t* family,
                                          CString& table, Row& row);
    // Converts a stored row into a record: × scale (weights ÷, sections × scale²), then into
    // the family's units; values not given become the undefined value.
    bool ImportSteelgrade(Row& row, CString family, double scale, CVnRebarSteelGrade& record);

    // Editing helpers.
    bool ModifyTableFromSteelgrade(Row& row, int index, CVnRebarSteelGrade* record);
    void SubStringReplace(const wchar_t* source, const wchar_t* find, const wchar_t* replacement,
                          CString& result);

    // Diameter names: the bars of one family into the map.
    bool FillDiameterByName(DiameterNameMap& diameterNames, CString family);
    void FillDiameterMaps(DiameterNameMap& diameterNames, CString family, CString name,
                          double diameter);

    // Hook tables: all twenty standards' tables, one table, one row.
    void FillDiameterHookLengthByAngle(HookRuleMap& rules);
    bool FillDiameterHookLengthByAngle(HookRuleMap& rules, std::wstring tableName);
    void FillHookLengthMaps(HookRuleMap& rules, std::wstring tableName, std::wstring steelGrade,
                            double angle, double multiplicator, double diameter,
                            double unfoldLength, double minimalStdLength,
                            double minimalSeismicLength, double minimalTieLength, double legLength);

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

    // One entry per host document, created on first use.
    static std::map<AcApDocument*, std::unique_ptr<_PerDocMapsStruct>> m_mapPerDocData;
    _PerDocMapsStruct* getMapsStruct();
    UnitsPool* getMapUnits();
    HookRuleMap* getMapRule();
    DiameterNameMap* getMapRuleName();
    static _PerDocMapsStruct* findMapsStruct(AcApDocument* document);
    // What a new row holds in `column` before the record exports itself into it.
    COleVariant InsertedCell(const CString& column, CVnRebarSteelGrade& record);
    bool FixedDiameterMark(const wchar_t* family);

    int FindInFamilies(const wchar_t* family, const wchar_t* column, const COleVariant& value,
                       CString& table, Row& row);
    void OpenDrawingCatalog(UsageCallback callback);
    CString DefinitionText(const wchar_t* column);
    void RewriteDefinition(const wchar_t* column,
                           CString (CVnRebarSteelGradeCatalog::*makeValue)());

    // Shared by the copies of a catalogue that opened its container; closes it when the last
    // of them lets go.
    std::shared_ptr<VNTLMdbContainer> m_containerLease;
};
