// Every entry of a folder with what it is: a file by the checksum of its
// bytes, a link by where it leads, a folder, a named pipe or another kind by
// its kind; hidden ones too. Two equal maps mean nothing in the folder changed.
//
//   const auto before = FolderContents(folder);
//   ...
//   EXPECT_EQ(FolderContents(folder), before);
#pragma once

#include <QString>

#include <map>
#include <string>

std::map<std::string, std::string> FolderContents(const QString& folder);
