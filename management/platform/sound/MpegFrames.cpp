#include "MpegFrames.h"

#include "RegularFile.h"

#include <cstdio>
#include <cstring>

namespace sound {

namespace {

constexpr std::size_t kWindow = 1 << 20;
constexpr std::size_t kHeader = 4;
// Enough of a frame to tell a Xing/Info frame: header, check sum, side information.
constexpr std::size_t kInfoTagEnd = 4 + 2 + 32 + 4;

// A part of the file read ahead, for walking it byte by byte.
class Window {
public:
    Window(RegularFile& file, long long end) : file_(file), end_(end), bytes_(kWindow) {}
    // The bytes from at on, at least count of them; nullptr past the end.
    const unsigned char* At(long long at, std::size_t count)
    {
        if (at < 0 || at + static_cast<long long>(count) > end_)
            return nullptr;
        if (at < start_ || at + static_cast<long long>(count) > start_ + static_cast<long long>(filled_)) {
            const auto wanted = static_cast<std::size_t>(std::min<long long>(end_ - at, kWindow));
            filled_ = file_.Seek(at, SEEK_SET) == at ? file_.Read(bytes_.data(), wanted) : 0;
            start_ = at;
            if (filled_ < count)
                return nullptr;
        }
        return bytes_.data() + (at - start_);
    }

private:
    RegularFile& file_;
    long long end_;
    std::vector<unsigned char> bytes_;
    long long start_ = 0;
    std::size_t filled_ = 0;
};

struct Header {
    bool freeFormat = false;  // no bit rate: the size is that of the stream's first frame
    int padding = 0;  // bytes
    int version = 0;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    int layer = 0;
    int sampleRate = 0;
    bool mono = false;
    long long size = 0;
    int samplesPerFrame = 0;

