// settings.ini as the player wrote it: `key = value` lines, comment lines
// starting with '#' or ';', blank lines and [section] headers. The file is
// kept line by line, so rewriting a value keeps every comment, every unknown
// key and the order of the lines; only the value of the line set changes.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsu {

class SettingsFile {
  public:
    struct Problem {
        int line = 0;        // 1-based
        std::string why;
    };

    // Reads a file's text. Lines that are not comments, blank, headers or
    // `key = value` (binary bytes, overlong lines, a key given twice) are
    // kept as they are but hold no value; each is listed in problems().
    void parse(std::string_view text);

    // The value of a key, from its first line.
    std::optional<std::string> get(std::string_view key) const;
    // The line a key was read from (0 when absent).
    int line_of(std::string_view key) const;
    // Sets a key: its line keeps its place and gets the new value; a new key
    // is appended.
    void set(std::string_view key, std::string_view value);
    // Appends a comment line ("# " + text) or a blank line (empty text).
    void add_comment(std::string_view text);

    std::string text() const;
    const std::vector<Problem>& problems() const { return problems_; }
    // A problem found later (a value the game cannot use).
    void add_problem(int line, std::string why) { problems_.push_back({line, std::move(why)}); }

    static constexpr std::size_t kMaxLine = 4096;

  private:
    struct Line {
        std::string raw;
        std::string key;   // empty: no value on this line
        std::string value;
    };
    std::vector<Line> lines_;
    std::vector<Problem> problems_;
    bool crlf_ = false;
};

} // namespace tsu
