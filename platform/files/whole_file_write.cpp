#include "whole_file_write.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>

#include <unistd.h>

namespace {

QString Reason(const QFileDevice& file)
{
    return file.error() != QFileDevice::NoError ? file.errorString()
                                                : QStringLiteral("the file could not be written");
}

} // namespace

bool WriteFully(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = EIO;
            return false;
        }
        data += put;
        size -= size_t(put);
    }
    return true;
}

QString WriteWholeFile(const QString& path, const QByteArray& data)
{
    const QFileInfo old(path);
    if (old.exists() && !old.isWritable())
        return qt_error_string(EACCES);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Reason(file);
    // Straight to the file, each write reporting its own failure: data held in a buffer would
    // only be written at the commit, which renames the new file over the old one even when that
    // last write failed. A file not committed is removed with the object.
    if (!WriteFully(file.handle(), data.constData(), size_t(data.size())))
        return qt_error_string(errno);
    // Some file systems only find out at the flush to the disk that there is no room.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return qt_error_string(errno);
    if (!file.commit())
        return Reason(file);
    return {};
}

QString WhyFileCannotBeMade(const QString& path)
{
    // A file of our own beside it, holding about what a lock file holds.
    QTemporaryFile probe(path + QStringLiteral(".XXXXXX"));
    if (!probe.open())
        return Reason(probe);
    const QByteArray content(256, ' ');
    if (!WriteFully(probe.handle(), content.constData(), size_t(content.size())))
        return qt_error_string(errno);
    return {};
}
