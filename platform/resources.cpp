#include "resources.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace rsrc {

HRSRC FindResource(HMODULE module, uint32_t id, const char* type)
{
    if (!module || !type)
        return nullptr;
    const BinaryResource* begin = module->resources;
    const BinaryResource* end = begin + module->resourceCount;
    const BinaryResource* it = std::lower_bound(begin, end, std::make_pair(type, id),
        [](const BinaryResource& r, const std::pair<const char*, uint32_t>& k) {
            const int c = std::strcmp(r.type, k.first);
            return c < 0 || (c == 0 && r.id < k.second);
        });
    if (it == end || it->id != id || std::strcmp(it->type, type) != 0)
        return nullptr;
    return it;
}

uint32_t SizeofResource(HMODULE, HRSRC resource)
{
    return resource ? resource->size : 0;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource)
{
    return resource ? resource->data : nullptr;
}

const void* LockResource(HGLOBAL data)
{
    return data;
}

int LoadString(HMODULE module, uint32_t id, char* buffer, int bufferSize)
{
    if (!module || !buffer || bufferSize <= 0)
        return 0;
    buffer[0] = '\0';
    const StringResource* begin = module->strings;
    const StringResource* end = begin + module->stringCount;
    const StringResource* it = std::lower_bound(begin, end, id,
        [](const StringResource& s, uint32_t k) { return s.id < k; });
    if (it == end || it->id != id)
        return 0;
    size_t n = std::min<size_t>(std::strlen(it->text), static_cast<size_t>(bufferSize - 1));
    while (n > 0 && n < std::strlen(it->text) && (static_cast<unsigned char>(it->text[n]) & 0xC0) == 0x80)
        --n;   // do not cut a multi-byte character in half
    std::memcpy(buffer, it->text, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

} // namespace rsrc
