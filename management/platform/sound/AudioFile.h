// One audio file opened for decoding, with its exact length.
#pragma once

#include <QString>

#include <memory>

namespace sound {

class AudioFile {
public:
    // Opens the file by what it holds, whatever its name: MPEG audio, FLAC
    // and Ogg Vorbis through their own decoders, WAV and the like through the
    // general one. Its length is what it decodes to, never what a header
    // promises. nullptr and an Error code when it holds no audio that can be
    // measured.
    static std::unique_ptr<AudioFile> Open(const QString& path, int& error);
    virtual ~AudioFile() = default;
    AudioFile(const AudioFile&) = delete;
    AudioFile& operator=(const AudioFile&) = delete;

    long long Frames() const { return frames_; }
    int SampleRate() const { return sampleRate_; }
    int Channels() const { return channels_; }
    int LengthMs() const;

    // Reads up to count interleaved frames; fewer only at Frames(). Only one
    // thread at a time reads.
    virtual long long Read(float* frames, long long count) = 0;
    // Back to the first frame.
    virtual bool Rewind() = 0;

protected:
    AudioFile(long long frames, int sampleRate, int channels);

    // A length in frames that LengthMs can give in whole milliseconds.
    static bool Measurable(long long frames, int sampleRate, int channels);

private:
    long long frames_;
    int sampleRate_;
    int channels_;
};

}  // namespace sound
