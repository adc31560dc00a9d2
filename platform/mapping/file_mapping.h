#pragma once
// Read-only mapping of a whole file into memory. The caller keeps the base and
// the size and hands both back to UnmapFileView when it is done.
#include <cstdint>
#include <string>

namespace selvmap {

// Maps the whole file at `path` read-only. On success returns the view's base;
// on failure returns nullptr. `size` receives the file's size (low 32 bits) once
// the file is open, also when the mapping itself fails afterwards; it is 0 when
// the file cannot be opened. Empty files and files of 4 GiB or more are not mapped.
const char* MapFileView(const std::string& path, uint32_t& size);

// Releases a view returned by MapFileView (nullptr is ignored).
void UnmapFileView(const char* base, uint32_t size);

}  // namespace selvmap
