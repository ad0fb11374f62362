// libFuzzer target: the input becomes the level file DATA/001.DAT (its format:
// tests/fuzz/levelinput.h), shown and played in the game window.
#include "fuzz/replay.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzreplay::headlessSession();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    return fuzzreplay::fuzzOne(fuzzreplay::replayLevel, data, size);
}
