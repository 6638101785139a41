// The rows of a recordset in blocks that never move once filled, so that a
// large table is read without copying it as it grows; rows are addressed in
// recordset order, which deleting a row changes without moving the others.
#pragma once

#include "jet/Value.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace jet::detail {

class RowStore {
public:
    explicit RowStore(int width) : width_(width) {}

    int Rows() const { return int(order_.size()); }
    const Value& At(int row, int column) const { return Cells(row)[column]; }
    Value& At(int row, int column) { return Cells(row)[column]; }
    // Room for one more row at the end, its cells Null.
    Value* AppendRow();
    void EraseRow(int row);

private:
    Value* Cells(int row) const { return slots_[order_[size_t(row)]]; }

    int width_;
    int blockRows_ = 0;  // rows of the last block
    int free_ = 0;  // of them not used yet
    std::vector<std::unique_ptr<Value[]>> blocks_;
    std::vector<Value*> slots_;  // every row ever appended
    std::vector<std::uint32_t> order_;  // recordset order -> slot
};

}  // namespace jet::detail
