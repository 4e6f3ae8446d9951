// A data root written by the asset generator for the tests (see
// generated_root.h).
#include "tools/generated_root.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include <unistd.h>

namespace tsu::testing_support {
namespace fs = std::filesystem;

namespace {

// A fingerprint of the generator and of every content source it reads.
std::uint64_t fingerprint() {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&](std::uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    auto stamp = [&](const fs::path& p) {
        std::error_code ec;
        mix(std::hash<std::string>{}(p.string()));
        mix(std::uint64_t(fs::file_size(p, ec)));
        mix(std::uint64_t(fs::last_write_time(p, ec).time_since_epoch().count()));
    };
    stamp(assetgen_exe());
    const fs::path content = fs::path(TSUMIKIYA_SOURCE_DIR) / "content";
    stamp(content / "chips.txt");
    for (const char* sub : {"sprites", "sounds", "music"}) {
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(content / sub, ec))
            if (e.is_regular_file()) stamp(e.path());
    }
    return h;
}

} // namespace

fs::path assetgen_exe() {
    return fs::path(TSUMIKIYA_GAME_DIR) / ".." / "tools" / "assetgen" / "tsumikiya-assetgen";
}

bool run_assetgen(const fs::path& root, const std::string& args) {
    const std::string cmd = "\"" + assetgen_exe().string() + "\" \"" + root.string() + "\" " + args + " > /dev/null";
    return std::system(cmd.c_str()) == 0;
}

fs::path generated_root() {
    // Builds of other checkouts run these tests too, at the same time: each
    // build keeps its roots under a prefix of its own.
    std::ostringstream prefix, name;
    prefix << "tsu_assets_" << std::hex << (std::hash<std::string>{}(fs::weakly_canonical(assetgen_exe()).string()) & 0xFFFFFFFFu)
           << "_";
    name << prefix.str() << std::hex << fingerprint();
    const fs::path base = fs::path(::testing::TempDir());
    const fs::path root = base / name.str();
    std::error_code ec;
    if (fs::is_directory(root / "mp3", ec)) return root;
    // Written aside and renamed, so a folder under the final name is complete
    // even when two test processes race to write it.
    const fs::path scratch = base / (name.str() + ".part" + std::to_string(::getpid()));
    fs::remove_all(scratch, ec);
    if (!run_assetgen(scratch)) return {};
    fs::rename(scratch, root, ec);
    if (ec) fs::remove_all(scratch, ec);
    // This build's roots of older generators or sources are of no more use,
    // nor are halves left by a test process that was stopped an hour ago.
    const auto hour_ago = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& e : fs::directory_iterator(base, ec)) {
        const std::string n = e.path().filename().string();
        if (!n.starts_with("tsu_assets_") || e.path() == root) continue;
        const bool part = n.find(".part") != std::string::npos;
        const bool ours = n.starts_with(prefix.str());
        if ((ours && !part) || (part && fs::last_write_time(e.path(), ec) < hour_ago)) fs::remove_all(e.path(), ec);
    }
    return fs::is_directory(root / "mp3", ec) ? root : fs::path{};
}

} // namespace tsu::testing_support
