// Stage source reading (the stage compiler's front end) and writing (the
// decompiler).
#include "data/stage_source.h"

#include "render/utf8.h"

#include <charconv>
#include <map>
#include <set>
#include <vector>

namespace tsu {

namespace {

// ---- text helpers -------------------------------------------------------

// Length in bytes of the UTF-8 character at the start of `s`; 0 when `s`
// does not start with a valid one.
std::size_t utf8_length(std::string_view s) {
    if (s.empty()) return 0;
    const auto b0 = static_cast<unsigned char>(s[0]);
    std::size_t n = 0;
    uint32_t cp = 0;
    if (b0 < 0x80) return 1;
    if ((b0 & 0xE0) == 0xC0) n = 2, cp = b0 & 0x1Fu;
    else if ((b0 & 0xF0) == 0xE0) n = 3, cp = b0 & 0x0Fu;
    else if ((b0 & 0xF8) == 0xF0) n = 4, cp = b0 & 0x07u;
    else return 0;
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not characters.
    static constexpr uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split_blanks(std::string_view s) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && is_space(s[i])) ++i;
        const std::size_t start = i;
        while (i < s.size() && !is_space(s[i])) ++i;
        if (i > start) parts.push_back(s.substr(start, i - start));
    }
    return parts;
}

bool to_int(std::string_view s, int32_t& out) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

struct CellLess {
    bool operator()(const cell& a, const cell& b) const {
        if (a.lower != b.lower) return a.lower < b.lower;
        if (a.upper != b.upper) return a.upper < b.upper;
        return a.teki < b.teki;
    }
};

bool empty_cell(const cell& c) { return c.lower == 0 && c.upper == 0 && c.teki == 0; }

// ---- reading --------------------------------------------------------------

struct MapRow {
    int line;
    std::string_view text;
};

class SourceParser {
  public:
    bool parse(std::string_view text, StageGrid& grid, std::string& error) {
        int line_no = 0;
        std::size_t pos = 0;
        while (pos <= text.size()) {
            const std::size_t end = std::min(text.find('\n', pos), text.size());
            std::string_view line = text.substr(pos, end - pos);
            pos = end + 1;
            ++line_no;
            if (const auto hash = line.find('#'); hash != std::string_view::npos)
                line = line.substr(0, hash);
            line = trim(line);
            if (line.empty()) continue;
            if (!take_line(line, line_no)) {
                error = "line " + std::to_string(line_no) + ": " + error_;
                return false;
            }
        }
        if (!finish(grid)) {
            error = error_line_ > 0 ? "line " + std::to_string(error_line_) + ": " + error_
                                    : error_;
            return false;
        }
        return true;
    }

  private:
    enum class Section { header, legend, map };

    bool fail(std::string text) {
        error_ = std::move(text);
        return false;
    }

    bool take_line(std::string_view line, int line_no) {
        if (line == "[legend]" || line == "[map]") {
            const Section s = line == "[legend]" ? Section::legend : Section::map;
            if (!seen_.insert(int(s)).second) return fail(std::string(line) + " appears twice");
            section_ = s;
            return true;
        }
        switch (section_) {
        case Section::header: return take_header(line);
        case Section::legend: return take_legend(line);
        case Section::map:
            rows_.push_back({line_no, line});
            return true;
        }
        return true;
    }

    bool take_header(std::string_view line) {
        const auto parts = split_blanks(line);
        if (parts.size() == 2 && parts[0] == "weather") {
            if (has_weather_) return fail("the weather is given twice");
            if (!to_int(parts[1], weather_)) return fail("the weather is not a number");
            has_weather_ = true;
            return true;
        }
        return fail("expected \"weather N\", [legend] or [map]");
    }

    bool take_legend(std::string_view line) {
        const auto parts = split_blanks(line);
        if (parts.size() != 4)
            return fail("a legend line is a symbol and three numbers: lower upper enemy");
        const std::string_view sym = parts[0];
        if (utf8_length(sym) != sym.size()) return fail("a symbol is one character");
        cell c;
        if (!to_int(parts[1], c.lower) || !to_int(parts[2], c.upper) || !to_int(parts[3], c.teki))
            return fail("a legend value is not a number");
        if (!legend_.emplace(std::string(sym), c).second)
            return fail("the symbol " + std::string(sym) + " is defined twice");
        return true;
    }

    bool finish(StageGrid& grid) {
        if (!has_weather_) return fail("the source gives no weather");
        if (legend_.empty()) return fail("the source has no [legend]");
        if (!seen_.count(int(Section::map))) return fail("the source has no [map]");
        if (rows_.size() < std::size_t(kSourceMinRows))
            return fail("the map has " + std::to_string(rows_.size()) + " rows; it needs " +
                        std::to_string(kSourceMinRows) + " (grid rows 1..21)");
        if (rows_.size() > std::size_t(kStageRows)) {
            error_line_ = rows_[std::size_t(kStageRows)].line;
            return fail("the map has more than " + std::to_string(kStageRows) + " rows");
        }
        StageGrid out;
        out.weather = weather_;
        for (std::size_t r = 0; r < rows_.size(); ++r) {
            std::string_view text = rows_[r].text;
            error_line_ = rows_[r].line;
            int column = 0;
            bool too_long = false;
            while (!text.empty()) {
                const std::size_t n = utf8_length(text);
                if (n == 0) return fail("the row is not valid UTF-8 text");
                const std::string sym(text.substr(0, n));
                text.remove_prefix(n);
                if (is_space(sym[0])) return fail("a map row holds no blanks");
                if (column >= kStageColumns) {
                    too_long = true;
                    break;
                }
                const auto it = legend_.find(sym);
                if (it == legend_.end()) return fail("the symbol " + sym + " is not in the legend");
                out.at(column, int(r)) = it->second;
                ++column;
            }
            if (column != kStageColumns || too_long)
                return fail("a map row holds " + std::to_string(kStageColumns) + " symbols");
        }
        grid = std::move(out);
        return true;
    }

