#include "FlacFile.h"

#include "RegularFile.h"
#include "Sound.h"

#include <FLAC/stream_decoder.h>

#include <algorithm>
#include <cstdio>

namespace sound {

struct FlacFile::State {
    ~State()
    {
        if (decoder != nullptr)
            FLAC__stream_decoder_delete(decoder);
    }

    FLAC__StreamDecoder* decoder = nullptr;
    RegularFile* file = nullptr;
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    long long statedFrames = 0;  // 0 when the stream does not say
    bool lastFrameBad = false;  // the frame being decoded failed its check
    long long lastEnd = -1;  // where the last frame written ends
    PlacedBlock* block = nullptr;  // where the frames written go while reading
};

namespace {

using State = FlacFile::State;

// The end of the audio is looked for in the last bytes of the file, and
// further back when no frame decodes there.
constexpr long long kEndWindow = 1 << 16;

State& StateOf(void* user)
{
    return *static_cast<State*>(user);
}

FLAC__StreamDecoderReadStatus ReadBytes(const FLAC__StreamDecoder*, FLAC__byte buffer[], size_t* bytes, void* user)
{
    *bytes = StateOf(user).file->Read(buffer, *bytes);
    return *bytes == 0 ? FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM : FLAC__STREAM_DECODER_READ_STATUS_CONTINUE;
}

FLAC__StreamDecoderSeekStatus SeekBytes(const FLAC__StreamDecoder*, FLAC__uint64 offset, void* user)
{
    const auto at = static_cast<long long>(offset);
    return StateOf(user).file->Seek(at, SEEK_SET) == at ? FLAC__STREAM_DECODER_SEEK_STATUS_OK
                                                        : FLAC__STREAM_DECODER_SEEK_STATUS_ERROR;
}

FLAC__StreamDecoderTellStatus TellBytes(const FLAC__StreamDecoder*, FLAC__uint64* offset, void* user)
{
    const long long at = StateOf(user).file->Tell();
    if (at < 0)
        return FLAC__STREAM_DECODER_TELL_STATUS_ERROR;
    *offset = static_cast<FLAC__uint64>(at);
    return FLAC__STREAM_DECODER_TELL_STATUS_OK;
}

FLAC__StreamDecoderLengthStatus FileLength(const FLAC__StreamDecoder*, FLAC__uint64* length, void* user)
{
    const long long size = StateOf(user).file->Size();
    if (size < 0)
        return FLAC__STREAM_DECODER_LENGTH_STATUS_ERROR;
    *length = static_cast<FLAC__uint64>(size);
    return FLAC__STREAM_DECODER_LENGTH_STATUS_OK;
}

FLAC__bool AtEnd(const FLAC__StreamDecoder*, void* user)
{
    const State& state = StateOf(user);
    return state.file->Tell() >= state.file->Size();
}

FLAC__StreamDecoderWriteStatus WriteFrame(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                          const FLAC__int32* const buffer[], void* user)
{
    State& state = StateOf(user);
    // A frame that failed its check may have a damaged header as well: it is
    // left out, and the next good frame's number places the audio after it.
    if (state.lastFrameBad) {
        state.lastFrameBad = false;
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    }
    // Frames of another channel count than the stream states are no part of it.
    if (static_cast<int>(frame->header.channels) != state.channels)
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    const auto start = static_cast<long long>(frame->header.number.sample_number);
    const auto count = static_cast<std::size_t>(frame->header.blocksize);
    state.lastEnd = start + static_cast<long long>(count);
    if (state.block == nullptr)
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    const int bits = std::clamp(static_cast<int>(frame->header.bits_per_sample), 1, 32);
    const float scale = 1.0f / static_cast<float>(1LL << (bits - 1));
    const auto channels = static_cast<std::size_t>(state.channels);
    float* to = state.block->Place(start, count);
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t c = 0; c < channels; ++c)
            to[i * channels + c] = static_cast<float>(buffer[c][i]) * scale;
    }
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
}

void ReadStreamInfo(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* metadata, void* user)
{
    if (metadata->type != FLAC__METADATA_TYPE_STREAMINFO)
        return;
    State& state = StateOf(user);
    const FLAC__StreamMetadata_StreamInfo& info = metadata->data.stream_info;
    state.sampleRate = static_cast<int>(info.sample_rate);
    state.channels = static_cast<int>(info.channels);
    state.bitsPerSample = static_cast<int>(info.bits_per_sample);
    state.statedFrames = static_cast<long long>(info.total_samples);
}

