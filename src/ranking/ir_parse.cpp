// The answer's lines are decoded to Shift-JIS and searched byte by byte for
// their markers, as the game has always read them.
#include "ranking/ir_parse.h"

#include "ranking/field_tags.h"
#include "ranking/local_text.h"
#include "ranking/utf7.h"

namespace tsu {

namespace {

std::string decode_local(std::string_view cp932) { return from_local(cp932); }

bool is_duplicate(const RankingTable& ranking, int q) {
    const tplayer& e = ranking[std::size_t(q)];
    if (e.name.empty()) return false;
    for (int j = 1; j < kRankingEntries; ++j) {
        const tplayer& o = ranking[std::size_t(j)];
        if (j != q && o.name == e.name && o.ir_id == e.ir_id) return true;
    }
    return false;
}

} // namespace

std::vector<std::string> split_lines(std::string_view body) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\r' && body[i] != '\n') continue;
        lines.emplace_back(body.substr(start, i - start));
        if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < body.size()) lines.emplace_back(body.substr(start));
    return lines;
}

int ir_parse(RankingTable& ranking, const std::vector<std::string>& lines) {
    // Every field is emptied, the date and the ID too, so that a line
    // without them never shows the values of the table's last reading.
    ranking.fill(tplayer{});
    static const std::string refusal = to_local(kRefusalMark);
    int q = 0;
    bool full = false; // a 100th player was named: the rest of the players are ignored
    const std::size_t count = std::min(lines.size(), std::size_t(kResponseLines));
    for (std::size_t i = 0; i < count; ++i) {
        const std::string line = utf7_unpack_local(lines[i]);
        if (line.find(refusal) != std::string::npos) {
            ranking[0].name = std::string(kRefusalNotice);
            break;
        }
        const auto name = name_value(line);
        if (name && q == kRankingEntries - 1) full = true;
        if (full) continue;
        if (name) {
            ++q;
            ranking[std::size_t(q)].name = from_local(*name);
        }
        tplayer& e = ranking[std::size_t(q)];
        for (const FieldTag& f : field_tags()) {
            if (const auto v = tag_value(line, f)) apply_field(e, f, *v, decode_local);
        }
        if (name && is_duplicate(ranking, q)) {
            ranking[std::size_t(q)] = tplayer{};
            q = std::max(q - 1, 0);
        }
    }
    return q;
}

int ir_parse_response(RankingTable& ranking, std::string_view body) {
    return ir_parse(ranking, split_lines(body));
}

} // namespace tsu
