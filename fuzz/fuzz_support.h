#pragma once
// What the harnesses share: a scratch folder of the process's own for the files they write,
// the Qt application that documents and pictures need, and the report of a broken rule.
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fuzzsupport {

// "<folder>/", made at the first call and removed when the process ends normally.
inline const std::string& ScratchDir()
{
    struct TScratch {
        std::string dir;
        TScratch()
        {
            const std::filesystem::path base =
                std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
            const std::filesystem::path folder = base / ("selv_fuzz_" + std::to_string(getpid()));
            std::filesystem::create_directories(folder);
            dir = folder.string() + "/";
        }
        ~TScratch() { std::filesystem::remove_all(dir); }
    };
    static const TScratch scratch;
    return scratch.dir;
}

inline void WriteFile(const std::string& path, const uint8_t* data, size_t size)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

inline void StartGuiApplication()
{
    static int argc = 1;
    static char name[] = "fuzzer";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

// A rule that must hold for every input did not: the fuzzer keeps the input that broke it.
[[noreturn]] inline void Broken(const char* rule)
{
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

} // namespace fuzzsupport
