// Window creation and close: the save file, the enemy types, the font, the
// pictures and the first title picture.
#include "data/file_io.h"
#include "data/save_file.h"
#include "data/teki_table.h"
#include "editor/editor.h"
#include "game/assets.h"
#include "game/events.h"
#include "game/game.h"
#include "game/modes.h"
#include "render/text_engine.h"

#include <filesystem>

namespace tsu {

namespace {

// The Japanese font is the one thing the game cannot draw without; it is
// looked up once per process.
bool install_font(Game& g) {
    if (default_text_engine() != nullptr) return true;
    std::string error;
    std::shared_ptr<const TextEngine> engine = make_game_text_engine(&error);
    if (!engine) {
        g.platform->message_box(
            "日本語フォントが見つかりません (IPAGothic, fonts-ipafont-gothic)。\n" + error);
        return false;
    }
    set_default_text_engine(std::move(engine));
    return true;
}

} // namespace

bool FormCreate(Game& g) {
    // Half-written temporary files of a game that was killed or lost its
    // power while saving; the files they were to replace are whole.
    const std::string saves = std::filesystem::path(g.write_path("my.dat")).parent_path().string();
    remove_stale_temp_files(saves);
    remove_stale_temp_files(saves + "/replays");
    // A missing save file is the first start; an unreadable one has been kept
    // aside and reported. Either way the game goes on from the reset values.
    load_save_at_start(g);
    fill_teki_type(g);
    if (!install_font(g)) return false;
    g.cg.resize(kViewWidth, kViewHeight, kBlack);
    g.cg.text_engine = nullptr;
    show_picture(g, g.rnd(2) == 0 ? "0.jpg" : "1.jpg");
    g.mode = 0;
    if (!load_pictures(g)) return false;
    g.client_width = kViewWidth;
    g.client_height = kViewHeight;
    return true;
}

void FormClose(Game& g) {
    write_save(g);
    if (g.editor) editor_closing(g);
}

} // namespace tsu
