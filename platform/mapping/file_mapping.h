#pragma once
// Opening and reading the files the program is given to read: the Bible files, the settings
// store, the personalized pages, the files chosen for a version. A file is opened only when it
// is a regular file (a FIFO or a device would keep the program waiting). The Bible readers
// take a copy of a whole file in memory of their own: a file changed or cut short afterwards,
// by this program or another, leaves the copy as it was read, where a mapped view would fault.
#include <cstdint>
#include <memory>
#include <string>

class QByteArray;
class QFile;
class QString;

namespace selvmap {

// Tells apart the files read and the versions of one file: copies with equal stamps hold the
// same bytes.
struct FileStamp {
    uint64_t device = 0, inode = 0;
    int64_t size = 0, modifiedNs = 0;
    auto operator<=>(const FileStamp&) const = default;
};

// Opens `path` read-only when it is a regular file, without waiting on anything else. Returns
// the descriptor, or -1 with `error` set to the system's reason ("Not a regular file" for
// a FIFO, a device, a folder). `stamp`, when given, receives the file's stamp.
int OpenRegularFile(const std::string& path, std::string& error, FileStamp* stamp = nullptr);
// Opens `file` (by its name) for reading as OpenRegularFile does; false with the reason in `error`.
// The open file no longer knows its name.
bool OpenRegularFile(QFile& file, QString& error);
// Reads the regular file at `path` whole into `bytes`; false with the reason in `error`.
bool ReadRegularFile(const QString& path, QByteArray& bytes, QString& error);
// The stamp of the regular file at `path`, without opening it; false when there is none.
bool RegularFileStamp(const std::string& path, FileStamp& stamp);

// A whole file as it was read.
struct FileCopy {
    std::string path;
    FileStamp stamp;
    std::unique_ptr<char[]> bytes;
    uint32_t size = 0;
};

// Reads the regular file at `path` whole. Nothing when it cannot be opened or read, is empty,
// holds 4 GiB or more, or keeps changing while it is read (it is read again a few times).
std::shared_ptr<const FileCopy> ReadFileCopy(const std::string& path);

}  // namespace selvmap
