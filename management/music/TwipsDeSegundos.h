// Places on the catalogue's timeline, one twip per second of audio: seconds
// rounded to a whole twip (halves to even), kept inside what a control's
// position holds.
#pragma once

int TwipsDeSegundos(double segundos);
