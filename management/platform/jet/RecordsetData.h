// What a Recordset holds: the rows it opened with (shared with the Rows taken
// from it), what writing through it changed, its current row and a pending
// AddNew or Edit.
#pragma once

#include "RowSource.h"
#include "RowView.h"
#include "jet/Value.h"

#include <memory>
#include <optional>
#include <vector>

namespace jet::detail {

enum class EditMode { None, Edit, AddNew };

class RecordsetData {
public:
    static std::unique_ptr<RecordsetData> Open(std::shared_ptr<Connection> connection, const QString& sql);
    ~RecordsetData();
    RecordsetData(const RecordsetData&) = delete;
    RecordsetData& operator=(const RecordsetData&) = delete;

    // Where it stands and what it wrote, to go back to when the writes are undone.
    struct Saved {
        std::shared_ptr<RowChanges> changes;
        int position;
        long long currentKey;
        bool currentDeleted;
    };
    Saved Save() const { return {changes, position_, currentKey_, currentDeleted}; }
    void Restore(const Saved& saved);

    RowView View() { return RowView(*source, *changes); }
    // The changes to write to; a copy when Rows taken earlier still show them.
    RowChanges& Changes();

    bool HasCurrent();
    // The current row's position, found when it is known by its id only.
    int Position();
    long long CurrentKey();
    const Value* CurrentValues();
    void MoveTo(int newPosition);
    void MoveToKey(long long key);

    std::shared_ptr<Connection> connection;
    std::shared_ptr<RowSource> source;
    std::shared_ptr<RowChanges> changes;
    bool currentDeleted = false;
    bool noMatch = false;
    EditMode mode = EditMode::None;
    std::vector<std::optional<Value>> pending;

private:
    RecordsetData() = default;

    int position_ = 0;  // -1 while the current row is known by its id
    long long currentKey_ = 0;
};

}  // namespace jet::detail
