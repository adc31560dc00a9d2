#pragma once
// A 64 KiB file system in memory (pages of 4096 bytes) for writes that find no room left;
// mounting it takes root: tests skip without it.
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

struct TFullDisk {
    QTemporaryDir dir;
    const QByteArray path = dir.path().toLocal8Bit();
    const bool mounted = ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") == 0;
    ~TFullDisk() { if (mounted) ::umount2(path.constData(), MNT_DETACH); }
    // Fills what is left with a file of its own, but for `sparePages` pages.
    void Fill(int sparePages = 0) const
    {
        const int fd = ::open(path + "/filler", O_WRONLY | O_CREAT | O_APPEND, 0600);
        while (::write(fd, QByteArray(4096, 'x').constData(), 4096) == 4096) {}
        (void)::ftruncate(fd, ::lseek(fd, 0, SEEK_END) - off_t(sparePages) * 4096);
        ::close(fd);
    }
};
#define SELV_FULL_DISK_OR_SKIP(disk) TFullDisk disk; if (!disk.mounted) GTEST_SKIP() << "mounting a tmpfs needs root"
