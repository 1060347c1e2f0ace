// Shared pieces of the fuzz targets: a scratch folder for the files they read, and invariant
// checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The targets, one per reader. Each takes any bytes and returns 0; a broken invariant goes to
// fuzz_check_failed.
int fuzz_pack(const uint8_t* data, size_t size);
int fuzz_metrics(const uint8_t* data, size_t size);
int fuzz_cont(const uint8_t* data, size_t size);
int fuzz_config(const uint8_t* data, size_t size);
int fuzz_replay(const uint8_t* data, size_t size);
int fuzz_hss(const uint8_t* data, size_t size);
int fuzz_picture(const uint8_t* data, size_t size);
int fuzz_photo(const uint8_t* data, size_t size);

// Called with a description of the broken invariant. The fuzzers print it and abort so the input is
// kept as a finding; the regression test records it as a test failure instead.
extern void (*fuzz_check_failed)(const char* what, const char* file, int line);

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzz_check_failed(#condition, __FILE__, __LINE__);                                     \
    } while (0)

// A folder of this process's own under the system temp folder, ending in '/'; made on first use and
// removed when the process ends.
const std::string& fuzz_folder();
void fuzz_write(const std::string& path, const uint8_t* data, size_t size);
