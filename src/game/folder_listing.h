// The files of a folder, as both shells list them for the game.
#pragma once
#include <string>
#include <vector>

namespace tsu {

// Names of the regular files in a folder, sorted by name so that a window
// run and a headless run choose the same file from the same random draw;
// empty when the folder is missing.
std::vector<std::string> list_files_sorted(const std::string& path);

} // namespace tsu
