// A stream: an open audio file and how far it has been played, mixed at the
// engine's rate.
#pragma once

#include "AudioFile.h"

#include <memory>
#include <vector>

namespace sound {

class Stream {
public:
    explicit Stream(std::unique_ptr<AudioFile> file);

    int LengthMs() const { return file_->LengthMs(); }
    int PositionMs() const;
    bool AtEnd() const { return atEnd_; }

    // Back to the first frame.
    void Rewind();
    // Adds the next frames of the file, resampled to mixRate, to a stereo buffer.
    void MixInto(float* stereo, int frames, int mixRate);

private:
    bool NextFrame(float (&frame)[2]);

    std::unique_ptr<AudioFile> file_;
    std::vector<float> block_; // decoded frames not yet mixed
    long long blockFrames_ = 0;
    long long blockIndex_ = 0;
    long long framesTaken_ = 0; // frames of the file taken from the decoder
    float previous_[2] = {0, 0};
    float next_[2] = {0, 0};
    double phase_ = 1.0; // place between previous_ and next_; 1 or more asks for a new frame
    bool atEnd_ = false;
};

} // namespace sound
