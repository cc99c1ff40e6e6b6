// The fourteen numeric columns of the steel-grade grid: how each is read from and written into
// a bar record, which stored column names its unit, and what a value not given is stored as.
// Internal to the transfer.
#pragma once

#include "rebar/vnrebarsteelgrade.h"

namespace rebar::transfer {

inline constexpr int kColumns = 15;
inline constexpr int kFirstMandrel = 3;
inline constexpr int kLastMandrel = 6;
inline constexpr int kWeight = 7;
inline constexpr int kSection = 8;
// Below this a value is not given, whatever unit it went through.
inline constexpr double kNotGivenBelow = -1e-10;

struct NumericColumn {
    double (CVnRebarSteelGrade::*get)();
    CVnRebarSteelGrade::ErrorStatus (CVnRebarSteelGrade::*set)(double);
    const wchar_t* stored;  // the stored column whose unit rule applies
    double notGiven;        // stored when the grid gives no value
};

// Grid column c (1 to 14) is entry c - 1.
inline const NumericColumn kNumeric[kColumns - 1] = {
    {&CVnRebarSteelGrade::diameterNom, &CVnRebarSteelGrade::setDiameterNom, L"Diameter_Real", -1.0},
    {&CVnRebarSteelGrade::diameterReal, &CVnRebarSteelGrade::setDiameterReal, L"Diameter_Real",
     -1.0},
    {&CVnRebarSteelGrade::etrierCadre, &CVnRebarSteelGrade::setEtrierCadre, L"Stirrup/Hook", -1.0},
    {&CVnRebarSteelGrade::anchor, &CVnRebarSteelGrade::setAnchor, L"Anchor", -1.0},
    {&CVnRebarSteelGrade::bend, &CVnRebarSteelGrade::setBend, L"Bend", -1.0},
    {&CVnRebarSteelGrade::lengthAnchor, &CVnRebarSteelGrade::setLengthAnchor, L"LengthAnchor",
     -1.0},
    {&CVnRebarSteelGrade::weight, &CVnRebarSteelGrade::setWeight, L"Weight", -1.0},
    {&CVnRebarSteelGrade::surface, &CVnRebarSteelGrade::setSurface, L"Section", -1.0},
    {&CVnRebarSteelGrade::perimeter, &CVnRebarSteelGrade::setPerimeter, L"Perimeter", -1.0},
    {&CVnRebarSteelGrade::MinimalEndLeg, &CVnRebarSteelGrade::setMinimalEndLeg, L"MinimalEndLeg",
     0.0},
    {&CVnRebarSteelGrade::MinimalInterLeg, &CVnRebarSteelGrade::setMinimalInterLeg,
     L"MinimalInterLeg", 0.0},
    {&CVnRebarSteelGrade::MinimalStraightBar, &CVnRebarSteelGrade::setMinimalStraightBar,
     L"MinimalStraightBar", 0.0},
    {&CVnRebarSteelGrade::millStockLength, &CVnRebarSteelGrade::setMillStockLenght,
     L"MillStockLength", 0.0},
    {&CVnRebarSteelGrade::maxStockLength, &CVnRebarSteelGrade::setMaxStockLenght, L"MaxStockLength",
     0.0},
};

inline const NumericColumn& numeric(int col) {
    return kNumeric[col - 1];
}

inline bool isMandrel(int col) {
    return col >= kFirstMandrel && col <= kLastMandrel;
}

}  // namespace rebar::transfer
