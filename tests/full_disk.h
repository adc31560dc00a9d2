#pragma once
// A small file system of its own in memory, for tests of writes that find no room left. It can
// only be mounted with the right to mount (root): tests skip without it.
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

class TFullDisk {
public:
    // 64 KiB, in pages of 4096 bytes.
    TFullDisk() : mounted_(::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=64k") == 0) {}
    ~TFullDisk()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    TFullDisk(const TFullDisk&) = delete;
    TFullDisk& operator=(const TFullDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString Path() const { return dir_.path(); }

    // Fills what is left with a file of its own, but for `sparePages` pages.
    void Fill(int sparePages = 0) const
    {
        const QByteArray filler = QFile::encodeName(dir_.path() + QStringLiteral("/filler"));
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const QByteArray page(4096, 'x');
        while (::write(fd, page.constData(), page.size()) == page.size()) {
        }
        (void)::ftruncate(fd, ::lseek(fd, 0, SEEK_END) - off_t(sparePages) * page.size());
        ::close(fd);
    }

private:
    QTemporaryDir dir_;
    bool mounted_;
};

#define SELV_FULL_DISK_OR_SKIP(disk)                                                 \
    TFullDisk disk;                                                                  \
    if (!disk.Mounted())                                                             \
        GTEST_SKIP() << "no small file system can be mounted here (needs root)"
