// A disk that fills up at will, as SQLite meets it, for the tests of what the
// program does then. While it is full, every write through SQLite that would
// make a file longer fails as the system fails it on a full disk (ENOSPC);
// writing over bytes already there, making empty files, reading and deleting
// go on. As on a real disk, SQLite still makes the log (empty) and the
// 3-byte index beside a file it opens and then cannot size the index.
//
//   FullDisk disk;        // before the files are opened
//   disk.Fill();
//   ... a save fails ...
//   disk.Free();          // also when disk goes
//
// It stands between SQLite and the system for every connection the test
// program opens once the first FullDisk is made (the default file layer,
// never taken away: the engine keeps connections open past any one test).
#pragma once

class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    void Fill();
    void Free();
};
