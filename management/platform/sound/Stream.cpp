#include "Stream.h"

#include <algorithm>

namespace sound {

namespace {
constexpr long long kBlockFrames = 4096;
// How far the ring reaches ahead of the output: a slow disk or a large frame
// of a damaged file has a second to be decoded before the output runs dry.
constexpr int kAheadSeconds = 1;
}  // namespace

Stream::Stream(std::unique_ptr<AudioFile> file)
    : file_(std::move(file)), block_(static_cast<std::size_t>(kBlockFrames * file_->Channels())),
      resampled_(static_cast<std::size_t>(2 * kBlockFrames))
{
}

int Stream::PositionMs() const
{
    if (AtEnd())
        return LengthMs();
    const int rate = playRate_.load(std::memory_order_acquire);
    if (rate == 0)
        return 0;
    return static_cast<int>(std::min<long long>(played_.load(std::memory_order_acquire) * 1000 / rate, LengthMs()));
}

void Stream::Prepare(int mixRate)
{
    std::lock_guard lock(decoding_);
    if (mixRate == mixRate_)
        return;
    mixRate_ = mixRate;
    ring_.Resize(static_cast<std::size_t>(mixRate) * kAheadSeconds);
    RewindDecoding();
}

void Stream::Rewind()
{
    std::lock_guard lock(decoding_);
    RewindDecoding();
}

void Stream::RewindDecoding()
{
    file_->Rewind();
    ring_.Clear();
    blockFrames_ = blockIndex_ = 0;
    previous_[0] = previous_[1] = next_[0] = next_[1] = 0;
    phase_ = 1.0;
    played_.store(0);
    playRate_.store(mixRate_);
    decodedAll_.store(false);
    ended_.store(false);
}

void Stream::Fill(std::size_t frames)
{
    std::lock_guard lock(decoding_);
    while (frames > 0 && mixRate_ > 0 && !decodedAll_.load(std::memory_order_relaxed)) {
        const std::size_t wanted = std::min({frames, ring_.Room(), resampled_.size() / 2});
        if (wanted == 0)
            return;
        const std::size_t made = Resample(resampled_.data(), wanted);
        ring_.Write(resampled_.data(), made);
        frames -= made;
        // Written before it is said to be the last, so the output sees both.
        if (made < wanted)
            decodedAll_.store(true, std::memory_order_release);
    }
}

void Stream::AddTo(float* stereo, int frames)
{
    const bool decodedAll = decodedAll_.load(std::memory_order_acquire);
    const std::size_t taken = ring_.AddTo(stereo, static_cast<std::size_t>(frames));
    played_.fetch_add(static_cast<long long>(taken), std::memory_order_release);
    if (decodedAll && ring_.Filled() == 0)
        ended_.store(true, std::memory_order_release);
}

bool Stream::NextFrame(float (&frame)[2])
{
    if (blockIndex_ == blockFrames_) {
        blockFrames_ = file_->Read(block_.data(), kBlockFrames);
        blockIndex_ = 0;
        if (blockFrames_ == 0)
            return false;
    }
    const int channels = file_->Channels();
    const float* source = block_.data() + blockIndex_ * channels;
    frame[0] = source[0];
    frame[1] = channels > 1 ? source[1] : source[0];
    ++blockIndex_;
    return true;
}

std::size_t Stream::Resample(float* stereo, std::size_t frames)
{
    const double step = static_cast<double>(file_->SampleRate()) / mixRate_;
    for (std::size_t i = 0; i < frames; ++i) {
        while (phase_ >= 1.0) {
            previous_[0] = next_[0];
            previous_[1] = next_[1];
            if (!NextFrame(next_))
                return i;
            phase_ -= 1.0;
        }
        const float weight = static_cast<float>(phase_);
        stereo[2 * i] = previous_[0] + (next_[0] - previous_[0]) * weight;
        stereo[2 * i + 1] = previous_[1] + (next_[1] - previous_[1]) * weight;
        phase_ += step;
    }
    return frames;
}

}  // namespace sound
