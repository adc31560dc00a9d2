#pragma once
// Compiled-in resources of one module (the program or one content library):
// binary resources found by type and number, strings found by number.
// The tables are generated at build time by tools/rescomp from a resource folder.
#include <cstdint>

namespace rsrc {

struct BinaryResource {
    const char* type;           // resource type name, e.g. "RTF", "JPG", "LOOKUP"
    uint32_t id;
    const unsigned char* data;
    uint32_t size;
};

struct StringResource {
    uint32_t id;
    const char* text;           // UTF-8, NUL-terminated
};

struct ResourceModule {
    const char* name;
    const BinaryResource* resources;   // sorted by type, then id
    uint32_t resourceCount;
    const StringResource* strings;     // sorted by id
    uint32_t stringCount;
};

using HMODULE = const ResourceModule*;
using HRSRC = const BinaryResource*;
using HGLOBAL = const void*;

// nullptr when the module holds no resource of that type and number.
HRSRC FindResource(HMODULE module, uint32_t id, const char* type);
// Size in bytes of a found resource; 0 for nullptr.
uint32_t SizeofResource(HMODULE module, HRSRC resource);
// The resource's bytes stay owned by the module for the whole run.
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
const void* LockResource(HGLOBAL data);
// Copies string `id` into `buffer` (at most bufferSize - 1 bytes, NUL-terminated, never
// splitting a UTF-8 sequence) and returns the number of bytes copied; 0 when the module
// has no such string ("no such string").
int LoadString(HMODULE module, uint32_t id, char* buffer, int bufferSize);

} // namespace rsrc
