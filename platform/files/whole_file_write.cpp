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

// Writes all of `data`; a short write is tried again, so that the failure that stops it
// comes with its reason.
bool WriteAll(QFileDevice& file, const QByteArray& data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 n = file.write(data.constData() + done, data.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

QString WriteWholeFile(const QString& path, const QByteArray& data)
{
    const QFileInfo old(path);
    if (old.exists() && !old.isWritable())
        return qt_error_string(EACCES);
    QSaveFile file(path);
    // Unbuffered, every write reports its own failure: data held in a buffer would only be
    // written at the commit, which renames the new file over the old one even when that last
    // write failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Reason(file);
    // A file not committed is removed with the object.
    if (!WriteAll(file, data))
        return Reason(file);
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
    if (!WriteAll(probe, QByteArray(256, ' ')) || !probe.flush())
        return Reason(probe);
    return {};
}
