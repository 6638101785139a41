#include "RowStore.h"

#include <algorithm>

namespace jet::detail {

namespace {

// Blocks start small (most recordsets hold a row or a few) and grow to this.
constexpr int largestBlockRows = 4096;

}  // namespace

Value* RowStore::AppendRow()
{
    const int width = std::max(width_, 1);
    if (free_ == 0) {
        const int rows = std::min(largestBlockRows, std::max(8, int(slots_.size())));
        blocks_.push_back(std::make_unique<Value[]>(size_t(rows) * size_t(width)));
        blockRows_ = rows;
        free_ = rows;
    }
    const size_t used = size_t(blockRows_ - free_);
    Value* row = blocks_.back().get() + used * size_t(width);
    --free_;
    slots_.push_back(row);
    order_.push_back(std::uint32_t(slots_.size() - 1));
    return row;
}

void RowStore::EraseRow(int row)
{
    order_.erase(order_.begin() + row);
}

}  // namespace jet::detail
