// Small files kept safe: read only regular files, replace a file whole, lock a file beside it.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <sys/types.h>

// The most bytes each kind of file may hold, far beyond what the game's own files reach; a larger
// one is not ours and is refused before it is read.
constexpr std::size_t ConfigFileLimit = 4096;              // config.tll: four numbers
constexpr std::size_t SettingsFileLimit = 4096;            // the desktop settings: one line
constexpr std::size_t SaveFileLimit = 64 * 1024;           // cont.tll: 102 numbers
constexpr std::size_t IndexFileLimit = 1024 * 1024;        // a .def: 1000 named entries
constexpr std::size_t MetricsFileLimit = 1024 * 1024;      // a font's .txt: 256 glyphs
constexpr std::size_t IconFileLimit = 4 * 1024 * 1024;     // icon.bmp
constexpr std::size_t PictureFileLimit = 64 * 1024 * 1024; // a loose picture, a player's photo
constexpr std::size_t PackEntryLimit = 64 * 1024 * 1024;   // one asset inside a .pak
constexpr std::size_t SoundFileLimit = 64 * 1024 * 1024;   // a sound or tune read by path

// Opens a file for reading only when it is a regular file: a FIFO would block the game and a
// device might never end. Returns null with *not_regular set when something else has the name;
// a missing or unreadable file returns null with *not_regular clear (errno says why). *size, when
// asked for, gets the file's length.
FILE* open_regular_file(const std::string& path, bool* not_regular, long long* size = nullptr);

enum class file_read { done, missing, not_regular, too_large, failed };

// Every file the game and its tools read comes in here: the whole of a regular file of at most
// limit bytes into *bytes. Anything else is refused without blocking or reading it through, and
// *why (when given) says why in a few words.
file_read read_regular_file(const std::string& path, std::size_t limit, std::string* bytes,
                            std::string* why = nullptr);

// Replaces path whole with bytes: a temporary file of a fresh unique name in the same folder,
// created exclusively and never through a link, with the permissions a new file gets, written,
// synced and renamed over path. Anything else under path (a folder, a FIFO, a device) is not
// replaced, nor is a file its owner made read-only. On failure the old file is left as it was, the
// temporary file is removed and *why says what went wrong. A symbolic link named path is replaced
// by the file itself.
bool replace_file(const std::string& path, const std::string& bytes, std::string* why,
                  void (*before_rename)() = nullptr);

// The write replace_file uses, replaceable so that tests can fill the disk.
extern ssize_t (*replace_file_write)(int fd, const void* data, size_t size);

// Removes the temporary files replace_file(path) leaves when it is killed before its rename
// (path + ".tmp-" and eight letters or digits), regular files last changed more than
// older_than_seconds ago only. Call it holding path's file_lock, so no live save's file goes.
// Returns how many were removed.
int remove_stale_temporaries(const std::string& path, int older_than_seconds);

// An advisory lock on path + ".lock", so that copies of the game on one folder take turns. The
// lock file is never removed (removing it would let two copies hold two different locks).
class file_lock {
  public:
    // Waits up to about two seconds for another holder; held() tells whether it was taken.
    explicit file_lock(const std::string& path);
    ~file_lock();
    file_lock(const file_lock&) = delete;
    file_lock& operator=(const file_lock&) = delete;
    bool held() const { return fd_ >= 0; }
    const std::string& why() const { return why_; } // when not held

  private:
    int fd_ = -1;
    std::string why_;
};
