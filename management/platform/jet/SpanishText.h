// JetLike matches the engine's LIKE patterns (* ? # [list] [!list]) as a
// Spanish station expects: case never matters ("ñ*" finds "Ñu"). The order
// of texts is in collation/SpanishCollation.h.
#pragma once

#include <QString>

namespace jet::detail {

bool JetLike(const QString& pattern, const QString& text);

}  // namespace jet::detail
