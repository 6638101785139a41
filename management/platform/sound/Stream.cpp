#include "Stream.h"

namespace sound {

namespace {
constexpr long long kBlockFrames = 4096;
}

Stream::Stream(std::unique_ptr<AudioFile> file)
    : file_(std::move(file))
    , block_(static_cast<std::size_t>(kBlockFrames * file_->Channels()))
{
}

int Stream::PositionMs() const
{
    if (atEnd_) return file_->LengthMs();
    return static_cast<int>(framesTaken_ * 1000 / file_->SampleRate());
}

void Stream::Rewind()
{
    file_->Rewind();
    blockFrames_ = blockIndex_ = framesTaken_ = 0;
    previous_[0] = previous_[1] = next_[0] = next_[1] = 0;
    phase_ = 1.0;
    atEnd_ = false;
}

bool Stream::NextFrame(float (&frame)[2])
{
    if (blockIndex_ == blockFrames_) {
        blockFrames_ = file_->Read(block_.data(), kBlockFrames);
        blockIndex_ = 0;
        if (blockFrames_ == 0) return false;
    }
    const int channels = file_->Channels();
    const float* source = block_.data() + blockIndex_ * channels;
    frame[0] = source[0];
    frame[1] = channels > 1 ? source[1] : source[0];
    ++blockIndex_;
    ++framesTaken_;
    return true;
}

void Stream::MixInto(float* stereo, int frames, int mixRate)
{
    const double step = static_cast<double>(file_->SampleRate()) / mixRate;
    for (int i = 0; i < frames && !atEnd_; ++i) {
        while (phase_ >= 1.0) {
            previous_[0] = next_[0];
            previous_[1] = next_[1];
            if (!NextFrame(next_)) {
                atEnd_ = true;
                return;
            }
            phase_ -= 1.0;
        }
        const float weight = static_cast<float>(phase_);
        stereo[2 * i] += previous_[0] + (next_[0] - previous_[0]) * weight;
        stereo[2 * i + 1] += previous_[1] + (next_[1] - previous_[1]) * weight;
        phase_ += step;
    }
}

} // namespace sound
