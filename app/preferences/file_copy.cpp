#include "file_copy.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

bool CopyFileReplacing(const QString& source, const QString& target, QFileDevice::Permissions permissions,
                       QString& error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        error = in.errorString();
        return false;
    }
    const QFileInfo info(target);
    QTemporaryFile out(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!out.open()) {
        error = out.errorString();
        return false;
    }
    char buffer[1 << 16];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0) {
            error = in.errorString();
            return false;
        }
        if (got == 0)
            break;
        if (out.write(buffer, got) != got) {
            error = out.errorString();
            return false;
        }
    }
    if (!out.flush() || !out.setPermissions(permissions)) {
        error = out.errorString();
        return false;
    }
    out.close();
    if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    out.setAutoRemove(false);
    return true;
}
