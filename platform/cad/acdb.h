// The host's basic types, result codes and open modes. Numbers are the host's own: callers
// compare and log them, and a result printed by a test must read the same as on the host.
#pragma once

#include <cstdint>

// The host's character type for names and texts; wide strings throughout.
using ACHAR = wchar_t;

namespace Adesk {
using Boolean = bool;
// The integer form of an object id (what asOldId() hands out).
using IntDbId = std::int64_t;
}  // namespace Adesk

namespace Acad {
// Only the codes this stand-in can return; the gaps in the numbering are the host's codes
// that nothing here produces.
enum ErrorStatus {
    eOk = 0,
    eInvalidInput = 3,
    eNullObjectPointer = 15,
    eNullObjectId = 16,
    eKeyNotFound = 22,
    eAlreadyInDb = 26,
    eNotOpenForRead = 44,
    eNotOpenForWrite = 45,
    eNotThatKindOfClass = 46,
    eOtherObjectsBusy = 57,
    eWasErased = 78,
    ePermanentlyErased = 79,
    eWasOpenedForRead = 80,
    eWasOpenedForWrite = 81,
};
}  // namespace Acad

namespace AcDb {
enum OpenMode { kForRead = 0, kForWrite = 1, kForNotify = 2 };
}  // namespace AcDb

// The code's own name ("eWasErased"), for logs and messages; "eUnknown" for other values.
const ACHAR* acadErrorStatusText(Acad::ErrorStatus status);
