#include "ToneFile.h"

#include <QFile>

#include <sndfile.h>

#include <cmath>
#include <vector>

namespace soundtest {

namespace {

int FormatOf(Kind kind)
{
    switch (kind) {
    case Kind::Wav:
        return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case Kind::Flac:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case Kind::Ogg:
        return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case Kind::Mp3Cbr:
    case Kind::Mp3Vbr:
        return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    }
    return 0;
}

} // namespace

bool WriteTone(const QString& path, const Tone& tone)
{
    SF_INFO info {};
    info.samplerate = tone.sampleRate;
    info.channels = tone.channels;
    info.format = FormatOf(tone.kind);
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr) return false;
    if (tone.kind == Kind::Mp3Cbr || tone.kind == Kind::Mp3Vbr) {
        int mode = tone.kind == Kind::Mp3Vbr ? SF_BITRATE_MODE_VARIABLE : SF_BITRATE_MODE_CONSTANT;
        double level = 0.5;
        sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
        sf_command(file, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    }
    const long long frames = tone.lengthMs * tone.sampleRate / 1000;
    constexpr long long kBlock = 4096;
    std::vector<float> block(static_cast<std::size_t>(kBlock * tone.channels));
    bool written = true;
    for (long long done = 0; done < frames && written;) {
        const long long count = std::min(kBlock, frames - done);
        for (long long i = 0; i < count; ++i) {
            // A gliding tone, so variable bit rates really vary.
            const double t = static_cast<double>(done + i) / tone.sampleRate;
            const float sample = static_cast<float>(0.3 * std::sin(2 * M_PI * (220 + 40 * std::sin(t)) * t));
            for (int c = 0; c < tone.channels; ++c)
                block[static_cast<std::size_t>(i * tone.channels + c)] = sample;
        }
        written = sf_writef_float(file, block.data(), count) == count;
        done += count;
    }
    return sf_close(file) == 0 && written;
}

} // namespace soundtest
