// The number and line reader of the text data files.
#include "data/number_reader.h"

namespace tsu {

namespace {
bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_line_end(char c) { return c == '\r' || c == '\n'; }
} // namespace

const char* read_status_text(ReadStatus s) {
    switch (s) {
    case ReadStatus::ok: return "OK";
    case ReadStatus::end_of_file: return "Read beyond end of file";
    case ReadStatus::not_a_number: return "Invalid numeric input";
    case ReadStatus::out_of_range: return "Number out of range";
    }
    return "Read error";
}

ReadStatus NumberReader::read(int32_t& out) {
    while (pos_ < text_.size() && (is_blank(text_[pos_]) || is_line_end(text_[pos_]))) ++pos_;
    if (pos_ >= text_.size()) return ReadStatus::end_of_file;

    std::size_t p = pos_;
    bool negative = false;
    if (text_[p] == '-' || text_[p] == '+') {
        negative = text_[p] == '-';
        ++p;
    }
    // Magnitude in 64 bits, stopped as soon as it cannot fit 32 bits.
    int64_t value = 0;
    bool any_digit = false, too_big = false;
    while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') {
        any_digit = true;
        if (!too_big) {
            value = value * 10 + (text_[p] - '0');
            if (value > int64_t(INT32_MAX) + 1) too_big = true;
        }
        ++p;
    }
    if (!any_digit) return ReadStatus::not_a_number;
    if (p < text_.size() && !is_blank(text_[p]) && !is_line_end(text_[p]))
        return ReadStatus::not_a_number; // "12abc"
    if (negative) value = -value;
    if (too_big || value > INT32_MAX || value < INT32_MIN) return ReadStatus::out_of_range;
    out = int32_t(value);
    pos_ = p;
    return ReadStatus::ok;
}

ReadStatus NumberReader::read_line_number(int32_t& out) {
    const ReadStatus s = read(out);
    if (s == ReadStatus::ok) skip_line();
    return s;
}

ReadStatus NumberReader::read_line(std::string& out) {
    if (pos_ >= text_.size()) return ReadStatus::end_of_file;
    std::size_t end = pos_;
    while (end < text_.size() && !is_line_end(text_[end])) ++end;
    out.assign(text_.substr(pos_, end - pos_));
    pos_ = end;
    skip_line();
    return ReadStatus::ok;
}

void NumberReader::skip_line() {
    while (pos_ < text_.size() && !is_line_end(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else {
        ++pos_; // '\n'
    }
}

int NumberReader::line() const {
    int n = 1;
    const std::size_t end = pos_ < text_.size() ? pos_ : text_.size();
    for (std::size_t i = 0; i < end; ++i) {
        if (text_[i] == '\n') ++n;
        else if (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')) ++n;
    }
    return n;
}

} // namespace tsu
