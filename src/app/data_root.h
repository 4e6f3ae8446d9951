// Where the game's data root is: --root, else the executable's folder.
#pragma once
#include <string>

namespace tsu {

std::string executable_folder();
std::string resolve_data_root(const std::string& given);

} // namespace tsu
