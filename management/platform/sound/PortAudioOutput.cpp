#include "PortAudioOutput.h"

#include "Sound.h"

#include <alsa/asoundlib.h>
#include <jack/jack.h>
#include <portaudio.h>

#include <cstdlib>
#include <vector>

namespace sound {

namespace {

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...)
{
}
void IgnoreJackMessage(const char*)
{
}

// Probing the sound systems of a machine without a device writes pages of
// messages to stderr; the engine reports its own failure instead.
void QuietSoundSystems()
{
    snd_lib_error_set_handler(IgnoreAlsaMessage);
    jack_set_error_function(IgnoreJackMessage);
    jack_set_info_function(IgnoreJackMessage);
    setenv("JACK_NO_START_SERVER", "1", 0);
}

PaDeviceIndex OutputDevice(int driver)
{
    std::vector<PaDeviceIndex> outputs;
    for (PaDeviceIndex i = 0; i < Pa_GetDeviceCount(); ++i) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(i);
        if (info != nullptr && info->maxOutputChannels >= 1)
            outputs.push_back(i);
    }
    if (driver > 0 && static_cast<std::size_t>(driver) < outputs.size())
        return outputs[driver];
    return Pa_GetDefaultOutputDevice();
}

int FillFromMix(const void*, void* output, unsigned long frames, const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags,
                void* render)
{
    (*static_cast<Output::Render*>(render))(static_cast<float*>(output), static_cast<int>(frames));
    return paContinue;
}

}  // namespace

std::unique_ptr<PortAudioOutput> PortAudioOutput::Start(int driver, int mixRate, Render render, int& error)
{
    QuietSoundSystems();
    if (Pa_Initialize() != paNoError) {
        error = ErrInit;
        return nullptr;
    }
    std::unique_ptr<PortAudioOutput> output(new PortAudioOutput(std::move(render)));
    const PaDeviceIndex device = OutputDevice(driver);
    const PaDeviceInfo* info = device == paNoDevice ? nullptr : Pa_GetDeviceInfo(device);
    if (info == nullptr) {
        error = ErrInit;
        return nullptr;  // the destructor ends PortAudio
    }
    PaStreamParameters parameters{};
    parameters.device = device;
    parameters.channelCount = 2;
    parameters.sampleFormat = paFloat32;
    parameters.suggestedLatency = info->defaultHighOutputLatency;
    PaStream* stream = nullptr;
    if (Pa_OpenStream(&stream, nullptr, &parameters, mixRate, paFramesPerBufferUnspecified, paClipOff, FillFromMix,
                      &output->render_)
        != paNoError) {
        error = ErrInit;
        return nullptr;
    }
    output->stream_ = stream;
    if (Pa_StartStream(stream) != paNoError) {
        error = ErrInit;
        return nullptr;
    }
    return output;
}

PortAudioOutput::~PortAudioOutput()
{
    if (stream_ != nullptr) {
        Pa_StopStream(stream_);
        Pa_CloseStream(stream_);
    }
    Pa_Terminate();
}

}  // namespace sound
