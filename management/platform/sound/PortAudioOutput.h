// The sound device, through PortAudio.
#pragma once

#include "Output.h"

namespace sound {

class PortAudioOutput : public Output {
public:
    static std::unique_ptr<PortAudioOutput> Start(int driver, int mixRate, Render render, int& error);
    ~PortAudioOutput() override;

private:
    explicit PortAudioOutput(Render render) : render_(std::move(render)) {}

    Render render_;  // the device thread's view of the mix
    void* stream_ = nullptr;
};

}  // namespace sound
