#include "cad/hoststate.h"

namespace cadhost::detail {

HostState::~HostState() {
    // Moved out first, so that lookups made while the databases are destroyed see an empty
    // document table instead of one half torn down.
    current = DocumentId{};
    auto closing = std::move(documents);
    closing.clear();
}

HostState& hostState() {
    static HostState state;
    return state;
}

ObjectSlot* findSlot(AcDbObjectId id) {
    auto& objects = hostState().objects;
    const auto it = objects.find(id);
    return it == objects.end() ? nullptr : &it->second;
}

}  // namespace cadhost::detail
