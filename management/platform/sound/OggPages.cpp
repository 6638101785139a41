#include "OggPages.h"

#include "RegularFile.h"

#include <ogg/ogg.h>

#include <cstdio>

namespace sound {

namespace {
constexpr long kChunk = 1 << 16;
}

bool OggPagesIntact(RegularFile& file)
{
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    bool intact = file.Seek(0, SEEK_SET) == 0;
    for (bool more = intact; more && intact;) {
        char* buffer = ogg_sync_buffer(&sync, kChunk);
        const std::size_t read = buffer != nullptr ? file.Read(buffer, kChunk) : 0;
        more = read > 0;
        ogg_sync_wrote(&sync, static_cast<long>(read));
        ogg_page page;
        for (long step; intact && (step = ogg_sync_pageseek(&sync, &page)) != 0;)
            intact = step > 0;
    }
    // Bytes left that make no whole page: the file was cut short, which the
    // decoder finds by itself.
    ogg_sync_clear(&sync);
    file.Seek(0, SEEK_SET);
    return intact;
}

}  // namespace sound
