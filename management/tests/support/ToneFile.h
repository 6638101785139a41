// Audio files of an exact length, written for tests so no audio is committed.
#pragma once

#include <QByteArray>
#include <QString>

namespace soundtest {

// The MP3 kinds start with an Info/Xing frame holding the encoder's delay and
// padding; the header-less ones are the same files without it, as older
// encoders, hardware recorders and stream rippers write them. Mp3InWav holds
// header-less constant bit rate frames in a WAV file, as broadcast tools and
// converters write them. The ADPCM kinds end in a part block, with a fact
// chunk that states the frames written, as converters write them. Opus wants
// 48000 Hz.
enum class Kind {
    Wav,
    Flac,
    Ogg,
    Opus,
    Mp3Cbr,
    Mp3Vbr,
    Mp3CbrHeaderless,
    Mp3VbrHeaderless,
    Mp3InWav,
    ImaAdpcmWav,
    MsAdpcmWav
};

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

// Files as other tools and accidents leave them, made from a file's bytes.
QByteArray ReadBytes(const QString& path);
bool WriteBytes(const QString& path, const QByteArray& bytes);
// count bytes from at on set to 0, as a bad sector or a broken copy leaves them.
QByteArray ZeroSpan(QByteArray bytes, qsizetype at, qsizetype count);
// count bytes from at on set to random values.
QByteArray FlipBytes(QByteArray bytes, qsizetype at, int count, unsigned seed);
// The RIFF and data sizes of a WAV file left at 0, as a recorder that stopped
// or a writer that could not go back leaves them.
QByteArray ZeroWaveSizes(QByteArray bytes);
// Bytes full of what looks like MPEG frame headers, at uneven distances, and
// bytes that often make one: no audio.
QByteArray HeaderShapedGarbage(qsizetype size, unsigned seed);

}  // namespace soundtest
