#include "file_copy.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "file_mapping.h"
#include "whole_file_write.h"

namespace {

constexpr size_t ChunkBytes = 1 << 20;

// A file descriptor, closed with its holder.
class TDescriptor {
public:
    explicit TDescriptor(int fd) : FFd(fd) {}
    ~TDescriptor()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;
    int Fd() const { return FFd; }
    // Closes it now; false with errno set.
    bool Close() { return ::close(std::exchange(FFd, -1)) == 0; }

private:
    int FFd;
};

// The copy under its passing name beside the target, removed unless it got the target's name.
class TPassingFile : public TDescriptor {
public:
    explicit TPassingFile(std::string name) : TDescriptor(::mkostemp(name.data(), O_CLOEXEC)), FName(std::move(name))
    {
        FKept = Fd() < 0;   // nothing was made
    }
    ~TPassingFile()
    {
        if (!FKept)
            ::unlink(FName.c_str());
    }
    const std::string& Name() const { return FName; }
    void Keep() { FKept = true; }

private:
    std::string FName;
    bool FKept;
};

} // namespace

TCopyResult CopyFileReplacing(const QString& source, const QString& target, QFileDevice::Permissions permissions,
                              QString& error, const TCopyProgress& progress)
{
    std::string why;
    selvmap::FileStamp stamp;
    const int in = selvmap::OpenRegularFile(QFile::encodeName(source).toStdString(), why, &stamp);
    if (in < 0) {
        error = QString::fromLocal8Bit(why);
        return TCopyResult::Failed;
    }
    const TDescriptor input(in);
    const QFileInfo place(target);
    TPassingFile out(QFile::encodeName(place.absolutePath() + QStringLiteral("/.") + place.fileName() +
                                       QStringLiteral(".XXXXXX")).toStdString());
    if (out.Fd() < 0) {
        error = qt_error_string(errno);
        return TCopyResult::Failed;
    }
    const auto buffer = std::make_unique_for_overwrite<char[]>(ChunkBytes);
    for (qint64 done = 0;;) {
        const ssize_t got = ::read(in, buffer.get(), ChunkBytes);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || (got > 0 && !WriteFully(out.Fd(), buffer.get(), size_t(got)))) {
            error = qt_error_string(errno);
            return TCopyResult::Failed;
        }
        if (got == 0)
            break;
        done += got;
        if (progress && !progress(done, stamp.size))
            return TCopyResult::Cancelled;
    }
    // The copy has reached the disk before it takes the target's name.
    if (::fsync(out.Fd()) != 0 || !out.Close()) {
        error = qt_error_string(errno);
        return TCopyResult::Failed;
    }
    QFile copy(QFile::decodeName(out.Name().c_str()));
    if (!copy.setPermissions(permissions)) {
        error = copy.errorString();
        return TCopyResult::Failed;
    }
    if (std::rename(out.Name().c_str(), QFile::encodeName(target).constData()) != 0) {
        error = qt_error_string(errno);
        return TCopyResult::Failed;
    }
    out.Keep();
    return TCopyResult::Copied;
}
