// A disk that fills up at will: SQLite writes every file it opens from now
// on through it, and while it is full every write fails as on a disk with
// no room left. Reading and everything else go on as usual.
//
//   FullDisk disk;        // before the files are opened
//   disk.Fill();
//   ... a save fails ...
//   disk.Free();           // also when disk goes
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
