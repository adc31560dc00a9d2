#pragma once
// The scan of a Bible text in the installed (tab-separated) format: which books it holds.
// The file is mapped read-only and searched for each book's key (two-digit book number,
// part letter, TAB) with the reader's own search; it is never read into memory.
#include <QString>

#include <cstdint>

#include "installed_versions.h"

enum class TScanFailure { None, CannotOpen, CannotMap };

// The books of the text at `base`: a part is readings-ready when it holds every book the
// readings need, and complete when it holds all of its books.
TScanResult ScanBibleText(const char* base, uint32_t size);
// Maps the file at `path` and scans it; an empty file cannot be mapped.
TScanFailure ScanBibleFile(const QString& path, TScanResult& result);
// The version name suggested for a file of this name (no folder), or empty.
QString SuggestedVersionName(const QString& fileName);
