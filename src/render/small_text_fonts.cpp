// Japanese bitmap fonts for small text. At 10 to 12 pixels an outline font
// drawn in 1 bit fills in the counters of bold kanji ("減点" turns into two
// blots); bitmap fonts drawn for those sizes keep every stroke apart. The
// M+ bitmap fonts come as a Latin file (ISO 8859-1) and a kanji file (JIS X
// 0208, the kana and kanji of the game's texts) for each size and weight.
// They are looked up among fontconfig's font folders by file name (the
// system's fontconfig hides bitmap fonts from matching); without them the
// engine draws every size with the outline font as before.
#include "render/text_engine.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>

namespace tsu {

namespace {

struct StrikeFiles {
    int pixels;
    bool bold;
    const char* latin;
    const char* kanji;
};

constexpr StrikeFiles kStrikes[] = {
    {10, false, "mplus_f10r.pcf.gz", "mplus_j10r.pcf.gz"},
    {10, true, "mplus_f10b.pcf.gz", "mplus_j10b.pcf.gz"},
    {12, false, "mplus_f12r.pcf.gz", "mplus_j12r.pcf.gz"},
    {12, true, "mplus_f12b.pcf.gz", "mplus_j12b.pcf.gz"},
};

std::vector<std::string> font_folders() {
    std::vector<std::string> folders;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return folders;
    if (FcStrList* list = FcConfigGetFontDirs(config); list != nullptr) {
        while (FcChar8* dir = FcStrListNext(list)) folders.emplace_back(reinterpret_cast<const char*>(dir));
        FcStrListDone(list);
    }
    FcConfigDestroy(config);
    return folders;
}

} // namespace

std::vector<BitmapStrike> find_small_text_fonts() {
    std::vector<BitmapStrike> found;
    const std::vector<std::string> folders = font_folders();
    auto locate = [&folders](const char* name) {
        std::error_code ec;
        for (const std::string& dir : folders) {
            const std::filesystem::path p = std::filesystem::path(dir) / name;
            if (std::filesystem::is_regular_file(p, ec)) return p.string();
        }
        return std::string();
    };
    for (const StrikeFiles& s : kStrikes) {
        BitmapStrike b{s.pixels, s.bold, locate(s.latin), locate(s.kanji)};
        if (!b.latin.empty() && !b.kanji.empty()) found.push_back(std::move(b));
    }
    return found;
}

std::shared_ptr<const TextEngine> make_game_text_engine(std::string* error) {
    const std::string path = find_japanese_font(error);
    if (path.empty()) return nullptr;
    return make_freetype_text_engine(path, find_small_text_fonts(), error);
}

} // namespace tsu
