#include "support/game_fixture.h"

#include "render/text_engine.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace tsu::testing {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("tsumikiya-test-" + std::to_string(::getpid()) + "-" +
                        std::to_string(counter++));
        if (std::filesystem::create_directory(path_)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void copy_built_root(const std::filesystem::path& to) {
    const std::filesystem::path from = TSUMIKIYA_GAME_DIR;
    for (const char* folder : {"cg", "dat", "mp3"}) {
        std::filesystem::create_directories(to / folder);
        if (!std::filesystem::exists(from / folder)) continue;
        std::filesystem::copy(from / folder, to / folder,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }
    // A test starts from no save file unless it writes one.
    std::error_code ec;
    std::filesystem::remove(to / "dat" / "my.dat", ec);
}

void ensure_text_engine() {
    if (default_text_engine() != nullptr) return;
    std::string error;
    set_default_text_engine(make_game_text_engine(&error));
}

GameFixture::GameFixture() : game(std::make_unique<Game>()) {
    ensure_text_engine();
    game->platform = &platform;
    game->root = root.str();
    game->cg.resize(kViewWidth, kViewHeight, kBlack);
    game->bak.resize(kViewWidth, kViewHeight, kBlack);
}

} // namespace tsu::testing
