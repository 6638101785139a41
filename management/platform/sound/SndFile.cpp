#include "SndFile.h"

#include "OggPages.h"
#include "RegularFile.h"
#include "Sound.h"
#include "WaveChunks.h"

#include <sndfile.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace sound {

namespace {

using View = SndFile::View;

constexpr long long kMaxSize32 = 0xFFFFFFFF;
constexpr sf_count_t kCountBlock = 4096;

View& ViewOf(void* user)
{
    return *static_cast<View*>(user);
}

sf_count_t FileLength(void* user)
{
    return ViewOf(user).file->Size();
}

sf_count_t Seek(sf_count_t offset, int whence, void* user)
{
    return ViewOf(user).file->Seek(offset, whence);
}

sf_count_t ReadBytes(void* data, sf_count_t count, void* user)
{
    View& view = ViewOf(user);
    const long long from = view.file->Tell();
    const auto read = static_cast<long long>(view.file->Read(data, static_cast<std::size_t>(count)));
    for (int i = 0; i < 4; ++i) {
        const long long at = view.patchAt + i - from;
        if (view.patchAt >= 0 && at >= 0 && at < read)
            static_cast<unsigned char*>(data)[at] = view.patch[i];
    }
    return read;
}

sf_count_t Tell(void* user)
{
    return ViewOf(user).file->Tell();
}

bool StartsAChunk(RegularFile& file, long long at)
{
    unsigned char id[4];
    const bool read = file.Seek(at, SEEK_SET) == at && file.Read(id, sizeof id) == sizeof id;
    file.Seek(0, SEEK_SET);
    return read && std::all_of(id, id + 4, [](unsigned char c) { return c >= 0x20 && c < 0x7F; });
}

// A data chunk of size 0 with audio after it: a recorder that stopped, or a
// writer that could not go back, never filled the size in.
void MendUnwrittenDataSize(const WaveChunks& chunks, RegularFile& file, View& view)
{
    const long long fileSize = file.Size();
    const bool riffUnwritten =
        chunks.riffSize == 0 || chunks.riffSize == kMaxSize32 || chunks.riffSize + 8 <= chunks.dataStart;
    const bool unwritten = chunks.wave && chunks.dataSize == 0 && fileSize > chunks.dataStart
                           && (riffUnwritten || !StartsAChunk(file, chunks.dataStart));
    if (!unwritten)
        return;
    const auto size = static_cast<unsigned long>(std::min(fileSize - chunks.dataStart, kMaxSize32 - 1));
    for (int i = 0; i < 4; ++i) {
        const int shift = 8 * (chunks.bigEndian ? 3 - i : i);
        view.patch[i] = static_cast<unsigned char>((size >> shift) & 0xFF);
    }
    view.patchAt = chunks.dataSizeOffset;
}

// ADPCM decodes whole blocks; the fact chunk states how many of the last
// block's frames are audio.
long long FramesOfAdpcm(const WaveChunks& chunks, long long blockFrames)
{
    const bool adpcm = chunks.formatTag == kWaveImaAdpcm || chunks.formatTag == kWaveMsAdpcm;
    const bool inLastBlock = chunks.factSamples > 0 && chunks.factSamples <= blockFrames
                             && blockFrames - chunks.factSamples < chunks.samplesPerBlock;
    return adpcm && inLastBlock ? chunks.factSamples : blockFrames;
}

SNDFILE* OpenView(View& view, SF_INFO& info)
{
    SF_VIRTUAL_IO io{FileLength, Seek, ReadBytes, nullptr, Tell};
    info = SF_INFO{};
    view.file->Seek(0, SEEK_SET);
    return sf_open_virtual(&io, SFM_READ, &info, &view);
}

bool DecodesToItsEnd(SNDFILE* sndfile, long long frames, int channels)
{
    if (frames == 0)
        return true;
    std::vector<float> last(static_cast<std::size_t>(channels));
    return sf_seek(sndfile, frames - 1, SEEK_SET) == frames - 1 && sf_readf_float(sndfile, last.data(), 1) == 1;
}

long long DecodedFrames(SNDFILE* sndfile, int channels)
{
    std::vector<float> block(static_cast<std::size_t>(kCountBlock * channels));
    long long frames = 0;
    for (sf_count_t read; (read = sf_readf_float(sndfile, block.data(), kCountBlock)) > 0;)
        frames += read;
    return frames;
}

// MPEG audio, bare or inside a WAV file as broadcast tools write it, is left to
// the MPEG decoder: this one guesses its length from the bytes and is not quiet.
bool HoldsMpegAudio(int format)
{
    const int encoding = format & SF_FORMAT_SUBMASK;
    return (format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG || encoding == SF_FORMAT_MPEG_LAYER_I
           || encoding == SF_FORMAT_MPEG_LAYER_II || encoding == SF_FORMAT_MPEG_LAYER_III;
}

}  // namespace

std::unique_ptr<AudioFile> SndFile::Open(std::unique_ptr<RegularFile> file, int& error)
{
    auto view = std::make_unique<View>();
    view->file = file.get();
    const WaveChunks chunks = ReadWaveChunks(*file);
    MendUnwrittenDataSize(chunks, *file, *view);
    SF_INFO info{};
    SNDFILE* sndfile = OpenView(*view, info);
    if (sndfile == nullptr) {
        error = ErrFileFormat;
        return nullptr;
    }
    if (HoldsMpegAudio(info.format) || info.frames == SF_COUNT_MAX
        || !Measurable(info.frames, info.samplerate, info.channels)) {
        sf_close(sndfile);
        error = ErrFileFormat;
        return nullptr;
    }
    long long frames = chunks.wave ? FramesOfAdpcm(chunks, info.frames) : info.frames;
    const bool damagedOgg = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_OGG && !OggPagesIntact(*file);
    if (damagedOgg || !DecodesToItsEnd(sndfile, frames, info.channels)) {
        // Counted on a decoder that has not sought, as playing reads it.
        sf_close(sndfile);
        sndfile = OpenView(*view, info);
        frames = sndfile != nullptr ? std::min(frames, DecodedFrames(sndfile, info.channels)) : 0;
    }
    if (sndfile != nullptr && sf_seek(sndfile, 0, SEEK_SET) != 0) {
        sf_close(sndfile);
        sndfile = OpenView(*view, info);
    }
    if (sndfile == nullptr) {
        error = ErrFileBad;
        return nullptr;
    }
    return std::unique_ptr<AudioFile>(
        new SndFile(std::move(file), std::move(view), sndfile, frames, info.samplerate, info.channels));
}

SndFile::SndFile(std::unique_ptr<RegularFile> file, std::unique_ptr<View> view, sf_private_tag* sndfile,
                 long long frames, int sampleRate, int channels)
    : AudioFile(frames, sampleRate, channels), file_(std::move(file)), view_(std::move(view)), sndfile_(sndfile)
{
}

SndFile::~SndFile()
{
    sf_close(sndfile_);
}

long long SndFile::Read(float* frames, long long count)
{
    const sf_count_t read = sf_readf_float(sndfile_, frames, std::clamp(count, 0LL, Frames() - position_));
    position_ += std::max<sf_count_t>(read, 0);
    return read > 0 ? read : 0;
}

// A decoder that met a fault may not seek any more: it starts anew.
bool SndFile::Rewind()
{
    position_ = 0;
    if (sf_seek(sndfile_, 0, SEEK_SET) == 0)
        return true;
    SF_INFO info{};
    SNDFILE* again = OpenView(*view_, info);
    if (again == nullptr)
        return false;
    sf_close(sndfile_);
    sndfile_ = again;
    return true;
}

}  // namespace sound
