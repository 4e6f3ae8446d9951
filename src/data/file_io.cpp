// POSIX file access for the data files.
#include "data/file_io.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace tsu {

namespace {

constexpr std::string_view kTempMark = ".tsumikiya-tmp.";
constexpr std::size_t kTempRandom = 6; // mkstemp's XXXXXX

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool folder_exists(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string open_error(const std::string& path, int err) {
    if (err == ENOENT) {
        return path + (folder_exists(folder_of(path)) ? ": File not found" : ": Path not found");
    }
    return path + ": " + std::strerror(err);
}

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void reset(int fd) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    int release() {
        const int f = fd_;
        fd_ = -1;
        return f;
    }

  private:
    int fd_;
};

bool write_all(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

} // namespace

bool read_file(const std::string& path, std::string& out, std::string& error) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        error = open_error(path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        error = path + ": " + std::strerror(EISDIR);
        return false;
    }
    out.clear();
    if (st.st_size > 0) out.reserve(std::size_t(st.st_size));
    std::vector<char> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf.data(), buf.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = path + ": " + std::strerror(errno);
            return false;
        }
        out.append(buf.data(), std::size_t(n));
    }
    return true;
}

bool write_file_atomic(const std::string& path, std::string_view data, std::string& error) {
    const std::string folder = folder_of(path);
    if (!folder_exists(folder)) {
        error = path + ": Path not found";
        return false;
    }
    // Keep the permissions of the file being replaced; a new file gets the
    // usual rw-r--r--.
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) mode = old.st_mode & 07777;

    std::string tmp;
    Fd fd(-1);
    // The lock tells a start-up clean-up in another game that this file is
    // being written and is no leftover; it goes with the descriptor. A
    // clean-up that came between the file's creation and the lock has it
    // (or has already removed it): then take a new one.
    for (int attempt = 0; attempt < 8 && fd.get() < 0; ++attempt) {
        tmp = path + std::string(kTempMark) + std::string(kTempRandom, 'X');
        Fd made(::mkostemp(tmp.data(), O_CLOEXEC));
        if (made.get() < 0) {
            error = path + ": " + std::strerror(errno);
            return false;
        }
        struct stat st {};
        if (::flock(made.get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(made.get(), &st) == 0 &&
            st.st_nlink > 0)
            fd.reset(made.release());
    }
    if (fd.get() < 0) {
        error = path + ": the temporary file kept disappearing";
        return false;
    }
    const auto fail = [&](int err) {
        error = path + ": " + std::strerror(err);
        ::close(fd.release());
        ::unlink(tmp.c_str());
        return false;
    };
    if (::fchmod(fd.get(), mode) != 0) return fail(errno);
    if (!write_all(fd.get(), data)) return fail(errno);
    if (::fsync(fd.get()) != 0) return fail(errno);
    if (::close(fd.release()) != 0) {
        error = path + ": " + std::strerror(errno);
        ::unlink(tmp.c_str());
        return false;
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        ::unlink(tmp.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here changes nothing the
    // game could act on.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return true;
}

bool is_temp_file_name(std::string_view name) {
    if (name.size() <= kTempMark.size() + kTempRandom) return false;
    const std::size_t mark = name.size() - kTempRandom - kTempMark.size();
    if (name.substr(mark, kTempMark.size()) != kTempMark) return false;
    for (const char c : name.substr(name.size() - kTempRandom)) {
        const bool alnum = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!alnum) return false;
    }
    return true;
}

int remove_stale_temp_files(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!is_temp_file_name(name)) continue;
        const std::string path = folder + "/" + std::string(name);
        // Never follow a link or open a device: only plain files of ours.
        Fd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // A write in progress holds the lock; a killed one does not.
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::string write_new_file(const std::string& path, std::string_view data, std::string& error) {
    // Enough tries for every copy one folder could sensibly hold; the limit
    // only keeps a folder full of them from looping for long.
    constexpr int kTries = 1000;
    for (int n = 1; n <= kTries; ++n) {
        const std::string name = n == 1 ? path : path + "-" + std::to_string(n);
        Fd fd(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (fd.get() < 0) {
            if (errno == EEXIST) continue;
            error = open_error(name, errno);
            return {};
        }
        if (!write_all(fd.get(), data) || ::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
            error = name + ": " + std::strerror(errno);
            ::unlink(name.c_str());
            return {};
        }
        return name;
    }
    error = path + ": " + std::strerror(EEXIST);
    return {};
}

} // namespace tsu
