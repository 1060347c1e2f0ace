// Small files kept safe: read only regular files, replace a file whole, lock a file beside it.
#pragma once

#include <cstdio>
#include <string>
#include <sys/types.h>

// Opens a file for reading only when it is a regular file: a FIFO would block the game and a
// device might never end. Returns null with *not_regular set when something else has the name;
// a missing or unreadable file returns null with *not_regular clear.
FILE* open_regular_file(const std::string& path, bool* not_regular);

// Replaces path whole with bytes: a temporary file of a fresh unique name in the same folder,
// created exclusively and never through a link, with the permissions a new file gets, written,
// synced and renamed over path. Anything else under path (a folder, a FIFO, a device) is not
// replaced. On failure the old file is left as it was, the temporary file is removed and *why says
// what went wrong. A symbolic link named path is replaced by the file itself.
bool replace_file(const std::string& path, const std::string& bytes, std::string* why,
                  void (*before_rename)() = nullptr);

// The write replace_file uses, replaceable so that tests can fill the disk.
extern ssize_t (*replace_file_write)(int fd, const void* data, size_t size);

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
