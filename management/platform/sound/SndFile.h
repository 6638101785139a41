// WAV, FLAC, Ogg and the other formats of libsndfile, MPEG audio excepted.
#pragma once

#include "AudioFile.h"

struct sf_private_tag;

namespace sound {

class RegularFile;

class SndFile : public AudioFile {
public:
    // ErrFileFormat for content it does not know, MPEG audio included, also
    // inside a WAV file.
    static std::unique_ptr<AudioFile> Open(std::unique_ptr<RegularFile> file, int& error);
    ~SndFile() override;

    long long Read(float* frames, long long count) override;
    bool Rewind() override;

private:
    SndFile(std::unique_ptr<RegularFile> file, sf_private_tag* sndfile, long long frames, int sampleRate,
        int channels);

    std::unique_ptr<RegularFile> file_;
    sf_private_tag* sndfile_;
};

} // namespace sound
