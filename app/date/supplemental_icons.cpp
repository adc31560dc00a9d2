#include "supplemental_icons.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

#include "app_folders.h"

namespace {

template <typename Fn>
Fn Symbol(void* handle, const char* name)
{
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

} // namespace

QString SupplementalLibraryPath()
{
    return ProgramFolder() + QStringLiteral("libselvxtra.so");
}

bool SupplementalLibraryPresent()
{
    return QFileInfo(SupplementalLibraryPath()).lastModified().isValid();
}

TSupplementalLibrary::TSupplementalLibrary(const char* failText)
{
    FHandle = dlopen(QFile::encodeName(SupplementalLibraryPath()).constData(), RTLD_NOW | RTLD_LOCAL);
    if (FHandle) {
        FGetMultInstance = Symbol<GetMultInstanceFn>(FHandle, "GetMultInstance");
        FFindMultJpgResource = Symbol<FindMultJpgResourceFn>(FHandle, "FindMultJpgResource");
        FLoadMultJpgFromResource = Symbol<LoadMultJpgFromResourceFn>(FHandle, "LoadMultJpgFromResource");
    }
    // A library without one of its functions is as unusable as one that does not load.
    if (!FGetMultInstance || !FFindMultJpgResource || !FLoadMultJpgFromResource) {
        if (FHandle)
            dlclose(FHandle);
        throw EDLLLoadError(failText);
    }
}

TSupplementalLibrary::~TSupplementalLibrary()
{
    dlclose(FHandle);
}
