// The tag table of the ranking line and reading values out of a line.
#include "ranking/field_tags.h"

#include <charconv>

namespace tsu {

namespace {

using K = FieldKind;

constexpr std::array<FieldTag, 27> kTags = {{
    {'t', K::number, true, 0}, {'c', K::text, true, 0},   {'a', K::number, true, 0},
    {'l', K::text, true, 0},   {'g', K::number, true, 0}, {'p', K::number, true, 0},
    {'x', K::number, true, 0}, {'y', K::number, true, 0},
    {'b', K::number, false, 1}, {'d', K::number, false, 1}, {'e', K::pair, false, 1},
    {'f', K::number, false, 2}, {'h', K::number, false, 2}, {'i', K::pair, false, 2},
    {'j', K::number, false, 3}, {'k', K::number, false, 3}, {'m', K::pair, false, 3},
    {'o', K::number, false, 4}, {'q', K::number, false, 4}, {'r', K::pair, false, 4},
    {'s', K::number, false, 5}, {'u', K::number, false, 5}, {'v', K::pair, false, 5},
    {'w', K::number, false, 6}, {'$', K::number, false, 6}, {'#', K::pair, false, 6},
    {'z', K::text, true, 0},
}};

// The first of an extra pack's two number tags is its best gold, the second
// its plays ("b" gold and "d" plays of pack 1).
bool is_pack_score(char tag) {
    for (const char t : {'b', 'f', 'j', 'o', 's', 'w'})
        if (t == tag) return true;
    return false;
}

std::optional<int32_t> digit(char c) {
    if (c < '0' || c > '9') return std::nullopt;
    return int32_t(c - '0');
}

} // namespace

const std::array<FieldTag, 27>& field_tags() { return kTags; }

int32_t* number_field(tplayer& p, const FieldTag& f) {
    if (f.kind != K::number) return nullptr;
    if (f.pack > 0) {
        auto& a = is_pack_score(f.tag) ? p.ex_score : p.ex_play;
        return &a[std::size_t(f.pack)];
    }
    switch (f.tag) {
    case 't': return &p.ir_id;
    case 'a': return &p.age;
    case 'g': return &p.hi_score;
    case 'p': return &p.play_count;
    case 'x': return &p.hi_chara;
    case 'y': return &p.hi_stage;
    default: return nullptr;
    }
}

const int32_t* number_field(const tplayer& p, const FieldTag& f) {
    return number_field(const_cast<tplayer&>(p), f);
}

std::string* text_field(tplayer& p, const FieldTag& f) {
    switch (f.tag) {
    case 'c': return &p.comment;
    case 'l': return &p.place;
    case 'z': return &p.date;
    default: return nullptr;
    }
}

const std::string* text_field(const tplayer& p, const FieldTag& f) {
    return text_field(const_cast<tplayer&>(p), f);
}

std::optional<std::string_view> marked_value(std::string_view line, std::string_view opening,
                                             std::string_view closing) {
    const std::size_t open = line.rfind(opening);
    const std::size_t close = line.rfind(closing);
    if (open == std::string_view::npos || close == std::string_view::npos) return std::nullopt;
    const std::size_t start = open + opening.size();
    if (close < start) return std::string_view{};
    return line.substr(start, close - start);
}

std::optional<std::string_view> name_value(std::string_view line) {
    return marked_value(line, "[n", "]n");
}

std::optional<std::string_view> tag_value(std::string_view line, const FieldTag& f) {
    const char opening[2] = {'{', f.tag};
    const char closing[2] = {f.brace_first ? '}' : f.tag, f.brace_first ? f.tag : '}'};
    return marked_value(line, {opening, 2}, {closing, 2});
}

std::optional<int32_t> parse_int32(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    }
    int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

bool apply_field(tplayer& p, const FieldTag& f, std::string_view value,
                 std::string (*decode_text)(std::string_view)) {
    switch (f.kind) {
    case K::text:
        *text_field(p, f) = decode_text ? decode_text(value) : std::string(value);
        return true;
    case K::number:
        if (const auto v = parse_int32(value)) {
            *number_field(p, f) = *v;
            return true;
        }
        return false;
    case K::pair: {
        const auto pack = std::size_t(f.pack);
        const auto chara = value.size() >= 1 ? digit(value[0]) : std::nullopt;
        const auto stage = value.size() >= 2 ? digit(value[1]) : std::nullopt;
        if (chara) p.ex_chara[pack] = *chara;
        if (stage) p.ex_stage[pack] = *stage;
        return chara && stage;
    }
    }
    return false;
}

} // namespace tsu