    bool SameKind(const Header& other) const
    {
        return version == other.version && layer == other.layer && sampleRate == other.sampleRate && mono == other.mono;
    }
};

// A frame header; size 0 when the bytes are none, or for free format (no bit
// rate), whose size the walk finds. Reserved values are refused.
Header Parse(const unsigned char* bytes)
{
    static const int kKbps[2][3][15] = {{{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
                                         {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
                                         {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
                                        {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
                                         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
                                         {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
    static const int kRates[3] = {44100, 48000, 32000};
    Header header;
    if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0)
        return header;
    const int version = (bytes[1] >> 3) & 3;
    const int layerBits = (bytes[1] >> 1) & 3;
    const int bitrate = bytes[2] >> 4;
    const int rate = (bytes[2] >> 2) & 3;
    const int emphasis = bytes[3] & 3;
    if (version == 1 || layerBits == 0 || bitrate == 15 || rate == 3 || emphasis == 2)
        return header;
    const bool mpeg1 = version == 3;
    header.version = version;
    header.layer = 4 - layerBits;
    header.sampleRate = kRates[rate] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    header.mono = ((bytes[3] >> 6) & 3) == 3;
    const long long bitsPerSecond = 1000LL * kKbps[mpeg1 ? 0 : 1][header.layer - 1][bitrate];
    header.freeFormat = bitrate == 0;
    header.padding = ((bytes[2] >> 1) & 1) * (header.layer == 1 ? 4 : 1);
    if (header.layer == 1) {
        header.samplesPerFrame = 384;
        header.size = 12 * bitsPerSecond / header.sampleRate * 4;
    } else {
        header.samplesPerFrame = header.layer == 3 && !mpeg1 ? 576 : 1152;
        header.size = header.samplesPerFrame / 8 * bitsPerSecond / header.sampleRate;
    }
    if (header.size > 0)
        header.size += header.padding;
    return header;
}

class Walker {
public:
    Walker(RegularFile& file, ByteSpan span) : window_(file, span.end), end_(span.end) {}

    Header At(long long at)
    {
        const unsigned char* bytes = window_.At(at, kHeader);
        if (bytes == nullptr)
            return Header();
        Header header = Parse(bytes);
        if (header.freeFormat) {
            if (freeSize_ == 0)
                freeSize_ = FreeFormatSize(header, at);
            if (freeSize_ > 0)
                header.size = freeSize_ + header.padding;
        }
        return header;
    }
    bool FollowedBy(const Header& header, long long at, const Header& kind)
    {
        const long long next = at + header.size;
        if (next == end_)
            return true;
        const Header following = At(next);
        return following.size > 0 && following.SameKind(kind);
    }
    // The first frame at or after from that the next one follows, and, at the
    // start, the one after that; -1 when there is none.
    long long Find(long long from, const Header* kind, Header& found)
    {
        for (long long at = from; at + static_cast<long long>(kHeader) <= end_; ++at) {
            const Header header = At(at);
            if (header.size == 0 || (kind != nullptr && !header.SameKind(*kind)))
                continue;
            if (at + header.size > end_ || !FollowedBy(header, at, kind != nullptr ? *kind : header))
                continue;
            const long long second = at + header.size;
            if (kind == nullptr && second != end_ && !FollowedBy(At(second), second, header))
                continue;
            found = header;
            return at;
        }
        return -1;
    }
    bool IsInfoFrame(const Header& header, long long at)
    {
        const unsigned char* bytes = window_.At(at, kInfoTagEnd);
        if (bytes == nullptr || header.layer != 3)
            return false;
        // Some encoders mark the frame as checked and write no check sum in it.
        const bool checksum = (bytes[1] & 1) == 0;
        const std::size_t sideInfo = header.version == 3 ? (header.mono ? 17 : 32) : (header.mono ? 9 : 17);
        const auto tagAt = [&](std::size_t offset) {
            return std::memcmp(bytes + offset, "Xing", 4) == 0 || std::memcmp(bytes + offset, "Info", 4) == 0;
        };
        return tagAt(kHeader + sideInfo) || (checksum && tagAt(kHeader + 2 + sideInfo));
    }

private:
    // Free format: the distance to the next header of the same kind, without
    // padding, as all the stream's frames have it.
    long long FreeFormatSize(const Header& header, long long at)
    {
        constexpr long long kLargestFrame = 4096;
        for (long long next = at + static_cast<long long>(kHeader); next < at + kLargestFrame; ++next) {
            const unsigned char* bytes = window_.At(next, kHeader);
            if (bytes == nullptr)
                return 0;
            const Header following = Parse(bytes);
            if (following.freeFormat && following.SameKind(header))
                return next - at - header.padding;
        }
        return 0;
    }

    Window window_;
    long long end_;
    long long freeSize_ = 0;
};

void Add(MpegFrames& frames, long long at, long long size)
{
    if (frames.runs.empty() || frames.runs.back().end != at)
        frames.runs.push_back({at, at});
    frames.runs.back().end = at + size;
    ++frames.frames;
    frames.bytes += size;
}

}  // namespace

MpegFrames FindMpegFrames(RegularFile& file, ByteSpan span)
{
    MpegFrames frames;
    Walker walker(file, span);
    Header kind;
    long long at = walker.Find(span.begin, nullptr, kind);
    if (at >= 0) {
        frames.layer = kind.layer;
        frames.sampleRate = kind.sampleRate;
        frames.channels = kind.mono ? 1 : 2;
        frames.samplesPerFrame = kind.samplesPerFrame;
        frames.infoFrame = walker.IsInfoFrame(kind, at);
    }
    while (at >= 0) {
        const Header header = walker.At(at);
        if (header.size == 0 || !header.SameKind(kind) || at + header.size > span.end) {
            // Junk or damage: on at the next frame that the one after follows.
            Header next;
            at = walker.Find(at + 1, &kind, next);
            continue;
        }
        if (walker.FollowedBy(header, at, kind)) {
            Add(frames, at, header.size);
            at += header.size;
            continue;
        }
        // A frame that a good one starts inside of is damaged; one that junk
        // follows is not.
        Header next;
        const long long resumed = walker.Find(at + 1, &kind, next);
        if (resumed < 0 || resumed >= at + header.size)
            Add(frames, at, header.size);
        at = resumed;
    }
    file.Seek(0, SEEK_SET);
    return frames;
}

}  // namespace sound
