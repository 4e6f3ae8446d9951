// One ranking exchange: the request body from the profile, the POST through
// the platform (libcurl), and the answer or the failure.
#include "ui/ranking_exchange.h"

#include "game/game.h"
#include "ranking/ranking.h"
#include "ui/panels.h"
#include "widgets/look.h"

namespace tsu {

namespace {

constexpr const char* kNoClientText = "1x.libcurl生成に失敗";
constexpr const char* kBadAddressText = "ランキングサーバーのアドレスが正しくありません: ";

// A failure of the exchange itself: the table is emptied (as an answer
// without lines would leave it) and the status line tells the player.
void exchange_failed(Game& g) {
    label(g, "ir_mes_l").caption = kTimeoutText;
    g.ir_failure = kTimeoutText;
    ir_parse(g.ranking, {});
}

} // namespace

tplayer ir_profile(const Game& g, const LocalTime& today) {
    tplayer p;
    p.name = g.my.name;
    p.ir_id = g.my.ir_id;
    p.comment = g.comment;
    p.age = g.my.age;
    p.place = g.my.place;
    p.hi_score = g.my.hi_score;
    p.play_count = g.my.play_count;
    p.hi_chara = g.my.hi_chara;
    p.hi_stage = g.my.hi_stage;
    for (std::size_t s = 1; s < std::size_t(kStageSets); ++s) {
        p.ex_play[s] = g.my.ex_play[s];
        p.ex_score[s] = g.my.ex_best[s].gold;
        p.ex_chara[s] = g.my.ex_best[s].chara;
        p.ex_stage[s] = g.my.ex_best[s].stage;
    }
    p.date = date_text(today.year, today.month, today.day);
    return p;
}

void ir_post(Game& g) {
    const tplayer me = ir_profile(g, g.platform->local_time());
    // No header of our own: the body is the whole message.
    const HttpResponse r = g.platform->http_post(ir_request_url(g.ranking_url), ir_request_body(me), "",
                                                 kRankingTimeoutSeconds);
    switch (r.failure) {
    case HttpFailure::no_client: g.platform->message_box(kNoClientText); return;
    case HttpFailure::bad_request: g.platform->message_box(kBadAddressText + g.ranking_url); return;
    case HttpFailure::none:
        if (r.status == 200) {
            ir_parse_response(g.ranking, r.body);
            return;
        }
        break;
    case HttpFailure::no_answer:
    case HttpFailure::cancelled: break;
    }
    exchange_failed(g);
}

void draw_sending_wait(const Game& g, Bitmap& picture, int elapsed_ms) {
    const Control* status = g.controls.find("ir_mes_l");
    if (status == nullptr || !status->shown()) return;
    const Rect r = status->client_rect();
    look::use_font(picture, status->text, status->text.colour);
    const int text_w = picture.text_width(status->caption);
    constexpr int kSquare = 6, kGap = 3;
    const int top = r.top + (r.height() - kSquare) / 2;
    const int seconds = elapsed_ms / 1000;
    const bool blink_on = elapsed_ms % 1000 < 500;
    for (int i = 0; i < kRankingTimeoutSeconds; ++i) {
        const int left = r.left + text_w + 10 + i * (kSquare + kGap);
        const Rect sq{left, top, left + kSquare, top + kSquare};
        if (sq.right > r.right) break;
        if (i < seconds || (i == seconds && blink_on))
            look::fill(picture, sq, look::title_colour);
        else
            look::frame(picture, sq, look::edge, look::edge);
    }
}

} // namespace tsu
