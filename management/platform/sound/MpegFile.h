// MPEG audio (MP3, and layers I and II) through libmpg123, measured by
// scanning its frames. A LAME tag's encoder delay and padding are taken off
// exactly; without one, the usual delay of encoders is.
#pragma once

#include "AudioFile.h"

struct mpg123_handle_struct;

namespace sound {

class RegularFile;

class MpegFile : public AudioFile {
public:
    // ErrFileFormat when no MPEG audio is found; ErrFileBad when the file
    // holds fewer frames than its Info/Xing header states.
    static std::unique_ptr<AudioFile> Open(std::unique_ptr<RegularFile> file, int& error);
    ~MpegFile() override;

    long long Read(float* frames, long long count) override;
    bool Rewind() override;

private:
    MpegFile(std::unique_ptr<RegularFile> file, mpg123_handle_struct* handle, long long frames, int sampleRate,
        int channels, long long skip);

    std::unique_ptr<RegularFile> file_;
    mpg123_handle_struct* handle_;
    long long skip_; // decoded frames before the audio
    long long position_ = 0; // frames read since the first frame of the audio
};

} // namespace sound
