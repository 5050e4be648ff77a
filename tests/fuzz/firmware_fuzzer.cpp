// libFuzzer entry: each input is a stream of instrument events (the format is
// in firmware_events.h). A broken invariant aborts with its message; the
// sanitizers catch writes outside the frame buffer and undefined arithmetic.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/firmware_events.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (const char* failure = replayEvents(data, size)) {
        std::fprintf(stderr, "firmware invariant broken %s\n", failure);
        std::abort();
    }
    return 0;
}
