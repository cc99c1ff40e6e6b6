#include "cad/document.h"

#include "cad/database.h"

namespace {

std::wstring titleOf(const std::wstring& fileName) {
    const auto slash = fileName.find_last_of(L"/\\");
    return slash == std::wstring::npos ? fileName : fileName.substr(slash + 1);
}

}  // namespace

AcApDocument::AcApDocument(std::wstring fileName, std::unique_ptr<AcDbDatabase> database)
    : m_fileName(std::move(fileName)),
      m_title(titleOf(m_fileName)),
      m_database(std::move(database)) {}

AcApDocument::~AcApDocument() = default;
