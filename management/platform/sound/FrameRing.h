// Stereo frames passed from one thread that writes them to one that reads
// them, without locks: the decoder fills it ahead, the output takes from it.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <vector>

namespace sound {

class FrameRing {
public:
    explicit FrameRing(std::size_t frames = 0) : samples_(2 * frames) {}

    std::size_t Capacity() const { return samples_.size() / 2; }
    // Frames written and not yet read.
    std::size_t Filled() const
    {
        return static_cast<std::size_t>(written_.load(std::memory_order_acquire)
                                        - read_.load(std::memory_order_acquire));
    }

    // Writer: room for at least frames.
    std::size_t Room() const { return Capacity() - Filled(); }
    // Writer: frames, no more than Room().
    void Write(const float* stereo, std::size_t frames)
    {
        const unsigned long long at = written_.load(std::memory_order_relaxed);
        for (std::size_t i = 0; i < frames; ++i) {
            const std::size_t slot = static_cast<std::size_t>((at + i) % Capacity());
            samples_[2 * slot] = stereo[2 * i];
            samples_[2 * slot + 1] = stereo[2 * i + 1];
        }
        written_.store(at + frames, std::memory_order_release);
    }

    // Reader: adds up to frames to a stereo mix; gives how many.
    std::size_t AddTo(float* stereo, std::size_t frames)
    {
        const unsigned long long at = read_.load(std::memory_order_relaxed);
        const std::size_t taken =
            std::min(frames, static_cast<std::size_t>(written_.load(std::memory_order_acquire) - at));
        for (std::size_t i = 0; i < taken; ++i) {
            const std::size_t slot = static_cast<std::size_t>((at + i) % Capacity());
            stereo[2 * i] += samples_[2 * slot];
            stereo[2 * i + 1] += samples_[2 * slot + 1];
        }
        read_.store(at + taken, std::memory_order_release);
        return taken;
    }

    // Empties it; only while nobody reads.
    void Clear() { read_.store(written_.load()); }
    // Empties it and makes room for frames; only while nobody reads.
    void Resize(std::size_t frames)
    {
        samples_.assign(2 * frames, 0.0f);
        written_.store(0);
        read_.store(0);
    }

private:
    std::vector<float> samples_;
    std::atomic<unsigned long long> written_{0};
    std::atomic<unsigned long long> read_{0};
};

}  // namespace sound
