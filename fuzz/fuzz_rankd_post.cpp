// A post to the ranking server, whatever its body: the handler answers 413
// exactly when the body is over the limit, otherwise 200 or 400, and stores
// only on 200. What it lets through is a player the game could have sent,
// and its answer is a table the game reads with that player in it.
#include "fuzz_game.h"
#include "fuzz_text.h"
#include "post_decode.h"
#include "post_handler.h"
#include "ranking/ir_parse.h"

namespace {

// Answers with the poster's own line: the handler is fuzzed, not a database.
class LastPost final : public tsu::rankd::Store {
  public:
    tsu::rankd::PostOutcome post(const tsu::tplayer& p, const std::string& line, int, int) override {
        last = p;
        ++posts;
        return {false, {line}};
    }
    std::vector<tsu::tplayer> ranking(int, int) override { return {}; }
    tsu::tplayer last;
    int posts = 0;
};

bool sound(const tsu::tplayer& p) {
    using namespace tsu;
    if (p.name.empty() || p.ir_id < 0 || p.ir_id > 9999 || p.hi_score < 0 || p.play_count < 0) return false;
    if (p.hi_chara < 0 || p.hi_chara > 3 || p.hi_stage < 0 || p.hi_stage > 8) return false;
    if (p.age < 0 || p.age > 150) return false;
    for (int s = 1; s < kStageSets; ++s) {
        const auto k = std::size_t(s);
        if (p.ex_score[k] < 0 || p.ex_play[k] < 0 || p.ex_chara[k] < 0 || p.ex_chara[k] > 3 ||
            p.ex_stage[k] < 0 || p.ex_stage[k] > 8)
            return false;
    }
    if (rankd::utf8_chars(p.name) > rankd::kMaxName || rankd::utf8_chars(p.comment) > rankd::kMaxComment ||
        rankd::utf8_chars(p.place) > rankd::kMaxPlace || rankd::utf8_chars(p.date) > rankd::kMaxDate)
        return false;
    for (const std::string* t : {&p.name, &p.comment, &p.place, &p.date}) {
        if (!fuzz::valid_utf8(*t)) return false;
        for (const char c : *t)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    const std::string_view body = fuzz::as_text(data, size);
    static LastPost store;

    // The body limit, at the server's default and just below this body.
    if (size > 0) FUZZ_CHECK(rankd::handle_post(store, {60, size - 1}, body).status == 413);
    const int before = store.posts;
    const rankd::Reply r = rankd::handle_post(store, {60, 8192}, body);
    FUZZ_CHECK((r.status == 413) == (size > 8192));
    FUZZ_CHECK(r.status == 200 || r.status == 400 || r.status == 413);
    FUZZ_CHECK(store.posts - before == (r.status == 200 ? 1 : 0));
    FUZZ_CHECK(fuzz::valid_utf8(r.body));
    if (r.status != 200) return 0;

    FUZZ_CHECK(sound(store.last));
    const auto decoded = rankd::decode_post(body);
    FUZZ_CHECK(std::holds_alternative<tplayer>(decoded) && std::get<tplayer>(decoded).name == store.last.name);
    RankingTable table;
    FUZZ_CHECK(ir_parse_response(table, r.body) == 1);
    return 0;
}
