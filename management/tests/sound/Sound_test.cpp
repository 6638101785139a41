#include "StderrCapture.h"
#include "support/ToneFile.h"

#include "sound/AudioFile.h"
#include "sound/Sound.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using soundtest::Kind;
using soundtest::Tone;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        qputenv("VARNOOK_SOUND_OUTPUT", "silent");
    }
    void TearDown() override { sound::Close(); }

    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString WriteTone(const QString& name, const Tone& tone) const
    {
        const QString path = Path(name);
        EXPECT_TRUE(soundtest::WriteTone(path, tone)) << name.toStdString();
        return path;
    }
    QString WriteBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    static void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

    QTemporaryDir dir_;
};

TEST_F(SoundTest, StreamsGiveTheirLengthFromTheExactFrameCountWithoutAStartedEngine)
{
    struct Case {
        const char* name;
        Tone tone;
    };
    const Case cases[] = {
        {"a.wav", {Kind::Wav, 125500, 44100, 2}},
        {"b.wav", {Kind::Wav, 124500, 22050, 1}},
        {"c.flac", {Kind::Flac, 3250, 48000, 2}},
        {"d.ogg", {Kind::Ogg, 2000, 44100, 2}},
        {"e.mp3", {Kind::Mp3Cbr, 125500, 44100, 2}},
        {"f.mp3", {Kind::Mp3Vbr, 124500, 44100, 2}},
        {"g.mp3", {Kind::Mp3Cbr, 7000, 22050, 1}},
        {"Cuña año.mp3", {Kind::Mp3Cbr, 1500, 44100, 2}},
        {"silence.wav", {Kind::Wav, 0, 44100, 2}},
        // Measured by what they hold, not by their names.
        {"WAV named spot.mp3", {Kind::Wav, 2800, 22050, 2}},
        {"MP3 named song.wav", {Kind::Mp3Vbr, 3250, 48000, 2}},
        {"MP3 named without extension", {Kind::Mp3Cbr, 1250, 32000, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int stream = sound::Stream_Open(WriteTone(c.name, c.tone), 0, 0);
        ASSERT_NE(stream, 0) << sound::GetError();
        EXPECT_EQ(sound::Stream_GetLengthMs(stream), c.tone.lengthMs);
        sound::Stream_Close(stream);
    }
}

// Without the Info/Xing frame nothing states the frame count or the encoder's
// delay and padding: the frames are counted, and the length may differ from
// the audio written by up to one frame. Either way the file decodes to the
// very frame its length gives, so it plays to its end.
TEST_F(SoundTest, Mp3FilesWithAndWithoutInfoFrameMeasureTheAudioWrittenToTheFrame)
{
    struct Case {
        QString name;
        Tone tone;
    };
    std::vector<Case> cases = {
        {"Cuña de l'año cbr.mp3", {Kind::Mp3CbrHeaderless, 187300, 44100, 2}},
        {"Cuña de l'año vbr.mp3", {Kind::Mp3VbrHeaderless, 187300, 44100, 2}},
        {"with header vbr.mp3", {Kind::Mp3Vbr, 187300, 44100, 2}},
        {"mono cbr 22.mp3", {Kind::Mp3CbrHeaderless, 7000, 22050, 1}},
        {"frames in a WAV.mp3", {Kind::Mp3InWav, 6100, 44100, 2}},
        {"frames in a WAV mono 48.wav", {Kind::Mp3InWav, 3900, 48000, 1}},
    };
    // Every kind of MP3 at the usual rates, mono and stereo.
    const std::pair<Kind, const char*> kinds[] = {{Kind::Mp3Cbr, "cbr"},
                                                  {Kind::Mp3Vbr, "vbr"},
                                                  {Kind::Mp3CbrHeaderless, "cbr without header"},
                                                  {Kind::Mp3VbrHeaderless, "vbr without header"}};
    long long lengthMs = 3100;
    for (const auto& [kind, what] : kinds) {
        for (const int sampleRate : {32000, 44100, 48000}) {
            for (const int channels : {1, 2}) {
                lengthMs += 130;  // whole frames at every rate, never whole MPEG frames
                const QString name =
                    QString("%1 %2 Hz %3.mp3").arg(what).arg(sampleRate).arg(channels == 1 ? "mono" : "stereo");
                cases.push_back({name, {kind, lengthMs, sampleRate, channels}});
            }
        }
    }
    std::vector<float> decoded(4096 * 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QString path = WriteTone(c.name, c.tone);
        soundtest::StderrCapture stderrText;
        const int stream = sound::Stream_Open(path, 0, 0);
        const int error = sound::GetError();
        const int ms = sound::Stream_GetLengthMs(stream);
        sound::Stream_Close(stream);
        int fileError = sound::ErrNone;
        const std::unique_ptr<sound::AudioFile> file = sound::AudioFile::Open(path, fileError);
        long long frames = 0;
        for (long long read; file && (read = file->Read(decoded.data(), 4096 / file->Channels())) > 0;)
            frames += read;
        EXPECT_EQ(stderrText.Text(), "");
        ASSERT_NE(stream, 0) << error;
        ASSERT_NE(file, nullptr) << fileError;
        EXPECT_EQ(frames, file->Frames());
        if (c.tone.kind == Kind::Mp3Cbr || c.tone.kind == Kind::Mp3Vbr) {
            EXPECT_EQ(ms, c.tone.lengthMs);
        } else {
            const int frameMs = (c.tone.sampleRate >= 32000 ? 1152 : 576) * 1000 / c.tone.sampleRate;
            EXPECT_NEAR(ms, c.tone.lengthMs, frameMs);
        }
    }
}

// Other tools put tags and stray bytes around the frames of an MP3.
TEST_F(SoundTest, TagsAndStrayBytesAroundTheFramesLeaveTheLengthAsItIs)
{
    const QByteArray title = QByteArray("TIT2") + QByteArray::fromHex("000000050000") + QByteArray(1, '\0') + "Spot";
    const QByteArray padding(100, '\0');
    const QByteArray id3v2 =
        QByteArray("ID3") + QByteArray::fromHex("030000000000") + char(title.size() + padding.size()) + title + padding;
    const QByteArray id3v1 = QByteArray("TAG") + QByteArray(125, ' ');
    struct Case {
        const char* what;
        Kind kind;
        std::function<QByteArray(const QByteArray&)> shape;
        int toleranceMs;
    };
    const Case cases[] = {
        {"ID3v2 tag before a header-less file", Kind::Mp3CbrHeaderless, [&](const QByteArray& b) { return id3v2 + b; },
         0},
        {"ID3v2 tag before the Info frame", Kind::Mp3Vbr, [&](const QByteArray& b) { return id3v2 + b; }, 0},
        {"ID3v1 tag after the frames", Kind::Mp3VbrHeaderless, [&](const QByteArray& b) { return b + id3v1; }, 0},
        {"zeros before the first frame", Kind::Mp3VbrHeaderless,
         [](const QByteArray& b) { return QByteArray(2000, '\0') + b; }, 0},
        // A stream recorded from the middle of a frame loses that frame.
        {"cut in the middle of the first frame", Kind::Mp3CbrHeaderless, [](const QByteArray& b) { return b.mid(300); },
         27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString plain = WriteTone("plain.mp3", {c.kind, 6000, 44100, 2});
        QFile file(plain);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString shaped = WriteBytes("shaped.mp3", c.shape(file.readAll()));
        const int plainStream = sound::Stream_Open(plain, 0, 0);
        const int shapedStream = sound::Stream_Open(shaped, 0, 0);
        ASSERT_NE(plainStream, 0);
        ASSERT_NE(shapedStream, 0) << sound::GetError();
        EXPECT_NEAR(sound::Stream_GetLengthMs(shapedStream), sound::Stream_GetLengthMs(plainStream), c.toleranceMs);
        sound::Stream_Close(plainStream);
        sound::Stream_Close(shapedStream);
    }
}

TEST_F(SoundTest, AHeaderlessMp3CutShortIsMeasuredByWhatItHolds)
{
    const QString path = WriteTone("cut.mp3", {Kind::Mp3CbrHeaderless, 20000, 44100, 2});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
    file.close();
    const int stream = sound::Stream_Open(path, 0, 0);
    ASSERT_NE(stream, 0) << sound::GetError();
    // Constant bit rate: half the bytes hold half the frames.
    EXPECT_NEAR(sound::Stream_GetLengthMs(stream), 10000, 2 * 26);
    sound::Stream_Close(stream);
}

TEST_F(SoundTest, FilesThatCannotBeMeasuredGiveNoStreamAndTheirErrorCode)
{
    const QString mp3 = WriteTone("whole.mp3", {Kind::Mp3Cbr, 20000, 44100, 2});
    QFile whole(mp3);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    QByteArray noise(50000, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.mp3"));
    ASSERT_EQ(mkfifo(QFile::encodeName(Path("pipe.mp3")).constData(), 0600), 0);

    struct Case {
        const char* what;
        QString path;
        int error;
    };
    const Case cases[] = {
        {"missing path", Path("nowhere.mp3"), sound::ErrFileNotFound},
        {"empty path", QString(), sound::ErrFileNotFound},
        {"folder", Path("folder.mp3"), sound::ErrFileNotFound},
        {"named pipe", Path("pipe.mp3"), sound::ErrFileNotFound},
        {"empty file", WriteBytes("empty.mp3", QByteArray()), sound::ErrFileFormat},
        {"random bytes named .mp3", WriteBytes("noise.mp3", noise), sound::ErrFileFormat},
        {"only the first bytes of an MP3", WriteBytes("start.mp3", bytes.left(600)), sound::ErrFileFormat},
        {"MP3 whose audio turns to noise", WriteBytes("bad.mp3", bytes.left(2000) + noise), sound::ErrFileBad},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(sound::Stream_Open(c.path, 0, 0), 0);
        EXPECT_EQ(sound::GetError(), c.error);
    }
}

TEST_F(SoundTest, AFileWithoutReadPermissionCannotBeOpened)
{
    const QString path = WriteTone("locked.wav", {Kind::Wav, 1000, 44100, 2});
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0), 0);
    // Root reads every file: check this thread's access as an ordinary user.
    const bool asRoot = geteuid() == 0;
    if (asRoot)
        setfsuid(65534);
    const int stream = sound::Stream_Open(path, 0, 0);
    if (asRoot)
        setfsuid(0);
    EXPECT_EQ(stream, 0);
    EXPECT_EQ(sound::GetError(), sound::ErrFileBad);
}

TEST_F(SoundTest, StartFailsWithCode3WithoutAnOutputDevice)
{
    qputenv("VARNOOK_SOUND_OUTPUT", "none");
    EXPECT_FALSE(sound::Init(44100, 32));
    EXPECT_EQ(sound::GetError(), sound::ErrInit);
    const int stream = sound::Stream_Open(WriteTone("a.wav", {Kind::Wav, 500, 44100, 2}), 0, 0);
    ASSERT_NE(stream, 0);
    EXPECT_EQ(sound::Stream_Play(1, stream), -1);
    EXPECT_EQ(sound::GetError(), sound::ErrUninitialized);
}

TEST_F(SoundTest, ARunningEngineMustBeClosedBeforeItStartsAgain)
{
    sound::SetDriver(1);
    ASSERT_TRUE(sound::Init(44100, 32));
    EXPECT_FALSE(sound::Init(44100, 32));
    EXPECT_EQ(sound::GetError(), sound::ErrBusy);
    sound::SetDriver(0);
    EXPECT_EQ(sound::GetError(), sound::ErrBusy);
    sound::Close();
    sound::Close();  // harmless when nothing runs
    EXPECT_TRUE(sound::Init(44100, 32));
}

TEST_F(SoundTest, PlayingAdvancesThePositionInRealTimeAndStopRewinds)
{
    ASSERT_TRUE(sound::Init(44100, 32));
    const int stream = sound::Stream_Open(WriteTone("song.mp3", {Kind::Mp3Cbr, 5000, 22050, 1}), 0, 0);
    ASSERT_NE(stream, 0);
    EXPECT_EQ(sound::Stream_GetTime(stream), 0);
    EXPECT_EQ(sound::Stream_Play(1, stream), 1);
    Sleep(400);
    const int played = sound::Stream_GetTime(stream);
    EXPECT_GT(played, 200);
    EXPECT_LT(played, 2000);
    sound::Stream_Stop(stream);
    EXPECT_EQ(sound::Stream_GetTime(stream), 0);
    Sleep(100);
    EXPECT_EQ(sound::Stream_GetTime(stream), 0);
    sound::Stream_Stop(stream);  // stopping a stopped stream is harmless
    sound::Stream_Close(stream);
}

TEST_F(SoundTest, AStreamPlayedToItsEndStaysAtItsLengthAndPlaysAgainFromTheStart)
{
    ASSERT_TRUE(sound::Init(44100, 32));
    const int stream = sound::Stream_Open(WriteTone("short.wav", {Kind::Wav, 150, 48000, 2}), 0, 0);
    ASSERT_NE(stream, 0);
    ASSERT_EQ(sound::Stream_Play(1, stream), 1);
    Sleep(800);
    EXPECT_EQ(sound::Stream_GetTime(stream), 150);
    ASSERT_EQ(sound::Stream_Play(1, stream), 1);
    EXPECT_LT(sound::Stream_GetTime(stream), 150);
}

TEST_F(SoundTest, AHeaderlessVbrFilePlaysToItsRealEndAndEndsAtItsLength)
{
    const int stream =
        sound::Stream_Open(WriteTone("sin cabecera.mp3", {Kind::Mp3VbrHeaderless, 1500, 48000, 2}), 0, 0);
    ASSERT_NE(stream, 0) << sound::GetError();
    const int length = sound::Stream_GetLengthMs(stream);
    ASSERT_TRUE(sound::Init(44100, 32));
    ASSERT_EQ(sound::Stream_Play(1, stream), 1);
    const auto started = std::chrono::steady_clock::now();
    const auto giveUp = started + std::chrono::seconds(10);
    int time = 0;
    while ((time = sound::Stream_GetTime(stream)) < length && std::chrono::steady_clock::now() < giveUp)
        Sleep(5);
    const auto played = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(time, length);
    // Played in real time to the end, not cut short where the decoding stopped.
    EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(played).count(), length - 100);
    Sleep(100);
    EXPECT_EQ(sound::Stream_GetTime(stream), length);
}

TEST_F(SoundTest, ADamagedFlacPlaysPastTheDamageToItsLengthAndPlaysAgain)
{
    const QString plain = WriteTone("plain.flac", {Kind::Flac, 1500, 44100, 2});
    const QByteArray bytes = soundtest::ReadBytes(plain);
    const QString damaged = WriteBytes("damaged.flac", soundtest::ZeroSpan(bytes, bytes.size() / 2, 4096));
    const int stream = sound::Stream_Open(damaged, 0, 0);
    ASSERT_NE(stream, 0) << sound::GetError();
    const int length = sound::Stream_GetLengthMs(stream);
    EXPECT_EQ(length, 1500);
    ASSERT_TRUE(sound::Init(44100, 32));
    for (int play = 0; play < 2; ++play) {
        SCOPED_TRACE(play);
        ASSERT_EQ(sound::Stream_Play(1, stream), 1);
        EXPECT_LT(sound::Stream_GetTime(stream), length);
        const auto started = std::chrono::steady_clock::now();
        const auto giveUp = started + std::chrono::seconds(10);
        while (sound::Stream_GetTime(stream) < length && std::chrono::steady_clock::now() < giveUp)
            Sleep(5);
        const auto played = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(sound::Stream_GetTime(stream), length);
        EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(played).count(), length - 100);
    }
}

TEST_F(SoundTest, PlayRefusesAChannelOutsideTheEngine)
{
    ASSERT_TRUE(sound::Init(44100, 32));
    const int stream = sound::Stream_Open(WriteTone("a.wav", {Kind::Wav, 500, 44100, 2}), 0, 0);
    for (int channel : {-1, 32}) {
        EXPECT_EQ(sound::Stream_Play(channel, stream), -1);
        EXPECT_EQ(sound::GetError(), sound::ErrInvalidParam);
    }
}

TEST_F(SoundTest, ClosingTheEngineWhilePlayingClosesItsStreams)
{
    ASSERT_TRUE(sound::Init(44100, 32));
    const int stream = sound::Stream_Open(WriteTone("a.wav", {Kind::Wav, 3000, 44100, 2}), 0, 0);
    ASSERT_EQ(sound::Stream_Play(1, stream), 1);
    Sleep(50);
    sound::Close();
    EXPECT_EQ(sound::Stream_GetLengthMs(stream), 0);
    EXPECT_EQ(sound::GetError(), sound::ErrInvalidParam);
    sound::Stream_Close(stream);
    sound::Stream_Stop(stream);
}

}  // namespace
