#include "SndFile.h"

#include "RegularFile.h"
#include "Sound.h"

#include <sndfile.h>

#include <vector>

namespace sound {

namespace {

RegularFile& FileOf(void* user)
{
    return *static_cast<RegularFile*>(user);
}

sf_count_t FileLength(void* user)
{
    return FileOf(user).Size();
}

sf_count_t Seek(sf_count_t offset, int whence, void* user)
{
    return FileOf(user).Seek(offset, whence);
}

sf_count_t ReadBytes(void* data, sf_count_t count, void* user)
{
    return static_cast<sf_count_t>(FileOf(user).Read(data, static_cast<std::size_t>(count)));
}

sf_count_t Tell(void* user)
{
    return FileOf(user).Tell();
}

// A file whose header promises more audio than it holds (cut short, or a
// damaged header) must not be measured by its header.
bool DecodesToItsEnd(SNDFILE* sndfile, long long frames, int channels)
{
    if (frames == 0) return true;
    std::vector<float> last(static_cast<std::size_t>(channels));
    return sf_seek(sndfile, frames - 1, SEEK_SET) == frames - 1
        && sf_readf_float(sndfile, last.data(), 1) == 1 && sf_seek(sndfile, 0, SEEK_SET) == 0;
}

// MPEG audio, bare or inside a WAV file as broadcast tools write it, is left to
// the MPEG decoder: this one guesses its length from the bytes and is not quiet.
bool HoldsMpegAudio(int format)
{
    const int encoding = format & SF_FORMAT_SUBMASK;
    return (format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG || encoding == SF_FORMAT_MPEG_LAYER_I
        || encoding == SF_FORMAT_MPEG_LAYER_II || encoding == SF_FORMAT_MPEG_LAYER_III;
}

} // namespace

std::unique_ptr<AudioFile> SndFile::Open(std::unique_ptr<RegularFile> file, int& error)
{
    SF_VIRTUAL_IO io {FileLength, Seek, ReadBytes, nullptr, Tell};
    SF_INFO info {};
    SNDFILE* sndfile = sf_open_virtual(&io, SFM_READ, &info, file.get());
    if (sndfile == nullptr) {
        error = ErrFileFormat;
        return nullptr;
    }
    if (HoldsMpegAudio(info.format)) {
        sf_close(sndfile);
        error = ErrFileFormat;
        return nullptr;
    }
    const bool described
        = info.frames != SF_COUNT_MAX && Measurable(info.frames, info.samplerate, info.channels);
    if (!described || !DecodesToItsEnd(sndfile, info.frames, info.channels)) {
        sf_close(sndfile);
        error = described ? ErrFileBad : ErrFileFormat;
        return nullptr;
    }
    return std::unique_ptr<AudioFile>(
        new SndFile(std::move(file), sndfile, info.frames, info.samplerate, info.channels));
}

SndFile::SndFile(
    std::unique_ptr<RegularFile> file, sf_private_tag* sndfile, long long frames, int sampleRate, int channels)
    : AudioFile(frames, sampleRate, channels)
    , file_(std::move(file))
    , sndfile_(sndfile)
{
}

SndFile::~SndFile()
{
    sf_close(sndfile_);
}

long long SndFile::Read(float* frames, long long count)
{
    const sf_count_t read = sf_readf_float(sndfile_, frames, count);
    return read > 0 ? read : 0;
}

bool SndFile::Rewind()
{
    return sf_seek(sndfile_, 0, SEEK_SET) == 0;
}

} // namespace sound
