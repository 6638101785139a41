#include "MpegFile.h"

#include "MpegFrames.h"
#include "RegularFile.h"
#include "Sound.h"
#include "WaveChunks.h"

#include <mpg123.h>

#include <algorithm>
#include <cstdio>

namespace sound {

namespace {

using FrameStream = MpegFile::FrameStream;

// Layer III decoders put out 529 frames before the first encoded one.
constexpr long long kDecoderDelay = 529;
// Without a LAME tag nothing says how much of the decoded start and end of an
// MP3 is no audio. Encoders of that family start with 576 frames of delay, to
// which the decoder adds 529, and pad the end with at least 576: skipping the
// first 1105 and leaving out the last 47 loses no audio, and the length is at
// most one MPEG frame longer than what was encoded. Layers I and II are
// measured as they decode.
constexpr long long kUntaggedStart = 576 + kDecoderDelay;
constexpr long long kUntaggedEnd = 576 - kDecoderDelay;
constexpr long long kSkipBlock = 4096;

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

mpg123_ssize_t ReadFrames(void* user, void* data, std::size_t count)
{
    FrameStream& frames = *static_cast<FrameStream*>(user);
    auto* out = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < count && frames.position < frames.size) {
        const auto run =
            static_cast<std::size_t>(std::upper_bound(frames.runStarts.begin(), frames.runStarts.end(), frames.position)
                                     - frames.runStarts.begin() - 1);
        const long long inRun = frames.position - frames.runStarts[run];
        const long long from = frames.runs[run].begin + inRun;
        const auto wanted = static_cast<std::size_t>(
            std::min<long long>(static_cast<long long>(count - done), frames.runs[run].Size() - inRun));
        const std::size_t read = frames.file->Seek(from, SEEK_SET) == from ? frames.file->Read(out + done, wanted) : 0;
        if (read == 0)
            break;
        done += read;
        frames.position += static_cast<long long>(read);
    }
    return static_cast<mpg123_ssize_t>(done);
}

off_t SeekFrames(void* user, off_t offset, int whence)
{
    FrameStream& frames = *static_cast<FrameStream*>(user);
    const long long base = whence == SEEK_CUR ? frames.position : whence == SEEK_END ? frames.size : 0;
    const long long at = base + offset;
    if (at < 0 || at > frames.size)
        return -1;
    frames.position = at;
    return static_cast<off_t>(at);
}

// Quiet (nothing on stderr, whatever the file holds), in float, and without
// gapless trimming: the delay and padding are taken off here, so that frames
// that follow the count of a LAME tag (files joined together) still play.
Handle NewDecoder(int sampleRate, int channels)
{
    int code = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &code));
    if (!handle)
        return nullptr;
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_param(handle.get(), MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0);
    mpg123_format_none(handle.get());
    mpg123_format(handle.get(), sampleRate, channels == 1 ? MPG123_MONO : MPG123_STEREO, MPG123_ENC_FLOAT_32);
    return handle;
}

std::unique_ptr<FrameStream> StreamOf(RegularFile& file, const MpegFrames& found)
{
    auto frames = std::make_unique<FrameStream>();
    frames->file = &file;
    frames->runs = found.runs;
    for (const ByteSpan& run : found.runs) {
        frames->runStarts.push_back(frames->size);
        frames->size += run.Size();
    }
    return frames;
}

}  // namespace

std::unique_ptr<AudioFile> MpegFile::Open(std::unique_ptr<RegularFile> file, int& error)
{
    const WaveChunks chunks = ReadWaveChunks(*file);
    const ByteSpan audioBytes = AudioBytes(*file);
    const MpegFrames found = FindMpegFrames(*file, audioBytes);
    const long long audioFrames = found.frames - (found.infoFrame ? 1 : 0);
    if (audioFrames <= 0 || found.bytes * 2 < audioBytes.Size()) {
        const bool saysMpeg = found.infoFrame || chunks.formatTag == kWaveMpeg || chunks.formatTag == kWaveMpegLayer3;
        error = saysMpeg ? ErrFileBad : ErrFileFormat;
        return nullptr;
    }
    std::unique_ptr<FrameStream> frames = StreamOf(*file, found);
    Handle handle = NewDecoder(found.sampleRate, found.channels);
    if (!handle) {
        error = ErrMemory;
        return nullptr;
    }
    mpg123_handle* h = handle.get();
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_replace_reader_handle(h, ReadFrames, SeekFrames, nullptr) != MPG123_OK
        || mpg123_open_handle(h, frames.get()) != MPG123_OK
        || mpg123_getformat(h, &rate, &channels, &encoding) != MPG123_OK || rate != found.sampleRate
        || channels != found.channels) {
        error = ErrFileBad;
        return nullptr;
    }
    long encoderDelay = -1;
    long encoderPadding = -1;
    mpg123_getstate(h, MPG123_ENC_DELAY, &encoderDelay, nullptr);
    mpg123_getstate(h, MPG123_ENC_PADDING, &encoderPadding, nullptr);

    const long long decoded = audioFrames * found.samplesPerFrame;
    long long start = 0;
    long long end = 0;
    if (encoderDelay >= 0) {
        start = encoderDelay + kDecoderDelay;
        end = std::max<long long>(encoderPadding - kDecoderDelay, 0);
    } else if (found.layer == 3) {
        start = kUntaggedStart;
        end = kUntaggedEnd;
    }
    start = std::min(start, decoded);
    const long long count = std::max(decoded - start - end, 0LL);
    if (!Measurable(count, found.sampleRate, found.channels)) {
        error = ErrFileBad;
        return nullptr;
    }
    return std::unique_ptr<AudioFile>(new MpegFile(std::move(file), std::move(frames), handle.release(), count,
                                                   found.sampleRate, found.channels, start));
}

MpegFile::MpegFile(std::unique_ptr<RegularFile> file, std::unique_ptr<FrameStream> frames, mpg123_handle_struct* handle,
                   long long count, int sampleRate, int channels, long long skip)
    : AudioFile(count, sampleRate, channels), file_(std::move(file)), frames_(std::move(frames)), handle_(handle),
      skip_(skip), toSkip_(skip), scratch_(static_cast<std::size_t>(kSkipBlock * channels))
{
}

MpegFile::~MpegFile()
{
    mpg123_delete(handle_);
}

long long MpegFile::Read(float* frames, long long count)
{
    const std::size_t frameBytes = sizeof(float) * static_cast<std::size_t>(Channels());
    const long long wanted = std::clamp(count, 0LL, Frames() - position_);
    long long given = 0;
    bool decoding = true;
    while (given < wanted && decoding) {
        const bool skipping = toSkip_ > 0;
        const long long ask = skipping ? std::min(toSkip_, kSkipBlock) : wanted - given;
        auto* out = reinterpret_cast<unsigned char*>(skipping ? scratch_.data() : frames + given * Channels());
        std::size_t done = 0;
        const int result = mpg123_read(handle_, out, static_cast<std::size_t>(ask) * frameBytes, &done);
        const auto got = static_cast<long long>(done / frameBytes);
        if (skipping) {
            toSkip_ -= got;
        } else {
            given += got;
        }
        decoding = (result == MPG123_OK && done > 0) || result == MPG123_NEW_FORMAT;
    }
    position_ += given;
    return given;
}

bool MpegFile::Rewind()
{
    position_ = 0;
    toSkip_ = skip_;
    return mpg123_seek(handle_, 0, SEEK_SET) == 0;
}

}  // namespace sound
