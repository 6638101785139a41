#include "AudioFile.h"

#include "MpegFile.h"
#include "RegularFile.h"
#include "SndFile.h"
#include "Sound.h"

#include <climits>

namespace sound {

namespace {

// MPEG audio starts with an ID3v2 tag or with a frame's sync bits; both
// decoders would take it, only the MPEG one reads it exactly and quietly.
bool StartsLikeMpegAudio(RegularFile& file)
{
    unsigned char start[3] {};
    const bool read = file.Read(start, sizeof start) == sizeof start;
    file.Seek(0, SEEK_SET);
    if (!read) return false;
    const bool id3 = start[0] == 'I' && start[1] == 'D' && start[2] == '3';
    const bool sync = start[0] == 0xFF && (start[1] & 0xE0) == 0xE0;
    return id3 || sync;
}

} // namespace

std::unique_ptr<AudioFile> AudioFile::Open(const QString& path, int& error)
{
    std::unique_ptr<RegularFile> file = RegularFile::Open(path, error);
    if (!file) return nullptr;
    if (!StartsLikeMpegAudio(*file)) {
        std::unique_ptr<AudioFile> other = SndFile::Open(std::move(file), error);
        if (other || error != ErrFileFormat) return other;
        // MPEG audio cut in the middle of a frame, or after some junk.
        file = RegularFile::Open(path, error);
        if (!file) return nullptr;
    }
    return MpegFile::Open(std::move(file), error);
}

AudioFile::AudioFile(long long frames, int sampleRate, int channels)
    : frames_(frames)
    , sampleRate_(sampleRate)
    , channels_(channels)
{
}

int AudioFile::LengthMs() const
{
    return static_cast<int>(frames_ * 1000 / sampleRate_);
}

bool AudioFile::Measurable(long long frames, int sampleRate, int channels)
{
    return sampleRate > 0 && channels > 0 && frames >= 0 && frames / sampleRate < INT_MAX / 1000;
}

} // namespace sound
