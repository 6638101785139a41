// A stream: an open audio file, decoded ahead into a ring of frames at the
// output's rate, and how far the output has played it. Decoding (Prepare,
// Rewind, Fill) happens on the engine's threads, one at a time; the output
// only takes frames from the ring (AddTo) and never waits for the decoder.
#pragma once

#include "AudioFile.h"
#include "FrameRing.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace sound {

class Stream {
public:
    explicit Stream(std::unique_ptr<AudioFile> file);

    int LengthMs() const { return file_->LengthMs(); }
    // Milliseconds the output has played; the length once it has played it all.
    int PositionMs() const;
    bool AtEnd() const { return ended_.load(std::memory_order_acquire); }

    // Ready to be played at mixRate: from the first frame when the rate is new.
    // Only while the output does not take from the stream.
    void Prepare(int mixRate);
    // Back to the first frame; only while the output does not take from it.
    void Rewind();
    // Decodes up to frames more into the ring, as far as it has room.
    void Fill(std::size_t frames);

    // The output's side: adds the frames decoded ahead to a stereo mix.
    void AddTo(float* stereo, int frames);

private:
    void RewindDecoding();
    // Frames at the mix rate from the file; fewer at its end.
    std::size_t Resample(float* stereo, std::size_t frames);
    bool NextFrame(float (&frame)[2]);

    std::mutex decoding_;  // guards what follows, up to the ring
    std::unique_ptr<AudioFile> file_;
    int mixRate_ = 0;
    std::vector<float> block_;  // frames decoded and not yet resampled
    std::vector<float> resampled_;
    long long blockFrames_ = 0;
    long long blockIndex_ = 0;
    float previous_[2] = {0, 0};
    float next_[2] = {0, 0};
    double phase_ = 1.0;  // place between previous_ and next_; 1 or more asks for a new frame

    FrameRing ring_;
    std::atomic<int> playRate_{0};  // the mix rate the ring holds, for the position
    std::atomic<long long> played_{0};  // frames of the ring the output has taken
    std::atomic<bool> decodedAll_{false};  // the ring holds the file's last frame
    std::atomic<bool> ended_{false};  // and the output has taken it
};

}  // namespace sound
