#include "Sound.h"

#include "AudioFile.h"
#include "Output.h"
#include "Stream.h"

#include <algorithm>
#include <climits>
#include <map>
#include <mutex>

namespace sound {

namespace {

constexpr int kMinMixRate = 4000;
constexpr int kMaxMixRate = 192000;
constexpr int kMaxChannels = 1024;

struct Engine {
    // Guards everything below: the output mixes on its own thread.
    std::mutex mutex;
    std::map<int, std::unique_ptr<Stream>> streams;
    std::map<int, int> playing; // stream handle -> channel
    int nextHandle = 1;
    int error = ErrNone;
    int driver = 0;
    int mixRate = 0;
    int maxChannels = 0;
    std::unique_ptr<Output> output; // present while the engine runs; declared last, stopped first

    void Fail(int code) { error = code; }
    Stream* Find(int handle)
    {
        const auto found = streams.find(handle);
        if (found != streams.end()) return found->second.get();
        Fail(ErrInvalidParam);
        return nullptr;
    }
    void Mix(float* stereo, int frames);
};

Engine& TheEngine()
{
    static Engine engine;
    return engine;
}

void Engine::Mix(float* stereo, int frames)
{
    std::lock_guard lock(mutex);
    std::fill(stereo, stereo + 2 * frames, 0.0f);
    for (auto it = playing.begin(); it != playing.end();) {
        Stream& stream = *streams.at(it->first);
        stream.MixInto(stereo, frames, mixRate);
        it = stream.AtEnd() ? playing.erase(it) : std::next(it);
    }
    for (int i = 0; i < 2 * frames; ++i) stereo[i] = std::clamp(stereo[i], -1.0f, 1.0f);
}

} // namespace

void Close()
{
    Engine& engine = TheEngine();
    std::unique_ptr<Output> output;
    std::map<int, std::unique_ptr<Stream>> streams;
    {
        std::lock_guard lock(engine.mutex);
        output = std::move(engine.output);
    }
    output.reset(); // the device stops mixing before its streams go
    std::lock_guard lock(engine.mutex);
    streams.swap(engine.streams);
    engine.playing.clear();
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
void SetHWND(std::uintptr_t) { }

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
    // Started unlocked: a device may ask for its first mix before it reports started.
    int error = ErrNone;
    std::unique_ptr<Output> output = StartOutput(
        driver, mixRate, [&engine](float* stereo, int frames) { engine.Mix(stereo, frames); }, error);
    std::lock_guard lock(engine.mutex);
    if (!output) {
        engine.Fail(error);
        return false;
    }
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
    if (offset == 0 && length == 0) file = AudioFile::Open(path, error);
    std::lock_guard lock(engine.mutex);
    if (!file) {
        engine.Fail(error);
        return 0;
    }
    const int handle = engine.nextHandle;
    engine.nextHandle = handle == INT_MAX ? 1 : handle + 1;
    engine.streams[handle] = std::make_unique<Stream>(std::move(file));
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
    std::unique_ptr<Stream> closing;
    std::lock_guard lock(engine.mutex);
    const auto found = engine.streams.find(stream);
    if (found == engine.streams.end()) {
        engine.Fail(ErrInvalidParam);
        return;
    }
    closing = std::move(found->second);
    engine.streams.erase(found);
    engine.playing.erase(stream);
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
    if (found == nullptr) return -1;
    if (channel < 0 || channel >= engine.maxChannels) {
        engine.Fail(ErrInvalidParam);
        return -1;
    }
    if (found->AtEnd()) found->Rewind();
    engine.playing[stream] = channel;
    return channel;
}

void Stream_Stop(int stream)
{
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    if (Stream* found = engine.Find(stream)) {
        engine.playing.erase(stream);
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

} // namespace sound
