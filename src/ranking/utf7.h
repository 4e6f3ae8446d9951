// The ranking's line form: a text in UTF-7 (RFC 2152) with its first and
// last character cut off. The texts are wrapped in full-width characters
// before packing, so what is cut is the opening "+" of the first base64 run
// and the "-" that closes the last one.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tsu {

// Shift-JIS text (code page 932) to the packed form and back. Unpacking is
// forgiving: a byte that breaks the UTF-7 becomes '?', and a character the
// code page lacks becomes '?'.
std::string utf7_pack_local(std::string_view cp932);
std::string utf7_unpack_local(std::string_view packed);

// The same for the game's UTF-8 texts: packing goes through the Shift-JIS
// repertoire (what the game can show), so a character outside it is sent
// as '?', and U+301C as the full-width tilde.
std::string utf7_pack(std::string_view utf8);
std::string utf7_unpack(std::string_view packed);

// Strict unpacking for a server: UTF-8, or nullopt when the text is not
// valid UTF-7 or holds a NUL.
std::optional<std::string> utf7_unpack_strict(std::string_view packed);

} // namespace tsu
