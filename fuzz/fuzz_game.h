// What the fuzz targets share: a game over a throwaway data root (made once
// per process, removed at exit) whose message boxes are recorded, and a
// check that stops the run with a readable reason.
#pragma once
#include "data/teki_table.h"
#include "game/game.h"
#include "support/fake_platform.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>

namespace tsu::fuzz {

// A broken promise of the code under test: libFuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                                 \
    do {                                                                                 \
        if (!(cond)) {                                                                   \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

class FuzzRoot {
  public:
    FuzzRoot() : game_(std::make_unique<Game>()) {
        namespace fs = std::filesystem;
        // Written once or more per input: tmpfs when there is one.
        const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "tsumikiya-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        dir_ = pattern;
        fs::create_directory(dir_ / "dat");
        game_->platform = &platform;
        game_->root = dir_.string();
        fill_teki_type(*game_);
    }
    ~FuzzRoot() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    FuzzRoot(const FuzzRoot&) = delete;
    FuzzRoot& operator=(const FuzzRoot&) = delete;

    Game& g() { return *game_; }
    std::string dat(const std::string& name) const { return (dir_ / "dat" / name).string(); }
    void write(const std::string& name, std::string_view data) const {
        std::ofstream out(dat(name), std::ios::binary | std::ios::trunc);
        out.write(data.data(), std::streamsize(data.size()));
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dat(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing::FakePlatform platform;

  private:
    std::filesystem::path dir_;
    std::unique_ptr<Game> game_;
};

inline std::string_view as_text(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace tsu::fuzz
