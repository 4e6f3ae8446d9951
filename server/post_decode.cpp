// The server reads the same markers as the game, but over the UTF-8 text:
// no byte of a multi-byte character can then pass for a marker.
#include "post_decode.h"

#include "ranking/field_tags.h"
#include "ranking/field_text.h"
#include "ranking/ir_parse.h"
#include "ranking/local_text.h"
#include "ranking/percent.h"
#include "ranking/utf7.h"

#include <optional>

namespace tsu::rankd {

namespace {

BadPost bad(std::string reason) { return BadPost{std::move(reason)}; }

std::string tag_name(const FieldTag& f) { return f.opening() + "..." + f.closing(); }

// The checks on the numbers of a decoded player; empty when all hold.
std::string absurd_value(const tplayer& p) {
    if (p.ir_id < 0 || p.ir_id > 9999) return "ID outside 0..9999";
    if (p.hi_score < 0 || p.play_count < 0) return "negative gold or plays";
    if (p.hi_chara < 0 || p.hi_chara > 3) return "heroine outside 0..3";
    if (p.hi_stage < 0 || p.hi_stage > 8) return "stage outside 0..8";
    if (p.age < 0 || p.age > 150) return "age outside 0..150";
    for (int s = 1; s < kStageSets; ++s) {
        const auto i = std::size_t(s);
        if (p.ex_score[i] < 0 || p.ex_play[i] < 0) return "negative extra gold or plays";
    }
    return {};
}

// A line break inside a text would split the answer's line (UTF-7 writes
// CR and LF as they are); no edit field of the game takes control characters.
bool has_control(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

// The game looks for the refusal notice in every line of an answer and stops
// reading there: a player whose texts spell it out would empty the table of
// everyone who gets that player in an answer. The test is the game's own,
// over the line as the game reads it back to its code page: the text the
// line was packed from, since every such text reads back as itself.
bool reads_as_refusal(const std::string& local) {
    static const std::string mark = to_local(kRefusalMark);
    return local.find(mark) != std::string::npos;
}

// The game takes each marker's last occurrence in a line, so a text that
// holds one reads back as that field: "[nX]n{t7}t" in a comment makes the
// post that of player X with ID 7 (and replaces X's record), "[n" in a
// region gives an empty name that drops the player from every table. The
// marker a text holds, if any.
std::optional<std::string> marker_in(std::string_view text) {
    for (const char* m : {"[n", "]n"})
        if (text.find(m) != std::string_view::npos) return std::string(m);
    for (const FieldTag& f : field_tags())
        for (const std::string& m : {f.opening(), f.closing()})
            if (text.find(m) != std::string_view::npos) return m;
    return std::nullopt;
}

} // namespace

std::size_t utf8_chars(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::variant<tplayer, BadPost> decode_post(std::string_view body) {
    std::string line;
    return decode_post(body, line);
}

std::variant<tplayer, BadPost> decode_post(std::string_view body, std::string& stored_line) {
    const auto packed = percent_decode(body);
    if (!packed) return bad("broken percent escape");
    const auto line = utf7_unpack_strict(*packed);
    if (!line) return bad("not UTF-7");

    tplayer p;
    const auto name = name_value(*line);
    if (!name || name->empty()) return bad("empty name");
    p.name = std::string(*name);
    for (const FieldTag& f : field_tags()) {
        const auto v = tag_value(*line, f);
        if (!v) continue;
        if (f.kind == FieldKind::pair) {
            // Exactly a heroine digit 0..3 and a stage digit 0..8.
            if (v->size() != 2 || (*v)[0] < '0' || (*v)[0] > '3' || (*v)[1] < '0' || (*v)[1] > '8')
                return bad("pair " + tag_name(f) + " is not heroine 0..3 and stage 0..8");
        }
        if (!apply_field(p, f, *v, nullptr)) return bad("not a number in " + tag_name(f));
    }
    if (std::string why = absurd_value(p); !why.empty()) return bad(why);
    if (utf8_chars(p.name) > kMaxName) return bad("name over 10 characters");
    if (utf8_chars(p.comment) > kMaxComment) return bad("comment over 80 characters");
    if (utf8_chars(p.place) > kMaxPlace) return bad("region over 10 characters");
    if (utf8_chars(p.date) > kMaxDate) return bad("date over 16 characters");
    for (const std::string* t : {&p.name, &p.comment, &p.place, &p.date}) {
        if (has_control(*t)) return bad("control character in a text");
        if (const auto m = marker_in(*t)) return bad("a text holds the field marker " + *m);
    }
    // The line the server stores: packed_line(p), made in two steps.
    const std::string local = to_local(wrap_field_text(field_text(p)));
    if (reads_as_refusal(local)) return bad("a text reads as the refusal notice");
    stored_line = utf7_pack_local(local);
    return p;
}

} // namespace tsu::rankd
