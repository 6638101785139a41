// How statements take part in the open jet::Transaction: its first write on
// a file begins a write transaction on that file's connection, and from then
// on every statement on that file, through any Database or recordset, runs
// on that connection and sees its changes.
#pragma once

#include "jet/Error.h"

#include <QString>
#include <memory>

namespace jet::detail {

class Connection;
class RecordsetData;

// Where a statement that only reads runs: on the open transaction's
// connection to the same file, else on its own.
std::shared_ptr<Connection> ReadingConnection(const std::shared_ptr<Connection>& own);

// Where a write runs: on the open transaction's connection to the file, which
// the first write begins (waiting for another program's write to end); on its
// own outside a transaction. A recordset that writes is named, so that its
// rows go back to what they were if the transaction is undone. statement is
// the write, which a failure to begin names. Throws the fault that already
// spoilt the transaction.
std::shared_ptr<Connection> WritingConnection(const std::shared_ptr<Connection>& own, const QString& statement,
                                              RecordsetData* writer = nullptr);

// After a write inside a transaction: its pages go to the disk at once, so
// that a full disk fails the statement (named so in the error) rather than
// the commit at the end.
void Written(Connection& connection, const QString& statement);

// A fault of the file or the disk spoils the open transaction, even when the
// form goes on: nothing of it can be written any more.
void NoteStorageFault(const Error& error);

// A recordset going away is no longer put back when the transaction is undone.
void ForgetRecordset(const RecordsetData* data);

}  // namespace jet::detail
