#pragma once
// Read-only mapping of a whole file into memory. The caller keeps the base and
// the size and hands both back to UnmapFileView when it is done.
#include <cstdint>
#include <string>

namespace selvmap {

// Tells apart the files mapped and the versions of one file: views of files with equal stamps
// hold the same bytes (a file is never rewritten in place, only replaced).
struct FileStamp {
    uint64_t device = 0, inode = 0;
    int64_t size = 0, modifiedNs = 0;
    auto operator<=>(const FileStamp&) const = default;
};

// Maps the whole file at `path` read-only. On success returns the view's base;
// on failure returns nullptr. `size` receives the file's size (low 32 bits) once
// the file is open, also when the mapping itself fails afterwards; it is 0 when
// the file cannot be opened. Empty files and files of 4 GiB or more are not mapped.
// `stamp`, when given, receives the stamp of the file mapped.
const char* MapFileView(const std::string& path, uint32_t& size, FileStamp* stamp = nullptr);

// Releases a view returned by MapFileView (nullptr is ignored).
void UnmapFileView(const char* base, uint32_t size);

}  // namespace selvmap
