// Files as other tools write them and as accidents damage them: each one is
// measured by what it plays, or refused with a file error, never given a
// length it does not play.
#include "StderrCapture.h"
#include "support/ToneFile.h"

#include "sound/AudioFile.h"
#include "sound/Sound.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using soundtest::Kind;
using soundtest::Tone;

// One MPEG layer III frame at 44100 Hz.
constexpr int kMpegFrameMs = 27;

struct Made {
    QString path;
    int expectedMs = 0;  // of audio that plays
    int toleranceMs = 0;
};

class Fixtures {
public:
    explicit Fixtures(const QTemporaryDir& dir) : dir_(dir) {}

    QString Tone(const QString& name, const soundtest::Tone& tone) const
    {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(soundtest::WriteTone(path, tone)) << name.toStdString();
        return path;
    }
    // A file of tone, then changed as shape says; shape is told the bytes and
    // where the audio's middle lies.
    QString Shaped(const QString& name, const soundtest::Tone& tone,
                   const std::function<QByteArray(const QByteArray&, qsizetype)>& shape) const
    {
        const QByteArray bytes = soundtest::ReadBytes(Tone("plain " + name, tone));
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(soundtest::WriteBytes(path, shape(bytes, bytes.size() / 2))) << name.toStdString();
        return path;
    }
    QString Bytes(const QString& name, const QByteArray& bytes) const
    {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(soundtest::WriteBytes(path, bytes));
        return path;
    }
    // The milliseconds that count bytes of a file of tone hold.
    int MsIn(const soundtest::Tone& tone, qsizetype count) const
    {
        const qsizetype size = soundtest::ReadBytes(Tone("size.mp3", tone)).size();
        return static_cast<int>(count * tone.lengthMs / size);
    }

private:
    const QTemporaryDir& dir_;
};

// The first MPEG frame header from at on.
qsizetype FrameHeaderFrom(const QByteArray& bytes, qsizetype at)
{
    for (qsizetype i = at; i + 1 < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && (static_cast<unsigned char>(bytes[i + 1]) & 0xE0) == 0xE0)
            return i;
    }
    return -1;
}

