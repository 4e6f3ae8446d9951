// Reads the game's text data files (stages, chip.dat, the save file) from a
// whole file held in memory: decimal numbers one per line and whole-line
// strings. Nothing here knows the game state, so the stage tools share it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tsu {

enum class ReadStatus {
    ok,
    end_of_file,  // the text ended before the value
    not_a_number, // the value does not start with a number
    out_of_range, // more than fits a 32-bit signed integer
};

// The player-facing text of a failed read, e.g. "Invalid numeric input".
const char* read_status_text(ReadStatus s);

class NumberReader {
  public:
    explicit NumberReader(std::string_view text) : text_(text) {}

    // One integer: blanks (space, tab) and line ends before it are skipped;
    // an optional sign and decimal digits follow, ended by a blank, a line
    // end or the end of the text. Leaves the position right after it.
    ReadStatus read(int32_t& out);

    // read() and then skip the rest of its line: the usual "one number a
    // line" read, where text after a blank is a comment.
    ReadStatus read_line_number(int32_t& out);

    // The rest of the current line, without its line end; the position
    // moves past the line end. end_of_file when nothing is left at all.
    ReadStatus read_line(std::string& out);

    // Skips the rest of the current line and its line end (LF, CR LF or CR).
    void skip_line();

    bool at_end() const { return pos_ >= text_.size(); }
    // 1-based line number of the position, for messages.
    int line() const;

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace tsu
