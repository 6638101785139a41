// WAV, AIFF, Ogg Opus and the other formats of libsndfile, MPEG audio
// excepted. A WAV file whose sizes were never written, as a recorder that
// stopped or a streaming writer leaves it, holds the data that is there; an
// ADPCM one holds the frames its fact chunk states; a file whose end does not
// decode, or an Ogg file with damaged pages, holds what decodes.
#pragma once

#include "AudioFile.h"

#include <memory>

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

    // The file as libsndfile reads it: a size of the header may be mended.
    struct View {
        RegularFile* file = nullptr;
        long long patchAt = -1;
        unsigned char patch[4] = {};
    };

private:
    SndFile(std::unique_ptr<RegularFile> file, std::unique_ptr<View> view, sf_private_tag* sndfile, long long frames,
            int sampleRate, int channels);

    std::unique_ptr<RegularFile> file_;
    std::unique_ptr<View> view_;
    sf_private_tag* sndfile_;
    long long position_ = 0;
};

}  // namespace sound
