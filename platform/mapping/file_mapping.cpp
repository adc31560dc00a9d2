#include "file_mapping.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace selvmap {

namespace {

FileStamp StampOf(const struct stat& st) {
    return FileStamp{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), st.st_size,
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// Reads `size` bytes at the descriptor's position; false with errno, or with errno 0 when the
// file ended first.
bool ReadFully(int fd, char* into, uint64_t size) {
    for (uint64_t done = 0; done < size;) {
        const ssize_t got = ::read(fd, into + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = 0;
            return false;
        }
        done += uint64_t(got);
    }
    return true;
}

}  // namespace

int OpenRegularFile(const std::string& path, std::string& error, FileStamp* stamp) {
    // Not blocking: opening a FIFO for reading would wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    struct stat st {};
    const bool known = ::fstat(fd, &st) == 0;
    if (!known || !S_ISREG(st.st_mode)) {
        error = known ? std::string("Not a regular file") : std::strerror(errno);
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (stamp) *stamp = StampOf(st);
    return fd;
}

bool OpenRegularFile(QFile& file, QString& error) {
    std::string why;
    const int fd = OpenRegularFile(QFile::encodeName(file.fileName()).toStdString(), why);
    if (fd < 0) {
        error = QString::fromLocal8Bit(why);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

bool ReadRegularFile(const QString& path, QByteArray& bytes, QString& error) {
    QFile file(path);
    if (!OpenRegularFile(file, error)) return false;
    bytes = file.readAll();
    if (file.error() == QFileDevice::NoError) return true;
    error = file.errorString();
    return false;
}

bool RegularFileStamp(const std::string& path, FileStamp& stamp) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    stamp = StampOf(st);
    return true;
}

std::shared_ptr<const FileCopy> ReadFileCopy(const std::string& path) {
    std::string error;
    for (int attempt = 0; attempt < 3; ++attempt) {
        FileStamp before;
        const int fd = OpenRegularFile(path, error, &before);
        if (fd < 0) return nullptr;
        if (before.size <= 0 || uint64_t(before.size) > UINT32_MAX) {
            ::close(fd);
            return nullptr;
        }
        auto copy = std::make_shared<FileCopy>();
        copy->path = path;
        copy->size = uint32_t(before.size);
        copy->bytes = std::make_unique_for_overwrite<char[]>(copy->size);
        const bool read = ReadFully(fd, copy->bytes.get(), copy->size);
        const bool failed = !read && errno != 0;
        struct stat after {};
        const bool unchanged = ::fstat(fd, &after) == 0 && StampOf(after) == before;
        ::close(fd);
        if (read && unchanged) {
            copy->stamp = before;
            return copy;
        }
        // A failed read ends it; a file cut short or grown meanwhile is read again.
        if (failed) return nullptr;
    }
    return nullptr;
}

}  // namespace selvmap
