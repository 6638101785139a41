#pragma once

#include <Qt>

namespace forms::detail {

// The numbers mouse events give their handlers: buttons 1 left, 2 right,
// 4 middle; shift 1 shift, 2 ctrl, 4 alt.
int ButtonOf(Qt::MouseButtons buttons);
int ShiftOf(Qt::KeyboardModifiers modifiers);

}  // namespace forms::detail
