#include "app/data_root.h"

#include <filesystem>

namespace tsu {

std::string executable_folder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string resolve_data_root(const std::string& given) {
    if (given.empty()) return executable_folder();
    std::string r = given;
    while (r.size() > 1 && r.back() == '/') r.pop_back();
    return r;
}

} // namespace tsu
