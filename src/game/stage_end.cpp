// Game over and the stage-end picture step.
#include "game/stage_end.h"

#include "game/assets.h"
#include "game/game.h"
#include "render/image_io.h"
#include "ui/music.h"
#include "ui/result_screens.h"

#include <string>

namespace tsu {

namespace {
std::string stage_end_picture_name(Game& g) {
    const int c = g.chara;
    if (g.mode == 2 && g.my.all_clear != 0) {
        static const char* const clear[] = {"clear.jpg", "clear2.jpg", "clear3.jpg"};
        return clear[c == 1 ? 1 : c == 2 ? 2 : 0];
    }
    if (g.mode == 2) {
        static const char* const over[] = {"gameover.jpg", "gameover2.jpg", "gameover3.jpg"};
        return over[c == 1 ? 1 : c == 2 ? 2 : 0];
    }
    if (c == 1) return g.rnd(2) == 0 ? "result_s.jpg" : "result_s2.jpg";
    if (c == 2) return "result_n.jpg";
    static const char* const result[] = {"result.jpg", "result2.jpg", "result3.jpg", "result4.jpg"};
    return result[g.rnd(4)];
}
} // namespace

void stage_end_picture(Game& g) {
    g.gold_shown = g.my.gold;
    g.wipe = 10;
    g.wipe_size = 200;
    Bitmap& snap = g.cg_img[39];
    snap.resize(kViewWidth, kViewHeight, kBlack);
    snap.draw(0, 0, g.cg);
    const std::string name = stage_end_picture_name(g);
    Bitmap pic;
    std::string error;
    if (load_picture(g.path("cg", name), pic, &error))
        g.haikei = std::move(pic);
    else
        g.platform->message_box("画像ファイル cg/" + name + " を読み込めません。\n" + error);
}

int clear_bonus(int misses, int throws) {
    return (misses == 0 ? 500 : 0) - attack_penalty(throws);
}

void goal_test(Game& g) {
    if (g.mode != 1) return;
    if (g.view_cell(g.my.x, g.my.y).lower != 6) return;
    g.mode = 3;
    stage_end_picture(g);
    g.my.gold += clear_bonus(g.my.misses, g.my.throws);
    g.gold_shown = g.my.gold;
}

void game_over(Game& g) {
    play_mp3(g, "not");
    play_se(g, "over.wav");
    g.my.lives = 0;
    g.mode = 2;
    stage_end_picture(g);
    clear_power_up_timers(g.my);
}

} // namespace tsu
