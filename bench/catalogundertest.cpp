#include "catalogundertest.h"

#include <array>
#include <cstdint>
#include <random>
#include <stdexcept>

#include "vntl/vntlconfigtools.h"
#include "win/utf8.h"

namespace bench {

namespace {

Name nameOf(const std::string& utf8) {
    return {Utf8ToWide(utf8), utf8};
}

std::array<double, kBarValueCount> recordValues(CVnRebarSteelGrade& record) {
    return {record.diameterNom(),
            record.diameterReal(),
            record.etrierCadre(),
            record.anchor(),
            record.bend(),
            record.lengthAnchor(),
            record.weight(),
            record.surface(),
            record.perimeter(),
            record.MinimalEndLeg(),
            record.MinimalInterLeg(),
            record.MinimalStraightBar(),
            record.millStockLength(),
            record.maxStockLength()};
}

}  // namespace

CatalogUnderTest::CatalogUnderTest(const std::filesystem::path& file, const std::wstring& drawing) {
    VNTLConfigTools::SetCatalogFile(L"Bars", CString(file.c_str()));
    m_document = cadhost::createDocument(drawing);
    m_module = std::make_unique<ProbeCatalog>();
    if (m_module->GetDBPath().IsEmpty())
        throw std::runtime_error("the module could not open " + file.string());
    m_plain = std::make_unique<PlainSqliteCatalog>(file.string());

    std::vector<std::vector<Name>> bars;
    for (const std::string& family : m_plain->families()) {
        m_families.push_back(nameOf(family));
        auto& names = bars.emplace_back();
        for (const std::string& bar : m_plain->barNames(family)) names.push_back(nameOf(bar));
    }
    if (m_families.empty()) throw std::runtime_error(file.string() + " lists no family");

    // The same sequences on every run and machine: the C++ standard fixes mt19937's output to
    // the bit but not the distributions', so the draw is reduced by hand.
    auto drawLookups = [&](std::uint32_t seed, std::size_t count, std::vector<Lookup>& out) {
        std::mt19937 draw(seed);
        while (out.size() < count) {
            const std::size_t family = draw() % m_families.size();
            if (bars[family].empty()) continue;
            out.push_back({m_families[family], bars[family][draw() % bars[family].size()]});
        }
    };
    drawLookups(20261205u, kLookups, m_lookups);
    drawLookups(20261206u, kRegeneration, m_regeneration);

    for (const Lookup& lookup : m_lookups) {
        if (m_disagreement.empty()) m_disagreement = compareBar(lookup);
        FoundRow& found = m_rows.emplace_back();
        m_module->InternalFindSteelgrade(lookup.bar.wide.c_str(), lookup.family.wide.c_str(),
                                         found.table, found.row);
    }
    for (const Lookup& lookup : m_regeneration)
        if (m_disagreement.empty()) m_disagreement = compareBar(lookup);
    for (const Name& family : m_families) {
        if (m_disagreement.empty()) m_disagreement = compareFamily(family);
        if (m_disagreement.empty()) m_disagreement = compareDiameters(family);
    }
}

CatalogUnderTest::~CatalogUnderTest() {
    m_module.reset();  // closes the drawing's container before the host forgets the drawing
}

void CatalogUnderTest::makeCurrent() const {
    cadhost::setCurrentDocument(m_document);
}

std::string CatalogUnderTest::compareBar(const Lookup& lookup) {
    makeCurrent();
    bool found = false;
    CVnRebarSteelGrade record =
        m_module->GetSteelgrade(lookup.bar.wide.c_str(), lookup.family.wide.c_str(), 1.0, found);
    BarValues plain;
    const bool plainFound = m_plain->bar(lookup.family.utf8, lookup.bar.utf8, 1.0, plain);
    const std::string what = "bar " + lookup.bar.utf8 + " of " + lookup.family.utf8 + ": ";
    if (!found || !plainFound) return what + "not found by both";
    // The record keeps its texts in capitals; the plain code hands them back as stored.
    if (record.name().CompareNoCase(plain.name.c_str()) != 0 ||
        record.family().CompareNoCase(plain.family.c_str()) != 0) {
        return what + "the module names it " + WideToUtf8(record.name().GetString()) + " of " +
               WideToUtf8(record.family().GetString()) + ", SQLite " + WideToUtf8(plain.name) +
               " of " + WideToUtf8(plain.family);
    }
    if (recordValues(record) != plain.values) return what + "values differ";
    return {};
}

std::string CatalogUnderTest::compareFamily(const Name& family) {
    makeCurrent();
    CStringList names;
    std::vector<std::wstring> plain;
    if (!m_module->GetFamilySteelgrade(names, family.wide.c_str()) ||
        !m_plain->namesByDiameter(family.utf8, plain))
        return "family " + family.utf8 + ": not found by both";
    std::vector<std::wstring> module;
    for (POSITION pos = names.GetHeadPosition(); pos;) module.emplace_back(names.GetNext(pos));
    return module == plain ? std::string() : "family " + family.utf8 + ": bar order differs";
}

std::string CatalogUnderTest::compareDiameters(const Name& family) {
    makeCurrent();
    CStringList texts;
    bool moduleFixed = false;
    bool plainFixed = false;
    std::vector<std::wstring> plain;
    if (!m_module->GetDiametersForFamilySteelgrade(texts, family.wide.c_str(), moduleFixed) ||
        !m_plain->diameterTexts(family.utf8, plain, plainFixed))
        return "diameters of family " + family.utf8 + ": not found by both";
    std::vector<std::wstring> module;
    for (POSITION pos = texts.GetHeadPosition(); pos;) module.emplace_back(texts.GetNext(pos));
    if (moduleFixed != plainFixed) return "family " + family.utf8 + ": fixed-diameter marks differ";
    return module == plain ? std::string() : "family " + family.utf8 + ": diameter texts differ";
}

}  // namespace bench
