// The order of texts in the database files (collation ES), one code for the
// engine and for the SQLite extension that lets other programs open them:
// case never matters, "ñ" sorts after "n", and accented letters sort with
// their plain letter (an accent only separates otherwise equal words, the
// plain one first). Texts are UTF-8.
//
// The indexes stored in the files are ordered by it: any change to it makes
// existing files look corrupt to SQLite.
#pragma once

namespace jet::detail {

int CompareSpanish(const char* left, int leftLength, const char* right, int rightLength);

// The same, shaped as SQLite's collation callback.
int CollateSpanish(void* unused, int leftLength, const void* left, int rightLength, const void* right);

}  // namespace jet::detail
