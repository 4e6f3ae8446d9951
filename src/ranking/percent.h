// The request body's outer layer: every byte as "%" and two upper-case
// hexadecimal digits, letters and digits included ("AB" is "%41%42").
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tsu {

std::string percent_encode(std::string_view bytes);

// The inverse for a server. A byte that is not "%" stands for itself ("+"
// stays "+": it is UTF-7's shift character, not a space); a "%" without two
// hexadecimal digits after it makes the body invalid (nullopt).
std::optional<std::string> percent_decode(std::string_view text);

} // namespace tsu
