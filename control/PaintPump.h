#pragma once
// Lets the thread's windows repaint without taking any other message from the queue.
void PumpPaintMessages();
