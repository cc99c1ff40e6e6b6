// An open drawing: a file name and the drawing database it owns.
#pragma once

#include <memory>
#include <string>

#include "cad/acdb.h"

class AcDbDatabase;

// Not a runtime-typed class here, unlike on the host: nothing asks a document for its class.
class AcApDocument {
public:
    // Documents are made by the host session (cadhost::createDocument); module code only
    // receives them from the document manager.
    AcApDocument(std::wstring fileName, std::unique_ptr<AcDbDatabase> database);
    AcApDocument(const AcApDocument&) = delete;
    AcApDocument& operator=(const AcApDocument&) = delete;
    ~AcApDocument();

    AcDbDatabase* database() const { return m_database.get(); }
    // The full path as the document was opened with.
    const ACHAR* fileName() const { return m_fileName.c_str(); }
    // The file name without its folders, as a window caption shows it.
    const ACHAR* docTitle() const { return m_title.c_str(); }

private:
    std::wstring m_fileName;
    std::wstring m_title;
    std::unique_ptr<AcDbDatabase> m_database;
};
