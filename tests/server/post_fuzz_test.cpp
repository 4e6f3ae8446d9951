// Random and mutated posts: the decoder and the handler never crash and
// answer every body with 200, 400 or 413; a 200 is always a table the game
// can read with the poster in it.
#include "post_handler.h"
#include "sqlite_store.h"
#include "support/rankd_harness.h"

#include "platform/http_client.h"
#include "ranking/ranking.h"

#include <gtest/gtest.h>

#include <random>

namespace tsu::testing {
namespace {

class Mutator {
  public:
    explicit Mutator(uint32_t seed) : rng_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // A few random edits: flip, insert, delete, duplicate a span.
    std::string mutate(std::string s, std::string_view alphabet) {
        const int edits = 1 + below(4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = s.empty() ? 0 : std::size_t(below(int(s.size())));
            switch (below(5)) {
            case 0:
                if (!s.empty()) s[at] = char(below(256));
                break;
            case 1: s.insert(at, 1, alphabet[std::size_t(below(int(alphabet.size())))]); break;
            case 2:
                if (!s.empty()) s.erase(at, std::size_t(1 + below(8)));
                break;
            case 3:
                if (!s.empty()) s.insert(at, s.substr(at, std::size_t(1 + below(40))));
                break;
            default:
                if (!s.empty()) s[at] = alphabet[std::size_t(below(int(alphabet.size())))];
            }
        }
        return s;
    }
    std::string random_bytes(int max) {
        std::string s(std::size_t(below(max)), '\0');
        for (char& c : s) c = char(below(256));
        return s;
    }

  private:
    std::mt19937 rng_;
};

tplayer varied_player(Mutator& m, int i) {
    tplayer p = make_player("f" + std::to_string(i % 500), i % 37, m.below(100000), m.below(50));
    for (int s = 1; s < kStageSets; ++s) {
        const auto k = std::size_t(s);
        p.ex_play[k] = m.below(9), p.ex_score[k] = m.below(3000), p.ex_chara[k] = m.below(4), p.ex_stage[k] = m.below(9);
    }
    return p;
}

// The body at one of its layers, mutated there, then carried out to a body.
std::string fuzz_body(Mutator& m, int i) {
    const tplayer p = varied_player(m, i);
    static constexpr std::string_view kMarkers = "[]{}ntcalgpxyzbdefhijkmoqrsuvw$#0123456789-+";
    static constexpr std::string_view kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/-!~";
    static constexpr std::string_view kPercent = "%0123456789ABCDEFabcdefG";
    switch (m.below(5)) {
    case 0: return m.mutate(ir_request_body(p), kPercent);
    case 1: return percent_encode(m.mutate(packed_line(p), kBase64));
    case 2: return percent_encode(utf7_pack(wrap_field_text(m.mutate(field_text(p), kMarkers))));
    case 3: return m.random_bytes(m.below(4) == 0 ? 9000 : 300);
    default: return ir_request_body(p);
    }
}

// Keeps the last post in memory: the handler's own work is what is fuzzed
// here, at a hundred thousand bodies; the real database gets its share over
// HTTP below.
class MemoryStore final : public rankd::Store {
  public:
    rankd::PostOutcome post(const tplayer& p, const std::string& line, int, int) override {
        last = p;
        ++posts;
        return {false, {line}};
    }
    std::vector<tplayer> ranking(int, int) override { return {}; }
    tplayer last;
    int posts = 0;
};

// What the handler let through is a player the game could have sent.
bool sound(const tplayer& p) {
    if (p.name.empty() || p.ir_id < 0 || p.ir_id > 9999 || p.hi_score < 0 || p.play_count < 0) return false;
    if (p.hi_chara < 0 || p.hi_chara > 3 || p.hi_stage < 0 || p.hi_stage > 8) return false;
    for (int s = 1; s < kStageSets; ++s) {
        const auto k = std::size_t(s);
        if (p.ex_score[k] < 0 || p.ex_play[k] < 0 || p.ex_chara[k] > 3 || p.ex_stage[k] > 8) return false;
    }
    return true;
}

void check_reply(const rankd::Reply& r, const std::string& body) {
    ASSERT_TRUE(r.status == 200 || r.status == 400 || r.status == 413) << r.status << " for " << body;
    if (r.status != 200) return;
    RankingTable t;
    ASSERT_GE(ir_parse_response(t, r.body), 1) << body;
}

TEST(RankdFuzz, HundredThousandBodiesThroughTheHandlerAndSomeOverHttp) {
    MemoryStore memory;
    Mutator m(20240611);
    int answered[3] = {};
    for (int i = 0; i < 100000; ++i) {
        const std::string body = fuzz_body(m, i);
        const int before = memory.posts;
        const rankd::Reply r = rankd::handle_post(memory, {60, 8192}, body);
        check_reply(r, body);
        if (HasFatalFailure()) return;
        ++answered[r.status == 200 ? 0 : r.status == 400 ? 1 : 2];
        ASSERT_EQ(memory.posts - before, r.status == 200 ? 1 : 0) << "only a 200 stores";
        if (r.status == 200) {
            ASSERT_TRUE(sound(memory.last)) << body;
        }
    }
    // Each kind of answer occurred: the bodies reached every layer.
    EXPECT_GT(answered[0], 10000);
    EXPECT_GT(answered[1], 10000);
    EXPECT_GT(answered[2], 100);

    TempFolder folder;
    LocalServer server(rankd::open_sqlite_store(folder.path() + "/fuzz.sqlite"));
    const std::string url = ir_request_url(server.base_url());
    for (int i = 0; i < 1500; ++i) {
        const std::string body = fuzz_body(m, i);
        const HttpResponse r = http_post_curl(url, body, "", 10);
        ASSERT_TRUE(r.status == 200 || r.status == 400 || r.status == 413) << r.status << r.error;
    }
}

} // namespace
} // namespace tsu::testing
