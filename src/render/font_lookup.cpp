// Finding the game's Japanese font through fontconfig. The game's texts are
// Japanese, so a font that matches the name but lacks kana or the kanji the
// game shows is as good as none: start-up reports it instead of drawing
// empty boxes.
#include "render/text_engine.h"
#include "render/utf8.h"

#include <fontconfig/fontconfig.h>

#include <string_view>

namespace tsu {
namespace {

constexpr const char* kPattern = "IPAGothic:lang=ja";
// Kana and kanji from the game's own screens: title, status line, menus.
constexpr std::string_view kMustCover = "あアン両忍初期化";
constexpr const char* kHint = " (install the package fonts-ipafont-gothic)";

} // namespace

std::string find_japanese_font(std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error != nullptr) *error = why + kHint;
        return std::string();
    };
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return fail("fontconfig could not load its configuration");
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(kPattern));
    if (pattern == nullptr) {
        FcConfigDestroy(config);
        return fail("fontconfig could not parse the font pattern");
    }
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    std::string path, why;
    if (match == nullptr) {
        why = "no font matches " + std::string(kPattern);
    } else {
        FcChar8* file = nullptr;
        FcCharSet* charset = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
            why = "the matched font has no file";
        } else if (FcPatternGetCharSet(match, FC_CHARSET, 0, &charset) != FcResultMatch) {
            why = std::string("cannot read the characters of ") + reinterpret_cast<const char*>(file);
        } else {
            path = reinterpret_cast<const char*>(file);
            for (std::size_t i = 0; i < kMustCover.size();) {
                const std::size_t at = i;
                if (FcCharSetHasChar(charset, utf8::next(kMustCover, i)) == FcFalse) {
                    why = "the font " + path + " lacks the character " +
                          std::string(kMustCover.substr(at, i - at));
                    path.clear();
                    break;
                }
            }
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    if (path.empty()) return fail(why);
    if (error != nullptr) error->clear();
    return path;
}

} // namespace tsu
