#include "AudioBytes.h"

#include "RegularFile.h"
#include "WaveChunks.h"

#include <cstdio>
#include <cstring>

namespace sound {

namespace {

constexpr long long kId3v1Size = 128;
constexpr long long kApeFooterSize = 32;
constexpr long long kLyricsEndSize = 15;  // six digits of size and "LYRICS200"

bool ReadAt(RegularFile& file, long long at, unsigned char* bytes, std::size_t count)
{
    return at >= 0 && file.Seek(at, SEEK_SET) == at && file.Read(bytes, count) == count;
}

long long LittleEndian32(const unsigned char* bytes)
{
    return static_cast<long long>(bytes[0]) | static_cast<long long>(bytes[1]) << 8
           | static_cast<long long>(bytes[2]) << 16 | static_cast<long long>(bytes[3]) << 24;
}

// Tags written one after the other, as some tools do when they add a tag.
long long AfterId3v2Tags(RegularFile& file, long long end)
{
    long long at = 0;
    unsigned char header[10];
    while (ReadAt(file, at, header, sizeof header) && std::memcmp(header, "ID3", 3) == 0) {
        // The size is written seven bits a byte; a footer of ten bytes may follow.
        long long size = 0;
        for (int i = 6; i < 10; ++i)
            size = size << 7 | (header[i] & 0x7F);
        const long long footer = (header[5] & 0x10) != 0 ? 10 : 0;
        if (at + 10 + size + footer > end)
            break;
        at += 10 + size + footer;
    }
    return at;
}

long long BeforeEndTags(RegularFile& file, long long begin, long long end)
{
    unsigned char bytes[kApeFooterSize];
    if (end - begin >= kId3v1Size && ReadAt(file, end - kId3v1Size, bytes, 3) && std::memcmp(bytes, "TAG", 3) == 0)
        end -= kId3v1Size;
    if (end - begin >= kLyricsEndSize && ReadAt(file, end - kLyricsEndSize, bytes, kLyricsEndSize)
        && std::memcmp(bytes + 6, "LYRICS200", 9) == 0) {
        long long size = 0;
        bool digits = true;
        for (int i = 0; i < 6; ++i) {
            digits = digits && bytes[i] >= '0' && bytes[i] <= '9';
            size = size * 10 + (bytes[i] - '0');
        }
        if (digits && end - begin >= size + kLyricsEndSize)
            end -= size + kLyricsEndSize;
    }
    if (end - begin >= kApeFooterSize && ReadAt(file, end - kApeFooterSize, bytes, kApeFooterSize)
        && std::memcmp(bytes, "APETAGEX", 8) == 0) {
        // The size counts the items and the footer; a header of 32 bytes may stand before them.
        const long long size = LittleEndian32(bytes + 12) + ((bytes[23] & 0x80) != 0 ? kApeFooterSize : 0);
        if (size >= kApeFooterSize && end - begin >= size)
            end -= size;
    }
    return end;
}

}  // namespace

ByteSpan AudioBytes(RegularFile& file)
{
    ByteSpan span;
    span.end = file.Size();
    const WaveChunks chunks = ReadWaveChunks(file);
    if (chunks.wave) {
        span.begin = chunks.dataStart;
        // A size never written (0) or one of a stream of unknown length leaves the data to the end of the file.
        if (chunks.dataSize > 0 && chunks.dataStart + chunks.dataSize < span.end && chunks.dataSize != 0xFFFFFFFF)
            span.end = chunks.dataStart + chunks.dataSize;
    } else {
        span.begin = AfterId3v2Tags(file, span.end);
        span.end = BeforeEndTags(file, span.begin, span.end);
    }
    file.Seek(0, SEEK_SET);
    return span;
}

}  // namespace sound
