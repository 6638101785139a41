// Audio files of an exact length, written for tests so no audio is committed.
#pragma once

#include <QString>

namespace soundtest {

enum class Kind { Wav, Flac, Ogg, Mp3Cbr, Mp3Vbr };

struct Tone {
    Kind kind = Kind::Wav;
    long long lengthMs = 1000;
    int sampleRate = 44100;
    int channels = 2;
};

// Writes a tone of tone.lengthMs milliseconds (to the frame) at path; false on failure.
bool WriteTone(const QString& path, const Tone& tone);

} // namespace soundtest
