// Whether an Ogg file's pages follow one another intact.
#pragma once

namespace sound {

class RegularFile;

// False when bytes between or in place of pages had to be passed over, as
// where the file is damaged; leaves the file at its start.
bool OggPagesIntact(RegularFile& file);

}  // namespace sound
