// FindFirst's criteria as SQLite can answer them from an index: a column
// LIKE a pattern that begins with plain letters becomes also a range of the
// column's Spanish order, which every text that matches lies in.
#pragma once

#include "Connection.h"

#include <QString>

namespace jet::detail {

// condition: translated SQL; anything but a LIKE on a text column of the
// table comes back unchanged.
QString NarrowedCriteria(const QString& condition, const TableInfo& table);

}  // namespace jet::detail
