// libFuzzer's entry for one target; FUZZ_TARGET names the target function at build time.
#include <cstdio>

#include "targets/fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The readers write one line per bad input; at thousands of runs a second that would bury the
    // fuzzer's own output. Sanitizer reports and libFuzzer write to the descriptor, not this
    // stream.
    if (std::FILE* quiet = std::fopen("/dev/null", "w"))
        stderr = quiet;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FUZZ_TARGET(data, size);
}
