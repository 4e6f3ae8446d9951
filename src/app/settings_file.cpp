// Reading and rewriting settings.ini line by line.
#include "app/settings_file.h"

namespace tsu {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool key_char(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; }

// Control bytes (other than tab) never belong in a value: the line is binary.
bool printable(std::string_view s) {
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) return false;
    }
    return true;
}

} // namespace

void SettingsFile::parse(std::string_view text) {
    lines_.clear();
    problems_.clear();
    crlf_ = text.find("\r\n") != std::string_view::npos;
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        Line line;
        line.raw = std::string(raw);
        const std::string_view t = trim(raw);
        auto bad = [&](std::string why) {
            problems_.push_back({number, std::move(why)});
            lines_.push_back(std::move(line));
        };
        if (raw.size() > kMaxLine) {
            bad("a line longer than " + std::to_string(kMaxLine) + " bytes");
            continue;
        }
        if (t.empty() || t.front() == '#' || t.front() == ';' ||
            (t.front() == '[' && t.back() == ']' && printable(t))) {
            lines_.push_back(std::move(line));
            continue;
        }
        if (!printable(t)) {
            bad("binary bytes");
            continue;
        }
        const std::size_t eq = t.find('=');
        if (eq == std::string_view::npos) {
            bad("not `key = value`");
            continue;
        }
        const std::string_view key = trim(t.substr(0, eq));
        bool ok = !key.empty();
        for (const char c : key) ok = ok && key_char(c);
        if (!ok) {
            bad("\"" + std::string(key) + "\" is not a setting's name");
            continue;
        }
        if (line_of(key) != 0) {
            bad(std::string(key) + " given again (line " + std::to_string(line_of(key)) +
                " counts)");
            continue;
        }
        line.key = std::string(key);
        line.value = std::string(trim(t.substr(eq + 1)));
        lines_.push_back(std::move(line));
    }
}

std::optional<std::string> SettingsFile::get(std::string_view key) const {
    for (const Line& l : lines_)
        if (l.key == key) return l.value;
    return std::nullopt;
}

int SettingsFile::line_of(std::string_view key) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].key == key) return int(i) + 1;
    return 0;
}

void SettingsFile::set(std::string_view key, std::string_view value) {
    std::string raw = std::string(key) + " = " + std::string(value);
    for (Line& l : lines_) {
        if (l.key != key) continue;
        l.value = std::string(value);
        l.raw = std::move(raw);
        return;
    }
    lines_.push_back({std::move(raw), std::string(key), std::string(value)});
}

void SettingsFile::add_comment(std::string_view text) {
    lines_.push_back({text.empty() ? std::string() : "# " + std::string(text), {}, {}});
}

std::string SettingsFile::text() const {
    std::string out;
    for (const Line& l : lines_) {
        out += l.raw;
        out += crlf_ ? "\r\n" : "\n";
    }
    return out;
}

} // namespace tsu
