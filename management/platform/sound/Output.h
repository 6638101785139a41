// Where the engine's mix goes: the sound device, or a silent clock for tests.
#pragma once

#include <functional>
#include <memory>

namespace sound {

class Output {
public:
    // Fills frames of interleaved stereo; called on the output's own thread.
    using Render = std::function<void(float* stereo, int frames)>;
    // Stops the output; Render is not called after it returns.
    virtual ~Output() = default;
};

// The output chosen by VARNOOK_SOUND_OUTPUT, running; nullptr and an Error code
// when it cannot start.
std::unique_ptr<Output> StartOutput(int driver, int mixRate, Output::Render render, int& error);

}  // namespace sound
