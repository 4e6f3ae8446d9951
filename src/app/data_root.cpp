#include "app/data_root.h"

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#ifndef TSUMIKIYA_SHARE_FROM_BIN
#define TSUMIKIYA_SHARE_FROM_BIN "../share/tsumikiya"
#endif

namespace tsu {

namespace fs = std::filesystem;

namespace {

bool holds_data(const fs::path& root) {
    std::error_code ec;
    return fs::is_directory(root / "cg", ec) && fs::is_directory(root / "dat", ec);
}

std::string trimmed(std::string r) {
    while (r.size() > 1 && r.back() == '/') r.pop_back();
    return r;
}

} // namespace

std::string executable_folder() {
    std::error_code ec;
    const auto exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string resolve_data_root(const std::string& given, const std::string& exe_folder) {
    if (!given.empty()) return trimmed(given);
    if (holds_data(exe_folder)) return trimmed(exe_folder);
    const fs::path shared = fs::path(exe_folder) / TSUMIKIYA_SHARE_FROM_BIN;
    if (holds_data(shared)) return trimmed(shared.lexically_normal().string());
    return trimmed(exe_folder);
}

std::string resolve_data_root(const std::string& given) {
    return resolve_data_root(given, given.empty() ? executable_folder() : std::string());
}

bool folder_writable(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    if (::access(path.c_str(), W_OK) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string xdg_data_folder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return trimmed(data) + "/tsumikiya";
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    return trimmed(home) + "/.local/share/tsumikiya";
}

std::string user_data_folder(const std::string& root) {
    const std::string dat = root + "/dat";
    if (folder_writable(dat)) return dat;
    const std::string xdg = xdg_data_folder();
    if (xdg.empty()) return {};
    std::error_code ec;
    fs::create_directories(xdg, ec);
    return xdg;
}

} // namespace tsu
