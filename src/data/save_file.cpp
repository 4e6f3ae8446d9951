// The save file: its 40 lines as a table, the check values, read, write and
// reset.
#include "data/save_file.h"

#include "data/file_io.h"
#include "data/number_reader.h"
#include "data/text_codec.h"
#include "game/game.h"

#include <array>
#include <cstdio>
#include <filesystem>

namespace tsu {

namespace {

enum class Line { number, text, check_a, check_b };

struct SaveLine {
    Line kind = Line::number;
    int32_t* number = nullptr;
    std::string* text = nullptr;
    SavedText* saved = nullptr; // the text's line as read
    const char* label = "";     // for messages about texts
};

// The 40 lines of the file in order, bound to the game's fields.
std::array<SaveLine, kSaveLines> save_lines(Game& g) {
    tmy& my = g.my;
    SaveMemory& m = g.save_memory;
    auto num = [](int32_t& v) { return SaveLine{Line::number, &v, nullptr, nullptr, ""}; };
    auto txt = [](std::string& s, SavedText& saved, const char* label) {
        return SaveLine{Line::text, nullptr, &s, &saved, label};
    };
    auto& b = my.ex_best;
    auto& p = my.ex_play;
    return {{
        num(my.hi_score),   num(my.music_off),  num(my.se_off),      num(my.play_count),
        txt(my.name, m.name, "name"), num(my.ir_id), txt(g.comment, m.comment, "comment"),
        num(my.age),
        txt(my.place, m.place, "place"), SaveLine{Line::check_a},
        num(my.hi_chara),   num(my.hi_stage),                                         // 11-12
        num(p[1]), num(b[1].gold), num(b[1].chara), num(b[1].stage),                 // 13-16
        num(p[2]), num(b[2].gold), num(b[2].chara), num(b[2].stage),                 // 17-20
        num(p[3]), num(b[3].gold), num(b[3].chara), num(b[3].stage),                 // 21-24
        num(p[4]), num(b[4].gold), num(b[4].chara), num(b[4].stage),                 // 25-28
        SaveLine{Line::check_b},                                                     // 29
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

namespace {

// The result of reading the file, before anything is reported.
struct ReadResult {
    SaveLoad status = SaveLoad::loaded;
    std::string error; // what went wrong, naming the file (and line)
    std::string path;  // the file read
    std::string bytes; // the file as read
    bool read = false;  // whether `bytes` holds the whole file
};

bool missing_file(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path p(path);
    return !fs::exists(fs::symlink_status(p, ec)) && fs::is_directory(p.parent_path(), ec);
}

ReadResult read_save(Game& g) {
    ReadResult r;
    r.path = g.read_path("my.dat");
    const std::string& path = r.path;
    if (!read_file(path, r.bytes, r.error)) {
        r.status = missing_file(path) ? SaveLoad::missing : SaveLoad::failed;
        r.bytes.clear();
        return r;
    }
    r.read = true;
    NumberReader in(r.bytes);
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
            if (s == ReadStatus::ok) {
                line.saved->utf8 = cp932_to_utf8(raw);
                line.saved->bytes = std::move(raw);
                *line.text = line.saved->utf8;
            }
            break;
        }
        }
        if (s != ReadStatus::ok) {
            r.status = SaveLoad::failed;
            r.error = path + ", line " + std::to_string(in.line()) + ": " + read_status_text(s);
            return r;
        }
    }

    if (check_a != save_check_a(g.my)) g.my.hi_score = 0;
    if (check_b != save_check_b(g.my))
        for (int s = 1; s <= 4; ++s) g.my.ex_best[std::size_t(s)].gold = 0;
    if (g.my.initialized == 0) {
        g.my.initialized = 1;
        r.status = SaveLoad::initialized;
    }
    return r;
}

// "<path>.unreadable-20260401-120000" from the local clock.
std::string unreadable_copy_name(Game& g, const std::string& path) {
    const LocalTime t = g.platform != nullptr ? g.platform->local_time() : LocalTime{};
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return path + ".unreadable-" + stamp;
}

// A file that is there but cannot be read would be lost at the next write:
// keep what was read of it under a name of its own first, or, when that is
// not possible, never write over it. One message says which.
void keep_unreadable(Game& g, const ReadResult& r) {
    const std::string& path = r.path;
    std::error_code ec;
    if (!r.read && !std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        report(g, r.error); // no file at all (its folder is missing): nothing to keep
        return;
    }
    const std::string head = "記録（セーブファイル）を読み込めませんでした。\n" + r.error + "\n";
    if (path != save_path(g)) {
        // The shipped file under the data root; the game writes elsewhere.
        report(g, head + "このファイルはそのまま残し、記録は初期値から " + save_path(g) +
                      " に書き込みます。");
        return;
    }
    std::string error = r.error;
    if (r.read) {
        const std::string copy = write_new_file(unreadable_copy_name(g, path), r.bytes, error);
        if (!copy.empty()) {
            report(g, head + "元のファイルは次の名前で残してあります:\n" + copy +
                          "\n記録は初期値から始まります。");
            return;
        }
    }
    g.save_memory.keep_unread_file = true;
    report(g, head + "元のファイルを別の名前で残せないため、記録はこのファイルに書き込みません。\n" +
                  error);
}

} // namespace

SaveLoad load_save(Game& g) {
    const ReadResult r = read_save(g);
    if (r.status == SaveLoad::failed) report(g, r.error);
    if (r.status == SaveLoad::initialized) reset_save(g);
    return r.status;
}

bool load_save_at_start(Game& g) {
    const ReadResult r = read_save(g);
    switch (r.status) {
    case SaveLoad::loaded: return true;
    case SaveLoad::initialized: reset_save(g); return true;
    case SaveLoad::missing:
        // The first start: records from their defaults, and the file made
        // now, without a word.
        reset_save_values(g);
        write_save(g);
        return true;
    case SaveLoad::failed: break;
    }
    g.save_memory = SaveMemory{};
    reset_save_values(g);
    keep_unreadable(g, r);
    return false;
}

bool write_save(Game& g) {
    const std::string path = save_path(g);
    if (g.save_memory.keep_unread_file) {
        report(g, path + ": 読み込めなかった記録ファイルを残すため、書き込みませんでした。");
        return false;
    }
    std::string out;
    out.reserve(512);
    // New texts become the lines as read once they are on the disk.
    std::array<SavedText, kSaveLines> written;
    for (std::size_t i = 0; const SaveLine& line : save_lines(g)) {
        switch (line.kind) {
        case Line::number: append_number(out, *line.number); break;
        case Line::check_a: append_number(out, save_check_a(g.my)); break;
        case Line::check_b: append_number(out, save_check_b(g.my)); break;
        case Line::text: {
            if (*line.text == line.saved->utf8) {
                out += line.saved->bytes; // unchanged: the file's own bytes
                out += "\r\n";
                break;
            }
            std::string one_line = *line.text;
            for (char& c : one_line)
                if (c == '\r' || c == '\n') c = ' ';
            auto encoded = utf8_to_cp932(one_line);
            if (!encoded) {
                report(g, path + ": the " + std::string(line.label) + " \"" + one_line +
                              "\" cannot be stored in Shift_JIS; the file was not written");
                return false;
            }
            out += *encoded;
            out += "\r\n";
            written[i] = SavedText{std::move(*encoded), *line.text};
            break;
        }
        }
        ++i;
    }
    std::string error;
    if (!write_file_atomic(path, out, error)) {
        report(g, error);
        return false;
    }
    for (std::size_t i = 0; const SaveLine& line : save_lines(g)) {
        if (line.kind == Line::text && *line.text != line.saved->utf8) *line.saved = written[i];
        ++i;
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
