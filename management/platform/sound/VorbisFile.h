// Ogg Vorbis through libvorbisfile. Pages lost to damage cost their own
// length only: the decoder goes on at the next good page, and its position
// puts what follows in its place, with silence for what was lost. Files
// joined together play as one while their format stays that of the first.
#pragma once

#include "AudioFile.h"
#include "PlacedBlock.h"

struct OggVorbis_File;

namespace sound {

class RegularFile;

class VorbisFile : public AudioFile {
public:
    // ErrFileFormat when the file holds no Vorbis stream; ErrFileBad when its
    // end does not decode.
    static std::unique_ptr<AudioFile> Open(std::unique_ptr<RegularFile> file, int& error);
    ~VorbisFile() override;

    long long Read(float* frames, long long count) override;
    bool Rewind() override;

private:
    VorbisFile(std::unique_ptr<RegularFile> file, OggVorbis_File* vorbis, long long frames, int sampleRate,
               int channels, int links);

    std::unique_ptr<RegularFile> file_;
    OggVorbis_File* vorbis_;
    int links_;  // the streams, one after the other, that play
    PlacedBlock block_;
    long long position_ = 0;
};

}  // namespace sound
