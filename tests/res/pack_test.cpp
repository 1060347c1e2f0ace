// Pack index reading, name lookup and the bytes of one asset, on small packs made here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "res/pack.h"
#include "tests/support/test_support.h"

namespace {

// PackIndex is large; keep the ones under test off the stack.
struct pack_fixture : testing::Test {
    temp_dir dir;
    PackIndex* pack = static_cast<PackIndex*>(std::calloc(1, sizeof(PackIndex)));
    ~pack_fixture() override { std::free(pack); }

    void make(const std::string& def, const std::string& pak) {
        std::memset(pack, 0, sizeof *pack);
        write_file(dir.file("t.def"), def);
        write_file(dir.file("t.pak"), pak);
        load_pack_index(*pack, dir.path().c_str(), "t.pak", "t.def");
    }
    std::string read(const std::string& name) {
        int size = -1;
        unsigned char* bytes = read_pack_entry(*pack, name.c_str(), &size);
        if (!bytes)
            return "<null: " + std::string(pack_error()) + ">";
        std::string s(reinterpret_cast<char*>(bytes), size);
        std::free(bytes);
        return s;
    }
};

TEST_F(pack_fixture, LookupTakesTheFirstMatchElseTheLastEntry) {
    // Out of .pak order, two entries on a line (tokens are what count), nothing after "end".
    make("A 0 3\nB 7 2\nC 3 4 end 0 0\nnever 0 1\n", "aaaccccbb");
    EXPECT_EQ(pack->count, 3);
    EXPECT_EQ(read("A"), "aaa");
    EXPECT_EQ(read("B"), "bb");
    EXPECT_EQ(read("missing"), "cccc");
    EXPECT_EQ(read("never"), "cccc");

    // Duplicates: the first wins; case and spaces matter.
    make("gra.jpg 0 1\ngra.jpg 1 1\nGra.jpg 2 1\nlast 3 1\nend 0 0", "1234");
    EXPECT_EQ(read("gra.jpg"), "1");
    EXPECT_EQ(read("Gra.jpg"), "3");
    EXPECT_EQ(read("GRA.JPG"), "4");
    EXPECT_EQ(read("gra.jpg "), "4");
}

TEST_F(pack_fixture, OverlongNameIsSkippedWithOneLine) {
    std::string longname(32, 'q'), fits(31, 'r');
    testing::internal::CaptureStderr();
    make(longname + " 0 1\n" + fits + " 1 1\nz 2 1\nend\n", "abc");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Name too long in " + dir.path() + "t.def: " + longname + "\n");
    EXPECT_EQ(pack->count, 2);
    EXPECT_EQ(read(fits), "b");
    // Not stored cut short: its first 31 characters find nothing and fall to the last entry.
    EXPECT_EQ(read(longname.substr(0, 31)), "c");
}

TEST_F(pack_fixture, BadEntriesGiveNullAndAReason) {
    make("neg 2 -1\nnegoff -1 2\nbig 3 100\nzero 0 0\nhuge 3 2000000000\nedge 3 1\nend\n", "abcd");
    // Each refusal names its entry.
    for (const char* name : {"neg", "negoff", "big", "zero", "huge"})
        EXPECT_EQ(read(name).rfind("<null: entry \"" + std::string(name) + "\"", 0), 0u) << name;
    EXPECT_EQ(read("edge"), "d"); // the very last byte of the .pak still counts

    // Part of another entry's bytes is a doctored index; the same bytes twice are not.
    make("a 0 2\nb 1 2\nend\n", "abcd");
    EXPECT_NE(read("b").find("overlaps entry \"a\""), std::string::npos);
    make("a 0 2\nc 0 2\nd 2 2\nend\n", "abcd");
    EXPECT_EQ(read("c"), "ab");
}

TEST(PackIndexFile, OverlongPathEndsWithStatusOne) {
    static PackIndex pack;
    const std::string overlong = "/tmp/" + std::string(250, 'd') + "/";
    EXPECT_EXIT(load_pack_index(pack, overlong.c_str(), "gfx.pak", "gfx.def"),
                testing::ExitedWithCode(1), "^Couldn't load " + overlong + "gfx\\.def\n$");
}

} // namespace
