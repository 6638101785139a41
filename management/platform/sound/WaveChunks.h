// What the chunks of a RIFF WAVE file say before its audio: the format, the
// sample count of the fact chunk and where the data chunk lies.
#pragma once

namespace sound {

class RegularFile;

struct WaveChunks {
    bool wave = false;  // a RIFF (or big-endian RIFX) WAVE file with a data chunk
    bool bigEndian = false;
    long long riffSize = -1;  // as written; streaming writers leave 0 or 0xFFFFFFFF
    int formatTag = -1;  // of the fmt chunk, that of the sub-format for extensible files
    int samplesPerBlock = 0;  // ADPCM formats: frames a block decodes to
    long long factSamples = -1;  // frames stated by the fact chunk
    long long dataSizeOffset = -1;  // where the data chunk's size is written
    long long dataStart = -1;  // first byte of the data
    long long dataSize = -1;  // as written
};

// Reads the chunks up to the data chunk; leaves the file at its start.
WaveChunks ReadWaveChunks(RegularFile& file);

// Format tags.
constexpr int kWaveMsAdpcm = 0x0002;
constexpr int kWaveImaAdpcm = 0x0011;
constexpr int kWaveMpeg = 0x0050;
constexpr int kWaveMpegLayer3 = 0x0055;

}  // namespace sound
