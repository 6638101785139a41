// The frames of MPEG audio in a file, found as a careful decoder finds them:
// a frame counts only where the next one follows it, junk and damaged frames
// are passed over up to the next such frame, and frames of another kind
// (another version, layer, rate, or mono among stereo) are no part of it.
#pragma once

#include "AudioBytes.h"

#include <vector>

namespace sound {

class RegularFile;

struct MpegFrames {
    long long frames = 0;  // Xing/Info frame included
    long long bytes = 0;
    bool infoFrame = false;  // the first frame is a Xing/Info frame, as encoders write them
    int layer = 0;
    int sampleRate = 0;
    int channels = 0;
    int samplesPerFrame = 0;
    std::vector<ByteSpan> runs;  // the frames, in runs without a byte between them
};

// Walks the frames within span; leaves the file at its start.
MpegFrames FindMpegFrames(RegularFile& file, ByteSpan span);

}  // namespace sound
