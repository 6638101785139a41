#include "AudioFile.h"

#include "FlacFile.h"
#include "MpegFile.h"
#include "RegularFile.h"
#include "SndFile.h"
#include "Sound.h"
#include "VorbisFile.h"
#include "WaveChunks.h"

#include <QByteArray>

#include <climits>
#include <cstddef>

namespace sound {

namespace {

// How much of a file's start is looked at for what it holds.
constexpr std::size_t kStartBytes = 1 << 16;

enum class Content { Flac, Vorbis, Mpeg, Other };

// Bytes of the ID3v2 tags at the start; some tools put them before FLAC too.
qsizetype Id3v2Size(const QByteArray& start)
{
    qsizetype at = 0;
    while (start.mid(at, 3) == "ID3" && start.size() >= at + 10) {
        qsizetype size = 0;
        for (qsizetype i = at + 6; i < at + 10; ++i)
            size = size << 7 | (static_cast<unsigned char>(start[i]) & 0x7F);
        at += 10 + size + ((static_cast<unsigned char>(start[at + 5]) & 0x10) != 0 ? 10 : 0);
    }
    return at;
}

// MPEG audio starts with an ID3v2 tag or with a frame's sync bits.
bool StartsWithMpegAudio(const QByteArray& start)
{
    if (start.size() < 3)
        return false;
    const auto second = static_cast<unsigned char>(start[1]);
    return start.startsWith("ID3") || (static_cast<unsigned char>(start[0]) == 0xFF && (second & 0xE0) == 0xE0);
}

Content WhatItHolds(RegularFile& file)
{
    QByteArray start(static_cast<qsizetype>(kStartBytes), '\0');
    start.resize(static_cast<qsizetype>(file.Read(start.data(), kStartBytes)));
    file.Seek(0, SEEK_SET);
    const qsizetype tags = Id3v2Size(start);
    if (start.mid(tags, 4) == "fLaC")
        return Content::Flac;
    // The first page of an Ogg Vorbis stream holds its identification header.
    if (start.startsWith("OggS") && start.indexOf("\x01vorbis") >= 0 && start.indexOf("\x01vorbis") < 64)
        return Content::Vorbis;
    const int format = ReadWaveChunks(file).formatTag;
    // Broadcast tools put MPEG audio in WAV files.
    if (StartsWithMpegAudio(start) || format == kWaveMpeg || format == kWaveMpegLayer3)
        return Content::Mpeg;
    return Content::Other;
}

}  // namespace

std::unique_ptr<AudioFile> AudioFile::Open(const QString& path, int& error)
{
    std::unique_ptr<RegularFile> file = RegularFile::Open(path, error);
    if (!file)
        return nullptr;
    switch (WhatItHolds(*file)) {
    case Content::Flac: return FlacFile::Open(std::move(file), error);
    case Content::Vorbis: return VorbisFile::Open(std::move(file), error);
    case Content::Mpeg:
        // Not then tried as another format: the general decoder takes what
        // starts like MPEG audio for it, and reports on stderr what it skips.
        return MpegFile::Open(std::move(file), error);
    case Content::Other: break;
    }
    std::unique_ptr<AudioFile> other = SndFile::Open(std::move(file), error);
    if (other || error != ErrFileFormat)
        return other;
    // MPEG audio cut in the middle of a frame, or after some junk.
    file = RegularFile::Open(path, error);
    return file ? MpegFile::Open(std::move(file), error) : nullptr;
}

AudioFile::AudioFile(long long frames, int sampleRate, int channels)
    : frames_(frames), sampleRate_(sampleRate), channels_(channels)
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

}  // namespace sound
