// POSIX file access for the data files.
#include "data/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace tsu {

namespace {

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

    std::string tmp = path + ".XXXXXX";
    Fd fd(::mkstemp(tmp.data()));
    if (fd.get() < 0) {
        error = path + ": " + std::strerror(errno);
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
