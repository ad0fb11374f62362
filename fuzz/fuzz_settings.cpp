// libFuzzer target: the input is settings.dat, loaded and saved by the settings window.
#include "fuzz/replay.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzreplay::headlessSession();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    return fuzzreplay::fuzzOne(fuzzreplay::replaySettings, data, size);
}
