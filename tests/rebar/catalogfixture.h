// A drawing whose "Bars" catalogue is a file built from an SQL fixture.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cad/hostsession.h"
#include "rebar/host/cad.h"
#include "support/cstring_printer.h"
#include "support/sqlfixture.h"

class CatalogFixture : public ::testing::Test {
protected:
    static std::filesystem::path fixture(const std::string& name) {
        return std::filesystem::path(REBAR_FIXTURES) / name;
    }

    // Builds the file from the fixture and opens a new current drawing bound to it.
    cadhost::DocumentId openDrawing(const std::string& sqlFixture, const std::string& fileName) {
        auto file = m_folder / fileName;
        testsupport::buildDatabaseFromFile(file, fixture(sqlFixture));
        VNTLConfigTools::SetCatalogFile(L"Bars", CString(file.c_str()));
        return cadhost::createDocument(CString(fileName.c_str()).GetString());
    }

    CString filePath(const std::string& fileName) const {
        return CString((m_folder / fileName).c_str());
    }

    void SetUp() override { cadhost::reset(); }
    void TearDown() override { cadhost::reset(); }

    testsupport::TempFolder m_folder;
};
