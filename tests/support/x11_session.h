// Window tests without a desktop: a private X server (Xvfb) started by the
// test, a child process started with its own environment, and the few X
// requests a test makes of the child's window: find it, read its pixels,
// ask it to close as a window manager's close button would.
#pragma once
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace tsu::testing {

class Xvfb {
  public:
    Xvfb(); // starts the server; ok() is false when Xvfb is missing or fails
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;
    bool ok() const { return !display_.empty(); }
    const std::string& display() const { return display_; } // ":N"
    const std::string& error() const { return error_; }

  private:
    pid_t pid_ = -1;
    std::string display_, error_;
};

// A program run by the test; killed if still running when the object dies.
class ChildProcess {
  public:
    // argv[0] is the program's path; env holds "NAME=value" entries added
    // to (or replacing those of) the test's own environment.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                 const std::string& output_file);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    pid_t pid() const { return pid_; }
    // Waits for the end; true with the exit status when it came in time.
    bool wait_exit(std::chrono::milliseconds timeout, int& exit_status);

  private:
    pid_t pid_ = -1;
};

class XConnection {
  public:
    explicit XConnection(const std::string& display);
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;
    bool ok() const { return display_ != nullptr; }

    // The shown top-level window of process `pid` (0 when none came in time).
    unsigned long find_window(pid_t pid, std::chrono::milliseconds timeout);
    // The pixels (0xRRGGBB) of a rectangle of the window, row by row.
    std::vector<uint32_t> grab(unsigned long window, int x, int y, int w, int h);
    // WM_DELETE_WINDOW, the close request of the window's frame.
    void request_close(unsigned long window);

  private:
    void* display_ = nullptr; // Display*
};

} // namespace tsu::testing
