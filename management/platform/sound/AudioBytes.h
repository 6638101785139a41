// Where the audio of a file lies: tags and containers left out.
#pragma once

namespace sound {

class RegularFile;

struct ByteSpan {
    long long begin = 0;
    long long end = 0;
    long long Size() const { return end > begin ? end - begin : 0; }
};

// The file without its ID3v2 tags at the start and its ID3v1, APEv2 and
// Lyrics3 tags at the end; of a WAV file, its data chunk. Leaves the file at
// its start.
ByteSpan AudioBytes(RegularFile& file);

}  // namespace sound
