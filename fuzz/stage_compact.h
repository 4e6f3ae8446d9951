// The stage file target's compact input. A stage file is 30,001 lines, far
// too long for a fuzzer to change in useful places by itself, so the target
// reads a short description and expands it into a whole file:
//
//   byte 0      flags: bit 0 LF line ends instead of CR LF, bit 1 end the
//               file right after the last line an edit names, bit 2 no line
//               end after the last line, bit 7 the rest of the input is the
//               whole file as it is
//   then edits  2 bytes line index (big-endian, taken modulo 30,001),
//               1 byte length n, n bytes that replace that line's text
//
// Lines no edit names hold "0" (a stage of empty cells and weather 0); of
// two edits of one line the later wins. An edit's text may hold line ends
// and anything else. The expansion copies whole runs of untouched lines
// from a prepared file, so it costs little more than the file's size.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsu::fuzz {

inline constexpr std::size_t kStageLines = 30001;

class StageExpander {
  public:
    // Expands into a buffer kept between calls; the view lives until the
    // next call.
    std::string_view expand(const uint8_t* data, std::size_t size) {
        text_.clear();
        if (size == 0) return text_;
        const uint8_t flags = data[0];
        if (flags & 0x80) return {reinterpret_cast<const char*>(data + 1), size - 1};
        edits_.clear();
        for (std::size_t at = 1; at + 3 <= size;) {
            const std::size_t line = (std::size_t(data[at]) << 8 | data[at + 1]) % kStageLines;
            const std::size_t n = data[at + 2];
            at += 3;
            if (at + n > size) break;
            edits_.push_back({line, edits_.size(), std::string_view(reinterpret_cast<const char*>(data + at), n)});
            at += n;
        }
        // By line, the later of two edits of a line first.
        std::sort(edits_.begin(), edits_.end(), [](const Edit& a, const Edit& b) {
            return a.line != b.line ? a.line < b.line : a.order > b.order;
        });
        const bool lf = flags & 0x01;
        const std::string& base = lf ? base_lf() : base_crlf();
        const std::size_t step = lf ? 2 : 3; // "0\n" or "0\r\n"
        const std::string_view end = lf ? "\n" : "\r\n";
        const std::size_t last = (flags & 0x02) && !edits_.empty() ? edits_.back().line : kStageLines - 1;
        std::size_t next = 0; // first line not yet written
        for (std::size_t i = 0; i < edits_.size(); ++i) {
            const Edit& e = edits_[i];
            if (e.line < next) continue; // an earlier edit of a line already written
            text_.append(base, next * step, (e.line - next) * step);
            text_ += e.text;
            text_ += end;
            next = e.line + 1;
        }
        if (next <= last) text_.append(base, next * step, (last + 1 - next) * step);
        if (flags & 0x04) text_.resize(text_.size() - end.size());
        return text_;
    }

  private:
    struct Edit {
        std::size_t line, order;
        std::string_view text;
    };
    static const std::string& base_crlf() {
        static const std::string s = repeat("0\r\n");
        return s;
    }
    static const std::string& base_lf() {
        static const std::string s = repeat("0\n");
        return s;
    }
    static std::string repeat(std::string_view line) {
        std::string s;
        s.reserve(line.size() * kStageLines);
        for (std::size_t i = 0; i < kStageLines; ++i) s += line;
        return s;
    }

    std::string text_;
    std::vector<Edit> edits_;
};

} // namespace tsu::fuzz
