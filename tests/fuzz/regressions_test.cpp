// Every committed fuzz finding and seed, fed again to its reader: no crash, no broken invariant.
#include <gtest/gtest.h>

#include <algorithm>
#include <dirent.h>
#include <string>
#include <vector>

#include "fuzz/targets/fuzz_support.h"
#include "tests/support/test_support.h"

namespace {

struct target {
    const char* name;
    int (*run)(const uint8_t*, size_t);
};

const target Targets[] = {
    {"pack", fuzz_pack},       {"metrics", fuzz_metrics}, {"cont", fuzz_cont},
    {"config", fuzz_config},   {"replay", fuzz_replay},   {"hss", fuzz_hss},
    {"picture", fuzz_picture}, {"photo", fuzz_photo},
};

// Names the target in test output instead of dumping its bytes.
void PrintTo(const target& t, std::ostream* os) {
    *os << t.name;
}

std::vector<std::string> files_in(const std::string& folder) {
    std::vector<std::string> files;
    if (DIR* d = opendir(folder.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.')
                files.push_back(folder + "/" + e->d_name);
        closedir(d);
    }
    std::sort(files.begin(), files.end());
    return files;
}

void record_failure(const char* what, const char* file, int line) {
    ADD_FAILURE_AT(file, line) << "invariant broken: " << what;
}

class FuzzInputs : public testing::TestWithParam<target> {
  protected:
    void SetUp() override { fuzz_check_failed = record_failure; }
};

TEST_P(FuzzInputs, EveryCommittedInputReadsCleanly) {
    const target& t = GetParam();
    std::vector<std::string> inputs = files_in(source_dir() + "/fuzz/corpus/" + t.name);
    // A target without seeds would pass here having checked nothing.
    ASSERT_FALSE(inputs.empty()) << "no seeds in fuzz/corpus/" << t.name;
    for (const std::string& f : files_in(source_dir() + "/fuzz/regressions/" + t.name))
        inputs.push_back(f);
    for (const std::string& path : inputs) {
        SCOPED_TRACE(path);
        std::string bytes = read_file(path);
        testing::internal::CaptureStderr();
        int result = t.run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(result, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzInputs, testing::ValuesIn(Targets),
                         [](const testing::TestParamInfo<target>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
