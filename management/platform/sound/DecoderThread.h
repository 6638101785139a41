// Keeps the rings of the playing streams filled ahead of the output, on a
// thread of its own.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace sound {

class Stream;

class DecoderThread {
public:
    DecoderThread();
    // Stops the thread; it decodes nothing after this returns.
    ~DecoderThread();
    DecoderThread(const DecoderThread&) = delete;
    DecoderThread& operator=(const DecoderThread&) = delete;

    // The streams to keep filled from now on.
    void Assign(std::vector<std::shared_ptr<Stream>> streams);

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<std::shared_ptr<Stream>> streams_;
    bool assigned_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace sound
