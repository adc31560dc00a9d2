#include "file_mapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace selvmap {

const char* MapFileView(const std::string& path, uint32_t& size, FileStamp* stamp) {
    size = 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    size = static_cast<uint32_t>(st.st_size);
    // A view must cover the whole file; a file whose size does not fit 32 bits
    // (or an empty one) cannot be mapped as such.
    if (st.st_size <= 0 || static_cast<uint64_t>(st.st_size) > UINT32_MAX) {
        ::close(fd);
        return nullptr;
    }
    void* base = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);  // the view stays valid without the descriptor
    if (base == MAP_FAILED) return nullptr;
    if (stamp)
        *stamp = FileStamp{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), st.st_size,
                           static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
    return static_cast<const char*>(base);
}

void UnmapFileView(const char* base, uint32_t size) {
    if (base != nullptr && size > 0) ::munmap(const_cast<char*>(base), size);
}

}  // namespace selvmap
