// Test helper: a small picture as text, one character per pixel, so tests
// can state the exact pixels they expect.
#pragma once
#include "render/bitmap.h"

#include <string>
#include <utility>
#include <vector>

namespace tsu::test {

inline constexpr Colour kRed = rgb(0xFF0000);
inline constexpr Colour kGreen = rgb(0x00FF00);
inline constexpr Colour kBlue = rgb(0x0000FF);
inline constexpr Colour kKey = rgb(0xFF00FF);

using Legend = std::vector<std::pair<Colour, char>>;

// Rows joined by '\n'; a colour missing from the legend shows as '?'.
inline std::string art(const Bitmap& b, const Legend& legend) {
    std::string s;
    for (int y = 0; y < b.height(); ++y) {
        if (y > 0) s += '\n';
        for (int x = 0; x < b.width(); ++x) {
            char ch = '?';
            for (const auto& [c, sym] : legend)
                if (b.pixel(x, y) == c) ch = sym;
            s += ch;
        }
    }
    return s;
}

// The usual legend: white '.', black '#', red 'o', green 'g', blue 'b', key 'k'.
inline std::string art(const Bitmap& b) {
    return art(b, {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'o'}, {kGreen, 'g'}, {kBlue, 'b'}, {kKey, 'k'}});
}

// Builds a picture from rows of the usual legend's characters.
inline Bitmap from_art(const std::vector<std::string>& rows) {
    Bitmap b(int(rows.empty() ? 0 : rows[0].size()), int(rows.size()));
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const char ch = rows[std::size_t(y)][std::size_t(x)];
            const Colour c = ch == '#' ? kBlack : ch == 'o' ? kRed : ch == 'g' ? kGreen
                           : ch == 'b' ? kBlue : ch == 'k' ? kKey : kWhite;
            b.set_pixel(x, y, c);
        }
    return b;
}

inline std::string lines(const std::vector<std::string>& rows) {
    std::string s;
    for (std::size_t i = 0; i < rows.size(); ++i) s += (i > 0 ? "\n" : "") + rows[i];
    return s;
}

} // namespace tsu::test
