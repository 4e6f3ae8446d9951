// Reading the content sources (see source_text.h).
#include "source_text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tsu::assetgen {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The line up to its comment: a '#' outside quotes that starts the line or
// follows a blank (so a sharp like F#4 is no comment).
std::string_view strip_comment(std::string_view s) {
    bool quoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') quoted = !quoted;
        else if (s[i] == '#' && !quoted && (i == 0 || s[i - 1] == ' ' || s[i - 1] == '\t')) return s.substr(0, i);
    }
    return s;
}

char closing(char open) { return open == '[' ? ']' : open == '{' ? '}' : '>'; }

} // namespace

SourceFile parse_source(std::string_view text, const std::string& path) {
    SourceFile f;
    f.path = path;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        const std::string_view line = trim(strip_comment(raw));
        if (line.empty()) continue;
        const char open = line.front();
        if (line.size() >= 3 && (open == '[' || open == '{' || open == '<') && line.back() == closing(open) &&
            line.find(' ') == std::string_view::npos) {
            Section s;
            s.bracket = open;
            s.name = std::string(line.substr(1, line.size() - 2));
            s.file = path;
            s.where = path + ":" + std::to_string(number);
            f.sections.push_back(std::move(s));
            continue;
        }
        SourceLine l{number, std::string(line)};
        if (f.sections.empty()) f.preamble.push_back(std::move(l));
        else f.sections.back().body.push_back(std::move(l));
    }
    return f;
}

SourceFile read_source(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path + ": cannot read the file");
    std::ostringstream s;
    s << in.rdbuf();
    return parse_source(s.str(), path);
}

std::vector<std::string> split_words(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            const std::size_t stop = close == std::string_view::npos ? line.size() : close;
            words.emplace_back(line.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        words.emplace_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

int to_int(const std::string& word, const std::string& where) {
    int v = 0;
    const char* first = word.data() + (word.starts_with('+') ? 1 : 0);
    const auto [ptr, ec] = std::from_chars(first, word.data() + word.size(), v);
    if (ec != std::errc() || ptr != word.data() + word.size() || word.empty())
        throw SourceError(where + ": '" + word + "' is not a whole number");
    return v;
}

double to_double(const std::string& word, const std::string& where) {
    double v = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc() || ptr != word.data() + word.size() || word.empty())
        throw SourceError(where + ": '" + word + "' is not a number");
    return v;
}

std::vector<std::string> files_in(const std::string& folder, const std::string& extension) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.is_regular_file() && e.path().extension() == extension) out.push_back(e.path().string());
    if (ec) throw SourceError(folder + ": cannot list the folder: " + ec.message());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace tsu::assetgen
