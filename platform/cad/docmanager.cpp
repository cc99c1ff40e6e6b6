#include "cad/docmanager.h"

#include "cad/hoststate.h"

AcApDocument* AcApDocManager::curDocument() const {
    return cadhost::document(cadhost::detail::hostState().current);
}

int AcApDocManager::documentCount() const {
    return static_cast<int>(cadhost::detail::hostState().documents.size());
}

AcApDocManager* acDocManagerPtr() {
    static AcApDocManager manager;
    return &manager;
}
