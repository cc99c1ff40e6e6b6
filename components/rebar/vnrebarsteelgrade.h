// One bar of a steel-grade family in memory: a row of the family's table with the family's
// name and a GUID of its own. It holds plain values in whatever units its filler used and
// checks nothing.
#pragma once

#include <cstddef>
#include <map>

#include "rebar/host/afx.h"
#include "rebar/rebarapi.h"

class REBAR_API CVnRebarSteelGrade {
public:
    enum ErrorStatus { eOk = 0 };

    CVnRebarSteelGrade();
    // A copy is another bar object: it gets a GUID of its own.
    CVnRebarSteelGrade(const CVnRebarSteelGrade& other);
    // Assignment copies everything, the GUID included.
    CVnRebarSteelGrade& operator=(const CVnRebarSteelGrade& other);
    virtual ~CVnRebarSteelGrade();

    virtual ErrorStatus setFamily(CString family);
    virtual CString family();
    virtual ErrorStatus setWeight(double value);
    virtual double weight();
    virtual ErrorStatus setPerimeter(double value);
    virtual double perimeter();
    virtual ErrorStatus setSurface(double value);
    virtual double surface();
    virtual ErrorStatus setLengthAnchor(double value);
    virtual double lengthAnchor();
    virtual ErrorStatus setBend(double value);
    virtual double bend();
    virtual ErrorStatus setAnchor(double value);
    virtual double anchor();
    virtual ErrorStatus setEtrierCadre(double value);
    virtual double etrierCadre();
    virtual ErrorStatus setDiameterNom(double value);
    virtual double diameterNom();
    virtual ErrorStatus setDiameterReal(double value);
    virtual double diameterReal();
    virtual ErrorStatus setName(const wchar_t* name);
    virtual CString name();
    virtual ErrorStatus setMillStockLenght(double value);
    virtual double millStockLength();
    virtual ErrorStatus setMaxStockLenght(double value);
    virtual double maxStockLength();
    virtual ErrorStatus setMinimalEndLeg(double value);
    virtual double MinimalEndLeg();
    virtual ErrorStatus setMinimalInterLeg(double value);
    virtual double MinimalInterLeg();
    virtual ErrorStatus setMinimalStraightBar(double value);
    virtual double MinimalStraightBar();
    virtual ErrorStatus setHookLegLength(double value);
    virtual double HookLegLength();

    CString GetGUID() const;
    // Hands out the address of the record's own GUID text, valid while the record lives.
    CString GetGUID(CString** guid);
    void SetGUID(const CString& guid);

    // Writes the record into a table row; `changed` tells whether the row must be written back.
    void Export(std::map<CString, COleVariant>& row, bool& changed);
    // Appends "name weight section perimeter", the numbers with two decimals.
    void GetCharacterictics(CString& text);

private:
    // Records live singly: arrays of them on the heap are refused at compile time.
    void* operator new[](std::size_t size);
    void* operator new[](std::size_t size, const char* file, int line);
    void operator delete[](void* p) noexcept;

    void InitGuid();

    double m_weight = 0.0;
    double m_perimeter = 0.0;
    double m_surface = 0.0;
    double m_lengthAnchor = 0.0;
    double m_bend = 0.0;
    double m_anchor = 0.0;
    double m_etrierCadre = 0.0;
    double m_diameterNom = 0.0;
    double m_diameterReal = 0.0;
    CString m_name;
    double m_millStockLength = 0.0;
    double m_maxStockLength = 0.0;
    double m_MinimalEndLeg = 0.0;
    double m_MinimalInterLeg = 0.0;
    double m_MinimalStraightBar = 0.0;
    double m_HookLegLength = 0.0;
    CString m_family;
    CString m_guid;
};
