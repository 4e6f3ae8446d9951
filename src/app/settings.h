// The player's settings: $XDG_CONFIG_HOME/tsumikiya/settings.ini (default
// ~/.config/tsumikiya/settings.ini). A missing file means the defaults; a
// line the game cannot use is reported once and ignored, never fatal.
#pragma once
#include "app/settings_file.h"

#include <iosfwd>
#include <map>
#include <string>

namespace tsu {

inline constexpr const char* kDefaultRankingUrl = "http://127.0.0.1:8610/tsumikiya";

struct Settings {
    int scale = 0;                  // whole-multiple window scale, 0 = largest that fits
    bool fullscreen = false;
    std::string ranking_url = kDefaultRankingUrl;
    int se_volume = 100;            // 0..100
    int music_volume = 100;         // 0..100
    bool pause_on_focus_loss = true;
    // "key_<action>" and "pad_<action>" values as written; every action has
    // one (its default when the file has none). The shell reads the names.
    std::map<std::string, std::string> bindings;

    SettingsFile file;              // the lines as read, for rewriting
    std::string path;               // where the file is (or would be)
    bool existed = false;
};

// $XDG_CONFIG_HOME/tsumikiya/settings.ini, or ~/.config/... ; empty when
// neither XDG_CONFIG_HOME nor HOME is set.
std::string settings_path();

// Defaults with the file's values over them. An unreadable file gives the
// defaults (and a problem).
Settings load_settings(const std::string& path);
// Fills settings from text (the file's contents) over the defaults.
void read_settings(Settings& s, std::string_view text);

// One stderr line for all the file's problems, or nothing.
void report_settings_problems(const Settings& s, std::ostream& err);

// Writes the file atomically with scale and fullscreen set from `s`; a new
// file gets every setting with its default and a comment on each.
bool save_settings(Settings& s, std::string& error);

// The value checks shared with the command line.
bool parse_volume(std::string_view text, int& out);
bool parse_on_off(std::string_view text, bool& out);
bool valid_ranking_url(std::string_view url);

} // namespace tsu
