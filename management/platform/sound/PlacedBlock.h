// Decoded frames with the number of the frame they start at, as decoders of
// formats that number their frames give them: read out in place, with silence
// for frames lost before them, and what was read already passed over.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace sound {

class PlacedBlock {
public:
    explicit PlacedBlock(int channels) : channels_(static_cast<std::size_t>(channels)) {}

    bool Used() const { return index_ == Count(); }
    void Clear()
    {
        samples_.clear();
        index_ = 0;
    }
    // Room for frames from start on, interleaved.
    float* Place(long long start, std::size_t frames)
    {
        start_ = start;
        index_ = 0;
        samples_.resize(frames * channels_);
        return samples_.data();
    }

    // Gives up to wanted frames from position on, and moves position past them.
    long long GiveTo(float* out, long long wanted, long long& position)
    {
        long long given = 0;
        while (given < wanted && !Used()) {
            const long long at = start_ + static_cast<long long>(index_);
            const long long left = static_cast<long long>(Count() - index_);
            float* to = out + static_cast<std::size_t>(given) * channels_;
            long long taken = 0;
            if (at > position) {
                taken = std::min(at - position, wanted - given);
                std::fill_n(to, static_cast<std::size_t>(taken) * channels_, 0.0f);
            } else if (at < position) {
                index_ += static_cast<std::size_t>(std::min(position - at, left));
                continue;
            } else {
                taken = std::min(left, wanted - given);
                std::copy_n(samples_.data() + index_ * channels_, static_cast<std::size_t>(taken) * channels_, to);
                index_ += static_cast<std::size_t>(taken);
            }
            given += taken;
            position += taken;
        }
        return given;
    }

private:
    std::size_t Count() const { return samples_.size() / channels_; }

    std::size_t channels_;
    std::vector<float> samples_;
    long long start_ = 0;
    std::size_t index_ = 0;
};

}  // namespace sound