TEST(SoundMeasure, FilesAsOtherToolsWriteOrDamageThemMeasureWhatTheyPlay)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Fixtures make(dir);
    const soundtest::Tone tagged{Kind::Mp3Cbr, 6000, 44100, 2};
    const soundtest::Tone headerless{Kind::Mp3CbrHeaderless, 6000, 44100, 2};
    const soundtest::Tone variable{Kind::Mp3Vbr, 4000, 44100, 2};
    const soundtest::Tone inWav{Kind::Mp3InWav, 6000, 44100, 2};
    const soundtest::Tone flac{Kind::Flac, 6000, 44100, 2};
    // Long enough for pages after the damage: this writer makes pages of 4 KB.
    const soundtest::Tone vorbis{Kind::Ogg, 20000, 44100, 2};
    const soundtest::Tone wav{Kind::Wav, 6000, 22050, 2};
    const auto zero4k = [](const QByteArray& b, qsizetype middle) { return soundtest::ZeroSpan(b, middle, 4096); };
    const auto flip16 = [](const QByteArray& b, qsizetype middle) { return soundtest::FlipBytes(b, middle, 16, 7); };
    const auto flipHeader = [](const QByteArray& b, qsizetype middle) {
        return soundtest::FlipBytes(b, FrameHeaderFrom(b, middle), 16, 11);
    };
    const auto half = [](const QByteArray& b, qsizetype middle) { return b.left(middle); };

    const struct Case {
        const char* what;
        std::function<Made()> make;
    } cases[] = {
        {"two tagged MP3s joined with cat: the second one's delay and Info frame stay between them",
         [&] {
             const QByteArray joined =
                 soundtest::ReadBytes(make.Tone("a.mp3", tagged)) + soundtest::ReadBytes(make.Tone("b.mp3", variable));
             return Made{make.Bytes("joined.mp3", joined), 10000, 3 * kMpegFrameMs};
         }},
        {"an MP3 of another rate joined on: only the first one's frames play",
         [&] {
             const QByteArray joined = soundtest::ReadBytes(make.Tone("a.mp3", tagged))
                                       + soundtest::ReadBytes(make.Tone("c.mp3", {Kind::Mp3Cbr, 2000, 48000, 2}));
             return Made{make.Bytes("other rate.mp3", joined), 6000, 0};
         }},
        {"tagged MP3 with 4 KB zeroed in the middle: the frames in them are lost",
         [&] {
             return Made{make.Shaped("zeroed.mp3", tagged, zero4k), 6000 - make.MsIn(tagged, 4096), 2 * kMpegFrameMs};
         }},
        {"header-less MP3 with 4 KB zeroed in the middle",
         [&] {
             return Made{make.Shaped("zeroed headerless.mp3", headerless, zero4k), 6000 - make.MsIn(headerless, 4096),
                         2 * kMpegFrameMs};
         }},
        {"MP3 in a WAV file with 4 KB zeroed in the middle",
         [&] {
             return Made{make.Shaped("zeroed.wav", inWav, zero4k), 6000 - make.MsIn(inWav, 4096), 2 * kMpegFrameMs};
         }},
        {"header-less MP3 with 4 KB of zeros put in the middle: nothing is lost",
         [&] {
             const auto insert = [](const QByteArray& b, qsizetype middle) {
                 return b.left(middle) + QByteArray(4096, '\0') + b.mid(middle);
             };
             return Made{make.Shaped("inserted.mp3", headerless, insert), 6000, kMpegFrameMs};
         }},
        {"tagged MP3 with a frame header damaged: one frame is lost",
         [&] {
             return Made{make.Shaped("bad header.mp3", tagged, flipHeader), 6000, 2 * kMpegFrameMs};
         }},
        {"tagged MP3 with bytes flipped inside a frame",
         [&] {
             return Made{make.Shaped("flipped.mp3", tagged, flip16), 6000, 2 * kMpegFrameMs};
         }},
        {"tagged MP3 whose Info frame is marked as checked without a check sum, as LAME writes it",
         [&] {
             const auto markChecked = [](const QByteArray& b, qsizetype) {
                 QByteArray bytes = b;
                 const qsizetype first = FrameHeaderFrom(bytes, 0);
                 bytes[first + 1] = static_cast<char>(bytes[first + 1] & 0xFE);
                 return bytes;
             };
             return Made{make.Shaped("checked.mp3", tagged, markChecked), 6000, 0};
         }},
        // Made once with LAME, in free format (no bit rate in the headers)
        // and so without an Info frame, from 1.5 s at 16000 Hz.
        {"MP3 in free format",
         [&] {
             return Made{SOUND_FIXTURES "/free-format-16k.mp3", 1500, 576 * 1000 / 16000};
         }},
        {"tagged MP3 cut short: what is left",
         [&] {
             return Made{make.Shaped("half.mp3", tagged, half), 3000, 3 * kMpegFrameMs};
         }},
        {"FLAC with 4 KB zeroed in the middle: silence in place of the lost frames",
         [&] {
             return Made{make.Shaped("zeroed.flac", flac, zero4k), 6000, 0};
         }},
        {"FLAC with bytes flipped in the middle",
         [&] {
             return Made{make.Shaped("flipped.flac", flac, flip16), 6000, 0};
         }},
        {"FLAC cut short: up to its last whole frame",
         [&] {
             return Made{make.Shaped("half.flac", flac, half), 3000, 200};
         }},
        {"Ogg Vorbis with 4 KB zeroed in the middle: silence in place of the lost pages",
         [&] {
             return Made{make.Shaped("zeroed.ogg", vorbis, zero4k), 20000, 0};
         }},
        {"Ogg Vorbis with bytes flipped in the middle",
         [&] {
             return Made{make.Shaped("flipped.ogg", vorbis, flip16), 20000, 0};
         }},
        // Half its bytes do not hold half its time: the encoder spends them unevenly.
        {"Ogg Vorbis cut short: up to its last whole page",
         [&] {
             return Made{make.Shaped("half.ogg", vorbis, half), 10000, 1500};
         }},
        {"WAV whose RIFF and data sizes were never written",
         [&] {
             const auto zeroSizes = [](const QByteArray& b, qsizetype) { return soundtest::ZeroWaveSizes(b); };
             return Made{make.Shaped("unwritten.wav", wav, zeroSizes), 6000, 0};
         }},
        {"WAV whose data size alone was never written",
         [&] {
             const auto zeroData = [](const QByteArray& b, qsizetype) {
                 QByteArray bytes = soundtest::ZeroWaveSizes(b);
                 return bytes.replace(4, 4, b.mid(4, 4));
             };
             return Made{make.Shaped("unwritten data.wav", wav, zeroData), 6000, 0};
         }},
        {"WAV of a stream of unknown length",
         [&] {
             const auto unknown = [](const QByteArray& b, qsizetype) {
                 QByteArray bytes = soundtest::ZeroWaveSizes(b);
                 const qsizetype data = bytes.indexOf("data", 12);
                 return bytes.replace(4, 4, QByteArray(4, '\xFF')).replace(data + 4, 4, QByteArray(4, '\xFF'));
             };
             return Made{make.Shaped("streamed.wav", wav, unknown), 6000, 0};
         }},
        {"IMA ADPCM WAV: the frames its fact chunk states",
         [&] {
             return Made{make.Tone("ima.wav", {Kind::ImaAdpcmWav, 2100, 22050, 2}), 2100, 0};
         }},
        {"MS ADPCM WAV: the frames its fact chunk states",
         [&] {
             return Made{make.Tone("ms.wav", {Kind::MsAdpcmWav, 2100, 44100, 1}), 2100, 0};
         }},
    };

    std::vector<float> decoded(4096 * 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Made made = c.make();
        soundtest::StderrCapture stderrText;
        const int stream = sound::Stream_Open(made.path, 0, 0);
        const int error = sound::GetError();
        const int ms = sound::Stream_GetLengthMs(stream);
        sound::Stream_Close(stream);
        int fileError = sound::ErrNone;
        const std::unique_ptr<sound::AudioFile> file = sound::AudioFile::Open(made.path, fileError);
        std::vector<long long> played;
        for (int play = 0; play < 2 && file; ++play) {
            long long frames = 0;
            for (long long read; (read = file->Read(decoded.data(), 4096 / file->Channels())) > 0;)
                frames += read;
            played.push_back(frames);
            file->Rewind();
        }
        EXPECT_EQ(stderrText.Text(), "");
        ASSERT_NE(stream, 0) << error;
        ASSERT_NE(file, nullptr) << fileError;
        EXPECT_NEAR(ms, made.expectedMs, made.toleranceMs);
        EXPECT_EQ(played[0], file->Frames()) << "its length is what it plays";
        EXPECT_EQ(played[1], file->Frames()) << "and it plays again";
        EXPECT_EQ(ms, file->LengthMs());
    }
}

