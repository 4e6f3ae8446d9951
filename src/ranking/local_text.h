// The ranking's texts travel as Shift-JIS (code page 932) before they are
// packed into UTF-7: the conversions between the game's UTF-8 and that
// local form, both forgiving, so that a name typed with a character the
// code page lacks or a damaged answer of a server never stops an exchange.
#pragma once
#include <string>
#include <string_view>

namespace tsu {

// UTF-8 to CP932. WAVE DASH (U+301C) becomes FULLWIDTH TILDE as on Japanese
// keyboards; a character without a CP932 form, and each byte of invalid
// UTF-8, becomes '?'.
std::string to_local(std::string_view utf8);

// CP932 to UTF-8; every byte that starts no valid character becomes '?'.
std::string from_local(std::string_view cp932);

} // namespace tsu
