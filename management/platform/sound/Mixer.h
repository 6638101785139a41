// What the output plays: the streams published to it, added together. The
// output's thread only reads the published list and copies from the streams'
// rings; it never decodes and never waits for a lock, so nothing the engine
// or the decoder does can hold up the sound device.
#pragma once

#include <atomic>
#include <memory>
#include <vector>

namespace sound {

class Stream;

class Mixer {
public:
    using Streams = std::vector<std::shared_ptr<Stream>>;

    // The output's thread: fills frames of interleaved stereo.
    void Mix(float* stereo, int frames);
    // Any other thread, one at a time: the streams played from now on.
    // Returns once the output has let go of the streams it played before.
    void Publish(Streams streams);

private:
    std::atomic<const Streams*> current_{nullptr};
    std::atomic<unsigned long long> mixes_{0};  // odd while a mix runs
    std::unique_ptr<const Streams> published_;
};

}  // namespace sound
