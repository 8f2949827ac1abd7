#pragma once
// How the narrow registry calls hand a name or a value back into the caller's buffer. Shared by
// the Win32 backend, the Wine client and the registries held in memory (regtree.h), which answer
// calls from what they hold, so all judge buffer sizes the same way: in bytes of the narrow form
// the caller receives.
#include "platform/winerror.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace pw {

// A key or value name: needs room for the terminator; *nameLen becomes the length without it.
inline WinError CopyRegName(const std::string &stored, char *name, uint32_t *nameLen)
{
    if (!name || !nameLen)
        return kErrorInvalidParameter;
    if (stored.size() + 1 > *nameLen)
        return kErrorMoreData;
    std::memcpy(name, stored.c_str(), stored.size() + 1);
    *nameLen = uint32_t(stored.size());
    return kErrorSuccess;
}

// Value data: without a buffer only the size is asked; a short buffer gives kErrorMoreData and
// the size needed.
inline WinError CopyRegData(uint32_t storedType, const std::string &stored, uint32_t *type, uint8_t *data,
                            uint32_t *size)
{
    if (data && !size)
        return kErrorInvalidParameter;
    if (type)
        *type = storedType;
    if (!size)
        return kErrorSuccess;
    const uint32_t needed = uint32_t(stored.size());
    if (!data) {
        *size = needed;
        return kErrorSuccess;
    }
    if (*size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    std::memcpy(data, stored.data(), needed);
    *size = needed;
    return kErrorSuccess;
}

} // namespace pw
