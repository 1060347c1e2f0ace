// Pack index reading, name lookup and the bytes of one asset, on small packs made here.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
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
    struct lookup_case {
        const char *def, *pak;
        int count;
        const char *names, *want; // '|' after each name and after the bytes it reads
    };
    const lookup_case cases[] = {
        // Out of .pak order, two entries on a line (tokens are what count), nothing after "end".
        {"A 0 3\nB 7 2\nC 3 4 end 0 0\nnever 0 1\n", "aaaccccbb", 3, "A|B|C|missing|never|end|",
         "aaa|bb|cccc|cccc|cccc|cccc|"},
        {"only.bmp 1 2\nend\n", "xyz", 1, "only.bmp|other.jpg|", "yz|yz|"},
        // Duplicates: the first wins; case and spaces matter.
        {"gra.jpg 0 1\ngra.jpg 1 1\nGra.jpg 2 1\nlast 3 1\nend 0 0", "1234", 4,
         "gra.jpg|Gra.jpg|GRA.JPG|gra.jpg |", "1|3|4|4|"},
        {"end 0 0\nA 0 1\n", "a", 0, "", ""},
        {"A 0 1\nB 1 1\nend", "ab", 2, "A|", "a|"},
    };
    for (const lookup_case& c : cases) {
        SCOPED_TRACE(c.def);
        make(c.def, c.pak);
        EXPECT_EQ(pack->count, c.count);
        std::istringstream names(c.names);
        std::string name, got;
        while (std::getline(names, name, '|'))
            got += read(name) + "|";
        EXPECT_EQ(got, c.want);
    }
}

TEST_F(pack_fixture, IndexStopsAtAThousandEntries) {
    // No "end": empty names fill the rest, and slot 999 (offset 0, size 0) answers unknown names.
    make("A 0 1\nB 1 1\n", "ab");
    EXPECT_EQ(pack->count, 1000);
    EXPECT_STREQ(pack->names[999], "");
    EXPECT_EQ(read("B"), "b");
    EXPECT_EQ(read("Z"), "");

    std::string def;
    for (int i = 0; i < 1005; i++)
        def += "n" + std::to_string(i) + " " + std::to_string(i % 10) + " 1\n";
    make(def + "end 0 0\n", "0123456789");
    EXPECT_EQ(pack->count, 1000);
    EXPECT_EQ(read("n998"), "8");
    EXPECT_EQ(read("n1003"), "9"); // cut off: falls to entry 999
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

TEST_F(pack_fixture, BadEntriesAndPaksGiveNullAndAReason) {
    make("neg 2 -1\nnegoff -1 2\nbig 1 100\nedge 3 1\nend\n", "abcd");
    const std::string pak = dir.path() + "t.pak";
    EXPECT_EQ(read("neg"), "<null: bad entry in the index of " + pak + " (offset 2, size -1)>");
    EXPECT_EQ(read("negoff"), "<null: bad entry in the index of " + pak + " (offset -1, size 2)>");
    EXPECT_EQ(read("big"), "<null: entry (offset 1, size 100) lies beyond the end of " + pak + ">");
    EXPECT_EQ(read("edge"), "d"); // the very last byte of the .pak still counts

    // The .pak is opened afresh on every read: a replaced one is seen, a removed one reported.
    write_file(pak, "abcD");
    EXPECT_EQ(read("edge"), "D");
    std::remove(pak.c_str());
    EXPECT_EQ(read("edge"), "<null: can't open " + pak + ">");
}

TEST(PackIndexFile, MissingDefOrOverlongPathEndsWithStatusOne) {
    temp_dir dir;
    static PackIndex pack;
    const std::string missing = dir.path(), overlong = "/tmp/" + std::string(250, 'd') + "/";
    EXPECT_EXIT(load_pack_index(pack, missing.c_str(), "msx.pak", "msx.def"),
                testing::ExitedWithCode(1), "^Couldn't load " + missing + "msx\\.def\n$");
    EXPECT_EXIT(load_pack_index(pack, overlong.c_str(), "gfx.pak", "gfx.def"),
                testing::ExitedWithCode(1), "^Couldn't load " + overlong + "gfx\\.def\n$");
}

} // namespace
