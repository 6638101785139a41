// The output's side of playing: it takes what the decoder has put ahead and
// never decodes or waits for the decoder itself, so a slow disk or a large
// frame never holds up the sound device.
#include "sound/AudioFile.h"
#include "sound/Mixer.h"
#include "sound/Stream.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace {

constexpr int kRate = 8000;

// A file that decodes constant frames, on any thread but the one named, and
// that can be held in the middle of a read as a slow disk holds it.
class HeldFile : public sound::AudioFile {
public:
    explicit HeldFile(long long frames) : AudioFile(frames, kRate, 1) {}

    long long Read(float* frames, long long count) override
    {
        std::unique_lock lock(mutex_);
        if (std::this_thread::get_id() == forbidden_)
            ++forbiddenReads_;
        if (holding_) {
            held_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return !holding_; });
        }
        const long long given = std::min(count, Frames() - position_);
        std::fill_n(frames, given, 0.5f);
        position_ += given;
        return given;
    }
    bool Rewind() override
    {
        position_ = 0;
        return true;
    }

    void Forbid(std::thread::id thread)
    {
        std::lock_guard lock(mutex_);
        forbidden_ = thread;
    }
    int ForbiddenReads()
    {
        std::lock_guard lock(mutex_);
        return forbiddenReads_;
    }
    void Hold()
    {
        std::lock_guard lock(mutex_);
        holding_ = true;
    }
    void WaitUntilHeld()
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return held_; });
    }
    void Release()
    {
        {
            std::lock_guard lock(mutex_);
            holding_ = false;
        }
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::thread::id forbidden_;
    int forbiddenReads_ = 0;
    bool holding_ = false;
    bool held_ = false;
    long long position_ = 0;
};

TEST(SoundMixer, TheOutputTakesDecodedFramesWithoutDecodingOrWaitingForADecoderThatIsHeldUp)
{
    auto owned = std::make_unique<HeldFile>(10 * kRate);
    HeldFile& file = *owned;
    const auto stream = std::make_shared<sound::Stream>(std::move(owned));
    stream->Prepare(kRate);
    stream->Fill(kRate / 2);
    sound::Mixer mixer;
    mixer.Publish({stream});

    // The decoder goes on and is held up inside a read, holding the stream's decoding.
    file.Hold();
    std::thread decoder([&] { stream->Fill(kRate); });
    file.WaitUntilHeld();

    std::promise<std::thread::id> outputThread;
    std::promise<void> go;
    auto output = std::async(std::launch::async, [&] {
        outputThread.set_value(std::this_thread::get_id());
        go.get_future().wait();
        std::vector<float> stereo(2 * kRate / 10);
        float played = 0;
        for (int period = 0; period < 5; ++period) {
            mixer.Mix(stereo.data(), kRate / 10);
            if (period == 0)
                played = stereo[kRate / 10];
        }
        return played;
    });
    file.Forbid(outputThread.get_future().get());
    go.set_value();
    const bool returned = output.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    file.Release();
    decoder.join();
    ASSERT_TRUE(returned) << "the output waited for the decoder";
    EXPECT_NEAR(output.get(), 0.5f, 0.01f) << "it played what was decoded ahead";
    EXPECT_EQ(stream->PositionMs(), 500);
    EXPECT_EQ(file.ForbiddenReads(), 0);

    // With the decoder free again, the output plays on from where it was.
    stream->Fill(kRate);
    std::vector<float> stereo(2 * kRate / 10);
    mixer.Mix(stereo.data(), kRate / 10);
    EXPECT_EQ(stream->PositionMs(), 600);
    EXPECT_EQ(file.ForbiddenReads(), 0);
    mixer.Publish({});
}

TEST(SoundMixer, AStreamEndsAtItsLengthOnceTheOutputHasTakenItsLastFrame)
{
    const auto stream = std::make_shared<sound::Stream>(std::make_unique<HeldFile>(kRate / 4));
    stream->Prepare(kRate);
    stream->Fill(kRate);
    sound::Mixer mixer;
    mixer.Publish({stream});
    std::vector<float> stereo(2 * kRate / 10);
    mixer.Mix(stereo.data(), kRate / 10);
    mixer.Mix(stereo.data(), kRate / 10);
    EXPECT_FALSE(stream->AtEnd());
    EXPECT_EQ(stream->PositionMs(), 200);
    mixer.Mix(stereo.data(), kRate / 10);
    EXPECT_TRUE(stream->AtEnd());
    EXPECT_EQ(stream->PositionMs(), 250);
    EXPECT_EQ(stereo[2 * (kRate / 10) - 1], 0.0f) << "silence after the end";
    mixer.Publish({});
    stream->Rewind();
    EXPECT_FALSE(stream->AtEnd());
    EXPECT_EQ(stream->PositionMs(), 0);
}

}  // namespace
