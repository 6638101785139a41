// The program's sound engine: one per process, started by Init and shut down
// by Close; streams measure and play audio files.
//
//   const int s = sound::Stream_Open(path, 0, 0);
//   if (s != 0) { ms = sound::Stream_GetLengthMs(s); sound::Stream_Close(s); }
//
// Streams open and measure without a started engine (a server has no sound
// device); playing needs Init. A running engine decodes the playing streams
// on a thread of its own, a second ahead of the device, which only copies.
// Failures leave their code for GetError (the codes of TextoErrorSonido). The
// environment variable VARNOOK_SOUND_OUTPUT chooses the output of Init:
// "silent" plays in real time into nothing (for tests), "none" behaves as a
// machine without a device; unset, the sound device.
#pragma once

#include <QString>

#include <cstdint>

namespace sound {

// Codes left for GetError.
enum Error : int {
    ErrNone = 0,
    ErrBusy = 1,  // not allowed while the engine runs
    ErrUninitialized = 2,  // needs Init
    ErrInit = 3,  // no output device could be started
    ErrFileNotFound = 9,
    ErrFileFormat = 10,
    ErrFileBad = 11,  // unreadable, or little of what it says it holds decodes
    ErrMemory = 12,
    ErrInvalidParam = 14,
};

void Close();
// 0 is the default output device; n picks the n-th output device when the
// machine has more than n of them, the default one otherwise.
void SetDriver(int driver);
void SetHWND(std::uintptr_t window);
// Every output here plays whichever window has the focus.
bool Init(int mixRate, int maxChannels);
int GetError();

// 0 when the file cannot be opened or holds no audio that decodes. The
// length is what the file plays: frames lost to damage are passed over, or
// given as silence where the format numbers its frames. Sample format and
// channels are the file's own; offset and length must be 0 (the whole file).
int Stream_Open(const QString& path, int offset, int length);
int Stream_GetLengthMs(int stream);
void Stream_Close(int stream);
// Plays from the current position (from the start after Stop or the end);
// gives the channel, -1 on failure.
int Stream_Play(int channel, int stream);
// Stops and rewinds.
void Stream_Stop(int stream);
// Milliseconds of the stream played so far.
int Stream_GetTime(int stream);

}  // namespace sound
