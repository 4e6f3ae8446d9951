// The size table content/sprites/sizes.txt (see sizes.h).
#include "sizes.h"

#include "source_text.h"

#include <set>

namespace tsu::assetgen {

std::vector<PictureSize> read_sizes(const std::string& path) {
    const SourceFile f = read_source(path);
    if (!f.sections.empty()) throw SourceError(f.sections.front().where + ": the size table has no sections");
    std::vector<PictureSize> out;
    std::set<std::string> seen;
    for (const SourceLine& l : f.preamble) {
        const std::vector<std::string> w = split_words(l.text);
        const std::string at = f.where(l);
        if (w.size() < 5) throw SourceError(at + ": file, width, height, key and drawn size are needed");
        PictureSize s;
        s.file = w[0];
        s.width = to_int(w[1], at);
        s.height = to_int(w[2], at);
        if (s.width < 1 || s.height < 1) throw SourceError(at + ": a picture is at least 1 x 1");
        if (w[3] == "magenta") s.keyed = true, s.key = rgb(0xFF00FF);
        else if (w[3] == "black") s.keyed = true, s.key = rgb(0x000000);
        else if (w[3] != "none") throw SourceError(at + ": key is magenta, black or none");
        if (w[4] == "own") {
            s.drawn_width = s.width;
            s.drawn_height = s.height;
        } else if (const std::size_t x = w[4].find('x'); x != std::string::npos) {
            s.drawn_width = to_int(w[4].substr(0, x), at);
            s.drawn_height = to_int(w[4].substr(x + 1), at);
        } else if (w[4] != "-") {
            throw SourceError(at + ": drawn is own, WxH or -");
        }
        for (std::size_t i = 5; i < w.size(); ++i) s.why += (i > 5 ? " " : "") + w[i];
        if (!seen.insert(s.file).second) throw SourceError(at + ": " + s.file + " is listed twice");
        out.push_back(std::move(s));
    }
    return out;
}

const PictureSize* find_size(const std::vector<PictureSize>& sizes, const std::string& file) {
    for (const PictureSize& s : sizes)
        if (s.file == file) return &s;
    return nullptr;
}

} // namespace tsu::assetgen
