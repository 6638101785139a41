#include "WaveChunks.h"

#include "RegularFile.h"

#include <cstdio>
#include <cstring>

namespace sound {

namespace {

// Chunks before the data (format, fact, broadcast extension, lists) are few.
constexpr int kMostChunks = 64;
constexpr int kExtensible = 0xFFFE;

class Fields {
public:
    Fields(const unsigned char* bytes, bool bigEndian) : bytes_(bytes), bigEndian_(bigEndian) {}
    unsigned Get(int at, int size) const
    {
        unsigned value = 0;
        for (int i = 0; i < size; ++i) {
            const unsigned byte = bytes_[at + (bigEndian_ ? i : size - 1 - i)];
            value = value << 8 | byte;
        }
        return value;
    }

private:
    const unsigned char* bytes_;
    bool bigEndian_;
};

void ReadFormat(RegularFile& file, long long size, bool bigEndian, WaveChunks& chunks)
{
    unsigned char body[40] = {};
    const std::size_t wanted =
        size < static_cast<long long>(sizeof body) ? static_cast<std::size_t>(size) : sizeof body;
    if (size < 16 || file.Read(body, wanted) != wanted)
        return;
    const Fields fields(body, bigEndian);
    chunks.formatTag = static_cast<int>(fields.Get(0, 2));
    const unsigned extra = size >= 18 ? fields.Get(16, 2) : 0;
    if (extra >= 2 && size >= 20)
        chunks.samplesPerBlock = static_cast<int>(fields.Get(18, 2));
    // The sub-format's GUID starts with the format tag it stands for.
    if (chunks.formatTag == kExtensible && extra >= 22 && size >= 40)
        chunks.formatTag = static_cast<int>(fields.Get(24, 2));
}

}  // namespace

WaveChunks ReadWaveChunks(RegularFile& file)
{
    WaveChunks chunks;
    unsigned char head[12];
    if (file.Seek(0, SEEK_SET) != 0 || file.Read(head, sizeof head) != sizeof head
        || std::memcmp(head + 8, "WAVE", 4) != 0) {
        file.Seek(0, SEEK_SET);
        return chunks;
    }
    const bool little = std::memcmp(head, "RIFF", 4) == 0;
    if (!little && std::memcmp(head, "RIFX", 4) != 0) {
        file.Seek(0, SEEK_SET);
        return chunks;
    }
    chunks.bigEndian = !little;
    chunks.riffSize = Fields(head, chunks.bigEndian).Get(4, 4);
    long long at = sizeof head;
    for (int i = 0; i < kMostChunks; ++i) {
        unsigned char header[8];
        if (file.Seek(at, SEEK_SET) != at || file.Read(header, sizeof header) != sizeof header)
            break;
        const long long size = Fields(header, chunks.bigEndian).Get(4, 4);
        if (std::memcmp(header, "data", 4) == 0) {
            chunks.wave = true;
            chunks.dataSizeOffset = at + 4;
            chunks.dataStart = at + 8;
            chunks.dataSize = size;
            break;
        }
        if (std::memcmp(header, "fmt ", 4) == 0) {
            ReadFormat(file, size, chunks.bigEndian, chunks);
        } else if (std::memcmp(header, "fact", 4) == 0 && size >= 4) {
            unsigned char count[4];
            if (file.Read(count, sizeof count) == sizeof count)
                chunks.factSamples = Fields(count, chunks.bigEndian).Get(0, 4);
        }
        at += 8 + size + (size & 1);
    }
    file.Seek(0, SEEK_SET);
    return chunks;
}

}  // namespace sound
