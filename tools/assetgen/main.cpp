// tsumikiya-assetgen: writes the INTERIM pictures and sound effects of the
// data root (cg/ and dat/; never the stage files, which the stage compiler
// writes), and optionally a contact sheet of the art as a PNG.
//
//   tsumikiya-assetgen ROOT [--sheet FILE.png] [--stamp FILE]
#include "assetgen.h"

#include "render/image_io.h"
#include "render/text_engine.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

int fail(const std::string& why) {
    std::cerr << "tsumikiya-assetgen: " << why << "\n";
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tsu;
    std::string root, sheet, stamp;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--sheet" && i + 1 < argc) sheet = argv[++i];
        else if (a == "--stamp" && i + 1 < argc) stamp = argv[++i];
        else if (root.empty() && !a.starts_with("--")) root = a;
        else return fail("usage: tsumikiya-assetgen ROOT [--sheet FILE.png] [--stamp FILE]");
    }
    if (root.empty()) return fail("usage: tsumikiya-assetgen ROOT [--sheet FILE.png] [--stamp FILE]");

    std::string error;
    const std::string font = find_japanese_font(&error);
    if (font.empty()) return fail(error);
    auto engine = make_freetype_text_engine(font, &error);
    if (!engine) return fail(error);
    set_default_text_engine(engine);

    std::error_code ec;
    for (const char* sub : {"/cg", "/dat"}) {
        std::filesystem::create_directories(root + sub, ec);
        if (ec) return fail("cannot create " + root + sub + ": " + ec.message());
    }
    if (!assetgen::write_sprites_and_chips(root, &error) || !assetgen::write_pictures(root, &error) ||
        !assetgen::write_sounds(root, &error))
        return fail(error);
    if (!sheet.empty() && !save_png(sheet, assetgen::make_contact_sheet(), &error)) return fail(error);
    if (!stamp.empty() && !(std::ofstream(stamp) << "interim assets written to " << root << "\n"))
        return fail("cannot write " + stamp);
    set_default_text_engine(nullptr);
    return 0;
}
