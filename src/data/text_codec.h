// Text conversions at the file boundary through iconv. The game keeps its
// texts as UTF-8; the save file stores them as Shift-JIS (code page 932),
// and the ranking speaks UTF-7.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tsu {

// Converts `text` from encoding `from` to `to` (iconv names). nullopt when
// iconv does not know an encoding or the text holds a sequence that is
// invalid in `from` or has no form in `to`. The converter's closing state is
// flushed, so stateful encodings such as UTF-7 end complete.
std::optional<std::string> convert_text(std::string_view text, const char* to,
                                        const char* from);

// UTF-8 to CP932. WAVE DASH (U+301C) is first turned into FULLWIDTH TILDE
// (U+FF5E), the character Japanese keyboards on Windows type for it.
// nullopt when a character has no CP932 form or the UTF-8 is invalid.
std::optional<std::string> utf8_to_cp932(std::string_view utf8);

// CP932 to UTF-8, forgiving: every byte that does not start a valid
// character (and an unfinished one at the end) becomes '?', so a damaged
// file still loads its other values.
std::string cp932_to_utf8(std::string_view cp932);

} // namespace tsu
