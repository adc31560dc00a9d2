#pragma once
// The supplemental icon library libselvxtra.so in the program folder. It is optional and is
// opened for each use and closed again afterwards.
#include <QString>

#include <cstdint>
#include <stdexcept>

#include "content_api.h"

// The supplemental library is present but cannot be used.
class EDLLLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the library lies.
QString SupplementalLibraryPath();
// Whether its file is there (its time stamp can be read).
bool SupplementalLibraryPresent();

// The library, open while this object lives.
class TSupplementalLibrary {
public:
    // Opens the library and finds its three functions; when that fails, throws
    // EDLLLoadError with `failText`.
    explicit TSupplementalLibrary(const char* failText);
    ~TSupplementalLibrary();
    TSupplementalLibrary(const TSupplementalLibrary&) = delete;
    TSupplementalLibrary& operator=(const TSupplementalLibrary&) = delete;

    rsrc::HMODULE Instance() const { return FGetMultInstance(); }
    rsrc::HRSRC Find(uint16_t key) const { return FFindMultJpgResource(key); }
    const void* Load(uint16_t key) const { return FLoadMultJpgFromResource(key); }

private:
    void* FHandle = nullptr;
    GetMultInstanceFn FGetMultInstance = nullptr;
    FindMultJpgResourceFn FFindMultJpgResource = nullptr;
    LoadMultJpgFromResourceFn FLoadMultJpgFromResource = nullptr;
};
