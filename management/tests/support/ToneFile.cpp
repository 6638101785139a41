#include "support/ToneFile.h"

#include <QFile>

#include <sndfile.h>

#include <cmath>
#include <random>
#include <vector>

namespace soundtest {

namespace {

int FormatOf(Kind kind)
{
    switch (kind) {
    case Kind::Wav: return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case Kind::Flac: return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case Kind::Ogg: return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case Kind::Opus: return SF_FORMAT_OGG | SF_FORMAT_OPUS;
    case Kind::ImaAdpcmWav: return SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM;
    case Kind::MsAdpcmWav: return SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
    case Kind::Mp3Cbr:
    case Kind::Mp3Vbr:
    case Kind::Mp3CbrHeaderless:
    case Kind::Mp3VbrHeaderless:
    case Kind::Mp3InWav: return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    return 0;
}

bool Variable(Kind kind)
{
    return kind == Kind::Mp3Vbr || kind == Kind::Mp3VbrHeaderless;
}

bool Headerless(Kind kind)
{
    return kind == Kind::Mp3CbrHeaderless || kind == Kind::Mp3VbrHeaderless || kind == Kind::Mp3InWav;
}

void AppendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

QByteArray Chunk(const char* id, const QByteArray& body)
{
    QByteArray chunk(id);
    AppendLittleEndian(chunk, static_cast<quint32>(body.size()), 4);
    chunk += body;
    if (body.size() % 2 == 1)
        chunk.append('\0');
    return chunk;
}

// Puts the MP3 frames at path in a WAV file: format tag 0x55 with its MPEG
// layer III fields, the sample count and the frames as data.
bool WrapInWav(const QString& path, const Tone& tone, long long samples)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray frames = file.readAll();
    QByteArray format;
    AppendLittleEndian(format, 0x55, 2);
    AppendLittleEndian(format, static_cast<quint32>(tone.channels), 2);
    AppendLittleEndian(format, static_cast<quint32>(tone.sampleRate), 4);
    AppendLittleEndian(format, 16000, 4);  // bytes a second
    AppendLittleEndian(format, 1, 2);  // block align
    AppendLittleEndian(format, 0, 2);  // bits a sample
    AppendLittleEndian(format, 12, 2);  // size of the fields that follow
    AppendLittleEndian(format, 1, 2);  // MPEG layer III
    AppendLittleEndian(format, 2, 4);  // padding off
    AppendLittleEndian(format, 417, 2);  // block size
    AppendLittleEndian(format, 1, 2);  // frames a block
    AppendLittleEndian(format, 1393, 2);  // codec delay
    QByteArray sampleCount;
    AppendLittleEndian(sampleCount, static_cast<quint32>(samples), 4);
    const QByteArray wave = "WAVE" + Chunk("fmt ", format) + Chunk("fact", sampleCount) + Chunk("data", frames);
    const QByteArray riff = Chunk("RIFF", wave);
    return file.resize(0) && file.seek(0) && file.write(riff) == riff.size();
}

// This writer states the frames a channel in the fact chunk of IMA ADPCM;
// converters state the frames, as the format wants.
bool StateFramesInFact(const QString& path, long long frames)
{
    QByteArray bytes = ReadBytes(path);
    const qsizetype fact = bytes.indexOf("fact");
    if (fact < 0 || fact + 12 > bytes.size())
        return false;
    QByteArray count;
    AppendLittleEndian(count, static_cast<quint32>(frames), 4);
    bytes.replace(fact + 8, 4, count);
    return WriteBytes(path, bytes);
}

// Bytes of the layer III frame whose four header bytes start at frame; 0 when
// they are no frame header.
int Layer3FrameSize(const unsigned char* frame)
{
    static const int kbpsMpeg1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int kbpsMpeg2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int rateMpeg1[] = {44100, 48000, 32000};
    const int version = (frame[1] >> 3) & 3;  // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int layer = (frame[1] >> 1) & 3;  // 1: layer III
    const int bitrate = frame[2] >> 4;
    const int rate = (frame[2] >> 2) & 3;
    if (frame[0] != 0xFF || (frame[1] & 0xE0) != 0xE0 || version == 1 || layer != 1 || bitrate == 0 || bitrate == 15
        || rate == 3)
        return 0;
    const bool mpeg1 = version == 3;
    const int sampleRate = rateMpeg1[rate] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const int kbps = (mpeg1 ? kbpsMpeg1 : kbpsMpeg2)[bitrate];
    return (mpeg1 ? 144000 : 72000) * kbps / sampleRate + ((frame[2] >> 1) & 1);
}

}  // namespace

bool WriteTone(const QString& path, const Tone& tone)
{
    SF_INFO info{};
    info.samplerate = tone.sampleRate;
    info.channels = tone.channels;
    info.format = FormatOf(tone.kind);
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr)
        return false;
    if ((info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) {
        int mode = Variable(tone.kind) ? SF_BITRATE_MODE_VARIABLE : SF_BITRATE_MODE_CONSTANT;
        double level = 0.5;
        sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
        sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
    const long long frames = tone.lengthMs * tone.sampleRate / 1000;
    constexpr long long kBlock = 4096;
    std::vector<float> block(static_cast<std::size_t>(kBlock * tone.channels));
    bool written = true;
    for (long long done = 0; done < frames && written;) {
        const long long count = std::min(kBlock, frames - done);
        for (long long i = 0; i < count; ++i) {
            // A gliding tone, so variable bit rates really vary.
            const double t = static_cast<double>(done + i) / tone.sampleRate;
            const float sample = static_cast<float>(0.3 * std::sin(2 * M_PI * (220 + 40 * std::sin(t)) * t));
            for (int c = 0; c < tone.channels; ++c)
                block[static_cast<std::size_t>(i * tone.channels + c)] = sample;
        }
        written = sf_writef_float(file, block.data(), count) == count;
        done += count;
    }
    return sf_close(file) == 0 && written && (!Headerless(tone.kind) || DropInfoFrame(path))
           && (tone.kind != Kind::Mp3InWav || WrapInWav(path, tone, frames))
           && (tone.kind != Kind::ImaAdpcmWav || StateFramesInFact(path, frames));
}

bool DropInfoFrame(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const int size = bytes.size() >= 4 ? Layer3FrameSize(data) : 0;
    if (size == 0 || size > bytes.size())
        return false;
    const QByteArray frame = bytes.left(size);
    if (!frame.contains("Xing") && !frame.contains("Info"))
        return false;
    bytes.remove(0, size);
    return file.resize(0) && file.seek(0) && file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray ZeroSpan(QByteArray bytes, qsizetype at, qsizetype count)
{
    for (qsizetype i = at; i < at + count && i < bytes.size(); ++i)
        bytes[i] = '\0';
    return bytes;
}

QByteArray FlipBytes(QByteArray bytes, qsizetype at, int count, unsigned seed)
{
    std::mt19937 random(seed);
    for (qsizetype i = at; i < at + count && i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(random() % 256);
    return bytes;
}

QByteArray ZeroWaveSizes(QByteArray bytes)
{
    const qsizetype data = bytes.indexOf("data", 12);
    if (!bytes.startsWith("RIFF") || data < 0 || data + 8 > bytes.size())
        return QByteArray();
    bytes.replace(4, 4, QByteArray(4, '\0'));
    bytes.replace(data + 4, 4, QByteArray(4, '\0'));
    return bytes;
}

QByteArray HeaderShapedGarbage(qsizetype size, unsigned seed)
{
    // A layer III header of 128 kbit/s at 44100 Hz, and the bytes frame headers are made of.
    static const char kHeader[] = "\xFF\xFB\x90\x64";
    static const unsigned char kHeaderBytes[] = {0xFF, 0xFB, 0xFA, 0xF3, 0x90, 0x64, 0x44, 0x00};
    std::mt19937 random(seed);
    QByteArray bytes;
    while (bytes.size() < size) {
        bytes.append(kHeader, 4);
        for (unsigned gap = 8 + random() % 800; gap > 0; --gap) {
            const unsigned pick = random() % 10;
            bytes.append(static_cast<char>(pick < 8 ? kHeaderBytes[pick] : random() % 256));
        }
    }
    bytes.truncate(size);
    return bytes;
}

}  // namespace soundtest
