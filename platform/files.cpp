// Small files kept safe: read only regular files, replace a file whole, lock a file beside it.
#include "platform/files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

ssize_t (*replace_file_write)(int fd, const void* data, size_t size) = ::write;

namespace {

std::string folder_of(const std::string& path) {
    std::string::size_type slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

// Makes a rename survive a power cut; a folder that cannot be opened is no error.
void sync_folder(const std::string& path) {
    int fd = open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

// A name no other file is likely to have; O_EXCL turns the unlikely clash into another try. The
// game's random generator is not touched: its sequence belongs to the game.
std::string unique_name(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    timespec t;
    clock_gettime(CLOCK_REALTIME, &t);
    unsigned long long mix = (static_cast<unsigned long long>(t.tv_nsec) << 20) ^
                             static_cast<unsigned long long>(getpid()) ^
                             (static_cast<unsigned long long>(counter++) << 40) ^
                             static_cast<unsigned long long>(t.tv_sec);
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = path + ".tmp-";
    for (int i = 0; i < 8; i++) {
        name += digits[mix % 36];
        mix /= 36;
    }
    return name;
}

bool write_all(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = replace_file_write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

FILE* open_regular_file(const std::string& path, bool* not_regular, long long* size) {
    *not_regular = false;
    // O_NONBLOCK so that opening a FIFO cannot wait for a writer; it means nothing for a file.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *not_regular = true;
        close(fd);
        errno = 0;
        return nullptr;
    }
    if (size)
        *size = static_cast<long long>(st.st_size);
    int flags = fcntl(fd, F_GETFL);
    if (flags >= 0)
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    FILE* f = fdopen(fd, "rb");
    if (!f)
        close(fd);
    return f;
}

file_read read_regular_file(const std::string& path, std::size_t limit, std::string* bytes,
                            std::string* why) {
    bytes->clear();
    std::string unused;
    if (!why)
        why = &unused;
    bool not_regular = false;
    long long size = 0;
    errno = 0;
    FILE* f = open_regular_file(path, &not_regular, &size);
    if (!f) {
        if (not_regular) {
            *why = "not a regular file";
            return file_read::not_regular;
        }
        int error = errno;
        *why = std::strerror(error);
        return error == ENOENT || error == ENOTDIR ? file_read::missing : file_read::failed;
    }
    auto too_large = [&]() {
        bytes->clear();
        *why = "larger than " + std::to_string(limit) + " bytes";
        return file_read::too_large;
    };
    if (size < 0 || static_cast<unsigned long long>(size) > limit) {
        std::fclose(f);
        return too_large();
    }
    // The file may grow while it is read: never take more than the limit and one byte.
    bytes->resize(static_cast<std::size_t>(size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes->size()) {
            if (got > limit)
                break;
            bytes->resize(std::min(got + 65536, limit + 1));
        }
        std::size_t n = std::fread(&(*bytes)[got], 1, bytes->size() - got, f);
        if (n == 0)
            break;
        got += n;
    }
    bool failed = std::ferror(f) != 0;
    int error = errno;
    std::fclose(f);
    bytes->resize(got);
    if (failed) {
        bytes->clear();
        *why = std::strerror(error);
        return file_read::failed;
    }
    if (got > limit)
        return too_large();
    return file_read::done;
}

bool replace_file(const std::string& path, const std::string& bytes, std::string* why,
                  void (*before_rename)()) {
    auto fail = [why](const std::string& reason) {
        *why = reason;
        return false;
    };
    // A link is replaced by the rename; anything else that is not a file stays and the save fails.
    struct stat st;
    bool exists = lstat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
        return fail("not a regular file");
    // A player who took the write permission away keeps the file; the rename would not ask.
    if (exists && S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return fail("the file is read-only");

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; attempt++) {
        temporary = unique_name(path);
        // 0666 less the umask: what a file the game creates has always got.
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(std::strerror(errno));

    bool written = write_all(fd, bytes) && fsync(fd) == 0;
    int error = errno;
    if (close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && before_rename)
        before_rename();
    if (written && rename(temporary.c_str(), path.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        unlink(temporary.c_str());
        return fail(std::strerror(error));
    }
    sync_folder(path);
    return true;
}

int remove_stale_temporaries(const std::string& path, int older_than_seconds) {
    std::string folder = folder_of(path);
    std::string::size_type slash = path.find_last_of('/');
    std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".tmp-";
    DIR* d = opendir(folder.c_str());
    if (!d)
        return 0;
    int removed = 0;
    time_t now = time(nullptr);
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name.size() != prefix.size() + 8 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        bool ours = true;
        for (std::size_t i = prefix.size(); i < name.size(); i++)
            ours =
                ours && ((name[i] >= 'a' && name[i] <= 'z') || (name[i] >= '0' && name[i] <= '9'));
        struct stat st;
        std::string full = (slash == std::string::npos ? "" : folder) + name;
        if (!ours || lstat(full.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            now - st.st_mtime <= older_than_seconds)
            continue;
        if (unlink(full.c_str()) == 0)
            removed++;
    }
    closedir(d);
    return removed;
}

file_lock::file_lock(const std::string& path) {
    std::string name = path + ".lock";
    int fd = open(name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        why_ = name + ": " + std::strerror(errno);
        return;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why_ = name + ": not a regular file";
        close(fd);
        return;
    }
    // A copy that holds the lock only ever holds it for one save; waiting for a stopped one
    // must still not freeze this game for long.
    for (int tries = 0; tries < 200; tries++) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        usleep(10000);
    }
    why_ = name + ": " +
           (errno == EWOULDBLOCK ? "held by another copy of the game" : std::strerror(errno));
    close(fd);
}

file_lock::~file_lock() {
    if (fd_ >= 0)
        close(fd_); // closing releases the lock
}
