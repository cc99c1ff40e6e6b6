// A drawing whose "Bars" catalogue is a file built from an SQL fixture.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cad/hostsession.h"
#include "rebar/host/cad.h"
#include "rebar/host/vntl.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "support/cstring_printer.h"
#include "support/sqlfixture.h"

using Texts = std::vector<std::wstring>;

// The host's answer when none of the bars asked about is used in the drawing.
inline std::vector<bool> nothingInUse(std::wstring, std::vector<std::wstring> names) {
    return std::vector<bool>(names.size(), false);
}

// The texts of a list in its order, so that a whole list is compared in one expectation.
inline Texts items(const CStringList& list) {
    Texts result;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        result.emplace_back(list.GetNext(pos).GetString());
    return result;
}

class CatalogFixture : public ::testing::Test {
protected:
    static std::filesystem::path fixture(const std::string& name) {
        return std::filesystem::path(REBAR_FIXTURES) / name;
    }

    // Builds the file from the fixture and opens a new current drawing bound to it.
    cadhost::DocumentId openDrawing(const std::string& sqlFixture, const std::string& fileName) {
        testsupport::buildDatabaseFromFile(m_folder / fileName, fixture(sqlFixture));
        return bind(m_folder / fileName);
    }
    // Opens a new current drawing bound to `file`, as the host binds a catalogue.
    cadhost::DocumentId bind(const std::filesystem::path& file) {
        VNTLConfigTools::SetCatalogFile(L"Bars", CString(file.c_str()));
        return m_documents.emplace_back(cadhost::createDocument(file.filename().wstring()));
    }

    // The current drawing's "Bars" container opened for read, or null; the caller closes it.
    static VNTLMdbContainer* openContainer() {
        AcDbObject* object = nullptr;
        const AcDbObjectId id =
            VNTLConfigTools::CatalogId(acdbHostApplicationServices()->workingDatabase(), L"Bars");
        if (acdbOpenAcDbObject(object, id, AcDb::kForRead) != Acad::eOk) return nullptr;
        return VNTLMdbContainer::cast(object);
    }

    CString filePath(const std::string& fileName) const {
        return CString((m_folder / fileName).c_str());
    }

    void SetUp() override {
        cadhost::reset();
        VnProjectSettings::Register();
    }
    // The host forgets a drawing's catalogue caches before it closes the drawing: a new drawing
    // may reuse the address.
    void TearDown() override {
        for (cadhost::DocumentId document : m_documents)
            if (AcApDocument* open = cadhost::document(document))
                CVnRebarSteelGradeCatalog::clearMaps(open);
        cadhost::reset();
        VnProjectSettings::ResetSession();
    }

    testsupport::TempFolder m_folder;
    std::vector<cadhost::DocumentId> m_documents;
};
