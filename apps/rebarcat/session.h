// The host side of rebarcat: a drawing whose "Bars" catalogue is the file the user named (or
// the bundled catalogue beside the program), set up the way the CAD host sets up a drawing.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "win/cstring.h"

class VNTLMdbContainer;

namespace rebarcat {

// The bundled catalogue installed beside the program.
CString bundledCatalogPath();

class HostSession {
public:
    // Opens a drawing bound to `catalogFile`, or to the bundled catalogue when none is given.
    explicit HostSession(const std::optional<std::string>& catalogFile);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    const CString& catalogPath() const { return m_catalogPath; }
    // The drawing's catalogue container, opened for as long as the returned handle lives; for
    // the few things rebarcat reads below the catalogue (stored cells, the container's errors).
    std::shared_ptr<VNTLMdbContainer> container() const;
    // Empty when the drawing's catalogue container serves the file; else why it cannot.
    CString catalogError() const;
    // Says on `err` why the catalogue cannot be read and returns the usage exit code; 0 when
    // it can be read.
    int check(std::ostream& err) const;

private:
    CString m_catalogPath;
};

}  // namespace rebarcat
