// The art sources of content/sprites/ (see art_library.h).
#include "art_library.h"

namespace tsu::assetgen {

Colour parse_colour(const std::string& word, const Legend& legend, const std::string& where) {
    if (word.size() == 1) {
        const auto it = legend.find(word[0]);
        if (it == legend.end()) throw SourceError(where + ": colour '" + word + "' is not in the legend");
        return it->second;
    }
    if (word.size() != 6) throw SourceError(where + ": '" + word + "' is not a colour (RRGGBB or a legend character)");
    std::uint32_t v = 0;
    for (const char ch : word) {
        int d = -1;
        if (ch >= '0' && ch <= '9') d = ch - '0';
        else if (ch >= 'A' && ch <= 'F') d = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f') d = ch - 'a' + 10;
        if (d < 0) throw SourceError(where + ": '" + word + "' is not a colour (RRGGBB or a legend character)");
        v = v * 16 + std::uint32_t(d);
    }
    return rgb(v);
}

void add_legend(Legend& legend, const std::vector<std::string>& words, std::size_t first, const std::string& where) {
    if ((words.size() - first) % 2 != 0) throw SourceError(where + ": a legend pairs a character with a colour");
    for (std::size_t i = first; i + 1 < words.size(); i += 2) {
        if (words[i].size() != 1 || words[i] == ".")
            throw SourceError(where + ": legend names are single characters other than '.'");
        legend[words[i][0]] = parse_colour(words[i + 1], legend, where);
    }
}

void ArtLibrary::add(const SourceFile& file) {
    if (!file.preamble.empty())
        throw SourceError(file.where(file.preamble.front()) + ": lines before the first section");
    for (const Section& s : file.sections) {
        if (s.bracket == '{') {
            Block b;
            b.name = s.name;
            b.where = s.where;
            for (const SourceLine& l : s.body) {
                if (l.text.find_first_of(" \t") != std::string::npos)
                    throw SourceError(file.where(l) + ": a pixel row holds no blanks");
                if (!b.rows.empty() && l.text.size() != b.rows.front().size())
                    throw SourceError(file.where(l) + ": rows of block " + s.name + " differ in length");
                b.rows.push_back(l.text);
            }
            if (b.rows.empty()) throw SourceError(s.where + ": block " + s.name + " is empty");
            b.width = int(b.rows.front().size());
            b.height = int(b.rows.size());
            if (!blocks_.emplace(s.name, std::move(b)).second)
                throw SourceError(s.where + ": block " + s.name + " is defined twice");
        } else if (s.bracket == '<') {
            Legend legend;
            for (const SourceLine& l : s.body) add_legend(legend, split_words(l.text), 0, file.where(l));
            if (!palettes_.emplace(s.name, std::move(legend)).second)
                throw SourceError(s.where + ": palette " + s.name + " is defined twice");
        } else {
            if (!recipes_.emplace(s.name, s).second)
                throw SourceError(s.where + ": picture " + s.name + " is defined twice");
        }
    }
}

void ArtLibrary::add_folder(const std::string& folder) {
    for (const std::string& f : files_in(folder, ".art")) add(read_source(f));
}

const Block& ArtLibrary::block(const std::string& name, const std::string& where) const {
    const auto it = blocks_.find(name);
    if (it == blocks_.end()) throw SourceError(where + ": no block {" + name + "}");
    return it->second;
}

const Legend& ArtLibrary::palette(const std::string& name, const std::string& where) const {
    const auto it = palettes_.find(name);
    if (it == palettes_.end()) throw SourceError(where + ": no palette <" + name + ">");
    return it->second;
}

const Section* ArtLibrary::recipe(const std::string& name) const {
    const auto it = recipes_.find(name);
    return it == recipes_.end() ? nullptr : &it->second;
}

std::vector<std::string> ArtLibrary::recipe_names() const {
    std::vector<std::string> out;
    for (const auto& [name, s] : recipes_) out.push_back(name);
    return out;
}

Legend ArtLibrary::base() const {
    const auto it = palettes_.find("base");
    return it == palettes_.end() ? Legend{} : it->second;
}

} // namespace tsu::assetgen
