// Where the game's files are. The data root (cg/, dat/, mp3/) is --root, else
// the executable's folder when it holds the data (the build tree or a
// portable copy), else the install prefix's share/tsumikiya beside the
// executable's bin/. Files the game writes (save file, user stages, replays,
// the editor's recovery file) go to the user data folder: the data root's
// dat/ when it is writable, else $XDG_DATA_HOME/tsumikiya.
#pragma once
#include <string>

namespace tsu {

std::string executable_folder();
// `exe_folder` is the executable's folder (tests pass their own).
std::string resolve_data_root(const std::string& given, const std::string& exe_folder);
std::string resolve_data_root(const std::string& given);

// True when the folder can be written: it exists, the file system is not
// read-only and its permission bits grant writing (even to root, who may
// write anywhere: a copy made read-only is an installed copy).
bool folder_writable(const std::string& path);

// $XDG_DATA_HOME/tsumikiya, or ~/.local/share/tsumikiya; empty when neither
// XDG_DATA_HOME nor HOME is set.
std::string xdg_data_folder();

// The user data folder for the data root: root/dat when writable, else the
// XDG folder (created). Empty when no folder can be had.
std::string user_data_folder(const std::string& root);

} // namespace tsu
