// Text comparison as a Spanish station expects it: case never matters, "ñ"
// sorts after "n", and accented letters sort with their plain letter (an
// accent only separates otherwise equal words, the plain one first).
// JetLike matches the engine's LIKE patterns (* ? # [list] [!list]) the same
// case-insensitive way.
#pragma once

#include <QString>

namespace jet::detail {

int CompareSpanish(const char* left, int leftLength, const char* right, int rightLength);
bool JetLike(const QString& pattern, const QString& text);

} // namespace jet::detail
