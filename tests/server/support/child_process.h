// Child processes for the server tests and the load test: run a command to
// its end, or keep a process running with its stderr collected.
#pragma once
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace tsu::testing {

// When the tests run as root, PostgreSQL's programs run as this user (they
// refuse root); -1 when no change is needed.
struct RunAs {
    uid_t uid = uid_t(-1);
    gid_t gid = gid_t(-1);
};
RunAs unprivileged_user();

// Runs the command to its end; the exit status (or -1), its output in `output`.
int run_command(const std::vector<std::string>& argv, std::string& output, RunAs as = {});

// A running child whose stderr is read by a thread (so it never blocks on
// writing its log).
class Child {
  public:
    explicit Child(const std::vector<std::string>& argv);
    ~Child(); // SIGKILL if still running
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Waits (up to `seconds`) for a stderr line containing `text`; the line.
    std::string wait_for(const std::string& text, double seconds);
    // Sends the signal and waits for the end: the exit status, 128 + signal
    // when killed, -1 after `seconds`.
    int signal_and_wait(int sig, double seconds = 10);
    std::string err();
    pid_t pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    int err_fd_ = -1;
    std::thread reader_;
    std::mutex mutex_;
    std::string err_;
    bool reaped_ = false;
};

} // namespace tsu::testing
