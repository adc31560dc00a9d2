#pragma once
// Damaged and hostile files that once made the program crash or run out of memory, kept in
// the folder SELV_REPRO_DIR beside the sources (a CMake cache variable).
#include <QFileInfo>
#include <QString>

// The path of the sample file `name`, or an empty text when the folder or the file is absent.
inline QString ReproFile(const char* name)
{
    const QString path = QStringLiteral(SELV_REPRO_DIR "/") + QLatin1String(name);
    return QFileInfo(path).isFile() ? path : QString();
}

// Skips the running test when the sample file is absent; else sets `path` to it.
#define SELV_REPRO_FILE_OR_SKIP(path, name)                                          \
    const QString path = ReproFile(name);                                            \
    if (path.isEmpty())                                                              \
        GTEST_SKIP() << "sample file " << (name) << " is not in " << SELV_REPRO_DIR
