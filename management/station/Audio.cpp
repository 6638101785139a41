#include "station/Audio.h"

#include "station/Tiempo.h"

#include "forms/Form.h"
#include "forms/MsgBox.h"
#include "sound/Sound.h"

#include <QWidget>

#include <cmath>
#include <iterator>
#include <optional>

namespace {

// The file's length in milliseconds; none when it cannot be opened.
std::optional<double> LengthMs(const QString& Fichero)
{
    const int stream = sound::Stream_Open(Fichero, 0, 0);
    if (stream == 0)
        return std::nullopt;
    const double ms = sound::Stream_GetLengthMs(stream);
    sound::Stream_Close(stream);
    return ms;
}

}  // namespace

void IniciarAudio(forms::Form& form)
{
    sound::Close();
    sound::SetDriver(1);
    QWidget* surface = form.Surface();
    sound::SetHWND(surface ? surface->window()->winId() : 0);
    if (!sound::Init(44100, 32)) {
        forms::MsgBox("Erro al inicar el Driver de Audio\r\n" + TextoErrorSonido(sound::GetError()), forms::vbOKOnly);
    }
}

QString Duracion(const QString& Fichero, double* Segundos_Fichero)
{
    const std::optional<double> ms = LengthMs(Fichero);
    if (!ms) {
        forms::MsgBox("Fichero invalido", forms::vbOKOnly);
        return QString();
    }
    // Tiempo and the seconds round the same way (halves to even), so they agree.
    if (Segundos_Fichero)
        *Segundos_Fichero = std::nearbyint(*ms / 1000);
    return Tiempo(*ms / 1000);
}

double Duracion2(const QString& Fichero, bool redondear)
{
    const std::optional<double> ms = LengthMs(Fichero);
    if (!ms)
        return 0;
    return redondear ? std::nearbyint(*ms / 1000) : *ms / 1000;
}

QString TextoErrorSonido(int code)
{
    static const char* const kTexts[] = {
        "No errors",
        "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.",
        "This command failed because FSOUND_Init was not called",
        "Error initializing output device.",
        "The output device is already in use and cannot be reused.",
        "Playing the sound failed.",
        "Soundcard does not support the features needed for this soundsystem (16bit stereo output)",
        "Error setting cooperative level for hardware.",
        "Error creating hardware sound buffer.",
        "File not found",
        "Unknown file format",
        "Error loading file",
        "Not enough memory ",
        "The version number of this file format is not supported",
        "An invalid parameter was passed to this function",
        "Tried to use an EAX command on a non EAX enabled channel or output.",
        "Failed to allocate a new channel",
        "Recording is not supported on this machine",
        "Required Mediaplayer codec is not installed",
        "An error occured trying to open the specified CD device",
    };
    if (code < 0 || code >= static_cast<int>(std::size(kTexts)))
        return "Unknown error";
    return kTexts[code];
}
