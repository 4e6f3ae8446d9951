// tsumikiya-effectgallery: contact sheets of every effect kind (three
// frames each: early, middle and late in its life, labelled with the kind)
// and of each weather, drawn with the game's own renderer, pictures and font.
//
//   tsumikiya-effectgallery [--root DIR] [--out DIR] [--kind N]...
//
// With --kind only the named kinds are drawn, at full size, one sheet each.
#include "app/headless_platform.h"
#include "game/events.h"
#include "game/game.h"
#include "gallery.h"
#include "render/effect_kind.h"
#include "render/image_io.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tsu;

constexpr int kKindsPerSheet = 6;

bool write(const Bitmap& pic, const std::filesystem::path& path) {
    std::string error;
    if (!save_png(path.string(), pic, &error)) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

std::string three(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

std::vector<int> drawn_kinds() {
    std::vector<int> kinds;
    for (int k = 0; k <= kMaxEffectKind; ++k) {
        const EffectKind* e = find_effect_kind(k);
        if (e != nullptr && e->draw != nullptr) kinds.push_back(k);
    }
    return kinds;
}

int usage() {
    std::fprintf(stderr, "usage: tsumikiya-effectgallery [--root DIR] [--out DIR] [--kind N]...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string root = TSUMIKIYA_GAME_DIR;
    std::filesystem::path out = "effect-gallery";
    std::vector<int> only;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return usage();
        if (a == "--root") root = argv[++i];
        else if (a == "--out") out = argv[++i];
        else if (a == "--kind") only.push_back(std::atoi(argv[++i]));
        else return usage();
    }
    HeadlessPlatform platform;
    platform.echo_messages = true;
    auto game = std::make_unique<Game>();
    Game& g = *game;
    g.platform = &platform;
    g.root = root;
    g.random.reseed(1);
    if (!FormCreate(g)) return 1;
    g.bak.resize(kViewWidth, kViewHeight, kBlack);
    std::filesystem::create_directories(out);
    bool ok = true;

    if (!only.empty()) {
        for (int kind : only)
            ok &= write(gallery::sheet(gallery::kind_frames(g, kind, true), 3, "kind " + std::to_string(kind)),
                        out / ("kind_" + three(kind) + ".png"));
        return ok ? 0 : 1;
    }

    const std::vector<int> kinds = drawn_kinds();
    for (std::size_t first = 0; first < kinds.size(); first += kKindsPerSheet) {
        std::vector<gallery::Tile> tiles;
        const std::size_t end = std::min(kinds.size(), first + kKindsPerSheet);
        for (std::size_t i = first; i < end; ++i) {
            std::vector<gallery::Tile> frames = gallery::kind_frames(g, kinds[i]);
            frames.resize(3, gallery::Tile{Bitmap(kViewWidth / 2, kViewHeight / 2, kBlack), "-"});
            for (auto& f : frames) tiles.push_back(std::move(f));
        }
        const std::string name = "kinds_" + three(kinds[first]) + "-" + three(kinds[end - 1]);
        ok &= write(gallery::sheet(tiles, 3, name + " (early, middle, late)"), out / (name + ".png"));
    }
    static constexpr const char* kWeather[] = {"clear", "rain", "storm", "snow", "leaves"};
    for (int w = 0; w < 5; ++w)
        ok &= write(gallery::sheet(gallery::weather_frames(g, w), 2, std::string("weather ") + kWeather[w]),
                    out / ("weather_" + std::to_string(w) + "_" + kWeather[w] + ".png"));
    return ok ? 0 : 1;
}
