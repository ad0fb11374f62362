// libFuzzer target: the input is players.dat, listed, chosen from, added to
// and deleted from in the player window.
#include "fuzz/replay.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzreplay::headlessSession();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    return fuzzreplay::fuzzOne(fuzzreplay::replayRoster, data, size);
}
