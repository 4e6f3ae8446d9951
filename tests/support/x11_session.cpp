#include "support/x11_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <thread>

extern char** environ;

namespace tsu::testing {

namespace {

using namespace std::chrono_literals;

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env_add,
            const posix_spawn_file_actions_t* actions) {
    std::map<std::string, std::string> env;
    // SDL's settings come only from `env_add`: tests that share a process
    // (the sanitizer suite runs them in shards) set drivers for their own
    // SDL, such as the dummy video driver, which would keep a game started
    // here off the X server it was given.
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string s = *e;
        if (s.rfind("SDL_", 0) == 0) continue;
        env[s.substr(0, s.find('='))] = s;
    }
    for (const std::string& s : env_add) env[s.substr(0, s.find('='))] = s;
    std::vector<char*> args, envp;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (auto& kv : env) envp.push_back(kv.second.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], actions, nullptr, args.data(), envp.data()) != 0) return -1;
    return pid;
}

bool wait_pid(pid_t pid, std::chrono::milliseconds timeout, int& exit_status) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (true) {
        int st = 0;
        const pid_t r = ::waitpid(pid, &st, WNOHANG);
        if (r == pid) {
            exit_status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
            return true;
        }
        if (r < 0 || std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(2ms);
    }
}

void stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    int st = 0;
    if (!wait_pid(pid, 3s, st)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &st, 0);
    }
}

} // namespace

Xvfb::Xvfb() {
    int fds[2];
    if (::pipe(fds) != 0) {
        error_ = "no pipe";
        return;
    }
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    // The server picks a free display and writes its number to the pipe.
    pid_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten",
                  "tcp"},
                 {}, nullptr);
    ::close(fds[1]);
    if (pid_ < 0) {
        error_ = "Xvfb is not installed";
        ::close(fds[0]);
        return;
    }
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    char buf[32];
    while (number.find('\n') == std::string::npos && ::poll(&p, 1, 10000) > 0) {
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n <= 0) break;
        number.append(buf, std::size_t(n));
    }
    ::close(fds[0]);
    while (!number.empty() && (number.back() == '\n' || number.back() == '\r')) number.pop_back();
    if (number.empty()) {
        error_ = "Xvfb did not start";
        stop(pid_);
        pid_ = -1;
        return;
    }
    display_ = ":" + number;
}

Xvfb::~Xvfb() { stop(pid_); }

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                           const std::string& output_file) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_ = spawn(argv, env, &actions);
    posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() { stop(pid_); }

bool ChildProcess::wait_exit(std::chrono::milliseconds timeout, int& exit_status) {
    if (pid_ <= 0) return false;
    if (!wait_pid(pid_, timeout, exit_status)) return false;
    pid_ = -1;
    return true;
}

XConnection::XConnection(const std::string& display) { display_ = XOpenDisplay(display.c_str()); }

XConnection::~XConnection() {
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

unsigned long XConnection::find_window(pid_t pid, std::chrono::milliseconds timeout) {
    Display* d = static_cast<Display*>(display_);
    const Atom pid_atom = XInternAtom(d, "_NET_WM_PID", False);
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        Window found = 0;
        if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) {
            for (unsigned int i = 0; i < count && found == 0; ++i) {
                Atom type = 0;
                int format = 0;
                unsigned long items = 0, after = 0;
                unsigned char* data = nullptr;
                if (XGetWindowProperty(d, children[i], pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                                       &items, &after, &data) == Success &&
                    data != nullptr && items == 1 && format == 32) {
                    const unsigned long owner = *reinterpret_cast<unsigned long*>(data);
                    XWindowAttributes a;
                    if (owner == static_cast<unsigned long>(pid) && XGetWindowAttributes(d, children[i], &a) &&
                        a.map_state == IsViewable)
                        found = children[i];
                }
                if (data) XFree(data);
            }
            if (children) XFree(children);
        }
        if (found != 0) return found;
        std::this_thread::sleep_for(50ms);
    }
    return 0;
}

std::vector<uint32_t> XConnection::grab(unsigned long window, int x, int y, int w, int h) {
    Display* d = static_cast<Display*>(display_);
    std::vector<uint32_t> out;
    XImage* img = XGetImage(d, window, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    if (img == nullptr) return out;
    out.reserve(std::size_t(w) * std::size_t(h));
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) out.push_back(uint32_t(XGetPixel(img, col, row) & 0xFFFFFF));
    XDestroyImage(img);
    return out;
}

void XConnection::request_close(unsigned long window) {
    Display* d = static_cast<Display*>(display_);
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = window;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, window, False, NoEventMask, &e);
    XFlush(d);
}

} // namespace tsu::testing
