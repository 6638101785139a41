#pragma once

namespace forms::detail {

// The window shown last takes the keyboard, and when it goes the one below
// it takes the keyboard back: the first form at start, a message box or a
// modal form over it, and the form again once they are closed. A window
// manager does this on its own; without one no window would get a key.
void KeyboardFollowsWindows();

}  // namespace forms::detail
