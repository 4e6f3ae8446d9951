// A ranking server's answer, whatever its bytes, fills the table with at
// most 99 players whose texts are UTF-8 the game can draw; the entries past
// the last player stay empty, and the ranking screen's order lists only
// entries that hold a player, each at most once per stage set.
#include "fuzz_game.h"
#include "fuzz_text.h"
#include "ranking/ir_parse.h"
#include "ranking/ir_sort.h"

namespace {

bool empty_entry(const tsu::tplayer& p) {
    const tsu::tplayer e{};
    return p.name.empty() && p.date.empty() && p.place.empty() && p.comment.empty() &&
           p.hi_stage == 0 && p.hi_chara == 0 && p.ir_id == 0 && p.hi_score == 0 && p.age == 0 &&
           p.play_count == 0 && p.ex_play == e.ex_play && p.ex_score == e.ex_score &&
           p.ex_chara == e.ex_chara && p.ex_stage == e.ex_stage;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    static RankingTable table; // static: a reading must not depend on the last one
    static IrOrder order;
    const int count = ir_parse_response(table, fuzz::as_text(data, size));
    FUZZ_CHECK(count >= 0 && count < kRankingEntries);
    for (int i = 0; i < kRankingEntries; ++i) {
        const tplayer& p = table[std::size_t(i)];
        if (i > count) FUZZ_CHECK(empty_entry(p));
        for (const std::string* t : {&p.name, &p.comment, &p.place, &p.date})
            FUZZ_CHECK(fuzz::valid_utf8(*t));
        for (int s = 1; s < kStageSets; ++s) {
            FUZZ_CHECK(p.ex_chara[std::size_t(s)] >= 0 && p.ex_chara[std::size_t(s)] <= 9);
            FUZZ_CHECK(p.ex_stage[std::size_t(s)] >= 0 && p.ex_stage[std::size_t(s)] <= 9);
        }
    }
    ir_sort(table, order);
    for (int s = 0; s < kStageSets; ++s) {
        bool listed[kRankingEntries] = {};
        bool ended = false; // the players come first, then zeros
        for (const int32_t e : order[std::size_t(s)]) {
            if (e == 0) {
                ended = true;
                continue;
            }
            FUZZ_CHECK(!ended && e > 0 && e <= count && !listed[e]);
            FUZZ_CHECK(!table[std::size_t(e)].name.empty());
            listed[e] = true;
        }
    }
    return 0;
}
