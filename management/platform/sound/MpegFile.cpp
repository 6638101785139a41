#include "MpegFile.h"

#include "RegularFile.h"
#include "Sound.h"

#include <mpg123.h>

#include <algorithm>

namespace sound {

namespace {

// Without a LAME tag nothing says how much of the decoded start and end of an
// MP3 is no audio. Encoders of that family start with 576 frames of delay, to
// which the decoder adds 529, and pad the end with at least 576: skipping the
// first 1105 and leaving out the last 47 loses no audio, and the length is at
// most one MPEG frame longer than what was encoded. Layers I and II are
// measured as they decode.
constexpr long long kUntaggedStart = 576 + 529;
constexpr long long kUntaggedEnd = 576 - 529;

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

mpg123_ssize_t ReadBytes(void* user, void* data, std::size_t count)
{
    return static_cast<mpg123_ssize_t>(static_cast<RegularFile*>(user)->Read(data, count));
}

off_t Seek(void* user, off_t offset, int whence)
{
    return static_cast<off_t>(static_cast<RegularFile*>(user)->Seek(offset, whence));
}

// Quiet (nothing on stderr, whatever the file holds), gapless when the file
// says how, and one stream per file: no second format after the first.
Handle NewDecoder()
{
    int code = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &code));
    if (!handle) return nullptr;
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS | MPG123_NO_FRANKENSTEIN, 0);
    mpg123_format_none(handle.get());
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (std::size_t i = 0; i < rateCount; ++i)
        mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    return handle;
}

} // namespace

std::unique_ptr<AudioFile> MpegFile::Open(std::unique_ptr<RegularFile> file, int& error)
{
    Handle handle = NewDecoder();
    if (!handle) {
        error = ErrMemory;
        return nullptr;
    }
    mpg123_handle* h = handle.get();
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_replace_reader_handle(h, ReadBytes, Seek, nullptr) != MPG123_OK
        || mpg123_open_handle(h, file.get()) != MPG123_OK
        || mpg123_getformat(h, &rate, &channels, &encoding) != MPG123_OK) {
        error = ErrFileFormat;
        return nullptr;
    }
    mpg123_format_none(h);
    mpg123_format(h, rate, channels, MPG123_ENC_FLOAT_32);

    long encoderDelay = -1;
    mpg123_getstate(h, MPG123_ENC_DELAY, &encoderDelay, nullptr);
    const bool tagged = encoderDelay >= 0;
    mpg123_frameinfo first {};
    const bool untaggedMp3 = !tagged && mpg123_info(h, &first) == MPG123_OK && first.layer == 3;
    const off_t stated = mpg123_framelength(h);
    if (mpg123_scan(h) != MPG123_OK || (tagged && mpg123_framelength(h) < stated)) {
        error = ErrFileBad;
        return nullptr;
    }
    const long long decoded = mpg123_length(h);
    const long long skip = untaggedMp3 ? std::min(kUntaggedStart, std::max(decoded, 0LL)) : 0;
    const long long frames = untaggedMp3 ? std::max(decoded - kUntaggedStart - kUntaggedEnd, 0LL) : decoded;
    if (!Measurable(frames, static_cast<int>(rate), channels) || mpg123_seek(h, skip, SEEK_SET) != skip) {
        error = ErrFileBad;
        return nullptr;
    }
    return std::unique_ptr<AudioFile>(
        new MpegFile(std::move(file), handle.release(), frames, static_cast<int>(rate), channels, skip));
}

MpegFile::MpegFile(std::unique_ptr<RegularFile> file, mpg123_handle_struct* handle, long long frames,
    int sampleRate, int channels, long long skip)
    : AudioFile(frames, sampleRate, channels)
    , file_(std::move(file))
    , handle_(handle)
    , skip_(skip)
{
}

MpegFile::~MpegFile()
{
    mpg123_delete(handle_);
}

long long MpegFile::Read(float* frames, long long count)
{
    const std::size_t frameBytes = sizeof(float) * static_cast<std::size_t>(Channels());
    const std::size_t wanted = static_cast<std::size_t>(std::clamp(count, 0LL, Frames() - position_)) * frameBytes;
    auto* out = reinterpret_cast<unsigned char*>(frames);
    std::size_t got = 0;
    while (got < wanted) {
        std::size_t done = 0;
        const int result = mpg123_read(handle_, out + got, wanted - got, &done);
        got += done;
        // The end, or a fault no resync gets past.
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) break;
        if (result == MPG123_OK && done == 0) break;
    }
    const long long read = static_cast<long long>(got / frameBytes);
    position_ += read;
    return read;
}

bool MpegFile::Rewind()
{
    position_ = 0;
    return mpg123_seek(handle_, skip_, SEEK_SET) == skip_;
}

} // namespace sound
