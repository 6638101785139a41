#include "DecoderThread.h"

#include "Stream.h"

#include <chrono>
#include <limits>

namespace sound {

namespace {
// Far shorter than what a ring holds, so a ring is never near empty.
constexpr std::chrono::milliseconds kPeriod{10};
}  // namespace

DecoderThread::DecoderThread() : thread_([this] { Run(); })
{
}

DecoderThread::~DecoderThread()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void DecoderThread::Assign(std::vector<std::shared_ptr<Stream>> streams)
{
    {
        std::lock_guard lock(mutex_);
        streams_.swap(streams);
        assigned_ = true;
    }
    wake_.notify_one();
    // The streams let go here, outside the lock.
}

void DecoderThread::Run()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        std::vector<std::shared_ptr<Stream>> streams = streams_;
        assigned_ = false;
        lock.unlock();
        for (const std::shared_ptr<Stream>& stream : streams)
            stream->Fill(std::numeric_limits<std::size_t>::max());
        streams.clear();
        lock.lock();
        const auto woken = [this] { return stopping_ || assigned_; };
        if (streams_.empty()) {
            wake_.wait(lock, woken);
        } else {
            wake_.wait_for(lock, kPeriod, woken);
        }
    }
}

}  // namespace sound
