#include "VorbisFile.h"

#include "RegularFile.h"
#include "Sound.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace sound {

namespace {

constexpr int kReadFrames = 4096;

RegularFile& FileOf(void* user)
{
    return *static_cast<RegularFile*>(user);
}

std::size_t ReadBytes(void* data, std::size_t size, std::size_t count, void* user)
{
    return size == 0 ? 0 : FileOf(user).Read(data, size * count) / size;
}

int SeekBytes(void* user, ogg_int64_t offset, int whence)
{
    return FileOf(user).Seek(offset, whence) < 0 ? -1 : 0;
}

long TellBytes(void* user)
{
    return static_cast<long>(FileOf(user).Tell());
}

bool SameFormat(const vorbis_info* a, const vorbis_info* b)
{
    return a != nullptr && b != nullptr && a->rate == b->rate && a->channels == b->channels;
}

// The frames of the leading streams that share the first one's format.
long long FramesOf(OggVorbis_File* vorbis, int& links)
{
    long long frames = 0;
    const vorbis_info* first = ov_info(vorbis, 0);
    for (links = 0; links < ov_streams(vorbis) && SameFormat(first, ov_info(vorbis, links)); ++links) {
        const ogg_int64_t total = ov_pcm_total(vorbis, links);
        if (total < 0)
            return -1;
        frames += total;
    }
    return frames;
}

bool LastFrameDecodes(OggVorbis_File* vorbis, long long frames)
{
    if (frames == 0)
        return true;
    float** pcm = nullptr;
    int link = 0;
    return ov_pcm_seek(vorbis, frames - 1) == 0 && ov_read_float(vorbis, &pcm, 1, &link) == 1;
}

// Frames from position on, up to wanted of them, with silence for pages lost.
long long ReadPlaced(OggVorbis_File* vorbis, int links, PlacedBlock& block, long long& position, float* frames,
                     long long wanted, int channels)
{
    const auto count = static_cast<std::size_t>(channels);
    long long given = 0;
    while (given < wanted) {
        if (block.Used()) {
            float** pcm = nullptr;
            int link = 0;
            const long read = ov_read_float(vorbis, &pcm, kReadFrames, &link);
            if (read == OV_HOLE)
                continue;
            if (read <= 0 || link >= links)
                break;
            // The position after a hole is that of the page the decoder went on at.
            const auto decoded = static_cast<std::size_t>(read);
            float* to = block.Place(ov_pcm_tell(vorbis) - read, decoded);
            for (std::size_t i = 0; i < decoded; ++i) {
                for (std::size_t c = 0; c < count; ++c)
                    to[i * count + c] = pcm[c][i];
            }
        }
        given += block.GiveTo(frames + static_cast<std::size_t>(given) * count, wanted - given, position);
    }
    return given;
}

// Where playing from the start stops, when the end of the stream does not
// decode: damage there leaves nothing the decoder can go on at.
long long FramesThatPlay(OggVorbis_File* vorbis, int links, long long frames, int channels)
{
    if (ov_pcm_seek(vorbis, 0) != 0)
        return 0;
    PlacedBlock block(channels);
    std::vector<float> scratch(static_cast<std::size_t>(kReadFrames * channels));
    long long position = 0;
    while (ReadPlaced(vorbis, links, block, position, scratch.data(),
                      std::min<long long>(kReadFrames, frames - position), channels)
           > 0) {}
    return position;
}

}  // namespace

std::unique_ptr<AudioFile> VorbisFile::Open(std::unique_ptr<RegularFile> file, int& error)
{
    auto vorbis = std::make_unique<OggVorbis_File>();
    const ov_callbacks callbacks{ReadBytes, SeekBytes, nullptr, TellBytes};
    if (ov_open_callbacks(file.get(), vorbis.get(), nullptr, 0, callbacks) != 0) {
        error = ErrFileFormat;
        return nullptr;
    }
    int links = 0;
    long long frames = FramesOf(vorbis.get(), links);
    const vorbis_info* info = ov_info(vorbis.get(), 0);
    const int rate = info != nullptr ? static_cast<int>(info->rate) : 0;
    const int channels = info != nullptr ? info->channels : 0;
    const bool measurable = Measurable(frames, rate, channels);
    if (measurable && !LastFrameDecodes(vorbis.get(), frames))
        frames = FramesThatPlay(vorbis.get(), links, frames, channels);
    if (!measurable || ov_pcm_seek(vorbis.get(), 0) != 0) {
        ov_clear(vorbis.get());
        error = ErrFileBad;
        return nullptr;
    }
    return std::unique_ptr<AudioFile>(new VorbisFile(std::move(file), vorbis.release(), frames, rate, channels, links));
}

VorbisFile::VorbisFile(std::unique_ptr<RegularFile> file, OggVorbis_File* vorbis, long long frames, int sampleRate,
                       int channels, int links)
    : AudioFile(frames, sampleRate, channels), file_(std::move(file)), vorbis_(vorbis), links_(links), block_(channels)
{
}

VorbisFile::~VorbisFile()
{
    ov_clear(vorbis_);
    delete vorbis_;
}

long long VorbisFile::Read(float* frames, long long count)
{
    const long long wanted = std::clamp(count, 0LL, Frames() - position_);
    return ReadPlaced(vorbis_, links_, block_, position_, frames, wanted, Channels());
}

bool VorbisFile::Rewind()
{
    position_ = 0;
    block_.Clear();
    return ov_pcm_seek(vorbis_, 0) == 0;
}

}  // namespace sound
