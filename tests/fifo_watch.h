#pragma once
// A FIFO at `path` while it lives. Whoever opens it for reading waits for a writer for ever: a
// watch then opens it for writing, so that the test ends, and Waited() tells.
#include <atomic>
#include <filesystem>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TFifo {
public:
    explicit TFifo(std::string path) : FPath((::mkfifo(path.c_str(), 0644), path)) {}
    ~TFifo() { FDone = true; FWatch.join(); std::filesystem::remove(FPath); }
    bool Waited() const { return FWaited; }

private:
    const std::string FPath;
    std::atomic<bool> FDone{false}, FWaited{false};
    std::thread FWatch{[this] {   // seldom enough to miss a reader that opens it and closes it at once
        for (int i = 0; i < 300 && !FDone; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (const int fd = ::open(FPath.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0)   // a reader waits
                FWaited = ::close(fd) == 0;
        }
    }};
};
