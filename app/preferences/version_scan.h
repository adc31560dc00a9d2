#pragma once
// The scan of a Bible text in the installed (tab-separated) format: which books it holds, and
// whether their lines can be read. The file is read once, line by line, and never held whole.
#include <QString>

#include <cstdint>
#include <functional>

#include "installed_versions.h"

enum class TScanFailure { None, CannotOpen, Empty, Cancelled };

// The books of the text at `base`: a book is found when it has lines, each of them a book code,
// a chapter, a verse and a text, one column each; a part is readings-ready when it holds every
// book the readings need, and complete when it holds all of its books.
TScanResult ScanBibleText(const char* base, uint32_t size);
// Reads the regular file at `path` and scans it. `progress` is told the bytes read so far of
// all; false cancels the scan.
TScanFailure ScanBibleFile(const QString& path, TScanResult& result,
                           const std::function<bool(qint64 done, qint64 total)>& progress = {});
// The version name suggested for a file of this name (no folder), or empty.
QString SuggestedVersionName(const QString& fileName);
