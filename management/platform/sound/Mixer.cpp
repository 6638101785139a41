#include "Mixer.h"

#include "Stream.h"

#include <algorithm>
#include <thread>

namespace sound {

void Mixer::Mix(float* stereo, int frames)
{
    mixes_.fetch_add(1);
    std::fill(stereo, stereo + 2 * frames, 0.0f);
    if (const Streams* streams = current_.load()) {
        for (const std::shared_ptr<Stream>& stream : *streams)
            stream->AddTo(stereo, frames);
    }
    for (int i = 0; i < 2 * frames; ++i)
        stereo[i] = std::clamp(stereo[i], -1.0f, 1.0f);
    mixes_.fetch_add(1);
}

void Mixer::Publish(Streams streams)
{
    auto next = std::make_unique<const Streams>(std::move(streams));
    current_.store(next.get());
    // A mix that began before the store may still read the old list: it is
    // kept until that mix is over; a later one reads the new list.
    const unsigned long long seen = mixes_.load();
    if (seen % 2 == 1) {
        while (mixes_.load() == seen)
            std::this_thread::yield();
    }
    published_ = std::move(next);
}

}  // namespace sound
