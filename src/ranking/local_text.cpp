// Forgiving CP932 conversions on top of the game's iconv codec.
#include "ranking/local_text.h"

#include "data/text_codec.h"

#include <algorithm>

namespace tsu {

namespace {

// Length of the UTF-8 sequence that starts with `lead`; 1 for a stray byte.
std::size_t utf8_length(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

} // namespace

std::string to_local(std::string_view utf8) {
    if (auto whole = utf8_to_cp932(utf8)) return *whole;
    // Some character has no form: convert one character at a time.
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(utf8_length(static_cast<unsigned char>(utf8[i])),
                                       utf8.size() - i);
        const auto one = utf8_to_cp932(utf8.substr(i, n));
        if (one) {
            out += *one;
            i += n;
        } else {
            // A whole character without a CP932 form is one '?'; a broken
            // sequence gives up only its first byte.
            bool whole_char = n > 1 && i + n <= utf8.size();
            for (std::size_t k = 1; whole_char && k < n; ++k)
                whole_char = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
            out += '?';
            i += whole_char ? n : 1;
        }
    }
    return out;
}

std::string from_local(std::string_view cp932) { return cp932_to_utf8(cp932); }

} // namespace tsu
