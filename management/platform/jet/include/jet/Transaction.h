// jet::Transaction: the changes made while it lives are written together or
// not at all, so a failed statement, a full disk, a crash or a power cut in
// the middle leaves none of them.
//
//   jet::Transaction transaction;
//   jet::Database a = jet::DBEngine().OpenDatabase(DornaPath());
//   jet::Database b = jet::DBEngine().OpenDatabase(DornaPath());
//   a.Execute("DELETE * FROM PUBLICIDAD_CONTENIDO WHERE FECHA1 < Date()");
//   b.OpenRecordset(...);      // already without the deleted rows
//   transaction.Commit();      // destroyed without it: every change undone
//
// Every write through any Database or recordset takes part. The first write
// on a file waits for another program's write to end and takes the file's
// write lock; from then on every statement on that file in this program,
// through databases and data controls opened before or after, sees the
// changes at once. Other programs see them after Commit. Each file's changes
// are written as a whole. Every write goes to the disk as it is made, so
// that a full disk fails the statement that filled it; a fault of the file
// or the disk (full, locked, read-only, damaged) spoils the transaction even
// when the caller goes on, and Commit then undoes everything and throws it.
// When it is undone, recordsets that wrote show their rows as before.
//
// One opened while another is open is part of it: its Commit writes nothing
// (it throws the fault that spoilt the outer one, if any) and the outer
// Commit writes everything.
//
// A jet::TransactionPause writes what the open transaction changed so far
// and sets it aside while it lives: nothing stays locked while the program
// waits for the user, and a transaction opened meanwhile is one of its own.
#pragma once

#include "jet/Error.h"

#include <memory>

namespace jet {

namespace detail {
struct TransactionState;
}

class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

    // Whether one is open now (not set aside by a pause).
    static bool Open();
    // Spoils the open one with an error met by a part of it: the outer
    // Commit undoes everything and throws it.
    static void Spoil(const Error& error);
    // Whether a pause wrote part of this one.
    bool PartWritten() const;

private:
    std::shared_ptr<detail::TransactionState> state_;
    bool outermost_;
    bool done_ = false;
};

class TransactionPause {
public:
    // Throws, with the transaction undone, when what it changed so far
    // cannot be written.
    TransactionPause();
    ~TransactionPause();
    TransactionPause(const TransactionPause&) = delete;
    TransactionPause& operator=(const TransactionPause&) = delete;

private:
    std::shared_ptr<detail::TransactionState> paused_;
};

}  // namespace jet
