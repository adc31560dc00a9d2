#pragma once
// Copying a file into place without ever writing to the file that may already stand there
// (and may be read by another program meanwhile): the copy is written under a passing name in
// the target's folder, reaches the disk, and is then renamed over the target.
#include <QFileDevice>
#include <QString>

#include <functional>

enum class TCopyResult { Copied, Failed, Cancelled };
// Told the bytes copied so far of all; false stops the copy.
using TCopyProgress = std::function<bool(qint64 done, qint64 total)>;

// Copies the regular file `source` to `target` and gives the copy `permissions`. Unless it is
// copied, nothing is left behind and the target is unchanged; a failure puts the system's
// reason in `error`.
TCopyResult CopyFileReplacing(const QString& source, const QString& target, QFileDevice::Permissions permissions,
                              QString& error, const TCopyProgress& progress = {});
