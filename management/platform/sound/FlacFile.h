// FLAC through libFLAC. A damaged frame costs its own length only: the
// decoder finds the next frame, and the frame numbers put what follows in its
// place, with silence for what was lost. The length is where the last frame
// that decodes ends, never past the length the stream states.
#pragma once

#include "AudioFile.h"
#include "PlacedBlock.h"

namespace sound {

class RegularFile;

class FlacFile : public AudioFile {
public:
    // ErrFileFormat when the file holds no FLAC stream; ErrFileBad when no
    // frame of it decodes.
    static std::unique_ptr<AudioFile> Open(std::unique_ptr<RegularFile> file, int& error);
    ~FlacFile() override;

    long long Read(float* frames, long long count) override;
    bool Rewind() override;

    // The decoder and what its callbacks need.
    struct State;

private:
    FlacFile(std::unique_ptr<RegularFile> file, std::unique_ptr<State> state, long long frames, int sampleRate,
             int channels);

    std::unique_ptr<RegularFile> file_;
    std::unique_ptr<State> state_;
    PlacedBlock block_;
    long long position_ = 0;  // next frame to give
};

}  // namespace sound
