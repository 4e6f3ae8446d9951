// Text checks the ranking targets share.
#pragma once
#include <string_view>

namespace tsu::fuzz {

// Whether `s` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing past U+10FFFF): what the game's text drawing expects.
inline bool valid_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        unsigned min = 0, cp = 0;
        if (b < 0x80) n = 1, cp = b;
        else if (b >= 0xC2 && b < 0xE0) n = 2, cp = b & 0x1Fu, min = 0x80;
        else if (b >= 0xE0 && b < 0xF0) n = 3, cp = b & 0x0Fu, min = 0x800;
        else if (b >= 0xF0 && b < 0xF5) n = 4, cp = b & 0x07u, min = 0x10000;
        else return false;
        if (i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = cp << 6 | (c & 0x3Fu);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return false;
        i += n;
    }
    return true;
}

} // namespace tsu::fuzz
