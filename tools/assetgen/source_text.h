// Reading the content sources under content/: plain UTF-8 text where a '#'
// at the start of a line or after a blank starts a comment (outside "quoted"
// text; F#4 is a note), blank lines are ignored, and a
// line that is only a bracketed name starts a section:
//
//   [name]   a picture, a chip, a sound or a track
//   {name}   a block of pixel art
//   <name>   a named palette
//
// Faults are thrown as SourceError with "file:line: what".
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tsu::assetgen {

struct SourceError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct SourceLine {
    int number = 0;   // 1-based line of the file
    std::string text; // comment removed, blanks trimmed at both ends; never empty
};

struct Section {
    char bracket = '['; // '[', '{' or '<'
    std::string name;
    std::string file;  // the source file
    std::string where; // "file:line" of the header
    std::vector<SourceLine> body;

    std::string at(const SourceLine& l) const { return file + ":" + std::to_string(l.number); }
};

struct SourceFile {
    std::string path;
    std::vector<SourceLine> preamble; // lines before the first section
    std::vector<Section> sections;

    std::string where(const SourceLine& l) const { return path + ":" + std::to_string(l.number); }
};

SourceFile parse_source(std::string_view text, const std::string& path);
SourceFile read_source(const std::string& path); // throws SourceError when unreadable

// Splits a line into words at blanks; a "quoted text" is one word (without
// its quotes) and may hold blanks.
std::vector<std::string> split_words(std::string_view line);

// Whole-word numbers; throw SourceError naming `where` on anything else.
int to_int(const std::string& word, const std::string& where);
double to_double(const std::string& word, const std::string& where);

// All files with the given extension in a folder, sorted by name.
std::vector<std::string> files_in(const std::string& folder, const std::string& extension);

} // namespace tsu::assetgen
