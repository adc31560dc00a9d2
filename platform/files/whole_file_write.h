#pragma once
// Writing a whole file so that it is either all there or not changed at all, and saying why
// when it cannot be: every file the program writes goes this way, or is copied into place
// (file_copy.h).
#include <QByteArray>
#include <QString>

#include <cstddef>

// Replaces the whole content of `path` with `data`. The data goes to a new file beside it
// and takes the old file's place only once all of it reached the disk; on any failure the
// old file stays as it was. Returns the system's reason for a failure ("No space left on
// device", "Permission denied"), empty on success.
QString WriteWholeFile(const QString& path, const QByteArray& data);

// Why a small file cannot be made at `path` just now, in the system's words; empty when it
// can. For messages about a file that another layer failed to make (a lock file).
QString WhyFileCannotBeMade(const QString& path);

// Writes all of `size` bytes to the descriptor `fd`, a short write tried again so that the
// failure that stops it comes with its reason; false with errno set.
bool WriteFully(int fd, const char* data, size_t size);
