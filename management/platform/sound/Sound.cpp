#include "Sound.h"

#include "AudioFile.h"
#include "DecoderThread.h"
#include "Mixer.h"
#include "Output.h"
#include "Stream.h"

#include <climits>
#include <map>
#include <mutex>

namespace sound {

namespace {

constexpr int kMinMixRate = 4000;
constexpr int kMaxMixRate = 192000;
constexpr int kMaxChannels = 1024;
// Decoded on the caller's thread when a stream starts, so it sounds at once.
constexpr int kStartFractionOfSecond = 5;

struct Engine {
    // Guards everything below. The output's thread never takes it: it plays
    // what the mixer was last given.
    std::mutex mutex;
    std::map<int, std::shared_ptr<Stream>> streams;
    std::map<int, int> playing;  // stream handle -> channel
    int nextHandle = 1;
    int error = ErrNone;
    int driver = 0;
    int mixRate = 0;
    int maxChannels = 0;
    Mixer mixer;
    std::unique_ptr<DecoderThread> decoder;  // present while the engine runs
    std::unique_ptr<Output> output;  // present while the engine runs; declared last, stopped first

    void Fail(int code) { error = code; }
    Stream* Find(int handle)
    {
        const auto found = streams.find(handle);
        if (found != streams.end())
            return found->second.get();
        Fail(ErrInvalidParam);
        return nullptr;
    }
    // Hands the playing streams to the output and the decoder.
    void Publish()
    {
        Mixer::Streams list;
        for (const auto& [handle, channel] : playing)
            list.push_back(streams.at(handle));
        if (decoder)
            decoder->Assign(list);
        mixer.Publish(std::move(list));
    }
    // Takes a stream from the output, so that it may be rewound.
    void Withdraw(int handle)
    {
        if (playing.erase(handle) > 0)
            Publish();
    }
};

Engine& TheEngine()
{
    static Engine engine;
    return engine;
}

}  // namespace

void Close()
{
    Engine& engine = TheEngine();
    std::unique_ptr<Output> output;
    std::unique_ptr<DecoderThread> decoder;
    std::map<int, std::shared_ptr<Stream>> streams;
    {
        std::lock_guard lock(engine.mutex);
        output = std::move(engine.output);
        decoder = std::move(engine.decoder);
    }
    output.reset();  // the device stops mixing, then the decoder stops, before the streams go
    decoder.reset();
    std::lock_guard lock(engine.mutex);
    streams.swap(engine.streams);
    engine.playing.clear();
    engine.Publish();
}

void SetDriver(int driver)
{
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    if (engine.output) {
        engine.Fail(ErrBusy);
    } else if (driver < 0) {
        engine.Fail(ErrInvalidParam);
    } else {
        engine.driver = driver;
    }
}

// The output here needs no window: it plays whichever window has the focus.
void SetHWND(std::uintptr_t)
{
}

bool Init(int mixRate, int maxChannels)
{
    Engine& engine = TheEngine();
    int driver = 0;
    {
        std::lock_guard lock(engine.mutex);
        if (engine.output) {
            engine.Fail(ErrBusy);
            return false;
        }
        if (mixRate < kMinMixRate || mixRate > kMaxMixRate || maxChannels < 1 || maxChannels > kMaxChannels) {
            engine.Fail(ErrInvalidParam);
            return false;
        }
        engine.mixRate = mixRate;
        engine.maxChannels = maxChannels;
        driver = engine.driver;
    }
    int error = ErrNone;
    std::unique_ptr<Output> output = StartOutput(
        driver, mixRate, [&engine](float* stereo, int frames) { engine.mixer.Mix(stereo, frames); }, error);
    std::lock_guard lock(engine.mutex);
    if (!output) {
        engine.Fail(error);
        return false;
    }
    engine.decoder = std::make_unique<DecoderThread>();
    engine.output = std::move(output);
    return true;
}

int GetError()
{
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    return engine.error;
}

int Stream_Open(const QString& path, int offset, int length)
{
    Engine& engine = TheEngine();
    int error = ErrInvalidParam;
    std::unique_ptr<AudioFile> file;
    if (offset == 0 && length == 0)
        file = AudioFile::Open(path, error);
    std::lock_guard lock(engine.mutex);
    if (!file) {
        engine.Fail(error);
        return 0;
    }
    const int handle = engine.nextHandle;
    engine.nextHandle = handle == INT_MAX ? 1 : handle + 1;
    engine.streams[handle] = std::make_shared<Stream>(std::move(file));
    return handle;
}

int Stream_GetLengthMs(int stream)
{
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    const Stream* found = engine.Find(stream);
    return found ? found->LengthMs() : 0;
}

void Stream_Close(int stream)
{
    Engine& engine = TheEngine();
    std::shared_ptr<Stream> closing;
    std::lock_guard lock(engine.mutex);
    const auto found = engine.streams.find(stream);
    if (found == engine.streams.end()) {
        engine.Fail(ErrInvalidParam);
        return;
    }
    engine.Withdraw(stream);
    closing = std::move(found->second);
    engine.streams.erase(found);
}

int Stream_Play(int channel, int stream)
{
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    if (!engine.output) {
        engine.Fail(ErrUninitialized);
        return -1;
    }
    Stream* found = engine.Find(stream);
    if (found == nullptr)
        return -1;
    if (channel < 0 || channel >= engine.maxChannels) {
        engine.Fail(ErrInvalidParam);
        return -1;
    }
    if (found->AtEnd()) {
        engine.Withdraw(stream);
        found->Rewind();
    }
    if (engine.playing.count(stream) == 0) {
        found->Prepare(engine.mixRate);
        found->Fill(static_cast<std::size_t>(engine.mixRate / kStartFractionOfSecond));
    }
    engine.playing[stream] = channel;
    engine.Publish();
    return channel;
}

void Stream_Stop(int stream)
{
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    if (Stream* found = engine.Find(stream)) {
        engine.Withdraw(stream);
        found->Rewind();
    }
}

int Stream_GetTime(int stream)
{
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    const Stream* found = engine.Find(stream);
    return found ? found->PositionMs() : 0;
}

}  // namespace sound