TEST(SoundMeasure, AudioThatIsNoneOfTheFormatsOrOnlyLooksLikeMpegIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Fixtures make(dir);
    const QByteArray tagged = soundtest::ReadBytes(make.Tone("tagged.mp3", {Kind::Mp3Cbr, 1000, 44100, 2}));
    const struct Case {
        const char* what;
        QString path;
        int error;
    } cases[] = {
        // Made with an AAC encoder at 24 kbit/s; the decoders here found a
        // frame or a few in them and gave 156 ms and 26 ms.
        {"ADTS AAC", SOUND_FIXTURES "/adts-mono-24k.aac", sound::ErrFileFormat},
        {"AAC in an MP4 file", SOUND_FIXTURES "/mp4-stereo-24k.m4a", sound::ErrFileFormat},
        {"header-shaped garbage", make.Bytes("garbage.mp3", soundtest::HeaderShapedGarbage(300000, 1)),
         sound::ErrFileFormat},
        {"other header-shaped garbage", make.Bytes("garbage 2.mp3", soundtest::HeaderShapedGarbage(300000, 2)),
         sound::ErrFileFormat},
        {"a frame header repeated", make.Bytes("pattern.mp3", QByteArray("\xFF\xFB\x90\x64").repeated(75000)),
         sound::ErrFileFormat},
        {"FLAC whose stream information was damaged to state three channels for frames of two",
         [&] {
             QByteArray flac = soundtest::ReadBytes(make.Tone("stereo.flac", {Kind::Flac, 1000, 44100, 2}));
             // The channels less one are bits 3 to 1 of byte 20, in the stream information.
             flac[20] = static_cast<char>((flac[20] & 0xF1) | (2 << 1));
             return make.Bytes("three channels.flac", flac);
         }(),
         sound::ErrFileBad},
        {"a tagged MP3 of a second followed by much garbage",
         make.Bytes("tagged garbage.mp3", tagged + soundtest::HeaderShapedGarbage(300000, 3)), sound::ErrFileBad},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        soundtest::StderrCapture stderrText;
        EXPECT_EQ(sound::Stream_Open(c.path, 0, 0), 0);
        EXPECT_EQ(sound::GetError(), c.error);
        EXPECT_EQ(stderrText.Text(), "");
    }
}

}  // namespace
