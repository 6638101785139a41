#include "SilentOutput.h"

#include <chrono>
#include <vector>

namespace sound {

namespace {
constexpr std::chrono::milliseconds kPeriod{10};
}

SilentOutput::SilentOutput(int mixRate, Render render)
    : render_(std::move(render)), thread_([this, mixRate] { Run(mixRate); })
{
}

SilentOutput::~SilentOutput()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SilentOutput::Run(int mixRate)
{
    const int frames = static_cast<int>(mixRate * kPeriod.count() / 1000);
    std::vector<float> mix(static_cast<std::size_t>(2 * frames));
    auto due = std::chrono::steady_clock::now();
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        lock.unlock();
        render_(mix.data(), frames);
        lock.lock();
        // Each period's mix is taken when its time has come, as a device would.
        due += kPeriod;
        wake_.wait_until(lock, due, [this] { return stopping_; });
    }
}

}  // namespace sound