void NoteError(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus status, void* user)
{
    if (status == FLAC__STREAM_DECODER_ERROR_STATUS_FRAME_CRC_MISMATCH)
        StateOf(user).lastFrameBad = true;
}

// Decodes frames until the stream ends or the decoder gives up.
void DecodeToTheEnd(FLAC__StreamDecoder* decoder)
{
    while (FLAC__stream_decoder_get_state(decoder) < FLAC__STREAM_DECODER_END_OF_STREAM
           && FLAC__stream_decoder_process_single(decoder)) {}
}

// Where the last frame that decodes ends; -1 when none does.
long long EndOfAudio(State& state, long long firstFrame)
{
    FLAC__StreamDecoder* decoder = state.decoder;
    const long long size = state.file->Size();
    for (long long window = kEndWindow;; window *= 8) {
        const long long from = std::max(size - window, firstFrame);
        if (!FLAC__stream_decoder_flush(decoder) || state.file->Seek(from, SEEK_SET) != from)
            return -1;
        state.lastEnd = -1;
        state.lastFrameBad = false;
        DecodeToTheEnd(decoder);
        if (state.lastEnd > 0 || from == firstFrame)
            return state.lastEnd;
    }
}

bool StartOver(FLAC__StreamDecoder* decoder)
{
    return FLAC__stream_decoder_reset(decoder) && FLAC__stream_decoder_process_until_end_of_metadata(decoder);
}

}  // namespace

std::unique_ptr<AudioFile> FlacFile::Open(std::unique_ptr<RegularFile> file, int& error)
{
    auto state = std::make_unique<State>();
    state->decoder = FLAC__stream_decoder_new();
    state->file = file.get();
    FLAC__StreamDecoder* decoder = state->decoder;
    if (decoder == nullptr) {
        error = ErrMemory;
        return nullptr;
    }
    FLAC__uint64 firstFrame = 0;
    const bool opened = FLAC__stream_decoder_set_md5_checking(decoder, false)
                        && FLAC__stream_decoder_init_stream(decoder, ReadBytes, SeekBytes, TellBytes, FileLength, AtEnd,
                                                            WriteFrame, ReadStreamInfo, NoteError, state.get())
                               == FLAC__STREAM_DECODER_INIT_STATUS_OK
                        && FLAC__stream_decoder_process_until_end_of_metadata(decoder)
                        && FLAC__stream_decoder_get_decode_position(decoder, &firstFrame) && state->sampleRate > 0
                        && state->channels > 0 && state->bitsPerSample > 0 && state->bitsPerSample <= 32;
    const long long end = opened ? EndOfAudio(*state, static_cast<long long>(firstFrame)) : -1;
    const long long frames = state->statedFrames > 0 ? std::min(end, state->statedFrames) : end;
    if (frames <= 0 || !Measurable(frames, state->sampleRate, state->channels) || !StartOver(decoder)) {
        error = opened ? ErrFileBad : ErrFileFormat;
        return nullptr;
    }
    const int rate = state->sampleRate;
    const int channels = state->channels;
    return std::unique_ptr<AudioFile>(new FlacFile(std::move(file), std::move(state), frames, rate, channels));
}

FlacFile::FlacFile(std::unique_ptr<RegularFile> file, std::unique_ptr<State> state, long long frames, int sampleRate,
                   int channels)
    : AudioFile(frames, sampleRate, channels), file_(std::move(file)), state_(std::move(state)), block_(channels)
{
    state_->block = &block_;
}

FlacFile::~FlacFile() = default;

long long FlacFile::Read(float* frames, long long count)
{
    const long long wanted = std::clamp(count, 0LL, Frames() - position_);
    long long given = 0;
    while (given < wanted) {
        if (block_.Used()) {
            if (FLAC__stream_decoder_get_state(state_->decoder) >= FLAC__STREAM_DECODER_END_OF_STREAM
                || !FLAC__stream_decoder_process_single(state_->decoder))
                break;
            continue;
        }
        given += block_.GiveTo(frames + given * Channels(), wanted - given, position_);
    }
    return given;
}

bool FlacFile::Rewind()
{
    position_ = 0;
    block_.Clear();
    state_->lastFrameBad = false;
    return StartOver(state_->decoder);
}

}  // namespace sound
