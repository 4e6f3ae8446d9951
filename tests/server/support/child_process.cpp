// fork/exec with pipes; privileges dropped in the child before exec.
#include "child_process.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tsu::testing {

namespace {

// The argument array, built before fork: the child of a threaded process
// may only make async-signal-safe calls.
std::vector<char*> arg_array(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    return args;
}

[[noreturn]] void exec_child(char* const* args, int out_fd, RunAs as) {
    dup2(out_fd, 1);
    dup2(out_fd, 2);
    const int null_fd = open("/dev/null", O_RDONLY);
    if (null_fd >= 0) dup2(null_fd, 0);
    if (as.uid != uid_t(-1)) {
        if (setgroups(0, nullptr) != 0 || setgid(as.gid) != 0 || setuid(as.uid) != 0) _exit(126);
    }
    execvp(args[0], args);
    _exit(127);
}

int exit_code(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

} // namespace

RunAs unprivileged_user() {
    if (geteuid() != 0) return {};
    const passwd* pw = getpwnam("nobody");
    if (!pw) return {65534, 65534};
    return {pw->pw_uid, pw->pw_gid};
}

int run_command(const std::vector<std::string>& argv, std::string& output, RunAs as) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return -1;
    const std::vector<char*> args = arg_array(argv);
    const pid_t pid = fork();
    if (pid == 0) exec_child(args.data(), fds[1], as);
    close(fds[1]);
    char buf[4096];
    for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) output.append(buf, std::size_t(n));
    close(fds[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    return exit_code(status);
}

Child::Child(const std::vector<std::string>& argv) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return;
    const std::vector<char*> args = arg_array(argv);
    pid_ = fork();
    if (pid_ == 0) exec_child(args.data(), fds[1], {});
    close(fds[1]);
    err_fd_ = fds[0];
    reader_ = std::thread([this] {
        char buf[4096];
        for (ssize_t n; (n = read(err_fd_, buf, sizeof buf)) > 0;) {
            std::lock_guard lock(mutex_);
            err_.append(buf, std::size_t(n));
            if (err_.size() > (4u << 20)) err_.erase(0, err_.size() - (2u << 20));
        }
    });
}

Child::~Child() {
    if (pid_ > 0 && !reaped_) signal_and_wait(SIGKILL);
    if (reader_.joinable()) reader_.join();
    if (err_fd_ >= 0) close(err_fd_);
}

std::string Child::wait_for(const std::string& text, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
        {
            std::lock_guard lock(mutex_);
            const auto at = err_.find(text);
            if (at != std::string::npos) {
                const auto start = err_.rfind('\n', at);
                const auto end = err_.find('\n', at);
                return err_.substr(start == std::string::npos ? 0 : start + 1,
                                   end == std::string::npos ? std::string::npos : end - start - 1);
            }
        }
        int status = 0;
        if (!reaped_ && waitpid(pid_, &status, WNOHANG) == pid_) reaped_ = true;
        if (reaped_) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

int Child::signal_and_wait(int sig, double seconds) {
    if (pid_ <= 0 || reaped_) return -1;
    kill(pid_, sig);
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    while (std::chrono::steady_clock::now() < until) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            reaped_ = true;
            if (reader_.joinable()) reader_.join();
            return exit_code(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    reaped_ = true;
    return -1;
}

std::string Child::err() {
    std::lock_guard lock(mutex_);
    return err_;
}

} // namespace tsu::testing
