// One audio file opened for decoding through libsndfile.
#pragma once

#include <QString>

#include <cstdio>
#include <memory>

struct sf_private_tag;

namespace sound {

class AudioFile {
public:
    // Opens the file and checks that it decodes up to its stated last frame;
    // nullptr and an Error code when it does not.
    static std::unique_ptr<AudioFile> Open(const QString& path, int& error);
    ~AudioFile();
    AudioFile(const AudioFile&) = delete;
    AudioFile& operator=(const AudioFile&) = delete;

    long long Frames() const { return frames_; }
    int SampleRate() const { return sampleRate_; }
    int Channels() const { return channels_; }
    int LengthMs() const;

    // Reads up to count interleaved frames; fewer at the end or on a decoding fault.
    long long Read(float* frames, long long count);
    bool Rewind();

private:
    AudioFile(std::FILE* file, std::unique_ptr<char[]> buffer, sf_private_tag* sndfile, long long frames,
        int sampleRate, int channels);

    std::FILE* file_;
    std::unique_ptr<char[]> buffer_; // the stdio buffer of file_
    sf_private_tag* sndfile_;
    long long frames_;
    int sampleRate_;
    int channels_;
};

} // namespace sound
