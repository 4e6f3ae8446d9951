// Decoding UTF-8 text into code points for the text engine, and encoding
// a code point. Malformed bytes
// (stray continuation bytes, overlong forms, surrogates, truncated
// sequences) each decode as U+FFFD so hostile text never derails drawing.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tsu::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// Decodes the code point starting at s[i] and moves i past it (i < s.size()).
inline char32_t next(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    int extra = 0;
    char32_t cp = 0, min = 0;
    if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; min = 0x80; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; min = 0x800; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; min = 0x10000; }
    else return kReplacement;
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size()) return kReplacement;
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return kReplacement; // leave b for the next call
        cp = (cp << 6) | (b & 0x3F);
        ++i;
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    return cp;
}

// Number of code points in s (each malformed byte counts as one).
inline std::size_t length(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) next(s, i);
    return n;
}

// Byte offset of the code point with index `chars` (s.size() past the end).
inline std::size_t offset(std::string_view s, std::size_t chars) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < chars && i < s.size(); ++n) next(s, i);
    return i;
}

// The UTF-8 bytes of code point `cp` (at most U+10FFFF).
inline std::string encode(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += char(cp);
    } else if (cp < 0x800) {
        s += char(0xC0 | (cp >> 6));
        s += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += char(0xE0 | (cp >> 12));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    } else {
        s += char(0xF0 | (cp >> 18));
        s += char(0x80 | ((cp >> 12) & 0x3F));
        s += char(0x80 | ((cp >> 6) & 0x3F));
        s += char(0x80 | (cp & 0x3F));
    }
    return s;
}

} // namespace tsu::utf8
