#include "RowView.h"

#include <algorithm>

namespace jet::detail {

int RowView::SourceIndex(int position) const
{
    // The smallest index with position + 1 rows left up to it; the rows left
    // up to an index grow by one at each row not deleted.
    const std::vector<int>& removed = changes_.removed;
    int low = position;
    int high = position + int(removed.size());
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const int left = middle + 1 - int(std::upper_bound(removed.begin(), removed.end(), middle) - removed.begin());
        if (left >= position + 1)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

int RowView::Count()
{
    return SourceRowsLeft() + int(changes_.added.size());
}

bool RowView::Has(int position)
{
    if (position < 0)
        return false;
    if (source_.Has(SourceIndex(position)))
        return true;
    const int added = position - SourceRowsLeft();
    return added >= 0 && added < int(changes_.added.size());
}

long long RowView::KeyAt(int position)
{
    const int index = SourceIndex(position);
    if (source_.Has(index))
        return source_.Key(index);
    return changes_.added[size_t(position - SourceRowsLeft())];
}

const Value* RowView::ValuesAt(int position)
{
    if (source_.Table())
        return ValuesOfKey(KeyAt(position));
    return source_.Row(SourceIndex(position));
}

const Value* RowView::ValuesOfKey(long long key)
{
    if (const auto written = changes_.written.find(key); written != changes_.written.end())
        return written->second.data();
    return source_.RowOfKey(key);
}

std::optional<int> RowView::PositionOf(long long key)
{
    const std::vector<long long>& added = changes_.added;
    if (const auto found = std::find(added.begin(), added.end(), key); found != added.end())
        return SourceRowsLeft() + int(found - added.begin());
    const std::optional<int> index = source_.IndexOf(key);
    if (!index)
        return std::nullopt;
    const std::vector<int>& removed = changes_.removed;
    return *index - int(std::lower_bound(removed.begin(), removed.end(), *index) - removed.begin());
}

}  // namespace jet::detail
