// A game with a recording platform and a fresh temporary data root, for tests
// that drive the game's handlers directly.
#pragma once
#include "game/game.h"
#include "support/fake_platform.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tsu::testing {

// A temporary folder removed when the object dies.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

// The bytes of a file (none when it cannot be read).
std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file);

// Copies the data root the build generated (cg/, dat/, mp3/) into `to`.
void copy_built_root(const std::filesystem::path& to);

// Installs the game's font as the canvases' text engine (once per process).
void ensure_text_engine();

struct GameFixture {
    GameFixture();
    FakePlatform platform;
    TempDir root;
    std::unique_ptr<Game> game;
    Game& g() { return *game; }
};

} // namespace tsu::testing
