// jet::Examine(path, use): what an existing database file holds, found by
// reading it only, so that a file can be refused before anything is written
// to it or made beside it.
//
//   const jet::FileContents contents = jet::Examine(folder + "/Dorna.MDB", jet::Use::ReadWrite);
//   if (contents.state == jet::FileState::Damaged) ...
//
// The file is read as any reader reads it, under SQLite's locks, so that
// another program writing it at the same moment cannot make it look damaged;
// a log that another program or a crash left beside it is read and left as
// it is. The reading is cheap whatever the size: the header, the schema and
// the first row of each table. A page damaged further in is reported by the
// engine when it is read.
//
// Throws jet::Error with one sentence naming the file and the cause when it
// cannot be examined or used as asked: it is not a plain file (a folder, a
// named pipe, a link that leads nowhere), it cannot be read, it or its folder
// is read-only when use is ReadWrite, another program holds it locked past
// the engine's wait, the disk is full or fails.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace jet {

enum class Use {
    Read,
    ReadWrite,
};

enum class FileState {
    Empty,  // no bytes, and no log beside it that holds any
    OnlyInItsLog,  // no bytes, but its log holds some: the only copy of its rows
    Database,  // a whole database; tables lists what it holds
    NotADatabase,  // something else
    Damaged,  // a database whose pages do not hold together
    Interrupted,  // a change that a crash left half made: Recover() it first
};

struct TableColumns {
    QString table;
    QStringList columns;
};

struct FileContents {
    FileState state = FileState::Empty;
    std::vector<TableColumns> tables;
};

FileContents Examine(const QString& path, Use use);

// Undoes the change a crash left half made in a file Examine called
// Interrupted, as any program opening it to write would. Throws jet::Error
// naming the file and the cause.
void Recover(const QString& path);

}  // namespace jet
