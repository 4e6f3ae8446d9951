// tsumikiya-assetgen: writes the pictures, sound effects and music of the
// data root (cg/, dat/ and mp3/; never the stage files, which the stage
// compiler writes) from the sources under content/, and optionally sheets
// of the art as PNG pictures for looking it over.
//
//   tsumikiya-assetgen ROOT [--content DIR] [--only pictures|sounds|music]
//                      [--sheet FILE.png] [--chip-sheet FILE.png] [--stamp FILE]
//                      [--preview FILE.png PICTURE...]   (enlarged, for drawing)
#include "assetgen.h"
#include "picture_set.h"
#include "source_text.h"

#include "render/image_io.h"
#include "render/text_engine.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage: tsumikiya-assetgen ROOT [--content DIR] [--only pictures|sounds|music] [--sheet FILE.png] "
    "[--chip-sheet FILE.png] [--stamp FILE]";

int fail(const std::string& why) {
    std::cerr << "tsumikiya-assetgen: " << why << "\n";
    return 1;
}

int run(int argc, char** argv) {
    using namespace tsu;
    std::string root, sheet, chip_sheet, stamp, only, preview, content = TSUMIKIYA_CONTENT_DIR;
    std::vector<std::string> preview_names;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool has_value = i + 1 < argc;
        if (a == "--sheet" && has_value) sheet = argv[++i];
        else if (a == "--chip-sheet" && has_value) chip_sheet = argv[++i];
        else if (a == "--stamp" && has_value) stamp = argv[++i];
        else if (a == "--content" && has_value) content = argv[++i];
        else if (a == "--only" && has_value) only = argv[++i];
        else if (a == "--preview" && has_value) {
            preview = argv[++i];
            while (i + 1 < argc && !std::string(argv[i + 1]).starts_with("--")) preview_names.push_back(argv[++i]);
            only = "preview";
        }
        else if (root.empty() && !a.starts_with("--")) root = a;
        else return fail(kUsage);
    }
    if (!preview.empty()) {
        std::string error;
        set_default_text_engine(make_game_text_engine(&error));
        assetgen::PictureSet pictures(content);
        if (!save_png(preview, assetgen::make_preview(pictures, preview_names), &error)) return fail(error);
        return 0;
    }
    if (root.empty() || (!only.empty() && only != "pictures" && only != "sounds" && only != "music"))
        return fail(kUsage);

    std::string error;
    auto engine = make_game_text_engine(&error);
    if (!engine) return fail(error);
    set_default_text_engine(engine);

    std::error_code ec;
    for (const char* sub : {"/cg", "/dat", "/mp3"}) {
        std::filesystem::create_directories(root + sub, ec);
        if (ec) return fail("cannot create " + root + sub + ": " + ec.message());
    }
    const bool all = only.empty();
    if (all || only == "pictures" || !sheet.empty() || !chip_sheet.empty()) {
        assetgen::PictureSet pictures(content);
        if ((all || only == "pictures") && !assetgen::write_pictures(pictures, root, &error)) return fail(error);
        if (!sheet.empty() && !save_png(sheet, assetgen::make_contact_sheet(pictures), &error)) return fail(error);
        if (!chip_sheet.empty() && !save_png(chip_sheet, assetgen::make_chip_sheet(pictures, content), &error))
            return fail(error);
    }
    if ((all || only == "sounds") && !assetgen::write_sounds(content, root, &error)) return fail(error);
    if ((all || only == "music") && !assetgen::write_music(content, root, &error)) return fail(error);
    if (!stamp.empty() && !(std::ofstream(stamp) << "assets written to " << root << "\n"))
        return fail("cannot write " + stamp);
    set_default_text_engine(nullptr);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const tsu::assetgen::SourceError& e) {
        return fail(e.what());
    }
}
