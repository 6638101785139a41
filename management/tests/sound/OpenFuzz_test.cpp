// Opens, measures and decodes thousands of damaged and random files: each
// must either open with a length that it plays, to the end and again, or fail
// with a file error, never crash, hang or print anything.
#include "StderrCapture.h"
#include "support/ToneFile.h"

#include "sound/AudioFile.h"
#include "sound/Sound.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using soundtest::Kind;

constexpr int kInputs = 8000;

class Mutator {
public:
    explicit Mutator(std::vector<QByteArray> samples) : samples_(std::move(samples)) {}

    QByteArray Next()
    {
        QByteArray bytes = samples_[Pick(samples_.size())];
        switch (Pick(5)) {
        case 0:  // flipped bytes
            for (std::size_t n = 1 + Pick(32); n > 0; --n)
                bytes[Pick(bytes.size())] = static_cast<char>(Pick(256));
            break;
        case 1:  // cut short
            bytes.truncate(static_cast<int>(Pick(bytes.size())));
            break;
        case 2:  // a run of noise laid over the header or the audio
            bytes.replace(static_cast<int>(Pick(bytes.size())), 0, Noise(1 + Pick(4096)));
            break;
        case 3:  // a known start followed by noise
            bytes = bytes.left(static_cast<int>(Pick(64))) + Noise(Pick(20000));
            break;
        default:  // noise alone
            bytes = Noise(Pick(20000));
            break;
        }
        return bytes;
    }

private:
    std::size_t Pick(std::size_t below) { return below == 0 ? 0 : random_() % below; }
    QByteArray Noise(std::size_t size)
    {
        QByteArray noise(static_cast<int>(size), '\0');
        for (auto& byte : noise)
            byte = static_cast<char>(Pick(256));
        return noise;
    }

    std::vector<QByteArray> samples_;
    std::mt19937 random_{20240501};  // fixed, so a failure is the same on every run
};

TEST(SoundOpenFuzz, DamagedAndRandomFilesOpenWithALengthOrFailWithAFileError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* name;
        soundtest::Tone tone;
    } samples[] = {
        {"s.wav", {Kind::Wav, 300, 8000, 1}},
        {"s.flac", {Kind::Flac, 300, 8000, 2}},
        {"s.ogg", {Kind::Ogg, 400, 8000, 1}},
        {"c.mp3", {Kind::Mp3Cbr, 600, 22050, 2}},
        {"v.mp3", {Kind::Mp3Vbr, 600, 44100, 1}},
        {"hc.mp3", {Kind::Mp3CbrHeaderless, 500, 32000, 2}},
        {"hv.mp3", {Kind::Mp3VbrHeaderless, 500, 48000, 1}},
        {"w.wav", {Kind::Mp3InWav, 500, 44100, 2}},
        {"o.opus", {Kind::Opus, 500, 48000, 2}},
        {"i.wav", {Kind::ImaAdpcmWav, 300, 22050, 2}},
        {"m.wav", {Kind::MsAdpcmWav, 300, 11025, 1}},
    };
    std::vector<QByteArray> seeds;
    for (const auto& sample : samples) {
        const QString path = dir.filePath(sample.name);
        ASSERT_TRUE(soundtest::WriteTone(path, sample.tone)) << sample.name;
        seeds.push_back(soundtest::ReadBytes(path));
    }
    // Files joined together, and a WAV file whose sizes were never written.
    seeds.push_back(seeds[3] + seeds[4]);
    seeds.push_back(seeds[5] + seeds[6]);
    seeds.push_back(soundtest::ZeroWaveSizes(seeds[0]));

    Mutator mutator(seeds);
    const QString input = dir.filePath("input.mp3");
    std::vector<float> decoded(4096 * 2);
    soundtest::StderrCapture stderrText;
    for (int i = 0; i < kInputs; ++i) {
        SCOPED_TRACE(i);
        {
            QFile file(input);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(mutator.Next());
        }
        const int stream = sound::Stream_Open(input, 0, 0);
        if (stream == 0) {
            const int error = sound::GetError();
            EXPECT_TRUE(error == sound::ErrFileFormat || error == sound::ErrFileBad) << error;
            continue;
        }
        EXPECT_GE(sound::Stream_GetLengthMs(stream), 0);
        sound::Stream_Close(stream);

        int error = sound::ErrNone;
        const std::unique_ptr<sound::AudioFile> file = sound::AudioFile::Open(input, error);
        ASSERT_NE(file, nullptr) << error;
        for (int play = 0; play < 2; ++play) {
            long long total = 0;
            for (long long read; (read = file->Read(decoded.data(), 4096 / file->Channels())) > 0;)
                total += read;
            EXPECT_EQ(total, file->Frames()) << "play " << play;
            file->Rewind();
        }
    }
    EXPECT_EQ(stderrText.Text(), "");
}

}  // namespace
