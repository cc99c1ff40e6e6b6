// rebarcat weight: the mass of cut bars, from the catalogue's weight per length.
#include <cstdlib>
#include <ostream>

#include "barcheck.h"
#include "barvalues.h"
#include "cli.h"
#include "messages.h"
#include "names.h"
#include "output.h"
#include "session.h"

namespace rebarcat {

namespace {

const double kKilogramsPerPound = 0.45359237;
const long kMaxCount = 1000000;

int readCount(const std::optional<std::string>& text, long& count, std::ostream& err) {
    if (!text) return kSuccess;
    char* end = nullptr;
    count = std::strtol(text->c_str(), &end, 10);
    if (text->empty() || *end != '\0' || count < 1 || count > kMaxCount) {
        err << "rebarcat: --count takes a whole number from 1 to " << kMaxCount << ", not '"
            << *text << "'\n";
        return kUsage;
    }
    return kSuccess;
}

int runWeight(Arguments& arguments, std::ostream& out, std::ostream& err) {
    auto catalogFile = arguments.option("catalog");
    auto countText = arguments.option("count");
    bool si = arguments.flag("si"), json = arguments.flag("json");
    long count = 1;
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (int status = readCount(countText, count, err)) return status;
    if (arguments.rest().size() != 3) {
        err << "rebarcat: weight takes a family, a bar name and a length (see rebarcat weight "
               "--help)\n";
        return kUsage;
    }
    HostSession session(catalogFile);
    if (int status = session.check(err)) return status;
    CVnRebarSteelGradeCatalog catalog;
    CString family = resolveFamily(catalog, arguments.rest()[0]);
    if (!catalog.FindSteelgradeFamily(family)) return familyNotFound(family, err);
    StoredBar bar = readStoredBar(*session.container(), family,
                                  resolveBar(catalog, family, arguments.rest()[1]));
    if (bar.row < 0) return barNotFound(family, arguments.rest()[1], err);

    CVnUnit lengthUnit;
    bool hasLength = familyUnit(catalog, family, L"MaxStockLength", lengthUnit);
    double metres = 0.0;
    if (Verdict verdict =
            readLength(hasLength ? &lengthUnit : nullptr, arguments.rest()[2], metres);
        !verdict)
        return reject(verdict, err);
    DisplayUnits display;
    display.mode = si ? DisplayUnits::Mode::Si : DisplayUnits::Mode::Family;
    const size_t weight = fieldIndex(L"Weight");
    std::optional<double> perMetre = storedToSi(catalog, family, L"Weight", bar.values[weight]);
    if (!perMetre) {
        err << "rebarcat: the catalogue gives no weight for bar " << utf8(bar.name) << " of "
            << utf8(family) << "\n";
        return kNotFound;
    }
    CVnUnit weightUnit;
    bool pounds =
        !si && familyUnit(catalog, family, L"Weight", weightUnit) && weightUnit.GetType() == 1;
    double kilograms = *perMetre * metres * static_cast<double>(count);
    Record record = {
        {"family", Value::text(utf8(family))},
        {"name", Value::text(utf8(bar.name))},
        {"length", shownSi(catalog, family, L"MaxStockLength", Quantity::Length, metres, display)},
        {"count", Value::number(static_cast<double>(count))},
        {"weight", shownValue(catalog, family, L"Weight", Quantity::WeightPerLength,
                              bar.values[weight], display)},
        {"mass",
         Value::number(withoutConversionNoise(pounds ? kilograms / kKilogramsPerPound : kilograms),
                       pounds ? "lb" : "kg")}};
    printRecord(record, json, out);
    return kSuccess;
}

}  // namespace

Command weightCommand() {
    return {"weight", "weight FAMILY BAR LENGTH [--count N] [--si] [--catalog FILE] [--json]",
            "Compute the mass of cut bars from the catalogue's weight per length.",
            "  LENGTH          the cut length, in the family's stock-length unit (m, ft) or with\n"
            "                  a unit (6.5m, 2500mm, 12'-6\"); at most 100 m\n"
            "  --count N       the number of bars (default 1)\n"
            "  --si            lengths in m, weights in kg/m, the mass in kg\n"
            "  --catalog FILE  the catalogue file (default: the bundled catalogue)\n"
            "  --json          print JSON instead of aligned text\n"
            "The mass is in lb for a family that stores its weights in lb/ft, else in kg.\n",
            runWeight};
}

}  // namespace rebarcat
