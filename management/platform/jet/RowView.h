// A recordset's rows in its order: the rows of its source not deleted through
// it, then the rows added through it; a row written through it shows the
// values written. Positions count from 0.
#pragma once

#include "RowSource.h"

#include <optional>
#include <unordered_map>
#include <vector>

namespace jet::detail {

// What writing through a recordset changed in the rows it opened with.
struct RowChanges {
    std::vector<int> removed;  // source indexes of the rows deleted, ascending
    std::vector<long long> added;  // ids of the rows added, in order
    std::unordered_map<long long, std::vector<Value>> written;  // rows added or edited
};

class RowView {
public:
    RowView(RowSource& source, const RowChanges& changes) : source_(source), changes_(changes) {}

    int Count();
    bool Has(int position);
    // The id of the row at a position that Has.
    long long KeyAt(int position);
    // Values of a row that Has, valid until the next read.
    const Value* ValuesAt(int position);
    const Value* ValuesOfKey(long long key);
    // Where a row stands; for a deleted row, where the row after it stands.
    std::optional<int> PositionOf(long long key);
    // The source index of the row at a position, as if the source had no end:
    // an index the source does not have means an added row.
    int SourceIndex(int position) const;

private:
    int SourceRowsLeft() { return source_.Count() - int(changes_.removed.size()); }

    RowSource& source_;
    const RowChanges& changes_;
};

}  // namespace jet::detail
