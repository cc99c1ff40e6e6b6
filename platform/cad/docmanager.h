// The host's document manager: which drawings are open and which one is current.
// A view of the host session's documents; the session changes them.
#pragma once

class AcApDocument;

class AcApDocManager {
public:
    AcApDocManager(const AcApDocManager&) = delete;
    AcApDocManager& operator=(const AcApDocManager&) = delete;

    // The document commands act on; null when no document is current.
    AcApDocument* curDocument() const;
    int documentCount() const;

private:
    friend AcApDocManager* acDocManagerPtr();
    AcApDocManager() = default;
};

// The process's document manager; never null.
AcApDocManager* acDocManagerPtr();
