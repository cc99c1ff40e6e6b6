// Internal to this library: the process-wide state behind the host's API. One instance,
// as the host is one application; the library is shared so that every module sees it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "cad/document.h"
#include "cad/hostsession.h"

class AcDbObject;

namespace cadhost::detail {

// One entry of the object table: where the object is and who has it open.
struct ObjectSlot {
    AcDbObject* object = nullptr;
    int readers = 0;
    bool writer = false;
    OpenStats stats;

    bool isOpen() const { return readers > 0 || writer; }
};

struct HostState {
    HostState() = default;
    HostState(const HostState&) = delete;
    HostState& operator=(const HostState&) = delete;
    // Closes the documents first: their databases unregister from the tables below.
    ~HostState();

    std::map<AcDbObjectId, ObjectSlot> objects;
    std::map<const AcDbDatabase*, std::map<std::wstring, AcDbObjectId>> config;
    CatalogFactory factory;
    DocumentId current;
    AcDbDatabase* working = nullptr;
    std::uint32_t lastDocument = 0;
    std::uint64_t lastObject = 0;
    std::map<DocumentId, std::unique_ptr<AcApDocument>> documents;
};

HostState& hostState();

// The slot of a live object, or null.
ObjectSlot* findSlot(AcDbObjectId id);

}  // namespace cadhost::detail
