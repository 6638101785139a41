#include "AudioFile.h"

#include "MpegFile.h"
#include "RegularFile.h"
#include "SndFile.h"
#include "Sound.h"

#include <QByteArray>

#include <climits>
#include <cstddef>

namespace sound {

namespace {

// How much of a file's start is looked at for what it holds.
constexpr std::size_t kStartBytes = 1 << 16;

// MPEG audio starts with an ID3v2 tag or with a frame's sync bits.
bool StartsWithMpegAudio(const QByteArray& start)
{
    if (start.size() < 3) return false;
    const auto second = static_cast<unsigned char>(start[1]);
    return start.startsWith("ID3") || (static_cast<unsigned char>(start[0]) == 0xFF && (second & 0xE0) == 0xE0);
}

// Broadcast tools put MPEG audio in WAV files: the format tag of the "fmt "
// chunk is 0x50 (layers I and II) or 0x55 (layer III).
bool IsWavOfMpegAudio(const QByteArray& start)
{
    const bool littleEndian = start.startsWith("RIFF");
    if ((!littleEndian && !start.startsWith("RIFX")) || start.mid(8, 4) != "WAVE") return false;
    const qsizetype format = start.indexOf("fmt ", 12);
    if (format < 0 || format + 10 > start.size()) return false;
    const int first = static_cast<unsigned char>(start[format + 8]);
    const int second = static_cast<unsigned char>(start[format + 9]);
    const int tag = littleEndian ? first | second << 8 : second | first << 8;
    return tag == 0x50 || tag == 0x55;
}

// Both decoders would take MPEG audio; only the MPEG one reads it exactly and
// quietly.
bool HoldsMpegAudio(RegularFile& file)
{
    QByteArray start(static_cast<qsizetype>(kStartBytes), '\0');
    start.resize(static_cast<qsizetype>(file.Read(start.data(), kStartBytes)));
    file.Seek(0, SEEK_SET);
    return StartsWithMpegAudio(start) || IsWavOfMpegAudio(start);
}

} // namespace

std::unique_ptr<AudioFile> AudioFile::Open(const QString& path, int& error)
{
    std::unique_ptr<RegularFile> file = RegularFile::Open(path, error);
    if (!file) return nullptr;
    if (!HoldsMpegAudio(*file)) {
        std::unique_ptr<AudioFile> other = SndFile::Open(std::move(file), error);
        if (other || error != ErrFileFormat) return other;
        // MPEG audio cut in the middle of a frame, after some junk, or in a WAV
        // file whose format chunk lies further in.
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
