// Loading, checking and saving the player's settings.
#include "app/settings.h"

#include "app/key_actions.h"
#include "data/file_io.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace tsu {

namespace {

bool parse_int(std::string_view s, int& out) {
    if (s.empty()) return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

std::string on_off(bool b) { return b ? "on" : "off"; }

void set_defaults(Settings& s) {
    s.bindings.clear();
    for (const KeyAction& a : key_actions()) {
        s.bindings[std::string("key_") + a.name] = a.keys;
        s.bindings[std::string("pad_") + a.name] = a.pad;
    }
}

// The text of a new settings file: every setting at its default, explained.
void write_defaults(const Settings& s, SettingsFile& f) {
    f.add_comment("Tsumikiya settings: `key = value`, one a line; lines starting with # or ; are");
    f.add_comment("comments. Command-line flags win over this file. Unknown keys are kept.");
    f.add_comment("");
    f.add_comment("Window: whole-multiple scale (0 = the largest that fits) and full screen");
    f.add_comment("(on/off); both are remembered when changed in the window.");
    f.set("scale", std::to_string(s.scale));
    f.set("fullscreen", on_off(s.fullscreen));
    f.add_comment("Volumes 0..100.");
    f.set("se_volume", std::to_string(s.se_volume));
    f.set("music_volume", std::to_string(s.music_volume));
    f.add_comment("Pause when the window loses the focus or is minimised during play.");
    f.set("pause_on_focus_loss", on_off(s.pause_on_focus_loss));
    f.add_comment("The ranking server.");
    f.set("ranking_url", s.ranking_url);
    f.add_comment("");
    f.add_comment("Keys: key places by scancode name, comma separated (Left, Right Shift, A,");
    f.add_comment("Return, Keypad Enter, F1, International3 = the JIS yen key, International1 =");
    f.add_comment("ro, International4 = henkan, Backslash, NonUSBackslash, Space, ...).");
    for (const KeyAction& a : key_actions()) {
        f.add_comment(a.what);
        f.set(std::string("key_") + a.name, s.bindings.at(std::string("key_") + a.name));
    }
    f.add_comment("");
    f.add_comment("Gamepad: south east west north (face buttons by place), dpup dpdown dpleft");
    f.add_comment("dpright, leftshoulder rightshoulder, start back, leftstick rightstick, and stick");
    f.add_comment("or trigger directions: leftx- leftx+ lefty- lefty+ rightx- ... lefttrigger.");
    for (const KeyAction& a : key_actions())
        f.set(std::string("pad_") + a.name, s.bindings.at(std::string("pad_") + a.name));
}

} // namespace

bool parse_volume(std::string_view text, int& out) {
    int v = 0;
    if (!parse_int(text, v) || v < 0 || v > 100) return false;
    out = v;
    return true;
}

bool parse_on_off(std::string_view text, bool& out) {
    if (text == "on" || text == "true" || text == "yes" || text == "1") out = true;
    else if (text == "off" || text == "false" || text == "no" || text == "0") out = false;
    else return false;
    return true;
}

bool valid_ranking_url(std::string_view url) {
    const bool scheme = url.starts_with("http://") || url.starts_with("https://");
    if (!scheme || url.size() > 1024) return false;
    for (const char c : url)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) return false;
    return url.find("://") + 3 < url.size(); // a host follows the scheme
}

std::string settings_path() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) return {};
        base = std::string(home) + "/.config";
    }
    return base + "/tsumikiya/settings.ini";
}

void read_settings(Settings& s, std::string_view text) {
    set_defaults(s);
    s.file.parse(text);
    SettingsFile& f = s.file;
    auto bad = [&](const char* key, const std::string& value, const char* want) {
        f.add_problem(f.line_of(key), std::string(key) + " = " + value + ": " + want);
    };
    if (auto v = f.get("scale")) {
        int n = 0;
        if (parse_int(*v, n) && n >= 0 && n <= 16) s.scale = n;
        else bad("scale", *v, "needs 0..16");
    }
    if (auto v = f.get("fullscreen"); v && !parse_on_off(*v, s.fullscreen))
        bad("fullscreen", *v, "needs on or off");
    if (auto v = f.get("pause_on_focus_loss"); v && !parse_on_off(*v, s.pause_on_focus_loss))
        bad("pause_on_focus_loss", *v, "needs on or off");
    if (auto v = f.get("se_volume"); v && !parse_volume(*v, s.se_volume))
        bad("se_volume", *v, "needs 0..100");
    if (auto v = f.get("music_volume"); v && !parse_volume(*v, s.music_volume))
        bad("music_volume", *v, "needs 0..100");
    if (auto v = f.get("ranking_url")) {
        if (valid_ranking_url(*v)) s.ranking_url = *v;
        else bad("ranking_url", *v, "needs an http:// or https:// address");
    }
    for (auto& [key, value] : s.bindings)
        if (auto v = f.get(key)) value = *v;
}

Settings load_settings(const std::string& path) {
    Settings s;
    s.path = path;
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) {
        read_settings(s, "");
        return s;
    }
    s.existed = true;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in && !in.eof()) {
        read_settings(s, "");
        s.file.add_problem(0, "cannot be read");
        return s;
    }
    read_settings(s, text.str());
    return s;
}

void report_settings_problems(const Settings& s, std::ostream& err) {
    const auto& problems = s.file.problems();
    if (problems.empty()) return;
    const auto& first = problems.front();
    err << "tsumikiya: " << s.path;
    if (first.line > 0) err << ", line " << first.line;
    err << ": " << first.why;
    if (problems.size() > 1) err << " (and " << problems.size() - 1 << " more bad lines)";
    err << "; ignored\n";
}

bool save_settings(Settings& s, std::string& error) {
    if (s.path.empty()) {
        error = "no settings folder (neither XDG_CONFIG_HOME nor HOME is set)";
        return false;
    }
    if (!s.existed) {
        write_defaults(s, s.file);
    } else {
        s.file.set("scale", std::to_string(s.scale));
        s.file.set("fullscreen", on_off(s.fullscreen));
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(s.path).parent_path(), ec);
    if (!write_file_atomic(s.path, s.file.text(), error)) return false;
    s.existed = true;
    return true;
}

} // namespace tsu
