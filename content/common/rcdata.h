#pragma once
// Finding and loading a library's own RCDATA resources; every failure gives nothing.
#include <cstdint>

#include "resources.h"

namespace selvcontent {

inline rsrc::HRSRC FindRcData(rsrc::HMODULE module, uint32_t id) noexcept
{
    try {
        return rsrc::FindResource(module, id, "RCDATA");
    } catch (...) {
        return nullptr;
    }
}

inline const void* LoadRcData(rsrc::HMODULE module, uint32_t id) noexcept
{
    try {
        const rsrc::HRSRC found = rsrc::FindResource(module, id, "RCDATA");
        if (!found)
            return nullptr;
        const rsrc::HGLOBAL loaded = rsrc::LoadResource(module, found);
        return loaded ? rsrc::LockResource(loaded) : nullptr;
    } catch (...) {
        return nullptr;
    }
}

} // namespace selvcontent
