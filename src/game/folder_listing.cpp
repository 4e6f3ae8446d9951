#include "game/folder_listing.h"

#include <algorithm>
#include <filesystem>

namespace tsu {

std::vector<std::string> list_files_sorted(const std::string& path) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(path, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code type_ec;
        if (it->is_regular_file(type_ec)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tsu
