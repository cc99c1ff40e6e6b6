// Whatever a person types into a value or unit field: the text is read as a unit name and as a
// value in several units, and every value read is shown again and read back. What is shown must
// read back as exactly the value shown, whatever the unit, format, precision and buffer.
//
// Input: byte 0 chooses how values are shown (bit 0 format, bits 1-5 precision, bit 6 the unit
// name appended, bit 7 shown with the caller's buffer or without), byte 1 the buffer size, the
// rest is the typed text in UTF-8 (malformed bytes read as U+FFFD). With fewer than two bytes
// everything is text.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "vntl/vnunit.h"
#include "vntl/vnunitmanager.h"
#include "win/utf8.h"

namespace {

// The units values are typed in on bar editors and option pages, and a few more kinds.
const wchar_t* const kUnitNames[] = {L"", L"mm", L"in", L"ft", L"kg/m", L"m", L"mm2", L"lb/ft"};

struct Display {
    int format = 0;
    int precision = 2;
    int appendName = 1;
    bool useBuffer = true;
    int bufferSize = 64;
};

[[noreturn]] void violated(const char* property, const CVnUnit& unit, const std::wstring& typed,
                           const CString& shown, const CString& again) {
    std::fprintf(stderr,
                 "property violated: %s\n  unit \"%s\" format %d precision %d\n  typed \"%s\"\n"
                 "  shown \"%s\"\n  shown again \"%s\"\n",
                 property, WideToUtf8(unit.GetName().GetString()).c_str(), unit.GetUnitFormat(),
                 unit.GetPrecision(), WideToUtf8(typed).c_str(),
                 WideToUtf8(shown.GetString()).c_str(), WideToUtf8(again.GetString()).c_str());
    std::abort();
}

CString show(const CVnUnit& unit, double value, int usePrecision, const Display& display) {
    std::vector<wchar_t> buffer(static_cast<std::size_t>(display.bufferSize) + 1, L'#');
    const int size = display.useBuffer ? display.bufferSize : 0;
    CString text = unit.Double2String(display.useBuffer ? buffer.data() : nullptr, value, 0,
                                      nullptr, display.appendName, usePrecision, size);
    if (display.useBuffer && size > 0) {
        // The buffer holds the returned text, terminated, and nothing was written past it.
        if (std::wcscmp(buffer.data(), text.GetString()) != 0)
            violated("the buffer holds the returned text", unit, L"", text, CString(buffer.data()));
        if (text.GetLength() >= size) violated("the text fits the buffer", unit, L"", text, text);
        if (buffer[static_cast<std::size_t>(size)] != L'#')
            violated("nothing is written past the buffer", unit, L"", text, text);
    }
    return text;
}

// The number a decimal text shows, read independently of the code under test.
bool shownDecimal(const CString& text, double& value) {
    std::string digits = WideToUtf8(text.GetString());
    const std::size_t blank = digits.find(' ');
    if (blank != std::string::npos) digits.resize(blank);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return ec == std::errc{} && end == digits.data() + digits.size();
}

// A value of the unit shown and read back.
void roundTrip(const CVnUnit& unit, double value, const std::wstring& typed,
               const Display& display) {
    if (!std::isfinite(value)) return;
    int error = 0;
    // Shortest digits give back the very same double.
    const CString shortest = show(unit, value, 0, display);
    if (!shortest.IsEmpty()) {
        const double back = unit.String2Double(shortest, &error, 0);
        if (error != 0 || back != value)
            violated("the shortest digits read back as the same value", unit, typed, shortest,
                     CString());
    }
    // Rounded to the unit's precision: what is read back is the value shown, so showing it
    // again gives the same text.
    const CString shown = show(unit, value, 1, display);
    if (shown.IsEmpty()) return;
    const double back = unit.String2Double(shown, &error, 0);
    if (error != 0) violated("a shown value reads back", unit, typed, shown, CString());
    const CString again = show(unit, back, 1, display);
    if (again != shown) violated("a value read back shows the same", unit, typed, shown, again);
    double expected = 0.0;
    if (unit.GetUnitFormat() != 1 && shownDecimal(shown, expected) && expected != back)
        violated("a decimal text reads back as its digits say", unit, typed, shown, again);
}

// The typed text read in the unit, and in SI; what reads is shown and read back.
void readIn(CVnUnit unit, const std::wstring& typed, const Display& display) {
    unit.SetUnitFormat(display.format);
    unit.SetPrecision(display.precision);
    int error = -1;
    const double value = unit.String2Double(typed.c_str(), &error, 0);
    if (error == 0) {
        if (!std::isfinite(value)) violated("a value read is finite", unit, typed, L"", L"");
        roundTrip(unit, value, typed, display);
    } else if (value != 0.0) {
        violated("a refused text reads as 0", unit, typed, L"", L"");
    }
    error = -1;
    const double si = unit.String2Double(typed.c_str(), &error, 1);
    if (error == 0 && !std::isfinite(si)) violated("an SI value is finite", unit, typed, L"", L"");
    (void)unit.String2Double(typed.c_str(), nullptr, 0);
    // Showing from SI must not fail whatever the value.
    wchar_t buffer[32];
    (void)unit.Double2String(buffer, si, 1, nullptr, 1, 1, 32);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Display display;
    if (size >= 2) {
        display.format = data[0] & 1;
        display.precision = ((data[0] >> 1) & 31) - 2;  // a stored precision may be out of range
        display.appendName = (data[0] >> 6) & 1;
        display.useBuffer = (data[0] & 0x80) == 0;
        display.bufferSize = data[1] == 0 ? 256 : data[1];
        data += 2;
        size -= 2;
    }
    const std::wstring typed =
        Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
    // A text holding a NUL ends there for the C string API.
    const std::wstring text(typed.c_str());

    CVnUnit named;
    if (CVnUnitManager::UnitFromString(text.c_str(), named, 1000.0) == 0) {
        // A unit read from text has a canonical name that reads back as the same unit.
        CVnUnit again;
        const CString name = named.GetName();
        if (!name.IsEmpty() &&
            (CVnUnitManager::UnitFromString(name, again, 1.0) != 0 || again.GetName() != name ||
             again.GetIDUnit() != named.GetIDUnit() || again.GetCoef() != named.GetCoef()))
            violated("a unit's name reads back as the unit", named, text, name, again.GetName());
        readIn(named, text, display);
    }
    for (const wchar_t* unitName : kUnitNames) {
        CVnUnit unit;
        if (*unitName && CVnUnitManager::UnitFromString(unitName, unit, 1.0) != 0) std::abort();
        readIn(unit, text, display);
    }
    return 0;
}
