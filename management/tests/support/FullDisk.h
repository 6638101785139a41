// A full disk, as SQLite meets it, for the tests of what the program does
// then. While a FullDisk lives, every write through SQLite that would make a
// file longer fails as the system fails it on a full disk (ENOSPC); writing
// over bytes already there, making empty files, reading and deleting go on.
// As on a real disk, SQLite still makes the log (empty) and the 3-byte index
// beside a file it opens and then cannot size the index.
//
//   {
//       FullDisk full;
//       EXPECT_THROW(CreateMissingDatabases(folder), jet::Error);
//   }
//
// It stands between SQLite and the system for every connection of the test
// program (the default file layer, put in place on first use).
#pragma once

class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
};
