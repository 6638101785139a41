// jet::Transaction: the changes made while it lives are written together or
// not at all, so a crash or a power cut in the middle leaves none of them.
//
//   jet::Transaction transaction;
//   jet::Database a = jet::DBEngine().OpenDatabase(DornaPath());
//   jet::Database b = jet::DBEngine().OpenDatabase(DornaPath());
//   a.Execute("DELETE * FROM PUBLICIDAD_CONTENIDO WHERE FECHA1 < Date()");
//   b.OpenRecordset(...);      // already without the deleted rows
//   transaction.Commit();      // destroyed without it: every change undone
//
// Every database that DBEngine() opens while it lives takes part. A file
// opened again shares the connection it was first opened on, so each
// Database sees the others' changes at once, as one program's later
// statements do. The first opening of a file waits, like any write, for
// another program's changes to end; that program and the databases opened
// before the transaction see its changes after Commit. Each file's changes
// are written as a whole. One at a time: a second one throws jet::Error.
#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace jet {

namespace detail {
class Connection;
}

class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    friend class Engine;
    static Transaction* Open();
    // The connection a database opened now uses: the one already taking part
    // for the same file, else this new one, which then takes part.
    std::shared_ptr<detail::Connection> Join(std::shared_ptr<detail::Connection> opened);
    void RollBack();

    std::vector<std::shared_ptr<detail::Connection>> connections_;
};

} // namespace jet
