// An output without a device: takes the mix in real time and discards it.
#pragma once

#include "Output.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace sound {

class SilentOutput : public Output {
public:
    SilentOutput(int mixRate, Render render);
    ~SilentOutput() override;

private:
    void Run(int mixRate);

    Render render_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace sound
