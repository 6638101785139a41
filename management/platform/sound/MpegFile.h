// MPEG audio (MP3, and layers I and II) through libmpg123. The decoder reads
// only the frames that MpegFrames finds, one after the other, so junk, gaps
// and damaged frames cost what they hold and no more, files joined together
// play to their end, and the length is what those frames decode to. A LAME
// tag's encoder delay and padding are taken off exactly; without one, the
// usual delay of encoders is.
#pragma once

#include "AudioBytes.h"
#include "AudioFile.h"

#include <vector>

struct mpg123_handle_struct;

namespace sound {

class RegularFile;

class MpegFile : public AudioFile {
public:
    // ErrFileFormat when no MPEG audio is found, or when its frames do not
    // make up most of the file's audio bytes (AAC, stray bytes that look like
    // frame headers); ErrFileBad for the latter when the file says it holds
    // MPEG audio (a Xing/Info frame, or a WAV file of an MPEG format).
    static std::unique_ptr<AudioFile> Open(std::unique_ptr<RegularFile> file, int& error);
    ~MpegFile() override;

    long long Read(float* frames, long long count) override;
    bool Rewind() override;

    // The frames as one stream, for the decoder's reader.
    struct FrameStream {
        RegularFile* file = nullptr;
        std::vector<ByteSpan> runs;
        std::vector<long long> runStarts;  // offset of each run in the stream
        long long size = 0;
        long long position = 0;
    };

private:
    MpegFile(std::unique_ptr<RegularFile> file, std::unique_ptr<FrameStream> frames, mpg123_handle_struct* handle,
             long long count, int sampleRate, int channels, long long skip);

    std::unique_ptr<RegularFile> file_;
    std::unique_ptr<FrameStream> frames_;
    mpg123_handle_struct* handle_;
    long long skip_;  // decoded frames before the audio
    long long toSkip_;  // of those, not yet passed
    long long position_ = 0;  // frames given since the first frame of the audio
    std::vector<float> scratch_;
};

}  // namespace sound