    Section section_ = Section::header;
    std::set<int> seen_;
    bool has_weather_ = false;
    int32_t weather_ = 0;
    std::map<std::string, cell> legend_;
    std::vector<MapRow> rows_;
    std::string error_;
    int error_line_ = 0;
};

// ---- writing --------------------------------------------------------------

// Hands out legend symbols: each kind of cell draws from its own readable
// set first, then from the shared punctuation, then from CJK ideographs,
// which never run out for a 100 x 100 grid.
class SymbolPool {
  public:
    std::string take(const cell& c) {
        if (empty_cell(c) && !used_.count(".")) return mark(".");
        const char* own = c.upper == 0 && c.teki == 0   ? "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                          : c.lower == 0 && c.teki == 0 ? "abcdefghijklmnopqrstuvwxyz"
                          : c.lower == 0 && c.upper == 0 ? "0123456789"
                                                         : "";
        for (const char* sets : {own, kShared, kLetters}) {
            for (const char* p = sets; *p != '\0'; ++p) {
                const std::string s(1, *p);
                if (!used_.count(s)) return mark(s);
            }
        }
        for (;;) {
            std::string s = utf8::encode(next_cjk_++);
            if (!used_.count(s)) return mark(std::move(s));
        }
    }

  private:
    static constexpr const char* kShared = "=+-*%&@$^~|:;<>(){}[]!?,'\"`\\/_";
    static constexpr const char* kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

    std::string mark(std::string s) {
        used_.insert(s);
        return s;
    }
    std::set<std::string> used_;
    uint32_t next_cjk_ = 0x4E00;
};

// What a cell's values mean, for the legend's comments.
std::string describe(const cell& c) {
    static const std::map<int32_t, const char*> kLower = {
        {0, "sky"}, {6, "exit"}, {13, "spike floor"}};
    static const std::map<int32_t, const char*> kUpper = {
        {1, "coin"},        {2, "red fire"},   {3, "clone +1"},  {4, "invincibility +1"},
        {5, "extra life"},  {6, "treasure box"}, {8, "ice block"}, {9, "bag"},
        {10, "gold piece"}, {11, "blade"},     {12, "kunai"},    {13, "love note"},
        {14, "vent"}};
    std::string d;
    auto add = [&d](const std::string& part) {
        if (!d.empty()) d += ", ";
        d += part;
    };
    if (c.lower != 0 || (c.upper == 0 && c.teki == 0)) {
        const auto it = kLower.find(c.lower);
        add(it != kLower.end() ? it->second : "lower chip " + std::to_string(c.lower));
    }
    if (c.upper != 0) {
        const auto it = kUpper.find(c.upper);
        add(it != kUpper.end() ? it->second : "upper chip " + std::to_string(c.upper));
    }
    if (c.teki != 0) add("enemy type " + std::to_string(c.teki));
    return d;
}

std::string pad(std::string s, std::size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

} // namespace

bool parse_stage_source(std::string_view text, StageGrid& grid, std::string& error) {
    SourceParser p;
    return p.parse(text, grid, error);
}

std::string format_stage_source(const StageGrid& grid, std::string_view heading) {
    // Rows to write: the 21 rows of play, more only when hidden rows hold
    // something.
    int rows = kSourceMinRows;
    for (int r = kStageRows - 1; r >= kSourceMinRows; --r) {
        bool used = false;
        for (int c = 0; c < kStageColumns && !used; ++c) used = !empty_cell(grid.at(c, r));
        if (used) {
            rows = r + 1;
            break;
        }
    }

    // Legend in order of first appearance, row by row.
    std::map<cell, std::string, CellLess> symbol_of;
    std::vector<cell> order;
    SymbolPool pool;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kStageColumns; ++c) {
            const cell& k = grid.at(c, r);
            if (symbol_of.count(k)) continue;
            symbol_of.emplace(k, pool.take(k));
            order.push_back(k);
        }
    }

    std::string out;
    if (!heading.empty()) out += "# " + std::string(heading) + "\n";
    out += "# A symbol stands for one cell: lower chip, upper chip, enemy type.\n";
    out += "# Map rows are grid rows 1..21, 100 columns each: play rows 0..19 show,\n";
    out += "# play row 20 is the floor border just below the view.\n";
    out += "weather " + std::to_string(grid.weather) +
           "    # 0 晴れ, 1 小雨, 2 嵐, 3 雪, 4 秋風\n\n";
    out += "[legend]    # symbol  lower upper enemy\n";
    for (const cell& k : order) {
        const std::string values = std::to_string(k.lower) + " " + std::to_string(k.upper) +
                                   " " + std::to_string(k.teki);
        out += pad(symbol_of[k] + " ", 3) + pad(values + " ", 12) + "# " + describe(k) + "\n";
    }
    out += "\n[map]\n";
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kStageColumns; ++c) out += symbol_of[grid.at(c, r)];
        if (r == kSourceMinRows - 1) out += "  # floor border below the view";
        else if (r >= kSourceMinRows) out += "  # hidden grid row " + std::to_string(r + 1);
        else out += "  # play row " + std::to_string(r);
        out += "\n";
    }
    return out;
}

} // namespace tsu
