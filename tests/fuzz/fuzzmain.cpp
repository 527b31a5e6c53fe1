// The entry point of one libFuzzer program; VELTRUM_FUZZ_ENTRY names the
// target function. Empty in the ordinary build.

#ifdef VELTRUM_FUZZ_ENTRY
#include "fuzzsupport.h"
#include "fuzztargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzSetUp();
    return VELTRUM_FUZZ_ENTRY(data, size);
}
#endif
