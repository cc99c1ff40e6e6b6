// The name of a database-resident object. A small value: copy it freely, keep it after the
// object is closed, and open the object again through it.
#pragma once

#include <compare>
#include <cstdint>

#include "cad/acdb.h"

class AcDbObjectId {
public:
    static const AcDbObjectId kNull;

    AcDbObjectId() = default;

    bool isNull() const { return m_serial == 0; }
    void setNull() { m_serial = 0; }
    // Ids are numbered once per process and never reused, so the integer form names one
    // object even after its database is gone. The host hands out pointer values instead.
    Adesk::IntDbId asOldId() const { return static_cast<Adesk::IntDbId>(m_serial); }

    friend bool operator==(const AcDbObjectId&, const AcDbObjectId&) = default;
    friend auto operator<=>(const AcDbObjectId&, const AcDbObjectId&) = default;

private:
    friend class AcDbDatabase;  // the only place ids are made
    explicit AcDbObjectId(std::uint64_t serial) : m_serial(serial) {}

    std::uint64_t m_serial = 0;
};

inline const AcDbObjectId AcDbObjectId::kNull{};
