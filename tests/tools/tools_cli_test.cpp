// The media builder and the pack tool as the build and players run them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/test_support.h"
#include "tests/tools/tool_paths.h"

namespace {

const std::string media = tool_path("tessoli-media"), pack = tool_path("tessoli-pack");

int run(const std::string& command) {
    int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(MediaBuilder, RebuildingLeavesAPlayersSavedGameAlone) {
    temp_dir d;
    const std::string saved = "57 1210 20 3 7 415 12 ";
    write_file(d.file("cont.tll"), saved);
    // Stale files from an older set are replaced; a link at a set file's name is replaced, not
    // written through, so nothing outside the set's own names can be hit.
    write_file(d.file("gfx.pak"), "old");
    write_file(d.file("elsewhere.txt"), "keep me");
    ASSERT_EQ(0, symlink("elsewhere.txt", d.file("msx.pak").c_str()));
    ASSERT_EQ(0, run(media + " --scale 1 --out " + d.path()));
    EXPECT_EQ(saved, read_file(d.file("cont.tll")));
    EXPECT_EQ("0 1 240 320\n", read_file(d.file("config.tll")));
    EXPECT_EQ("keep me", read_file(d.file("elsewhere.txt")));
    EXPECT_NE("old", read_file(d.file("gfx.pak")));
    struct stat st;
    ASSERT_EQ(0, lstat(d.file("msx.pak").c_str(), &st));
    EXPECT_FALSE(S_ISLNK(st.st_mode));

    // A second build makes the same bytes, so it rewrites none of the set.
    ASSERT_EQ(0, run("touch -d '2001-01-01' " + d.path() + "*"));
    ASSERT_EQ(0, run(media + " --scale 1 --out " + d.path()));
    for (const char* f : {"config.tll", "gfx.def", "gfx.pak", "msx.def", "msx.pak",
                          "verdana20b.txt", "nerwus36.txt"}) {
        ASSERT_EQ(0, stat(d.file(f).c_str(), &st)) << f;
        EXPECT_LT(st.st_mtim.tv_sec, 1000000000) << f; // still January 2001
    }
}

TEST(PackTool, CreateListAndExtractRoundTripAndRefusals) {
    temp_dir d;
    write_file(d.file("a.txt"), "alpha");
    write_file(d.file("b.bin"), std::string("\0\1\2bravo", 8));
    ASSERT_EQ(0, run(pack + " create " + d.file("p.def") + " " + d.file("a.txt") + " " +
                     d.file("b.bin")));
    EXPECT_EQ("a.txt 0 5\nb.bin 5 8\nend 0 0\n", read_file(d.file("p.def")));
    EXPECT_EQ(0, std::system((pack + " list " + d.file("p.def") + " >" + d.file("ls")).c_str()));
    EXPECT_NE(std::string::npos, read_file(d.file("ls")).find("2 entries"));
    ASSERT_EQ(0, run(pack + " extract " + d.file("p.def") + " " + d.path() + "out"));
    EXPECT_EQ("alpha", read_file(d.path() + "out/a.txt"));
    EXPECT_EQ(std::string("\0\1\2bravo", 8), read_file(d.path() + "out/b.bin"));

    // A name that leaves the folder is refused (a damaged index is the game's reader's, pack_test).
    write_file(d.file("p.def"), "../escape 0 4\nend 0 0\n");
    EXPECT_NE(0, run(pack + " extract " + d.file("p.def") + " " + d.path() + "x"));
    EXPECT_FALSE(file_exists(d.path() + "escape"));
    // The tool reads the index with the game's reader, but an entry without its size, which the
    // game passes over, is an error for it.
    write_file(d.file("p.def"), "a 0 1\nb 1\n");
    EXPECT_EQ(1, run(pack + " list " + d.file("p.def")));
}
