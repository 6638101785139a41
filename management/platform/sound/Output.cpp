#include "Output.h"

#include "PortAudioOutput.h"
#include "SilentOutput.h"
#include "Sound.h"

#include <QByteArray>

namespace sound {

std::unique_ptr<Output> StartOutput(int driver, int mixRate, Output::Render render, int& error)
{
    const QByteArray chosen = qgetenv("VARNOOK_SOUND_OUTPUT");
    if (chosen == "silent")
        return std::make_unique<SilentOutput>(mixRate, std::move(render));
    if (chosen == "none") {
        error = ErrInit;
        return nullptr;
    }
    return PortAudioOutput::Start(driver, mixRate, std::move(render), error);
}

}  // namespace sound
