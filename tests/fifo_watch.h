#pragma once
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO at `path` for as long as it lives. Whoever opens it for reading would wait for a writer
// for ever: if one does, the FIFO is opened for writing after a while, so that the test ends,
// and Waited() tells.
class TFifo {
public:
    explicit TFifo(std::string path) : FPath(std::move(path)) {
        ::mkfifo(FPath.c_str(), 0644);
        FWatch = std::thread([this] {
            // Seldom enough to miss a reader that opens it without waiting and closes it at once.
            for (int i = 0; i < 300 && !FDone; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                const int fd = ::open(FPath.c_str(), O_WRONLY | O_NONBLOCK);   // fails without a reader
                if (fd >= 0) {
                    FWaited = true;
                    ::close(fd);
                }
            }
        });
    }
    ~TFifo() {
        FDone = true;
        FWatch.join();
        std::filesystem::remove(FPath);
    }
    bool Waited() const { return FWaited; }

private:
    std::string FPath;
    std::atomic<bool> FDone{false}, FWaited{false};
    std::thread FWatch;
};
