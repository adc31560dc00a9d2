#pragma once
// Copying a file into place without ever writing to the file that may already stand there
// (and may be mapped by the reader): the copy is written under a passing name in the target's
// folder and then renamed over the target.
#include <QFileDevice>
#include <QString>

// Copies `source` to `target` and gives the copy `permissions`. On failure nothing is left
// behind, the target is unchanged and `error` holds the system's text for the failure.
bool CopyFileReplacing(const QString& source, const QString& target, QFileDevice::Permissions permissions,
                       QString& error);
