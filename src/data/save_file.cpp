// The save file: its 40 lines as a table, the check values, read, write and
// reset.
#include "data/save_file.h"

#include "data/file_io.h"
#include "data/number_reader.h"
#include "data/text_codec.h"
#include "game/game.h"

#include <array>

namespace tsu {

namespace {

enum class Line { number, text, check_a, check_b };

struct SaveLine {
    Line kind = Line::number;
    int32_t* number = nullptr;
    std::string* text = nullptr;
    const char* label = ""; // for messages about texts
};

// The 40 lines of the file in order, bound to the game's fields.
std::array<SaveLine, kSaveLines> save_lines(Game& g) {
    tmy& my = g.my;
    auto num = [](int32_t& v) { return SaveLine{Line::number, &v, nullptr, ""}; };
    auto txt = [](std::string& s, const char* label) {
        return SaveLine{Line::text, nullptr, &s, label};
    };
    auto& b = my.ex_best;
    auto& p = my.ex_play;
    return {{
        num(my.hi_score),   num(my.music_off),  num(my.se_off),      num(my.play_count),
        txt(my.name, "name"), num(my.ir_id),    txt(g.comment, "comment"), num(my.age),
        txt(my.place, "place"), SaveLine{Line::check_a, nullptr, nullptr, ""},
        num(my.hi_chara),   num(my.hi_stage),                                         // 11-12
        num(p[1]), num(b[1].gold), num(b[1].chara), num(b[1].stage),                 // 13-16
        num(p[2]), num(b[2].gold), num(b[2].chara), num(b[2].stage),                 // 17-20
        num(p[3]), num(b[3].gold), num(b[3].chara), num(b[3].stage),                 // 21-24
        num(p[4]), num(b[4].gold), num(b[4].chara), num(b[4].stage),                 // 25-28
        SaveLine{Line::check_b, nullptr, nullptr, ""},                               // 29
        num(p[5]), num(b[5].gold), num(b[5].chara), num(b[5].stage),                 // 30-33
        num(my.easy),                                                                 // 34
        num(p[6]), num(b[6].gold), num(b[6].chara), num(b[6].stage),                 // 35-38
        num(my.effect_off), num(my.initialized),                                      // 39-40
    }};
}

void report(Game& g, const std::string& text) {
    if (g.platform != nullptr) g.platform->message_box(text);
}

void append_number(std::string& out, int32_t v) {
    out += std::to_string(v);
    out += "\r\n";
}

} // namespace

std::string save_path(const Game& g) { return g.write_path("my.dat"); }

int32_t save_check_a(const tmy& my) {
    const uint32_t hs = uint32_t(my.hi_score);
    return int32_t(uint32_t(my.play_count) + hs * hs);
}

int32_t save_check_b(const tmy& my) {
    uint32_t sum = 0;
    for (int s = 1; s <= 4; ++s) sum += uint32_t(my.ex_best[std::size_t(s)].gold);
    return int32_t(sum) / 3;
}

SaveLoad load_save(Game& g) {
    const std::string path = g.read_path("my.dat");
    std::string data, error;
    if (!read_file(path, data, error)) {
        report(g, error);
        return SaveLoad::failed;
    }
    NumberReader in(data);
    int32_t check_a = 0, check_b = 0;
    for (const SaveLine& line : save_lines(g)) {
        ReadStatus s = ReadStatus::ok;
        switch (line.kind) {
        case Line::number: s = in.read_line_number(*line.number); break;
        case Line::check_a: s = in.read_line_number(check_a); break;
        // The rest of B's line is left to the next read, which skips only
        // blanks and line ends: text after B is a fault.
        case Line::check_b: s = in.read(check_b); break;
        case Line::text: {
            std::string raw;
            s = in.read_line(raw);
            if (s == ReadStatus::ok) *line.text = cp932_to_utf8(raw);
            break;
        }
        }
        if (s != ReadStatus::ok) {
            report(g, path + ", line " + std::to_string(in.line()) + ": " + read_status_text(s));
            return SaveLoad::failed;
        }
    }

    if (check_a != save_check_a(g.my)) g.my.hi_score = 0;
    if (check_b != save_check_b(g.my))
        for (int s = 1; s <= 4; ++s) g.my.ex_best[std::size_t(s)].gold = 0;
    if (g.my.initialized == 0) {
        g.my.initialized = 1;
        reset_save(g);
        return SaveLoad::initialized;
    }
    return SaveLoad::loaded;
}

bool load_save_at_start(Game& g) {
    if (load_save(g) != SaveLoad::failed) return true;
    reset_save_values(g);
    return false;
}

bool write_save(Game& g) {
    const std::string path = save_path(g);
    std::string out;
    out.reserve(512);
    for (const SaveLine& line : save_lines(g)) {
        switch (line.kind) {
        case Line::number: append_number(out, *line.number); break;
        case Line::check_a: append_number(out, save_check_a(g.my)); break;
        case Line::check_b: append_number(out, save_check_b(g.my)); break;
        case Line::text: {
            std::string one_line = *line.text;
            for (char& c : one_line)
                if (c == '\r' || c == '\n') c = ' ';
            const auto encoded = utf8_to_cp932(one_line);
            if (!encoded) {
                report(g, path + ": the " + std::string(line.label) + " \"" + one_line +
                              "\" cannot be stored in Shift_JIS; the file was not written");
                return false;
            }
            out += *encoded;
            out += "\r\n";
            break;
        }
        }
    }
    std::string error;
    if (!write_file_atomic(path, out, error)) {
        report(g, error);
        return false;
    }
    return true;
}

void reset_save_values(Game& g) {
    tmy& my = g.my;
    my.initialized = 1;
    my.gold = 0;
    my.hi_score = 0;
    my.play_count = 0;
    my.name.clear();
    my.age = 20;
    my.place = "東京";
    g.comment.clear();
    my.hi_chara = 0;
    my.hi_stage = 0;
    my.easy = 1;
    for (int s = 1; s <= 6; ++s) {
        my.ex_play[std::size_t(s)] = 0;
        my.ex_best[std::size_t(s)] = ex_record{};
    }
}

void reset_save(Game& g) {
    reset_save_values(g);
    report(g, "初期化しました");
}

} // namespace tsu
