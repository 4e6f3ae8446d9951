// One post: decode, store, answer.
#include "post_handler.h"

#include "answer_choice.h"
#include "post_decode.h"
#include "ranking/field_text.h"
#include "ranking/ir_parse.h"
#include "ranking/utf7.h"

#include <cstdio>

namespace tsu::rankd {

std::string refusal_line() {
    static const std::string line = utf7_pack(wrap_field_text(kRefusalMark));
    return line;
}

Reply handle_post(Store& store, const PostRules& rules, std::string_view body) {
    if (body.size() > rules.max_body) return {413, "post too large\n"};
    std::string line;
    auto decoded = decode_post(body, line);
    if (auto* why = std::get_if<BadPost>(&decoded)) return {400, "bad post: " + why->reason + "\n"};
    const tplayer& p = std::get<tplayer>(decoded);
    PostOutcome out;
    try {
        out = store.post(p, line, rules.refuse_seconds, kAnswerPlayers);
    } catch (const StoreError& e) {
        std::fprintf(stderr, "database: %s\n", e.what());
        return {503, "ranking database unavailable\n"};
    }
    Reply r;
    std::size_t size = out.refused ? refusal_line().size() + 2 : 0;
    for (const std::string& l : out.lines) size += l.size() + 2;
    r.body.reserve(size);
    for (const std::string& l : out.lines) r.body.append(l).append("\r\n");
    if (out.refused) r.body.append(refusal_line()).append("\r\n");
    return r;
}

} // namespace tsu::rankd
