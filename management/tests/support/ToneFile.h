// Audio files of an exact length, written for tests so no audio is committed.
#pragma once

#include <QString>

namespace soundtest {

// The MP3 kinds start with an Info/Xing frame holding the encoder's delay and
// padding; the header-less ones are the same files without it, as older
// encoders, hardware recorders and stream rippers write them. Mp3InWav holds
// header-less constant bit rate frames in a WAV file, as broadcast tools and
// converters write them.
enum class Kind { Wav, Flac, Ogg, Mp3Cbr, Mp3Vbr, Mp3CbrHeaderless, Mp3VbrHeaderless, Mp3InWav };

struct Tone {
    Kind kind = Kind::Wav;
    long long lengthMs = 1000;
    int sampleRate = 44100;
    int channels = 2;
};

// Writes a tone of tone.lengthMs milliseconds (to the frame) at path; false on failure.
bool WriteTone(const QString& path, const Tone& tone);

// Takes the first frame out of an MP3 file when it is an Info/Xing frame;
// false, and the file unchanged, when it is not.
bool DropInfoFrame(const QString& path);

} // namespace soundtest
